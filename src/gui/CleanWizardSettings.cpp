// The settings: showing the stored options on the pages at start-up, keeping the restored
// window on a screen, and storing the pages' options when the window closes.

#include "core/NativePath.h"
#include "core/SettingsStore.h"
#include "core/StoredOptions.h"
#include "core/TagOptions.h"
#include "gui/CleanWizard.h"
#include "gui/DatePage.h"
#include "gui/OutputPage.h"
#include "gui/Prompts.h"
#include "gui/ReadyPage.h"
#include "gui/TagsPage.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

void CleanWizard::readSettings()
{
    // The machine's own defaults: the picture folder, and the window centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const double twipsPerPixel = 1440.0 / m_ScreenDPI;
    StoredOptionsDefaults defaults;
    defaults.lastDir = m_systemFolders.sMyPictures;
    defaults.left = std::lround((screen.x() + (screen.width() - frameGeometry().width()) / 2) * twipsPerPixel);
    defaults.top = std::lround((screen.y() + (screen.height() - frameGeometry().height()) / 2) * twipsPerPixel);
    showStoredOptions(readStoredOptions(*m_settings, defaults));
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

void CleanWizard::showStoredOptions(const StoredOptions &stored)
{
    const JobOptions &o = stored.job;
    m_outputPage->setOutputMode(static_cast<int>(o.outputMode));
    m_outputPage->setOutputFolder(o.outputFolder);
    m_outputPage->setPrefix(o.prefix);
    m_outputPage->setSuffix(o.suffix);
    if (stored.lastDir)
        sLastDir = *stored.lastDir;
    if (stored.lastAddDir)
        sLastAddDir = *stored.lastAddDir;
    bFontSizeWarningShown = stored.fontSizeWarningShown;
    const auto pixels = [this](double twips) { return static_cast<int>(std::lround(twips * m_ScreenDPI / 1440.0)); };
    if (stored.left) {
        move(pixels(*stored.left), y());
        keepOnScreen();
    }
    if (stored.top) {
        move(x(), pixels(*stored.top));
        keepOnScreen();
    }
    m_tagsPage->setTags(o.tags);
    m_datePage->setResetFileDates(o.resetFileDates);
    m_readyPage->setSkipped(stored.skipReadyPage);
    m_datePage->setFixedDate(o.fixedDate);
    m_datePage->setRandomDate(o.randomDate);
    m_datePage->setIgnoreMinorWarnings(o.ignoreMinorWarnings);
    m_datePage->setMoveFailed(o.moveProblemFiles);
    m_datePage->setFailTarget(o.problemTarget);
    m_datePage->setFailFolder(o.problemFolder);
    resizableWindow = stored.resizableWindow;
}

StoredOptions CleanWizard::storedOptions() const
{
    StoredOptions stored;
    JobOptions &o = stored.job;
    o.outputMode = static_cast<OutputMode>(std::clamp(m_outputPage->outputMode(), 0, 3));
    o.outputFolder = m_outputPage->outputFolder();
    o.prefix = m_outputPage->prefix();
    o.suffix = m_outputPage->suffix();
    // The ICC box as the user's tick, not the clear box shown while the profile is kept.
    o.tags = m_tagsPage->tags();
    o.resetFileDates = m_datePage->resetFileDates();
    o.fixedDate = m_datePage->fixedDate();
    o.randomDate = m_datePage->randomDate();
    o.ignoreMinorWarnings = m_datePage->ignoreMinorWarnings();
    o.moveProblemFiles = m_datePage->moveFailed();
    o.problemTarget = std::max(0, m_datePage->failTarget());
    o.problemFolder = m_datePage->failFolder();
    stored.skipReadyPage = m_readyPage->skipped();
    stored.lastDir = sLastDir;
    stored.lastAddDir = sLastAddDir;
    stored.fontSizeWarningShown = bFontSizeWarningShown;
    const double twipsPerPixel = 1440.0 / m_ScreenDPI;
    stored.left = std::lround(pos().x() * twipsPerPixel);
    stored.top = std::lround(pos().y() * twipsPerPixel);
    stored.resizableWindow = resizableWindow;
    return stored;
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
    if (!m_settingsRefused)
        writeStoredOptions(*m_settings, storedOptions());
}
