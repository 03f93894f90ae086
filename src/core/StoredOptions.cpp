#include "core/StoredOptions.h"

#include "core/SettingsStore.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

class Reader {
public:
    explicit Reader(const SettingsStore &store)
        : m_store(store)
    {
    }

    QString text(const QString &key, const QString &defaultValue) const
    {
        return m_store.GetSettingValue(QString::fromUtf16(SettingsCatalogue::application),
            QString::fromUtf16(SettingsCatalogue::section), key, defaultValue);
    }

    // A 16-bit integer in [minimum, maximum], or nothing.
    std::optional<int> number(const QString &key, int defaultValue, int minimum, int maximum) const
    {
        bool ok = false;
        const int value = text(key, QString::number(defaultValue)).trimmed().toShort(&ok);
        if (!ok || value < minimum || value > maximum)
            return std::nullopt;
        return value;
    }

    // A box is clear (0) or ticked (1), as the window reads it; any other value keeps the
    // default.
    void checkBox(const QString &key, bool defaultValue, bool &target) const
    {
        if (const auto v = number(key, defaultValue ? 1 : 0, 0, 1))
            target = *v != 0;
    }

private:
    const SettingsStore &m_store;
};

} // namespace

JobOptions jobOptionsFromSettings(const SettingsStore &store)
{
    JobOptions o;
    const Reader r(store);
    if (const auto mode = r.number(u"optOutputMode"_s, 3, 0, 3))
        o.outputMode = static_cast<OutputMode>(*mode);
    o.txtOutput = r.text(u"txtOutput"_s, QString());
    o.txtPrefix = r.text(u"txtPrefix"_s, u"cleaned_"_s);
    o.txtSuffix = r.text(u"txtSuffix"_s, u"_cleaned"_s);

    TagOptions &t = o.tags;
    r.checkBox(u"chkCleanAll"_s, true, t.chkCleanAll);
    r.checkBox(u"chkCleanExif"_s, true, t.chkCleanExif);
    r.checkBox(u"chkCleanExifGPS"_s, true, t.chkCleanExifGPS);
    r.checkBox(u"chkCleanXMP"_s, true, t.chkCleanXMP);
    r.checkBox(u"chkCleanIPTC"_s, true, t.chkCleanIPTC);
    r.checkBox(u"chkCleanThumbnail"_s, true, t.chkCleanThumbnail);
    r.checkBox(u"chkCleanICC"_s, true, t.chkCleanICC);
    r.checkBox(u"chkCleanOther"_s, true, t.chkCleanOther);
    r.checkBox(u"chkCleanTiffIdf0"_s, true, t.chkCleanTiffIdf0);
    r.checkBox(u"chkCleanPhotoshop"_s, true, t.chkCleanPhotoshop);
    r.checkBox(u"chkCleanGeoTiff"_s, true, t.chkCleanGeoTiff);
    r.checkBox(u"chkCleanAdobeApp14"_s, false, t.chkCleanAdobeApp14);
    r.checkBox(u"chkResetFileDates"_s, false, o.chkResetFileDates);
    r.checkBox(u"chkIgnoreMinorWarnings2"_s, true, o.chkIgnoreMinorWarnings);
    r.checkBox(u"chkDeleteFileOnFail"_s, false, o.chkDeleteFileOnFail);
    bool keepLook = true;
    r.checkBox(u"chkKeepLook"_s, true, keepLook);
    t.keepOrientation = t.keepColourProfile = keepLook;

    o.fixedDate.sSetDateYear = r.text(u"SetDate_Year"_s, u"1980"_s);
    o.fixedDate.sSetDateMonth = r.text(u"SetDate_Month"_s, u"1"_s);
    o.fixedDate.sSetDateDay = r.text(u"SetDate_Day"_s, u"1"_s);
    o.fixedDate.sSetDateHour = r.text(u"SetDate_Hour"_s, u"0"_s);
    o.fixedDate.sSetDateMin = r.text(u"SetDate_Min"_s, u"0"_s);
    o.fixedDate.sSetDateSec = r.text(u"SetDate_Sec"_s, u"0"_s);
    if (const auto mode = r.number(u"SetDate_Mode"_s, 1, 0, 1))
        o.randomDate = *mode == 1;
    if (const auto fail = r.number(u"optProcessingFail"_s, 0, 0, 1))
        o.optProcessingFail = *fail;
    o.txtProcessingFailFolder = r.text(u"txtProcessingFailFolder"_s, QString());
    return o;
}
