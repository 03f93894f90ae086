// The settings store: portable detection, the settings.ini reader and writer (byte for
// byte), and the QSettings store of normal mode.

#include "app/modPortable.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <optional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

const QString kApplication = QString::fromUtf16(SettingsCatalogue::application);
const QString kSection = QString::fromUtf16(SettingsCatalogue::section);

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int fileMode(const QString &path)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

QStringList folderEntries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                               QDir::Name);
}

// Makes a folder unwritable for the code under test while it lives. Root ignores the
// permission bits, so as root the process borrows the identity of "nobody" instead, which
// owns the file inside (it may write the file but not create anything beside it).
class UnwritableFolder final
{
public:
    UnwritableFolder(const QString &dir, const QString &fileInside) : m_dir(dir)
    {
        const QByteArray dirName = QFile::encodeName(dir);
        if (::geteuid() == 0) {
            const uid_t nobody = 65534;
            if (::chmod(dirName.constData(), 0755) != 0
                || ::chown(QFile::encodeName(fileInside).constData(), nobody, nobody) != 0
                || ::setegid(nobody) != 0)
                return;
            if (::seteuid(nobody) != 0) {
                ::setegid(0);
                return;
            }
            m_switchedUser = true;
            m_active = true;
        } else {
            m_active = ::chmod(dirName.constData(), 0555) == 0;
        }
    }
    ~UnwritableFolder()
    {
        if (m_switchedUser) {
            ::seteuid(0);
            ::setegid(0);
        }
        ::chmod(QFile::encodeName(m_dir).constData(), 0700);
    }
    bool isActive() const { return m_active; }
    Q_DISABLE_COPY_MOVE(UnwritableFolder)

private:
    QString m_dir;
    bool m_switchedUser = false;
    bool m_active = false;
};

// What the window would hand over for the keys whose defaults it computes.
QString computedValue(QStringView key)
{
    if (key == u"Left")
        return u"5040"_s;
    if (key == u"Top")
        return u"3600"_s;
    if (key == u"sLastDir")
        return u"/home/ana/Pictures/"_s;
    if (key == u"sLastAddDir")
        return u"/home/ana/Bilder/Ürlaub 2023/"_s;
    return {};
}

QString defaultOrComputed(const SettingsCatalogue::Key &key)
{
    return key.defaultValue ? QString::fromUtf16(key.defaultValue)
                            : computedValue(QStringView(key.name));
}

} // namespace

class tst_Settings final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void catalogue();

    void detectPortableMode_data();
    void detectPortableMode();

    void readIni_data();
    void readIni();
    void writeIni_data();
    void writeIni();

    void firstPortableStartAndShutdown();
    void withoutMarkerIniIsIgnored();
    void portableIgnoresApplicationAndNativeStore();

    void readOnlyIniBecomesWritable_data();
    void readOnlyIniBecomesWritable();
    void unusableFileFails_data();
    void unusableFileFails();
    void longFile();
    void unwritableFolderKeepsIni();

    void nativeRoundTrip_data();
    void nativeRoundTrip();
    void nativeDefaultLocation();
    void nativeUnwritableFolderFails();

private:
    QTemporaryDir m_configHome;
};

void tst_Settings::initTestCase()
{
    QVERIFY(m_configHome.isValid());
    // Before the first QSettings object: its default file then lies in this folder, never
    // in the real home of whoever runs the tests.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
}

void tst_Settings::catalogue()
{
    const auto &save = SettingsCatalogue::saveOrder();
    const auto &read = SettingsCatalogue::readOrder();
    QCOMPARE(save.size(), 35);
    QCOMPARE(read.size(), 35);

    QSet<QString> saveNames;
    QStringList computed;
    for (const auto &k : save) {
        saveNames.insert(QString::fromUtf16(k.name));
        if (!k.defaultValue)
            computed << QString::fromUtf16(k.name);
    }
    QCOMPARE(saveNames.size(), 35);
    QCOMPARE(computed, (QStringList{u"sLastDir"_s, u"sLastAddDir"_s, u"Left"_s, u"Top"_s}));

    QSet<QString> readNames;
    for (const auto &k : read)
        readNames.insert(QString::fromUtf16(k.name));
    QCOMPARE(readNames, saveNames);
    // Start-up places the window before the check boxes and gives it its border last.
    QCOMPARE(QString::fromUtf16(read.at(7).name), u"Left"_s);
    QCOMPARE(QString::fromUtf16(read.last().name), u"resizableWindow"_s);
}

