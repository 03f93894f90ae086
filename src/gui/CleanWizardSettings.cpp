// The settings: reading them at start-up and applying each stored value to its control,
// keeping the restored window on a screen, and saving them when the window closes.

#include "core/NativePath.h"
#include "core/SettingsStore.h"
#include "core/TagOptions.h"
#include "gui/CleanWizard.h"
#include "gui/Prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
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
    // The date and problem-folder controls follow their check boxes even when a stored
    // value had to be skipped.
    chkResetFileDates_Click();
    chkDeleteFileOnFail_Click();
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
    const auto selectOption = [&](QButtonGroup *group, int count) {
        const std::optional<int> index = toShort(value);
        if (index && *index >= 0 && *index < count)
            group->button(*index)->setChecked(true);
    };
    const auto existingFolder = [](const QString &folder) { return FolderExists(folder) ? folder : QString(); };

    if (key == u"optOutputMode") {
        selectOption(m_outputModeGroup, 4);
    } else if (key == u"txtOutput") {
        txtOutput->setText(value);
    } else if (key == u"txtPrefix") {
        txtPrefix->setText(value);
    } else if (key == u"txtSuffix") {
        txtSuffix->setText(value);
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
        fixedDate.sSetDateYear = value;
    } else if (key == u"SetDate_Month") {
        fixedDate.sSetDateMonth = value;
    } else if (key == u"SetDate_Day") {
        fixedDate.sSetDateDay = value;
    } else if (key == u"SetDate_Hour") {
        fixedDate.sSetDateHour = value;
    } else if (key == u"SetDate_Min") {
        fixedDate.sSetDateMin = value;
    } else if (key == u"SetDate_Sec") {
        fixedDate.sSetDateSec = value;
    } else if (key == u"SetDate_Mode") {
        selectOption(m_dateGroup, 2);
    } else if (key == u"optProcessingFail") {
        selectOption(m_processingFailGroup, 2);
    } else if (key == u"txtProcessingFailFolder") {
        txtProcessingFailFolder->setText(value);
    } else if (key == u"resizableWindow") {
        if (const auto number = toShort(value))
            resizableWindow = *number;
    } else {
        // A check box, named as its key (chkIgnoreMinorWarnings under a key of its own).
        const QString name = key == u"chkIgnoreMinorWarnings2" ? u"chkIgnoreMinorWarnings"_s : key;
        auto *box = findChild<QCheckBox *>(name);
        const std::optional<int> state = toShort(value);
        // A box is clear (0) or ticked (1); the third state has no use here.
        if (!box || !state || (*state != 0 && *state != 1))
            return;
        if (box == chkCleanICC) {
            // The box may be showing a kept profile as clear, where a stored 0 would change nothing.
            m_chkCleanICCChoice = *state == 1;
            UpdateControls();
            return;
        }
        box->setChecked(*state == 1);
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
    const auto box = [](const QCheckBox *check) { return check->isChecked() ? u"1"_s : u"0"_s; };
    const auto value = [&](const QString &key) -> std::optional<QString> {
        if (key == u"optOutputMode") {
            const int id = m_outputModeGroup->checkedId();
            return id < 0 ? std::nullopt : std::optional<QString>(QString::number(id));
        }
        if (key == u"optProcessingFail") {
            const int id = m_processingFailGroup->checkedId();
            return id < 0 ? std::nullopt : std::optional<QString>(QString::number(id));
        }
        if (key == u"txtOutput")
            return txtOutput->text();
        if (key == u"txtPrefix")
            return txtPrefix->text();
        if (key == u"txtSuffix")
            return txtSuffix->text();
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
            return txtProcessingFailFolder->text();
        if (key == u"SetDate_Year")
            return fixedDate.sSetDateYear;
        if (key == u"SetDate_Month")
            return fixedDate.sSetDateMonth;
        if (key == u"SetDate_Day")
            return fixedDate.sSetDateDay;
        if (key == u"SetDate_Hour")
            return fixedDate.sSetDateHour;
        if (key == u"SetDate_Min")
            return fixedDate.sSetDateMin;
        if (key == u"SetDate_Sec")
            return fixedDate.sSetDateSec;
        if (key == u"SetDate_Mode")
            return optDate[0]->isChecked() ? u"0"_s : u"1"_s;
        if (key == u"chkIgnoreMinorWarnings2")
            return box(chkIgnoreMinorWarnings);
        if (key == u"chkCleanICC") // the user's tick, not the clear box shown while the profile is kept
            return m_chkCleanICCChoice ? u"1"_s : u"0"_s;
        if (const auto *check = findChild<QCheckBox *>(key))
            return box(check);
        return std::nullopt;
    };

    for (const SettingsCatalogue::Key &key : SettingsCatalogue::saveOrder()) {
        const QString name = QString::fromUtf16(key.name);
        if (const std::optional<QString> text = value(name))
            m_settings->SaveSettingValue(settingsApplication(), settingsSection(), name, *text);
    }
}
