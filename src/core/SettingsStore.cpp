#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The marker is compared exactly: "settings.ini" beside it is opened by its exact name as
// well, and an unrelated "portable" (a packaging script, say) must not move the settings.
constexpr auto kMarkerName = u"PORTABLE";
constexpr auto kIniName = u"settings.ini";
// Names the QSettings file of normal mode: ~/.config/<application>/Quillmark.conf.
constexpr auto kProductName = u"Quillmark";

struct Line {
    qsizetype start = 0;
    qsizetype length = 0; // without the line break
    qsizetype breakLength = 0; // 2 for CR LF, 1 for a lone CR, 0 at the end of the text
};

// Lines end at CR LF, a lone CR or a lone LF (a file edited with a Linux editor). The
// reader and the writer split alike, so a save lands where the next read looks.
QList<Line> splitLines(QStringView text)
{
    QList<Line> lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        const qsizetype breakLength = (text[i] == u'\r' && i + 1 < size && text[i + 1] == u'\n') ? 2 : 1;
        lines.append({start, i - start, breakLength});
        i += breakLength - 1;
        start = i + 1;
    }
    if (start < size)
        lines.append({start, size - start, 0});
    return lines;
}

QStringView lineText(QStringView text, const Line &line)
{
    return text.mid(line.start, line.length);
}

// Case-insensitive comparison folds one UTF-16 unit at a time, so positions found in the
// folded comparison are positions in the text as written (lower-casing a copy can change
// its length for a few characters).
bool isSectionLine(QStringView line, QStringView wanted)
{
    return line.compare(wanted, Qt::CaseInsensitive) == 0;
}

bool isKeyLine(QStringView line, QStringView keyPrefix)
{
    return line.startsWith(keyPrefix, Qt::CaseInsensitive);
}

// Creates the file empty when it is missing and lets its owner read and write it, the way
// the store has always cleared a read-only flag before touching the file. Other
// permission bits stay as they are.
bool prepareFile(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        QFile file(fileName);
        // Append: should the file appear meanwhile, its content is not cut.
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
            return false;
        file.close();
    }
    const QFileInfo info(fileName);
    if (!info.isFile())
        return false;
    constexpr QFile::Permissions userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    constexpr QFile::Permissions needed = QFile::ReadOwner | QFile::WriteOwner;
    const QFile::Permissions current = info.permissions() & ~userBits;
    if ((current & needed) == needed)
        return true;
    return QFile::setPermissions(fileName, current | needed);
}

bool readWholeFile(const QString &fileName, QString *text)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *text = QString::fromUtf8(bytes);
    return true;
}

bool isControlChar(QChar c)
{
    return c.unicode() <= 13;
}

void tidy(QString &text)
{
    const QString threeBreaks = u"\r\n\r\n\r\n"_s;
    const QString twoBreaks = u"\r\n\r\n"_s;
    while (text.contains(threeBreaks))
        text.replace(threeBreaks, twoBreaks);
    qsizetype end = text.size();
    while (end > 0 && isControlChar(text[end - 1]))
        --end;
    qsizetype begin = 0;
    while (begin < end && isControlChar(text[begin]))
        ++begin;
    text = text.mid(begin, end - begin);
}

QString valueToString(const QVariant &value)
{
    // A hand-edited file can hold "a, b" unquoted, which QSettings hands back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

} // namespace

QString ReadIniValue(
    const QString &fileName, const QString &section, const QString &key, const QString &defaultValue, bool *ok)
{
    if (ok)
        *ok = false;
    const QString sectionLine = u'[' + section + u']';
    const QString keyPrefix = key + u'=';

    // Reading never creates the file or changes its permissions; a missing file holds
    // no keys, so every key reads as its default.
    QString text;
    if (!QFileInfo::exists(fileName)) {
        if (ok)
            *ok = true;
        return defaultValue;
    }
    if (!readWholeFile(fileName, &text))
        return defaultValue;
    if (ok)
        *ok = true;

    // Every line of the wanted name raises the flag again, so a section that occurs twice
    // is searched in both places and the first matching key line in the file wins.
    bool inSection = false;
    for (const Line &line : splitLines(text)) {
        const QStringView current = lineText(text, line);
        if (current.startsWith(u'[')) {
            inSection = isSectionLine(current, sectionLine);
            continue;
        }
        if (inSection && isKeyLine(current, keyPrefix))
            return current.mid(keyPrefix.size()).toString();
    }
    return defaultValue;
}