void tst_Settings::detectPortableMode_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("portable");

    QTest::newRow("no marker") << u"other.txt"_s << u"file"_s << false;
    QTest::newRow("marker file") << u"PORTABLE"_s << u"file"_s << true;
    QTest::newRow("marker without read permission") << u"PORTABLE"_s << u"unreadable"_s << true;
    QTest::newRow("marker that is a link to a file") << u"PORTABLE"_s << u"link-file"_s << true;
    QTest::newRow("folder of that name") << u"PORTABLE"_s << u"dir"_s << false;
    QTest::newRow("link to a folder") << u"PORTABLE"_s << u"link-dir"_s << false;
    QTest::newRow("dangling link") << u"PORTABLE"_s << u"link-none"_s << false;
    QTest::newRow("lower case") << u"portable"_s << u"file"_s << false;
    QTest::newRow("mixed case") << u"Portable"_s << u"file"_s << false;
    QTest::newRow("with extension") << u"PORTABLE.txt"_s << u"file"_s << false;
}

void tst_Settings::detectPortableMode()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, portable);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(name);
    const QString target = dir.filePath(u"target"_s);
    if (kind == u"file" || kind == u"unreadable") {
        // Content is never read, so anything may be in it.
        QVERIFY(writeBytes(path, "\xff\xfe not a settings file"));
        if (kind == u"unreadable")
            QVERIFY(QFile::setPermissions(path, {}));
    } else if (kind == u"dir") {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (kind == u"link-file") {
        QVERIFY(writeBytes(target, {}));
        QVERIFY(QFile::link(target, path));
    } else if (kind == u"link-dir") {
        QVERIFY(QDir(dir.path()).mkdir(u"target"_s));
        QVERIFY(QFile::link(target, path));
    } else if (kind == u"link-none") {
        QVERIFY(QFile::link(target, path));
    }

    SettingsStore store(dir.path());
    QVERIFY(!store.bPortable());
    store.DetectPortableMode();
    QCOMPARE(store.bPortable(), portable);
    QCOMPARE(store.iniPath(), dir.filePath(u"settings.ini"_s));
}

