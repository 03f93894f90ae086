// The settings: reading them at start-up and applying each stored value to its control,
// keeping the restored window on a screen, and saving them when the window closes.

#include "core/NativePath.h"
#include "core/SettingsStore.h"
#include "core/TagOptions.h"
#include "gui/CleanWizard.h"
#include "gui/DatePage.h"
#include "gui/OutputPage.h"
#include "gui/Prompts.h"
#include "gui/ReadyPage.h"
#include "gui/TagsPage.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

QString settingsApplication()
{
    return QString::fromUtf16(SettingsCatalogue::application);
}

QString settingsSection()
{
    return QString::fromUtf16(SettingsCatalogue::section);
}

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

// The tag box stored under a key (chkKeepLook keeps the orientation and the colour
// profile together), or null.
bool TagOptions::*tagBox(const QString &key)
{
    static const QList<std::pair<QString, bool TagOptions::*>> boxes = {
        {u"chkCleanAll"_s, &TagOptions::chkCleanAll},
        {u"chkCleanExif"_s, &TagOptions::chkCleanExif},
        {u"chkCleanExifGPS"_s, &TagOptions::chkCleanExifGPS},
        {u"chkCleanThumbnail"_s, &TagOptions::chkCleanThumbnail},
        {u"chkCleanXMP"_s, &TagOptions::chkCleanXMP},
        {u"chkCleanIPTC"_s, &TagOptions::chkCleanIPTC},
        {u"chkCleanICC"_s, &TagOptions::chkCleanICC},
        {u"chkCleanPhotoshop"_s, &TagOptions::chkCleanPhotoshop},
        {u"chkCleanTiffIdf0"_s, &TagOptions::chkCleanTiffIdf0},
        {u"chkCleanGeoTiff"_s, &TagOptions::chkCleanGeoTiff},
        {u"chkCleanAdobeApp14"_s, &TagOptions::chkCleanAdobeApp14},
        {u"chkCleanOther"_s, &TagOptions::chkCleanOther},
        {u"chkKeepLook"_s, &TagOptions::keepOrientation},
    };
    for (const auto &[name, box] : boxes) {
        if (name == key)
            return box;
    }
    return nullptr;
}

} // namespace

void CleanWizard::readSettings()
{
    for (const SettingsCatalogue::Key &key : SettingsCatalogue::readOrder()) {
        const QString name = QString::fromUtf16(key.name);
        QString defaultValue;
        if (key.defaultValue) {
            defaultValue = QString::fromUtf16(key.defaultValue);
        } else if (name == u"sLastDir" || name == u"sLastAddDir") {
            defaultValue = m_systemFolders.sMyPictures;
        } else if (name == u"Left" || name == u"Top") {
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            const double twipsPerPixel = 1440.0 / m_ScreenDPI;
            const int centred = name == u"Left" ? screen.x() + (screen.width() - frameGeometry().width()) / 2
                                                : screen.y() + (screen.height() - frameGeometry().height()) / 2;
            defaultValue = QString::number(std::lround(centred * twipsPerPixel));
        }
        bool ok = false;
        const QString value
            = m_settings->GetSettingValue(settingsApplication(), settingsSection(), name, defaultValue, &ok);
        if (ok)
            applySetting(name, value);
    }
}

void CleanWizard::oversizedSettingsWarning()
{
    if (!m_settingsRefused)
        return;
    Prompts::message(this,
        tr("The settings file %1 is larger than 1 MB, far more than stored settings ever take, so "
           "it was not read. Quillmark starts with the default options and leaves the file as it "
           "is; the options of this session are not saved.")
            .arg(printablePath(m_settings->settingsFilePath())),
        Prompts::Icon::Exclamation);
}

void CleanWizard::applySetting(const QString &key, const QString &value)
{
    const auto index = [&](int count) -> std::optional<int> {
        const std::optional<int> stored = toShort(value);
        if (stored && *stored >= 0 && *stored < count)
            return stored;
        return std::nullopt;
    };
    const auto existingFolder = [](const QString &folder) { return FolderExists(folder) ? folder : QString(); };
    const auto setDatePart = [this, &value](QString FixedFileDate::*part) {
        FixedFileDate date = m_datePage->fixedDate();
        date.*part = value;
        m_datePage->setFixedDate(date);
    };

    if (key == u"optOutputMode") {
        if (const auto mode = index(4))
            m_outputPage->setOutputMode(*mode);
    } else if (key == u"txtOutput") {
        m_outputPage->setOutputFolder(value);
    } else if (key == u"txtPrefix") {
        m_outputPage->setPrefix(value);
    } else if (key == u"txtSuffix") {
        m_outputPage->setSuffix(value);
    } else if (key == u"sLastDir") {
        sLastDir = existingFolder(value);
    } else if (key == u"sLastAddDir") {
        sLastAddDir = existingFolder(value);
    } else if (key == u"bFontSizeWarningShown") {
        if (const auto shown = toBoolean(value))
            bFontSizeWarningShown = *shown;
    } else if (key == u"Left" || key == u"Top") {
        bool ok = false;
        const double twips = value.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(twips) || std::fabs(twips) > 1e9)
            return;
        const int pixels = static_cast<int>(std::lround(twips * m_ScreenDPI / 1440.0));
        if (key == u"Left")
            move(pixels, y());
        else
            move(x(), pixels);
        keepOnScreen();
    } else if (key == u"SetDate_Year") {
        setDatePart(&FixedFileDate::sSetDateYear);
    } else if (key == u"SetDate_Month") {
        setDatePart(&FixedFileDate::sSetDateMonth);
    } else if (key == u"SetDate_Day") {
        setDatePart(&FixedFileDate::sSetDateDay);
    } else if (key == u"SetDate_Hour") {
        setDatePart(&FixedFileDate::sSetDateHour);
    } else if (key == u"SetDate_Min") {
        setDatePart(&FixedFileDate::sSetDateMin);
    } else if (key == u"SetDate_Sec") {
        setDatePart(&FixedFileDate::sSetDateSec);
    } else if (key == u"SetDate_Mode") {
        if (const auto mode = index(2))
            m_datePage->setRandomDate(*mode == 1);
    } else if (key == u"optProcessingFail") {
        if (const auto target = index(2))
            m_datePage->setFailTarget(*target);
    } else if (key == u"txtProcessingFailFolder") {
        m_datePage->setFailFolder(value);
    } else if (key == u"resizableWindow") {
        if (const auto number = toShort(value))
            resizableWindow = *number;
    } else {
        // A check box, named as its key (chkIgnoreMinorWarnings under a key of its own).
        // A box is clear (0) or ticked (1); the third state has no use here.
        const std::optional<int> state = toShort(value);
        if (!state || (*state != 0 && *state != 1))
            return;
        const bool ticked = *state == 1;
        if (key == u"chkResetFileDates") {
            m_datePage->setResetFileDates(ticked);
        } else if (key == u"chkSkipReadyPage") {
            m_readyPage->setSkipped(ticked);
        } else if (key == u"chkDeleteFileOnFail") {
            m_datePage->setMoveFailed(ticked);
        } else if (key == u"chkIgnoreMinorWarnings2") {
            m_datePage->setIgnoreMinorWarnings(ticked);
        } else if (bool TagOptions::*box = tagBox(key)) {
            TagOptions tags = m_tagsPage->tags();
            tags.*box = ticked;
            if (key == u"chkKeepLook")
                tags.keepColourProfile = ticked;
            m_tagsPage->setTags(tags);
        }
    }
}