bool WriteIniValue(const QString &fileName, const QString &section, const QString &key, const QString &value)
{
    const QString sectionLine = u'[' + section + u']';
    const QString keyPrefix = key + u'=';
    const QString keyLine = keyPrefix + value;
    const QString crLf = u"\r\n"_s;

    QString text;
    if (!prepareFile(fileName) || !readWholeFile(fileName, &text))
        return false;
    // The file is written with CR LF, whatever line ends it was read with.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            text.insert(i++, u'\r');
    }

    const QList<Line> lines = splitLines(text);
    qsizetype sectionIndex = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].breakLength > 0 && isSectionLine(lineText(text, lines[i]), sectionLine)) {
            sectionIndex = i;
            break;
        }
    }

    if (sectionIndex < 0) {
        text += crLf + crLf + u'[' + section + u']' + crLf + keyLine;
    } else {
        qsizetype keyIndex = -1;
        for (qsizetype i = sectionIndex + 1; i < lines.size(); ++i) {
            const QStringView current = lineText(text, lines[i]);
            if (current.startsWith(u'['))
                break;
            if (isKeyLine(current, keyPrefix)) {
                keyIndex = i;
                break;
            }
        }
        if (keyIndex >= 0) {
            text.replace(lines[keyIndex].start, lines[keyIndex].length, keyLine);
        } else {
            const Line &head = lines[sectionIndex];
            text.insert(head.start + head.length + head.breakLength, keyLine + crLf);
        }
    }

    tidy(text);
    text += crLf;

    // The whole file goes to a temporary file beside it that then takes its place, so a
    // save that fails at any point leaves the previous settings untouched.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

SettingsStore::SettingsStore(const QString &programFolder)
    : m_programFolder(programFolder)
{
}

void SettingsStore::DetectPortableMode()
{
    // isFile() follows a symbolic link to a file and needs no read permission on the
    // marker; its content is never looked at.
    m_portable = QFileInfo(QDir(m_programFolder).filePath(QString::fromUtf16(kMarkerName))).isFile();
}

QString SettingsStore::iniPath() const
{
    // Beside the program rather than in the current directory, so nothing depends on where
    // the program was started from.
    return QDir(m_programFolder).filePath(QString::fromUtf16(kIniName));
}

namespace {

std::unique_ptr<QSettings> openNativeSettings(const QString &nativePath, const QString &application)
{
    if (!nativePath.isEmpty())
        return std::make_unique<QSettings>(nativePath, QSettings::IniFormat);
    auto settings = std::make_unique<QSettings>(
        QSettings::NativeFormat, QSettings::UserScope, application, QString::fromUtf16(kProductName));
    // Only the user's own file counts; values from /etc/xdg or an organisation-wide file
    // would appear as "stored" settings the user never saved.
    settings->setFallbacksEnabled(false);
    return settings;
}

} // namespace

QString SettingsStore::settingsFilePath() const
{
    if (m_portable)
        return iniPath();
    if (!m_nativePath.isEmpty())
        return m_nativePath;
    // Where QSettings keeps the native user-scope file on Linux; worked out here, because
    // constructing a QSettings already reads the file.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/'
        + QString::fromUtf16(SettingsCatalogue::application) + u'/' + QString::fromUtf16(kProductName) + u".conf"_s;
}

bool SettingsStore::isOversized() const
{
    // Follows a symbolic link, as the readers do.
    const QFileInfo info(settingsFilePath());
    return info.isFile() && info.size() > maximumFileSize;
}

QString SettingsStore::GetSettingValue(
    const QString &application, const QString &section, const QString &key, const QString &defaultValue, bool *ok) const
{
    if (isOversized()) {
        if (ok)
            *ok = false;
        return defaultValue;
    }
    if (m_portable)
        return ReadIniValue(iniPath(), section, key, defaultValue, ok);

    const auto settings = openNativeSettings(m_nativePath, application);
    if (settings->status() != QSettings::NoError) {
        if (ok)
            *ok = false;
        return defaultValue;
    }
    if (ok)
        *ok = true;
    settings->beginGroup(section);
    const QVariant value = settings->value(key);
    return value.isValid() ? valueToString(value) : defaultValue;
}