void tst_Settings::readIni_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString none = u"<default>"_s;
    QTest::newRow("empty file") << QByteArray() << u"txtPrefix"_s << none;
    QTest::newRow("plain") << QByteArray("[Quillmark]\r\ntxtPrefix=abc\r\n") << u"txtPrefix"_s
                           << u"abc"_s;
    QTest::newRow("capitals") << QByteArray("[QUILLMARK]\r\nTXTPREFIX=AbC\r\n")
                              << u"txtPrefix"_s << u"AbC"_s;
    QTest::newRow("blank before =") << QByteArray("[Quillmark]\r\ntxtPrefix =abc\r\n")
                                    << u"txtPrefix"_s << none;
    QTest::newRow("= and [ in value") << QByteArray("[Quillmark]\r\ntxtOutput=a=b[c]=\r\n")
                                      << u"txtOutput"_s << u"a=b[c]="_s;
    QTest::newRow("blanks at both ends") << QByteArray("[Quillmark]\r\ntxtSuffix=  x y \t\r\n")
                                         << u"txtSuffix"_s << u"  x y \t"_s;
    QTest::newRow("empty value") << QByteArray("[Quillmark]\r\ntxtOutput=\r\n")
                                 << u"txtOutput"_s << QString();
    QTest::newRow("longer key with same start")
            << QByteArray("[Quillmark]\r\ntxtPrefixOld=x\r\n") << u"txtPrefix"_s << none;
    QTest::newRow("section line with trailing blanks")
            << QByteArray("[Quillmark]  \r\ntxtPrefix=abc\r\n") << u"txtPrefix"_s << none;
    QTest::newRow("section line with leading blank")
            << QByteArray(" [Quillmark]\r\ntxtPrefix=abc\r\n") << u"txtPrefix"_s << none;
    QTest::newRow("section line with comment")
            << QByteArray("[Quillmark];x\r\ntxtPrefix=abc\r\n") << u"txtPrefix"_s << none;
    QTest::newRow("key in another section")
            << QByteArray("[Quillmark]\r\na=1\r\n[Other]\r\ntxtPrefix=abc\r\n")
            << u"txtPrefix"_s << none;
    QTest::newRow("key before any section")
            << QByteArray("txtPrefix=abc\r\n[Quillmark]\r\n") << u"txtPrefix"_s << none;
    QTest::newRow("section twice")
            << QByteArray("[Quillmark]\r\na=1\r\n[Other]\r\ntxtPrefix=o\r\n[quillmark]\r\n"
                          "txtPrefix=2\r\n")
            << u"txtPrefix"_s << u"2"_s;
    QTest::newRow("first key line wins")
            << QByteArray("[Quillmark]\r\ntxtPrefix=1\r\n[Quillmark]\r\ntxtPrefix=2\r\n")
            << u"txtPrefix"_s << u"1"_s;
    QTest::newRow("LF line ends") << QByteArray("[Quillmark]\ntxtPrefix=abc\n")
                                  << u"txtPrefix"_s << none;
    QTest::newRow("LF line ends, key on first line")
            << QByteArray("txtPrefix=abc\n[Quillmark]\n") << u"txtPrefix"_s << none;
    QTest::newRow("lone CR ends a line") << QByteArray("[Quillmark]\rtxtPrefix=abc\r")
                                         << u"txtPrefix"_s << u"abc"_s;
    QTest::newRow("lone LF stays in the value")
            << QByteArray("[Quillmark]\r\ntxtPrefix=a\nb\r\n") << u"txtPrefix"_s
            << u"a\nb"_s;
    QTest::newRow("last line without break") << QByteArray("[Quillmark]\r\ntxtPrefix=abc")
                                             << u"txtPrefix"_s << u"abc"_s;
    QTest::newRow("UTF-8") << QByteArray("[Quillmark]\r\nsLastDir=/home/j\xc3\xbcrgen/\r\n")
                           << u"sLastDir"_s << u"/home/jürgen/"_s;
}

void tst_Settings::readIni()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"settings.ini"_s);
    QVERIFY(writeBytes(path, file));

    bool ok = false;
    QCOMPARE(ReadIniValue(path, kSection, key, u"<default>"_s, &ok), expected);
    QVERIFY(ok);
    QCOMPARE(readBytes(path), file); // reading never changes the file
}