void CleanWizard::keepOnScreen()
{
    const QRect frame = frameGeometry();
    // The screen the window is on; off every screen, the primary one.
    const QScreen *on = QGuiApplication::screenAt(frame.center());
    const QRect screen = (on ? on : QGuiApplication::primaryScreen())->geometry();
    int left = frame.x();
    int top = frame.y();
    if (left < screen.x())
        left = screen.x();
    if (left + frame.width() > screen.x() + screen.width())
        left = screen.x() + screen.width() - frame.width();
    if (top < screen.y())
        top = screen.y();
    if (top + frame.height() > screen.y() + screen.height())
        top = screen.y() + screen.height() - frame.height();
    // A move that changes nothing is not sent: before the window manager has framed the
    // window it would pin the client area, not the frame, to that place.
    if (QPoint(left, top) != frame.topLeft())
        move(left, top);
}

void CleanWizard::saveSettings()
{
    if (m_settingsRefused)
        return;
    const double twipsPerPixel = 1440.0 / m_ScreenDPI;
    const auto ticked = [](bool on) { return on ? u"1"_s : u"0"_s; };
    const auto chosen = [](int id) { return id < 0 ? std::nullopt : std::optional<QString>(QString::number(id)); };
    const TagOptions tags = m_tagsPage->tags();
    const FixedFileDate &date = m_datePage->fixedDate();
    const auto value = [&](const QString &key) -> std::optional<QString> {
        if (key == u"optOutputMode")
            return chosen(m_outputPage->outputMode());
        if (key == u"optProcessingFail")
            return chosen(m_datePage->failTarget());
        if (key == u"txtOutput")
            return m_outputPage->outputFolder();
        if (key == u"txtPrefix")
            return m_outputPage->prefix();
        if (key == u"txtSuffix")
            return m_outputPage->suffix();
        if (key == u"sLastDir")
            return sLastDir;
        if (key == u"sLastAddDir")
            return sLastAddDir;
        if (key == u"bFontSizeWarningShown")
            return bFontSizeWarningShown ? u"True"_s : u"False"_s;
        if (key == u"Left")
            return QString::number(std::lround(pos().x() * twipsPerPixel));
        if (key == u"Top")
            return QString::number(std::lround(pos().y() * twipsPerPixel));
        if (key == u"resizableWindow")
            return QString::number(resizableWindow);
        if (key == u"txtProcessingFailFolder")
            return m_datePage->failFolder();
        if (key == u"SetDate_Year")
            return date.sSetDateYear;
        if (key == u"SetDate_Month")
            return date.sSetDateMonth;
        if (key == u"SetDate_Day")
            return date.sSetDateDay;
        if (key == u"SetDate_Hour")
            return date.sSetDateHour;
        if (key == u"SetDate_Min")
            return date.sSetDateMin;
        if (key == u"SetDate_Sec")
            return date.sSetDateSec;
        if (key == u"SetDate_Mode")
            return m_datePage->randomDate() ? u"1"_s : u"0"_s;
        if (key == u"chkIgnoreMinorWarnings2")
            return ticked(m_datePage->ignoreMinorWarnings());
        if (key == u"chkResetFileDates")
            return ticked(m_datePage->resetFileDates());
        if (key == u"chkSkipReadyPage")
            return ticked(m_readyPage->skipped());
        if (key == u"chkDeleteFileOnFail")
            return ticked(m_datePage->moveFailed());
        // The ICC box as the user's tick, not the clear box shown while the profile is kept.
        if (bool TagOptions::*box = tagBox(key))
            return ticked(tags.*box);
        return std::nullopt;
    };

    for (const SettingsCatalogue::Key &key : SettingsCatalogue::saveOrder()) {
        const QString name = QString::fromUtf16(key.name);
        if (const std::optional<QString> text = value(name))
            m_settings->SaveSettingValue(settingsApplication(), settingsSection(), name, *text);
    }
}