bool SettingsStore::SaveSettingValue(
    const QString &application, const QString &section, const QString &key, const QString &value)
{
    if (isOversized())
        return false;
    if (m_portable)
        return WriteIniValue(iniPath(), section, key, value);

    const auto settings = openNativeSettings(m_nativePath, application);
    settings->beginGroup(section);
    const QVariant previous = settings->value(key);
    settings->setValue(key, value);
    settings->sync();
    if (settings->status() == QSettings::NoError)
        return true;
    // QSettings shares the parsed file among all its objects in the process and keeps an
    // unsaved change pending: later reads would report it and a later save of another key
    // would write it after all. Put the previous state back so nothing claims to be stored.
    if (previous.isValid())
        settings->setValue(key, previous);
    else
        settings->remove(key);
    return false;
}

namespace SettingsCatalogue {

const QList<Key> &saveOrder()
{
    static const QList<Key> keys = {
        {u"optOutputMode", u"3"},
        {u"txtOutput", u""},
        {u"txtPrefix", u"cleaned_"},
        {u"txtSuffix", u"_cleaned"},
        {u"sLastDir", nullptr},
        {u"sLastAddDir", nullptr},
        {u"bFontSizeWarningShown", u"False"},
        {u"chkCleanAll", u"1"},
        {u"chkCleanExif", u"1"},
        {u"chkCleanExifGPS", u"1"},
        {u"chkCleanXMP", u"1"},
        {u"chkCleanIPTC", u"1"},
        {u"chkCleanThumbnail", u"1"},
        {u"chkCleanICC", u"1"},
        {u"chkCleanOther", u"1"},
        {u"chkCleanTiffIdf0", u"1"},
        {u"chkCleanPhotoshop", u"1"},
        {u"chkCleanGeoTiff", u"1"},
        {u"chkCleanAdobeApp14", u"0"},
        {u"chkResetFileDates", u"0"},
        {u"Left", nullptr},
        {u"Top", nullptr},
        {u"chkSkipReadyPage", u"0"},
        {u"resizableWindow", u"0"},
        {u"chkDeleteFileOnFail", u"0"},
        {u"chkIgnoreMinorWarnings2", u"1"},
        {u"optProcessingFail", u"0"},
        {u"txtProcessingFailFolder", u""},
        {u"SetDate_Year", u"1980"},
        {u"SetDate_Month", u"1"},
        {u"SetDate_Day", u"1"},
        {u"SetDate_Hour", u"0"},
        {u"SetDate_Min", u"0"},
        {u"SetDate_Sec", u"0"},
        {u"SetDate_Mode", u"1"},
        // Added after the original catalogue: keep orientation and colour profile.
        {u"chkKeepLook", u"1"},
        // Who writes JPEG, PNG, WebP and GIF outputs: "auto" (the native writer where it can) or "exiftool".
        {u"Engine", u"auto"},
    };
    return keys;
}

const QList<Key> &readOrder()
{
    static const QList<Key> keys = [] {
        const QList<const char16_t *> order = {
            u"optOutputMode",
            u"txtOutput",
            u"txtPrefix",
            u"txtSuffix",
            u"sLastDir",
            u"sLastAddDir",
            u"bFontSizeWarningShown",
            u"Left",
            u"Top",
            u"chkCleanAll",
            u"chkCleanExif",
            u"chkCleanExifGPS",
            u"chkCleanXMP",
            u"chkCleanIPTC",
            u"chkCleanThumbnail",
            u"chkCleanICC",
            u"chkCleanOther",
            u"chkCleanTiffIdf0",
            u"chkCleanPhotoshop",
            u"chkCleanGeoTiff",
            u"chkCleanAdobeApp14",
            u"chkResetFileDates",
            u"chkSkipReadyPage",
            u"SetDate_Year",
            u"SetDate_Month",
            u"SetDate_Day",
            u"SetDate_Hour",
            u"SetDate_Min",
            u"SetDate_Sec",
            u"SetDate_Mode",
            u"chkIgnoreMinorWarnings2",
            u"chkDeleteFileOnFail",
            u"optProcessingFail",
            u"txtProcessingFailFolder",
            u"resizableWindow",
            u"chkKeepLook",
            u"Engine",
        };
        QList<Key> result;
        for (const char16_t *name : order) {
            const QStringView wanted(name);
            for (const Key &k : saveOrder()) {
                if (QStringView(k.name) == wanted)
                    result.append(k);
            }
        }
        return result;
    }();
    return keys;
}

} // namespace SettingsCatalogue