void tst_Settings::writeIni_data()
{
    QTest::addColumn<std::optional<QByteArray>>("before"); // nullopt: no file yet
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    const QString q = u"Quillmark"_s;
    QTest::newRow("new file") << std::optional<QByteArray>() << q << u"txtPrefix"_s << u"p_"_s
                              << QByteArray("[Quillmark]\r\ntxtPrefix=p_\r\n");
    QTest::newRow("empty file") << std::optional(QByteArray()) << q << u"txtPrefix"_s
                                << u"p_"_s << QByteArray("[Quillmark]\r\ntxtPrefix=p_\r\n");
    QTest::newRow("new key goes first")
            << std::optional(QByteArray("[Quillmark]\r\na=1\r\n")) << q << u"b"_s << u"2"_s
            << QByteArray("[Quillmark]\r\nb=2\r\na=1\r\n");
    QTest::newRow("replace in place")
            << std::optional(QByteArray("[Quillmark]\r\na=1\r\nb=2\r\nc=3\r\n")) << q << u"b"_s
            << u"22"_s << QByteArray("[Quillmark]\r\na=1\r\nb=22\r\nc=3\r\n");
    QTest::newRow("capitals: key as given, section as it was")
            << std::optional(QByteArray("[QUILLMARK]\r\nTXTPREFIX=x\r\n")) << q
            << u"txtPrefix"_s << u"y"_s << QByteArray("[QUILLMARK]\r\ntxtPrefix=y\r\n");
    QTest::newRow("blank before = gets a correct line on top")
            << std::optional(QByteArray("[Quillmark]\r\na=1\r\ntxtPrefix =x\r\n")) << q
            << u"txtPrefix"_s << u"y"_s
            << QByteArray("[Quillmark]\r\ntxtPrefix=y\r\na=1\r\ntxtPrefix =x\r\n");
    QTest::newRow("= and [ in value")
            << std::optional(QByteArray("[Quillmark]\r\n")) << q << u"txtOutput"_s
            << u"[a]=b=[c"_s << QByteArray("[Quillmark]\r\ntxtOutput=[a]=b=[c\r\n");
    QTest::newRow("blanks at both ends kept, also on the last line")
            << std::optional(QByteArray("[Quillmark]\r\n")) << q << u"txtSuffix"_s
            << u"  x  "_s << QByteArray("[Quillmark]\r\ntxtSuffix=  x  \r\n");
    QTest::newRow("empty value")
            << std::optional(QByteArray("[Quillmark]\r\ntxtOutput=/x/\r\n")) << q
            << u"txtOutput"_s << QString() << QByteArray("[Quillmark]\r\ntxtOutput=\r\n");
    QTest::newRow("section line with trailing blanks: second section")
            << std::optional(QByteArray("[Quillmark] \r\ntxtPrefix=x\r\n")) << q
            << u"txtPrefix"_s << u"y"_s
            << QByteArray("[Quillmark] \r\ntxtPrefix=x\r\n\r\n[Quillmark]\r\ntxtPrefix=y\r\n");
    QTest::newRow("section line without break at the end")
            << std::optional(QByteArray("[Quillmark]")) << q << u"a"_s << u"1"_s
            << QByteArray("[Quillmark]\r\n\r\n[Quillmark]\r\na=1\r\n");
    QTest::newRow("LF line ends: one long line, section appended")
            << std::optional(QByteArray("[Quillmark]\ntxtPrefix=x\n")) << q << u"txtPrefix"_s
            << u"y"_s
            << QByteArray("[Quillmark]\ntxtPrefix=x\n\r\n\r\n[Quillmark]\r\ntxtPrefix=y\r\n");
    QTest::newRow("lone CR ends lines for the writer too")
            << std::optional(QByteArray("[Quillmark]\ra=1\rb=2\r")) << q << u"b"_s << u"3"_s
            << QByteArray("[Quillmark]\ra=1\rb=3\r\n");
    QTest::newRow("last key line without break")
            << std::optional(QByteArray("[Quillmark]\r\na=1\r\ntxtPrefix=x")) << q
            << u"txtPrefix"_s << u"longer"_s
            << QByteArray("[Quillmark]\r\na=1\r\ntxtPrefix=longer\r\n");
    QTest::newRow("key only in a later section of the same name")
            << std::optional(QByteArray("[Quillmark]\r\nx=1\r\n[Other]\r\na=0\r\n[Quillmark]\r\n"
                                        "a=1\r\n"))
            << q << u"a"_s << u"2"_s
            << QByteArray("[Quillmark]\r\na=2\r\nx=1\r\n[Other]\r\na=0\r\n[Quillmark]\r\na=1\r\n");
    QTest::newRow("other section untouched, ours appended")
            << std::optional(QByteArray("[Other]\r\na=1\r\n")) << q << u"a"_s << u"2"_s
            << QByteArray("[Other]\r\na=1\r\n\r\n[Quillmark]\r\na=2\r\n");
    QTest::newRow("key searched only up to the next section")
            << std::optional(QByteArray("[Other]\r\na=0\r\n[Quillmark]\r\n\r\nb=1\r\n[Third]\r\n"
                                        "a=3\r\n"))
            << q << u"a"_s << u"9"_s
            << QByteArray("[Other]\r\na=0\r\n[Quillmark]\r\na=9\r\n\r\nb=1\r\n[Third]\r\na=3\r\n");
    QTest::newRow("three and more breaks collapse to two")
            << std::optional(QByteArray("[Other]\r\nx=1\r\n\r\n\r\n\r\n\r\n\r\n[Quillmark]\r\na=1\r\n"
                                        "\r\n\r\n\r\nb=2\r\n"))
            << q << u"a"_s << u"5"_s
            << QByteArray("[Other]\r\nx=1\r\n\r\n[Quillmark]\r\na=5\r\n\r\nb=2\r\n");
    QTest::newRow("blank lines and control characters at both ends vanish")
            << std::optional(QByteArray("\r\n\r\n\r\n[Quillmark]\r\na=1\r\n\r\n\x01\t\n\r\n"))
            << q << u"a"_s << u"2"_s << QByteArray("[Quillmark]\r\na=2\r\n");
    QTest::newRow("blanks at the very end stay")
            << std::optional(QByteArray("[Quillmark]\r\na=1\r\nb=x  \r\n\r\n")) << q << u"a"_s
            << u"2"_s << QByteArray("[Quillmark]\r\na=2\r\nb=x  \r\n");
    QTest::newRow("UTF-8") << std::optional(QByteArray("[Quillmark]\r\nsLastDir=/old/\r\n")) << q
                           << u"sLastDir"_s << u"/home/jürgen/Ürlaub/"_s
                           << QByteArray("[Quillmark]\r\nsLastDir=/home/j\xc3\xbcrgen/\xc3\x9crlaub/\r\n");
}

