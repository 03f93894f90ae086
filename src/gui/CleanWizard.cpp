// The wizard window: start-up and shutdown, activation, the keyboard, links and drops.
// The settings are in CleanWizardSettings.cpp, the page flow and the option pages in
// CleanWizardNavigation.cpp, the job and the metadata viewer in CleanWizardRun.cpp,
// building the window in CleanWizardPages.cpp (each page in its own class), the image list in CleanWizardImages.cpp.

#include "gui/CleanWizard.h"

#include "core/CleanJob.h"
#include "core/ConsoleRunner.h"
#include "core/NativePath.h"
#include "core/SettingsStore.h"
#include "core/TagOptions.h"
#include "gui/BalloonTip.h"
#include "gui/DatePage.h"
#include "gui/FinishedPage.h"
#include "gui/ImagesPage.h"
#include "gui/OutputPage.h"
#include "gui/Prompts.h"
#include "gui/TagsPage.h"
#include "gui/WelcomePage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QWindow>

using namespace Qt::StringLiterals;

CleanWizard::CleanWizard(const CleanWizardSetup &setup, QWidget *parent)
    : QDialog(parent)
    , m_setup(setup)
{
    load();
}

CleanWizard::~CleanWizard()
{
    // The focus moves while the children go; the members the handler writes are gone.
    disconnect(qApp, nullptr, this, nullptr);
    // A window destroyed during a run takes its job, and the job's hourglass, with it.
    if (m_jobRunning)
        QApplication::restoreOverrideCursor();
}

bool CleanWizard::bPortable() const
{
    return m_settings && m_settings->bPortable();
}

// --- start-up -------------------------------------------------------------------------

void CleanWizard::load()
{
    // The program's folder is not made the current directory: the job resolves relative
    // output folders against it by itself, and a relative folder on the command line
    // means what the shell that started the program means by it.
    m_programFolder = m_setup.programFolder.isEmpty() ? programFolder() : m_setup.programFolder;
    m_exiftool = m_setup.exiftool.isEmpty() ? findExifTool() : m_setup.exiftool;

    buildUi();
    m_page = Page::Welcome;
    showPage();

    m_ScreenDPI = logicalDpiX() > 0 ? logicalDpiX() : 96;

    m_minimumClientSize = requiredClientSize();
    resize(m_minimumClientSize);
    setFixedSize(m_minimumClientSize);

    // The platform window exists from here on, so the frame is part of the window's size
    // where the platform knows it before the window is shown.
    create();

    m_settings = std::make_unique<SettingsStore>(m_programFolder);
    m_settings->setNativeSettingsPath(m_setup.nativeSettingsPath);
    m_settings->DetectPortableMode();
    m_settingsRefused = m_settings->isOversized();
    m_systemFolders = GetSystemFolders();
    // Where the window stands when no stored position can be used.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.x() + (screen.width() - frameGeometry().width()) / 2,
        screen.y() + (screen.height() - frameGeometry().height()) / 2);
    readSettings();
    applyWindowBorder();
    // Left and Top are the frame's corner, title bar included. Under X11 the window
    // manager frames the window only once it is shown, and until then a position is taken
    // as the client area's: the window would open lower by the title bar's height on
    // every start. So the frame is put where it belongs as soon as its size is known.
    if (windowHandle() && windowHandle()->frameMargins().isNull())
        m_wantedFramePos = frameGeometry().topLeft();
    setListColumnWidths();
    createTooltips();
    setupAccessibility();
    setupKeyboard();
}

void CleanWizard::applyWindowBorder()
{
    if (resizableWindow == 1) {
        setMinimumSize(m_minimumClientSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setSizeGripEnabled(true);
    } else {
        setFixedSize(m_minimumClientSize);
    }
}

void CleanWizard::connectControls()
{
    connect(cmdNext, &QPushButton::clicked, this, &CleanWizard::goNext);
    connect(cmdBack, &QPushButton::clicked, this, &CleanWizard::goBack);
    connect(cmdCancel, &QPushButton::clicked, this, &CleanWizard::cancelOrClose);

    connect(m_welcomePage, &WelcomePage::homePageRequested, this, [this] { openLink(2); });
    connect(
        m_welcomePage, &WelcomePage::filesDropped, this, [this](const QStringList &paths) { dropFiles(paths, false); });

    connect(m_imagesPage, &ImagesPage::addImagesClicked, this, &CleanWizard::chooseImages);
    connect(m_imagesPage, &ImagesPage::addFolderClicked, this, &CleanWizard::chooseFolder);
    connect(m_imagesPage, &ImagesPage::removeSelectedClicked, this, &CleanWizard::removeSelectedImages);
    connect(m_imagesPage, &ImagesPage::removeAllClicked, this, &CleanWizard::removeAllImages);
    connect(m_imagesPage, &ImagesPage::metadataRequested, this, [this](int row) { showMetadata(false, row); });
    connect(
        m_imagesPage, &ImagesPage::filesDropped, this, [this](const QStringList &paths) { dropFiles(paths, true); });

    connect(m_outputPage, &OutputPage::changed, this, &CleanWizard::updateControls);
    connect(m_tagsPage, &TagsPage::changed, this, &CleanWizard::updateControls);

    connect(m_finishedPage, &FinishedPage::logRequested, this, [this] { openLink(3); });
    connect(m_finishedPage, &FinishedPage::destinationRequested, this, [this] { openLink(5); });
    connect(m_finishedPage, &FinishedPage::metadataRequested, this, [this](int row) { showMetadata(true, row); });
}

// --- shutdown -------------------------------------------------------------------------
void CleanWizard::closeEvent(QCloseEvent *event)
{
    // Files being added: the adding ends within a moment, and the window closes.
    if (m_bulkAdding)
        m_stopAdding = true;
    // While ExifTool runs the window stays: closing asks to stop the run, and the window
    // closes once the run has ended, so no half-written file is left behind. Unattended,
    // there is nobody to ask.
    if (m_jobRunning) {
        event->ignore();
        if (bAutoRun) {
            if (m_job)
                m_job->stop();
            m_closeAfterJob = true;
        } else if (askToStop()) {
            m_closeAfterJob = true;
        }
        return;
    }
    // An automatic run ends without saving, whichever way it ends.
    if (!m_endingAtOnce && !bAutoRun)
        saveSettings();
    event->accept();
}

void CleanWizard::endProcessAtOnce(int exitCode)
{
    m_endingAtOnce = true;
    if (m_setup.endProcess)
        m_setup.endProcess(exitCode);
    else
        QCoreApplication::exit(exitCode);
}

void CleanWizard::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Some platforms learn the frame's size only now; the window still has to fit.
    if (!m_activatedOnce)
        QTimer::singleShot(0, this, &CleanWizard::keepOnScreen);
}

