#include "core/StoredOptions.h"

#include "core/SettingsStore.h"
#include "core/SystemFolders.h"

#include <QHash>
#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A 16-bit integer as the stored text gives it, or nothing.
std::optional<int> toShort(const QString &text)
{
    bool ok = false;
    const short value = text.trimmed().toShort(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

// "True"/"False" in any letter case, or a number (non-zero is true).
std::optional<bool> toBoolean(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(u"true"_s, Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(u"false"_s, Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number != 0;
}

// A choice among `count` options, numbered from 0.
std::optional<int> toChoice(const QString &text, int count)
{
    const std::optional<int> index = toShort(text);
    if (!index || *index < 0 || *index >= count)
        return std::nullopt;
    return index;
}

// A check box is clear (0) or ticked (1); its third state has no use here.
std::optional<bool> toCheckBox(const QString &text)
{
    const std::optional<int> state = toShort(text);
    if (!state || (*state != 0 && *state != 1))
        return std::nullopt;
    return *state == 1;
}

std::optional<double> toTwips(const QString &text)
{
    bool ok = false;
    const double twips = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(twips) || std::fabs(twips) > 1e9)
        return std::nullopt;
    return twips;
}

QString checkBoxText(bool ticked)
{
    return ticked ? u"1"_s : u"0"_s;
}

QString existingFolder(const QString &folder)
{
    return FolderExists(folder) ? folder : QString();
}

// Each stored key with what reading it sets and what writing it stores.
struct Field {
    std::function<void(StoredOptions &, const QString &)> read;
    std::function<std::optional<QString>(const StoredOptions &)> write; // nothing: the key is not written
};

template<typename T> void set(T &target, const std::optional<T> &value)
{
    if (value)
        target = *value;
}

const QHash<QString, Field> &fields()
{
    static const QHash<QString, Field> table = [] {
        QHash<QString, Field> t;
        const auto tag = [&t](const QString &key, bool TagOptions::*member) {
            t.insert(key,
                {[member](StoredOptions &o, const QString &v) { set(o.job.tags.*member, toCheckBox(v)); },
                    [member](const StoredOptions &o) { return checkBoxText(o.job.tags.*member); }});
        };
        const auto job = [&t](const QString &key, bool JobOptions::*member) {
            t.insert(key,
                {[member](StoredOptions &o, const QString &v) { set(o.job.*member, toCheckBox(v)); },
                    [member](const StoredOptions &o) { return checkBoxText(o.job.*member); }});
        };
        const auto text = [&t](const QString &key, QString JobOptions::*member) {
            t.insert(key,
                {[member](StoredOptions &o, const QString &v) { o.job.*member = v; },
                    [member](const StoredOptions &o) { return o.job.*member; }});
        };
        const auto date = [&t](const QString &key, QString FixedFileDate::*member) {
            t.insert(key,
                {[member](StoredOptions &o, const QString &v) { o.job.fixedDate.*member = v; },
                    [member](const StoredOptions &o) { return o.job.fixedDate.*member; }});
        };
        const auto folder = [&t](const QString &key, std::optional<QString> StoredOptions::*member) {
            t.insert(key,
                {[member](StoredOptions &o, const QString &v) { o.*member = existingFolder(v); },
                    [member](
                        const StoredOptions &o) -> std::optional<QString> { return (o.*member).value_or(QString()); }});
        };
        const auto twips = [&t](const QString &key, std::optional<double> StoredOptions::*member) {
            t.insert(key,
                {[member](StoredOptions &o, const QString &v) { o.*member = toTwips(v); },
                    [member](const StoredOptions &o) -> std::optional<QString> {
                        if (!(o.*member))
                            return std::nullopt;
                        return QString::number(std::llround(*(o.*member)));
                    }});
        };

        t.insert(u"optOutputMode"_s,
            {[](StoredOptions &o, const QString &v) {
                 if (const auto mode = toChoice(v, 4))
                     o.job.outputMode = static_cast<OutputMode>(*mode);
             },
                [](const StoredOptions &o) { return QString::number(static_cast<int>(o.job.outputMode)); }});
        text(u"txtOutput"_s, &JobOptions::outputFolder);
        text(u"txtPrefix"_s, &JobOptions::prefix);
        text(u"txtSuffix"_s, &JobOptions::suffix);
        folder(u"sLastDir"_s, &StoredOptions::lastDir);
        folder(u"sLastAddDir"_s, &StoredOptions::lastAddDir);
        t.insert(u"bFontSizeWarningShown"_s,
            {[](StoredOptions &o, const QString &v) { set(o.fontSizeWarningShown, toBoolean(v)); },
                [](const StoredOptions &o) { return o.fontSizeWarningShown ? u"True"_s : u"False"_s; }});
        tag(u"chkCleanAll"_s, &TagOptions::all);
        tag(u"chkCleanExif"_s, &TagOptions::exif);
        tag(u"chkCleanExifGPS"_s, &TagOptions::gps);
        tag(u"chkCleanXMP"_s, &TagOptions::xmp);
        tag(u"chkCleanIPTC"_s, &TagOptions::iptc);
        tag(u"chkCleanThumbnail"_s, &TagOptions::thumbnail);
        tag(u"chkCleanICC"_s, &TagOptions::icc);
        tag(u"chkCleanOther"_s, &TagOptions::other);
        tag(u"chkCleanTiffIdf0"_s, &TagOptions::ifd0);
        tag(u"chkCleanPhotoshop"_s, &TagOptions::photoshop);
        tag(u"chkCleanGeoTiff"_s, &TagOptions::geoTiff);
        tag(u"chkCleanAdobeApp14"_s, &TagOptions::adobeApp14);
        job(u"chkResetFileDates"_s, &JobOptions::resetFileDates);
        twips(u"Left"_s, &StoredOptions::left);
        twips(u"Top"_s, &StoredOptions::top);
        t.insert(u"chkSkipReadyPage"_s,
            {[](StoredOptions &o, const QString &v) { set(o.skipReadyPage, toCheckBox(v)); },
                [](const StoredOptions &o) { return checkBoxText(o.skipReadyPage); }});
        t.insert(u"resizableWindow"_s,
            {[](StoredOptions &o, const QString &v) { set(o.resizableWindow, toShort(v)); },
                [](const StoredOptions &o) { return QString::number(o.resizableWindow); }});
        job(u"chkDeleteFileOnFail"_s, &JobOptions::moveProblemFiles);
        job(u"chkIgnoreMinorWarnings2"_s, &JobOptions::ignoreMinorWarnings);
        t.insert(u"optProcessingFail"_s,
            {[](StoredOptions &o, const QString &v) { set(o.job.problemTarget, toChoice(v, 2)); },
                [](const StoredOptions &o) { return QString::number(o.job.problemTarget); }});
        text(u"txtProcessingFailFolder"_s, &JobOptions::problemFolder);
        date(u"SetDate_Year"_s, &FixedFileDate::sSetDateYear);
        date(u"SetDate_Month"_s, &FixedFileDate::sSetDateMonth);
        date(u"SetDate_Day"_s, &FixedFileDate::sSetDateDay);
        date(u"SetDate_Hour"_s, &FixedFileDate::sSetDateHour);
        date(u"SetDate_Min"_s, &FixedFileDate::sSetDateMin);
        date(u"SetDate_Sec"_s, &FixedFileDate::sSetDateSec);
        t.insert(u"SetDate_Mode"_s,
            {[](StoredOptions &o, const QString &v) {
                 if (const auto mode = toChoice(v, 2))
                     o.job.randomDate = *mode == 1;
             },
                [](const StoredOptions &o) { return o.job.randomDate ? u"1"_s : u"0"_s; }});
        // One box keeps both the orientation and the colour profile.
        t.insert(u"chkKeepLook"_s,
            {[](StoredOptions &o, const QString &v) {
                 if (const auto keep = toCheckBox(v))
                     o.job.tags.keepOrientation = o.job.tags.keepColourProfile = *keep;
             },
                [](const StoredOptions &o) { return checkBoxText(o.job.tags.keepOrientation); }});
        t.insert(u"Engine"_s,
            {[](StoredOptions &o, const QString &v) {
                 if (v == u"auto" || v == u"exiftool")
                     o.job.nativeWriter = v == u"auto";
             },
                [](const StoredOptions &o) { return o.job.nativeWriter ? u"auto"_s : u"exiftool"_s; }});
        return t;
    }();
    return table;
}

} // namespace

StoredOptions readStoredOptions(const SettingsStore &store, const StoredOptionsDefaults &defaults)
{
    const QString application = QString::fromUtf16(SettingsCatalogue::application);
    const QString section = QString::fromUtf16(SettingsCatalogue::section);
    StoredOptions options;
    for (const SettingsCatalogue::Key &key : SettingsCatalogue::readOrder()) {
        const QString name = QString::fromUtf16(key.name);
        QString defaultValue;
        if (key.defaultValue)
            defaultValue = QString::fromUtf16(key.defaultValue);
        else if (name == u"sLastDir" || name == u"sLastAddDir")
            defaultValue = defaults.lastDir;
        else if (name == u"Left")
            defaultValue = QString::number(std::llround(defaults.left));
        else if (name == u"Top")
            defaultValue = QString::number(std::llround(defaults.top));
        bool ok = false;
        const QString value = store.GetSettingValue(application, section, name, defaultValue, &ok);
        if (!ok)
            continue;
        const auto field = fields().constFind(name);
        if (field != fields().cend())
            field->read(options, value);
    }
    return options;
}

bool writeStoredOptions(SettingsStore &store, const StoredOptions &options)
{
    const QString application = QString::fromUtf16(SettingsCatalogue::application);
    const QString section = QString::fromUtf16(SettingsCatalogue::section);
    bool allStored = true;
    for (const SettingsCatalogue::Key &key : SettingsCatalogue::saveOrder()) {
        const QString name = QString::fromUtf16(key.name);
        const auto field = fields().constFind(name);
        if (field == fields().cend())
            continue;
        if (const std::optional<QString> value = field->write(options))
            allStored = store.SaveSettingValue(application, section, name, *value) && allStored;
    }
    return allStored;
}