void tst_Settings::writeIni()
{
    QFETCH(std::optional<QByteArray>, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"settings.ini"_s);
    if (before)
        QVERIFY(writeBytes(path, *before));

    QVERIFY(WriteIniValue(path, section, key, value));
    QCOMPARE(readBytes(path), after);
    // Whatever the writer did, the reader must find the value there, or the save is lost.
    bool ok = false;
    QCOMPARE(ReadIniValue(path, section, key, u"<default>"_s, &ok), value);
    QVERIFY(ok);
    // The temporary file of the save is gone.
    QCOMPARE(folderEntries(dir.path()), QStringList{u"settings.ini"_s});
}

void tst_Settings::firstPortableStartAndShutdown()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath(u"PORTABLE"_s), {}));
    const QString ini = dir.filePath(u"settings.ini"_s);

    SettingsStore store(dir.path());
    store.setNativeSettingsPath(dir.filePath(u"native.conf"_s));
    store.DetectPortableMode();
    QVERIFY(store.bPortable());

    // Start-up: every key takes its default, and the first read leaves an empty file.
    for (const auto &k : SettingsCatalogue::readOrder()) {
        const QString name = QString::fromUtf16(k.name);
        bool ok = false;
        QCOMPARE(store.GetSettingValue(kApplication, kSection, name, defaultOrComputed(k), &ok),
                 defaultOrComputed(k));
        QVERIFY(ok);
        QVERIFY(QFile::exists(ini));
        QCOMPARE(readBytes(ini), QByteArray());
    }

    // Shutdown: the key saved last heads the section.
    for (const auto &k : SettingsCatalogue::saveOrder())
        QVERIFY(store.SaveSettingValue(kApplication, kSection, QString::fromUtf16(k.name),
                                       defaultOrComputed(k)));
    const QByteArray expected = "[Quillmark]\r\n"
                                "SetDate_Mode=1\r\n"
                                "SetDate_Sec=0\r\n"
                                "SetDate_Min=0\r\n"
                                "SetDate_Hour=0\r\n"
                                "SetDate_Day=1\r\n"
                                "SetDate_Month=1\r\n"
                                "SetDate_Year=1980\r\n"
                                "txtProcessingFailFolder=\r\n"
                                "optProcessingFail=0\r\n"
                                "chkIgnoreMinorWarnings2=1\r\n"
                                "chkDeleteFileOnFail=0\r\n"
                                "resizableWindow=0\r\n"
                                "chkSkipReadyPage=0\r\n"
                                "Top=3600\r\n"
                                "Left=5040\r\n"
                                "chkResetFileDates=0\r\n"
                                "chkCleanAdobeApp14=0\r\n"
                                "chkCleanGeoTiff=1\r\n"
                                "chkCleanPhotoshop=1\r\n"
                                "chkCleanTiffIdf0=1\r\n"
                                "chkCleanOther=1\r\n"
                                "chkCleanICC=1\r\n"
                                "chkCleanThumbnail=1\r\n"
                                "chkCleanIPTC=1\r\n"
                                "chkCleanXMP=1\r\n"
                                "chkCleanExifGPS=1\r\n"
                                "chkCleanExif=1\r\n"
                                "chkCleanAll=1\r\n"
                                "bFontSizeWarningShown=False\r\n"
                                "sLastAddDir=/home/ana/Bilder/\xc3\x9crlaub 2023/\r\n"
                                "sLastDir=/home/ana/Pictures/\r\n"
                                "txtSuffix=_cleaned\r\n"
                                "txtPrefix=cleaned_\r\n"
                                "txtOutput=\r\n"
                                "optOutputMode=3\r\n";
    QCOMPARE(readBytes(ini), expected);

    // The next run finds every value; a second shutdown with changed values rewrites the
    // lines in place and keeps their order.
    SettingsStore next(dir.path());
    next.DetectPortableMode();
    for (const auto &k : SettingsCatalogue::readOrder()) {
        const QString name = QString::fromUtf16(k.name);
        QCOMPARE(next.GetSettingValue(kApplication, kSection, name, u"<absent>"_s),
                 defaultOrComputed(k));
    }
    QVERIFY(next.SaveSettingValue(kApplication, kSection, u"optOutputMode"_s, u"1"_s));
    QVERIFY(next.SaveSettingValue(kApplication, kSection, u"txtOutput"_s, u"/srv/out/"_s));
    QVERIFY(next.SaveSettingValue(kApplication, kSection, u"SetDate_Mode"_s, u"0"_s));
    QByteArray changed = expected;
    changed.replace("optOutputMode=3", "optOutputMode=1")
            .replace("txtOutput=\r\n", "txtOutput=/srv/out/\r\n")
            .replace("SetDate_Mode=1", "SetDate_Mode=0");
    QCOMPARE(readBytes(ini), changed);

    QVERIFY(!QFile::exists(dir.filePath(u"native.conf"_s)));
    QCOMPARE(folderEntries(dir.path()), (QStringList{u"PORTABLE"_s, u"settings.ini"_s}));
}