// --- activation -----------------------------------------------------------------------

bool CleanWizard::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        restoreFramePosition();
        break;
    case QEvent::WindowActivate:
        restoreFramePosition();
        onActivated();
        break;
    case QEvent::Show:
        // Without a window manager (a bare X server) no window is ever activated; the
        // command line must still be acted on.
        if (!m_activatedOnce) {
            QTimer::singleShot(0, this, [this] {
                if (!m_activatedOnce)
                    activateWindow();
            });
            QTimer::singleShot(1000, this, [this] {
                if (!m_activatedOnce && isVisible())
                    onActivated();
            });
        }
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void CleanWizard::restoreFramePosition()
{
    if (!m_wantedFramePos || !isVisible() || !windowHandle())
        return;
    // Without a frame (no window manager, or not framed yet) there is nothing to correct.
    if (windowHandle()->frameMargins().isNull())
        return;
    QPoint wanted = *m_wantedFramePos;
    m_wantedFramePos.reset();
    // Whole on its screen with the title bar counted.
    const QSize frame = frameGeometry().size();
    const QScreen *on = QGuiApplication::screenAt(QRect(wanted, frame).center());
    const QRect screen = (on ? on : QGuiApplication::primaryScreen())->geometry();
    wanted.setX(std::max(screen.x(), std::min(wanted.x(), screen.x() + screen.width() - frame.width())));
    wanted.setY(std::max(screen.y(), std::min(wanted.y(), screen.y() + screen.height() - frame.height())));
    if (frameGeometry().topLeft() != wanted)
        move(wanted); // the frame's size is known now, so this places the frame
}

void CleanWizard::onActivated()
{
    // Coming back from another window (the viewer), the page's rules are checked again.
    updateControls();
    if (cmdNext->isEnabled())
        cmdNext->setFocus();
    fontSizeWarning();
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        // Queued, so that the activation itself has finished before the wizard is driven;
        // the warning's box is closed before the command line fills the list.
        QTimer::singleShot(0, this, [this] {
            oversizedSettingsWarning();
            runCommandLine();
        });
    }
}

void CleanWizard::yieldToEvents()
{
    QCoreApplication::processEvents();
}

void CleanWizard::wait(int ms)
{
    if (ms <= 0) {
        yieldToEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// --- keyboard, links, drops -----------------------------------------------------------

void CleanWizard::keyPressEvent(QKeyEvent *event)
{
    // Escape presses Close, and nothing while Close is disabled (page 7); the dialog's own
    // handling would hide the window without the shutdown.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cmdCancel->isEnabled() && cmdCancel->isVisible())
            cmdCancel->click();
        event->accept();
        return;
    }
    // F1, and Shift+F1 as "What's This", tell what the focused control does: the balloon
    // tips are otherwise out of the keyboard's reach.
    if (event->key() == Qt::Key_F1
        && (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ShiftModifier)) {
        showHelpFor(focusWidget());
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CleanWizard::eventFilter(QObject *watched, QEvent *event)
{
    // Children announce themselves while the pages are still being built.
    if (!m_uiBuilt)
        return QDialog::eventFilter(watched, event);
    if (keyboardEvent(watched, event))
        return true;

    if (watched == picSplash) {
        if (event->type() == QEvent::Resize) {
            updateSplashPicture();
            return false;
        }
        return CleanWizardParts::takeFileDrop(
            this, event, [this](const QStringList &paths) { dropFiles(paths, false); });
    }
    return QDialog::eventFilter(watched, event);
}

void CleanWizard::openLink(int index)
{
    const auto open = [](const QString &path) { return Prompts::openUrl(QUrl::fromLocalFile(path)); };
    switch (index) {
    // Where the desktop has no program for it, the window says or shows it itself.
    case 2:
        if (!Prompts::openUrl(QUrl(WelcomePage::homePageUrl())))
            tellAddress(WelcomePage::homePageUrl());
        break;
    case 3:
        // The run's own problems, kept in memory: the log file may be a later run's by now.
        m_finishedPage->openProblems();
        break;
    case 5: {
        QString folder;
        if (m_outputPage->outputMode() == static_cast<int>(OutputMode::Folder)) {
            if (!m_outputPage->outputFolder().isEmpty())
                folder = QDir(m_programFolder).absoluteFilePath(m_outputPage->outputFolder());
        } else {
            folder = m_sFirstImageFolder;
        }
        if (!folder.isEmpty() && !open(folder))
            tellFolder(folder);
        break;
    }
    case 6:
        m_datePage->editDate();
        break;
    default:
        break;
    }
}