void tst_Settings::withoutMarkerIniIsIgnored()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString native = dir.filePath(u"config/Quillmark.conf"_s);

    // No settings.ini appears.
    {
        SettingsStore store(dir.path());
        store.setNativeSettingsPath(native);
        store.DetectPortableMode();
        QVERIFY(!store.bPortable());
        QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"cleaned_"_s),
                 u"cleaned_"_s);
        QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"n_"_s));
        QVERIFY(!QFile::exists(store.iniPath()));
    }

    // An existing settings.ini is neither read nor written.
    const QByteArray iniContent = "[Quillmark]\r\ntxtSuffix=_from_ini\r\n";
    const QString ini = dir.filePath(u"settings.ini"_s);
    QVERIFY(writeBytes(ini, iniContent));
    SettingsStore store(dir.path());
    store.setNativeSettingsPath(native);
    store.DetectPortableMode();
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtSuffix"_s, u"_cleaned"_s),
             u"_cleaned"_s);
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"cleaned_"_s),
             u"n_"_s);
    QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtSuffix"_s, u"_n"_s));
    QCOMPARE(readBytes(ini), iniContent);
}

void tst_Settings::portableIgnoresApplicationAndNativeStore()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath(u"PORTABLE"_s), {}));
    const QString native = dir.filePath(u"native.conf"_s);
    {
        QSettings s(native, QSettings::IniFormat);
        s.setValue(u"Quillmark/txtPrefix"_s, u"from_native"_s);
    }

    SettingsStore store(dir.path());
    store.setNativeSettingsPath(native);
    store.DetectPortableMode();
    QVERIFY(store.SaveSettingValue(u"Someone Else"_s, kSection, u"txtPrefix"_s, u"p_"_s));
    QCOMPARE(store.GetSettingValue(u"Corvane"_s, kSection, u"txtPrefix"_s, u"d"_s), u"p_"_s);
    QCOMPARE(readBytes(store.iniPath()), QByteArray("[Quillmark]\r\ntxtPrefix=p_\r\n"));

    // Portable mode is decided by the marker only; without a detection nothing changes.
    store.setPortable(false);
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s),
             u"from_native"_s);
}

void tst_Settings::readOnlyIniBecomesWritable_data()
{
    QTest::addColumn<int>("modeBefore");
    QTest::addColumn<int>("modeAfter");

    QTest::newRow("read-only") << 0444 << 0644;
    QTest::newRow("no permissions at all") << 0000 << 0600;
    QTest::newRow("owner read only, group write") << 0460 << 0660;
    QTest::newRow("already writable stays as it is") << 0640 << 0640;
}

void tst_Settings::readOnlyIniBecomesWritable()
{
    QFETCH(int, modeBefore);
    QFETCH(int, modeAfter);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ini = dir.filePath(u"settings.ini"_s);
    const QByteArray content = "[Quillmark]\r\ntxtPrefix=ro_\r\n";
    QVERIFY(writeBytes(ini, content));
    QCOMPARE(::chmod(QFile::encodeName(ini).constData(), mode_t(modeBefore)), 0);

    bool ok = false;
    QCOMPARE(ReadIniValue(ini, kSection, u"txtPrefix"_s, u"d"_s, &ok), u"ro_"_s);
    QVERIFY(ok);
    QCOMPARE(fileMode(ini), modeAfter);
    QCOMPARE(readBytes(ini), content);

    // The save after it works and keeps the mode.
    QVERIFY(WriteIniValue(ini, kSection, u"txtPrefix"_s, u"rw_"_s));
    QCOMPARE(readBytes(ini), QByteArray("[Quillmark]\r\ntxtPrefix=rw_\r\n"));
    QCOMPARE(fileMode(ini), modeAfter);
}

void tst_Settings::unusableFileFails_data()
{
    QTest::addColumn<QString>("relativePath");

    QTest::newRow("folder missing") << u"missing/settings.ini"_s;
    QTest::newRow("a folder instead of the file") << u"settings.ini"_s;
}

void tst_Settings::unusableFileFails()
{
    QFETCH(QString, relativePath);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(u"settings.ini"_s));
    const QString path = dir.filePath(relativePath);

    bool ok = true;
    QCOMPARE(ReadIniValue(path, kSection, u"txtPrefix"_s, u"d"_s, &ok), u"d"_s);
    QVERIFY(!ok);
    QVERIFY(!WriteIniValue(path, kSection, u"txtPrefix"_s, u"x"_s));
    QVERIFY(!QFile::exists(dir.filePath(u"missing"_s)));

    // Through the store, the caller learns that the read failed.
    QVERIFY(writeBytes(dir.filePath(u"PORTABLE"_s), {}));
    SettingsStore store(dir.path());
    store.DetectPortableMode();
    QVERIFY(store.bPortable());
    ok = true;
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s, &ok),
             u"d"_s);
    QVERIFY(!ok);
    QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"x"_s));
}

void tst_Settings::longFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ini = dir.filePath(u"settings.ini"_s);

    // Far beyond the 32,767 characters that once made every save of such a file fail.
    QByteArray content = "[Quillmark]\r\n";
    for (int i = 0; i < 1200; ++i)
        content += "key" + QByteArray::number(i).rightJustified(4, '0') + "="
                + QByteArray(30, char('a' + i % 26)) + "\r\n";
    content += "[Other]\r\nkey1199=other\r\n";
    QVERIFY(content.size() > 40000);
    QVERIFY(writeBytes(ini, content));

    QCOMPARE(ReadIniValue(ini, kSection, u"key1199"_s, u"d"_s), QString(30, QChar(char16_t(u'a' + 1199 % 26))));

    // A line far into the file is replaced in place.
    QVERIFY(WriteIniValue(ini, kSection, u"KEY1199"_s, u"changed"_s));
    QByteArray expected = content;
    const QByteArray oldLine = "key1199=" + QByteArray(30, char('a' + 1199 % 26)) + "\r\n";
    QVERIFY(expected.indexOf(oldLine) > 32767);
    expected.replace(expected.indexOf(oldLine), oldLine.size(), "KEY1199=changed\r\n");
    QCOMPARE(readBytes(ini), expected);

    // A new key goes to the top, a new section to the end.
    QVERIFY(WriteIniValue(ini, kSection, u"newKey"_s, u"n"_s));
    expected.insert(qsizetype(qstrlen("[Quillmark]\r\n")), "newKey=n\r\n");
    QCOMPARE(readBytes(ini), expected);
    QVERIFY(WriteIniValue(ini, u"Third"_s, u"k"_s, u"v"_s));
    expected += "\r\n[Third]\r\nk=v\r\n";
    QCOMPARE(readBytes(ini), expected);

    QCOMPARE(ReadIniValue(ini, kSection, u"key1199"_s, u"d"_s), u"changed"_s);
    QCOMPARE(ReadIniValue(ini, u"Other"_s, u"key1199"_s, u"d"_s), u"other"_s);
    QCOMPARE(ReadIniValue(ini, u"Third"_s, u"k"_s, u"d"_s), u"v"_s);
}

void tst_Settings::unwritableFolderKeepsIni()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath(u"PORTABLE"_s), {}));
    const QString ini = dir.filePath(u"settings.ini"_s);
    const QByteArray content = "[Quillmark]\r\ntxtPrefix=kept_\r\ntxtSuffix=_kept\r\n";
    QVERIFY(writeBytes(ini, content));

    SettingsStore store(dir.path());
    store.DetectPortableMode();
    QVERIFY(store.bPortable());
    {
        UnwritableFolder guard(dir.path(), ini);
        if (!guard.isActive())
            QSKIP("cannot make a folder unwritable here");
        bool ok = false;
        QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s, &ok),
                 u"kept_"_s);
        QVERIFY(ok);
        QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"lost_"_s));
        QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"newKey"_s, u"x"_s));
        QCOMPARE(readBytes(ini), content);
    }
    QCOMPARE(readBytes(ini), content);
    QCOMPARE(folderEntries(dir.path()), (QStringList{u"PORTABLE"_s, u"settings.ini"_s}));
}

void tst_Settings::nativeRoundTrip_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("plain") << u"cleaned_"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("folder with blanks and comma") << u"/home/ana/My Pictures, 2023/"_s;
    QTest::newRow("blanks at both ends") << u"  _x  "_s;
    QTest::newRow("= ; # [ ]") << u"a=b;c#d[e]"_s;
    QTest::newRow("leading @") << u"@ByteArray(x)"_s;
    QTest::newRow("quotes and backslashes") << u"\"q\" \\n \\"_s;
    QTest::newRow("non-ASCII") << u"/home/jürgen/Ürlaub/日本"_s;
    QTest::newRow("True") << u"True"_s;
}

void tst_Settings::nativeRoundTrip()
{
    QFETCH(QString, value);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString native = dir.filePath(u"Quillmark.conf"_s);
    {
        SettingsStore store(dir.path());
        store.setNativeSettingsPath(native);
        QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtOutput"_s, value));
    }
    SettingsStore store(dir.path());
    store.setNativeSettingsPath(native);
    bool ok = false;
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtOutput"_s, u"d"_s, &ok), value);
    QVERIFY(ok);
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s), u"d"_s);
    // Keys live in the group of their section.
    QCOMPARE(store.GetSettingValue(kApplication, u"Other"_s, u"txtOutput"_s, u"d"_s), u"d"_s);
    QSettings raw(native, QSettings::IniFormat);
    QCOMPARE(raw.childGroups(), QStringList{kSection});
}

void tst_Settings::nativeDefaultLocation()
{
    SettingsStore store(u"/nonexistent-program-folder"_s);
    QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"home_"_s));
    const QString file = m_configHome.filePath(u"Corvane/Quillmark.conf"_s);
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QCOMPARE(readBytes(file), QByteArray("[Quillmark]\ntxtPrefix=home_\n"));
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s), u"home_"_s);

    // Only the user's own file counts, not an organisation-wide one.
    QVERIFY(writeBytes(m_configHome.filePath(u"Corvane.conf"_s),
                       "[Quillmark]\ntxtSuffix=_org\n"));
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtSuffix"_s, u"d"_s), u"d"_s);
}

void tst_Settings::nativeUnwritableFolderFails()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString native = dir.filePath(u"Quillmark.conf"_s);
    const QByteArray content = "[Quillmark]\ntxtPrefix=kept_\n";
    QVERIFY(writeBytes(native, content));

    SettingsStore store(dir.path());
    store.setNativeSettingsPath(native);
    {
        UnwritableFolder guard(dir.path(), native);
        if (!guard.isActive())
            QSKIP("cannot make a folder unwritable here");
        QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"lost_"_s));
        QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"txtSuffix"_s, u"_lost"_s));
        QCOMPARE(readBytes(native), content);
    }
    // A failed save leaves nothing behind that a later read or save could pick up.
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s), u"kept_"_s);
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtSuffix"_s, u"d"_s), u"d"_s);
    QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtOutput"_s, u"/out/"_s));
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s), u"kept_"_s);
    QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtSuffix"_s, u"d"_s), u"d"_s);
    QCOMPARE(readBytes(native), QByteArray("[Quillmark]\ntxtOutput=/out/\ntxtPrefix=kept_\n"));
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
