// The wizard window: start-up and shutdown, the page flow, the option pages, the job on
// screen and the metadata viewer. Building the pages is in CleanWizardPages.cpp, the image
// list in CleanWizardImages.cpp.

#include "gui/CleanWizard.h"

#include "core/CleanJob.h"
#include "core/ConsoleRunner.h"
#include "core/NativePath.h"
#include "core/RunReport.h"
#include "core/SettingsStore.h"
#include "core/TagOptions.h"
#include "gui/BalloonTip.h"
#include "gui/BrowseForFolder.h"
#include "gui/MetadataViewer.h"
#include "gui/OutcomeListModel.h"
#include "gui/PathListModel.h"
#include "gui/Prompts.h"
#include "gui/WaitCursor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFrame>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTreeView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <QUrl>

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
    m_iPage = 1;
    ShowPage();

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
    connect(cmdNext, &QPushButton::clicked, this, &CleanWizard::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &CleanWizard::cmdBack_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &CleanWizard::cmdCancel_Click);

    connect(cmdInput, &QPushButton::clicked, this, &CleanWizard::cmdInput_Click);
    connect(cmdAddFolder, &QPushButton::clicked, this, &CleanWizard::cmdAddFolder_Click);
    connect(cmdRemoveSelected, &QPushButton::clicked, this, &CleanWizard::cmdRemoveSelected_Click);
    connect(cmdRemoveAll, &QPushButton::clicked, this, &CleanWizard::cmdRemoveAll_Click);

    // Before UpdateControls runs for the same change. UpdateControls itself sets the
    // shown tick with the signals blocked, so only a click or a stored value land here.
    connect(chkCleanICC, &QCheckBox::toggled, this, [this](bool checked) { m_chkCleanICCChoice = checked; });
    for (QCheckBox *box : {chkCleanAll, chkCleanExif, chkCleanExifGPS, chkCleanThumbnail, chkCleanXMP,
                           chkCleanIPTC, chkCleanICC, chkCleanPhotoshop, chkCleanTiffIdf0, chkCleanGeoTiff,
                           chkCleanAdobeApp14, chkCleanOther, chkKeepLook})
        connect(box, &QCheckBox::toggled, this, &CleanWizard::UpdateControls);
    // Toggled covers a mode chosen by the program (the browse button); clicked covers a
    // click on the mode that is already chosen.
    connect(m_outputModeGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            UpdateControls();
    });
    connect(m_outputModeGroup, &QButtonGroup::idClicked, this, &CleanWizard::UpdateControls);

    connect(cmdOutputBrowse, &QPushButton::clicked, this, &CleanWizard::cmdOutputBrowse_Click);
    connect(cmdProcessingFailBrowse, &QPushButton::clicked, this, &CleanWizard::cmdProcessingFailBrowse_Click);
    connect(chkResetFileDates, &QCheckBox::toggled, this, &CleanWizard::chkResetFileDates_Click);
    connect(chkDeleteFileOnFail, &QCheckBox::toggled, this, &CleanWizard::chkDeleteFileOnFail_Click);

    connect(lwFiles, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (lwFiles->selectionModel()->isSelected(index))
            showMetadata(false, index.row());
    });
    connect(lwFilesCleaned, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        if (lwFilesCleaned->selectionModel()->isSelected(index))
            showMetadata(true, index.row());
    });
}

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
        const QString value = m_settings->GetSettingValue(settingsApplication(), settingsSection(), name,
                                                          defaultValue, &ok);
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
    const auto existingFolder = [](const QString &folder) {
        return FolderExists(folder) ? folder : QString();
    };

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

// --- shutdown -------------------------------------------------------------------------

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
                m_job->requestStop();
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
    UpdateControls();
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

// --- the wizard -----------------------------------------------------------------------

void CleanWizard::setPageVisibility(int page)
{
    picSplash->hide();
    picFrameTop->hide();
    for (QWidget *panel : pages)
        panel->hide();
    for (QFrame *line : {Line3, Line1, Line2, Line4})
        line->show();
    if (page < 1 || page > 8)
        return;
    const bool side = page == 1 || page == 8;
    picSplash->setVisible(side);
    picFrameTop->setVisible(!side);
    Line1->setVisible(!side);
    Line2->setVisible(!side);
    pages.at(page - 1)->show();
}

void CleanWizard::ShowPage()
{
    // Only a programmatic press can point outside the pages; the nearest page is shown
    // rather than an empty window.
    if (m_iPage < 1 || m_iPage > 8)
        m_iPage = std::clamp(m_iPage, 1, 8);
    setPageVisibility(m_iPage);

    const auto header = [this](const QString &title, const QString &text) {
        lblTopTitle->setText(title);
        lblTopText->setText(text);
    };
    const auto updateAndFocus = [this] {
        UpdateControls();
        if (cmdNext->isEnabled())
            cmdNext->setFocus();
    };
    const auto buttons = [this](bool back, bool next, bool cancel) {
        cmdBack->setEnabled(back);
        cmdNext->setEnabled(next);
        cmdCancel->setEnabled(cancel);
    };

    switch (m_iPage) {
    case 1:
        buttons(false, true, true);
        cmdNext->setText(tr("Next >"));
        break;
    case 2:
        buttons(true, false, true);
        cmdCancel->setText(tr("Close"));
        cmdNext->setText(tr("Next >"));
        header(tr("Choose Image Files"),
               tr("Add the images you want to clean. When you are ready, click 'next' to continue to the "
                  "output page."));
        updateAndFocus();
        break;
    case 3:
        buttons(true, true, true);
        cmdNext->setText(tr("Next >"));
        header(tr("Options (1/3)"),
               tr("Decide where and how to save the cleaned files. Click 'next' to continue to the second "
                  "options page."));
        updateAndFocus();
        break;
    case 4:
        buttons(true, true, true);
        cmdNext->setText(tr("Next >"));
        header(tr("Options (2/3)"), tr("Decide which metadata tags you want to remove."));
        jpegTest();
        updateAndFocus();
        break;
    case 5:
        buttons(true, true, true);
        cmdNext->setText(chkSkipReadyPage->isChecked() ? tr("Start >") : tr("Next >"));
        header(tr("Options (3/3)"), tr("Set additional options and processing rules."));
        showDateLabel();
        cmdNext->setFocus();
        break;
    case 6:
        buttons(true, true, true);
        cmdNext->setText(tr("Start >"));
        header(tr("Ready to Start"),
               tr("The wizard has now collected enough information to begin processing the images!"));
        showReadySummary();
        break;
    case 7:
        buttons(false, false, true);
        cmdCancel->setText(tr("Stop"));
        header(tr("Cleaning Images"), tr("Please wait while the images are being processed..."));
        break;
    case 8:
        buttons(true, false, true);
        cmdCancel->setText(tr("Quit"));
        header(tr("Finished"),
               tr("The wizard has finished cleaning the images! Press the exit button to quit, or the back "
                  "button to process more files."));
        cmdCancel->setFocus();
        break;
    default:
        break;
    }
    assignMnemonics();
}

void CleanWizard::jpegTest()
{
    bool allJpeg = true;
    for (int i = 0; i < m_lstFiles.ListCount(); ++i) {
        const QString name = m_lstFiles.List(i).mid(m_lstFiles.List(i).lastIndexOf(u'/') + 1);
        const qsizetype dot = name.lastIndexOf(u'.');
        const QString extension = dot > 0 ? name.mid(dot + 1).toLower() : QString();
        if (extension != u"jpg" && extension != u"jpe" && extension != u"jpeg")
            allJpeg = false;
    }
    lblDisclaimer->setVisible(!allJpeg);
    imgDisclaimer->setVisible(!allJpeg);
}

void CleanWizard::showDateLabel()
{
    lblResetDateTo->setText(FileDate::dateText(fixedDate));
}

void CleanWizard::cmdNext_Click()
{
    // The finished page is the last one, and the job must not be entered twice.
    if (m_iPage >= 7)
        return;
    ++m_iPage;
    if (chkSkipReadyPage->isChecked() && m_iPage == 6)
        ++m_iPage;
    ShowPage();
    if (m_iPage == 7) {
        CleanImages();
        ++m_iPage;
        ShowPage();
        if (m_closeAfterJob)
            QTimer::singleShot(0, this, &QWidget::close);
    }
}

void CleanWizard::cmdBack_Click()
{
    if (m_iPage == 8)
        m_iPage = 2;
    else if (m_iPage > 1 && m_iPage != 7)
        --m_iPage;
    ShowPage();
}

void CleanWizard::cmdCancel_Click()
{
    // While files are added the third button says Stop and stops the adding; the files
    // listed so far stay.
    if (m_bulkAdding) {
        m_stopAdding = true;
        return;
    }
    // On the cleaning page the third button stops the run.
    if (m_jobRunning) {
        askToStop();
        return;
    }
    close();
}

bool CleanWizard::askToStop()
{
    // Asked once: a second close or Escape while the question is open, or after the
    // stop was asked for, changes nothing.
    if (m_askingStop || !m_job || m_job->stopRequested())
        return false;
    m_askingStop = true;
    const bool yes = Prompts::question(this, tr("Stop cleaning? The images cleaned so far are kept."));
    m_askingStop = false;
    if (!yes || !m_job)
        return false;
    m_job->requestStop();
    cmdCancel->setEnabled(false);
    return true;
}

int CleanWizard::selectedOutputMode() const
{
    return m_outputModeGroup->checkedId();
}

TagOptions CleanWizard::tagBoxStates() const
{
    TagOptions t;
    t.chkCleanAll = chkCleanAll->isChecked();
    t.chkCleanExif = chkCleanExif->isChecked();
    t.chkCleanExifGPS = chkCleanExifGPS->isChecked();
    t.chkCleanThumbnail = chkCleanThumbnail->isChecked();
    t.chkCleanXMP = chkCleanXMP->isChecked();
    t.chkCleanIPTC = chkCleanIPTC->isChecked();
    t.chkCleanICC = m_chkCleanICCChoice;
    t.chkCleanPhotoshop = chkCleanPhotoshop->isChecked();
    t.chkCleanTiffIdf0 = chkCleanTiffIdf0->isChecked();
    t.chkCleanGeoTiff = chkCleanGeoTiff->isChecked();
    t.chkCleanAdobeApp14 = chkCleanAdobeApp14->isChecked();
    t.chkCleanOther = chkCleanOther->isChecked();
    t.keepOrientation = t.keepColourProfile = chkKeepLook->isChecked();
    return t;
}

void CleanWizard::showOutputMessage(const QString &text)
{
    // Says why Next is refused on the output page; made on first need, below the choices.
    auto *label = picFrameOutput->findChild<QLabel *>(u"lblOutputMessage"_s);
    if (!label && text.isEmpty())
        return;
    if (!label) {
        label = new QLabel(picFrameOutput);
        label->setObjectName(u"lblOutputMessage"_s);
        label->setWordWrap(true);
        label->setStyleSheet(u"color: #c00000"_s);
        if (auto *layout = qobject_cast<QBoxLayout *>(picFrameOutput->layout()))
            layout->insertWidget(layout->count() - 1, label);
    }
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

void CleanWizard::UpdateControls()
{
    ControlInputs in;
    in.iPage = m_iPage;
    in.imageCount = m_lstFiles.ListCount();
    const int mode = selectedOutputMode();
    in.outputMode = static_cast<OutputMode>(mode < 0 ? 0 : mode);
    in.txtOutput = txtOutput->text();
    in.txtPrefix = txtPrefix->text();
    in.txtSuffix = txtSuffix->text();
    in.tags = tagBoxStates();

    const ControlStates s = ::UpdateControls(in);

    // Pages 7 and 8 keep Next disabled whatever calls this (a drop on the side picture of
    // the finished page, say): a press there would lead past the last page.
    if (m_iPage != 7 && m_iPage != 8)
        cmdNext->setEnabled(s.cmdNextEnabled);
    if (s.updateCountCaption) {
        lblNumFileAdded->setText(s.countCaption);
        lblNumFileAdded->setToolTip(leftOutLine(m_leftOut));
    }
    txtOutput->setEnabled(s.txtOutputEnabled);
    txtPrefix->setEnabled(s.txtPrefixEnabled);
    txtSuffix->setEnabled(s.txtSuffixEnabled);
    {
        const QSignalBlocker shownOnly(chkCleanICC);
        chkCleanICC->setChecked(s.chkCleanICCChecked);
    }
    if (m_iPage == 3)
        showOutputMessage(s.outputMessage);
    if (s.updateTagBoxes) {
        chkCleanExif->setEnabled(s.chkCleanExifEnabled);
        chkCleanExifGPS->setEnabled(s.chkCleanExifGPSEnabled);
        chkCleanThumbnail->setEnabled(s.chkCleanThumbnailEnabled);
        chkCleanXMP->setEnabled(s.chkCleanXMPEnabled);
        chkCleanIPTC->setEnabled(s.chkCleanIPTCEnabled);
        chkCleanICC->setEnabled(s.chkCleanICCEnabled);
        chkCleanPhotoshop->setEnabled(s.chkCleanPhotoshopEnabled);
        chkCleanTiffIdf0->setEnabled(s.chkCleanTiffIdf0Enabled);
        chkCleanGeoTiff->setEnabled(s.chkCleanGeoTiffEnabled);
        chkCleanAdobeApp14->setEnabled(s.chkCleanAdobeApp14Enabled);
        chkCleanOther->setEnabled(s.chkCleanOtherEnabled);
    }
    if (s.focusNext && cmdNext->isEnabled() && cmdNext->isVisible())
        cmdNext->setFocus();
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
    const QEvent::Type type = event->type();

    // The file list: Delete removes the selected rows; drops add files.
    if (watched == lwFiles && type == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            cmdRemoveSelected_Click();
            return true;
        }
        return false;
    }

    if (watched == picSplash && type == QEvent::Resize) {
        updateSplashPicture();
        return false;
    }

    const bool fileList = watched == lwFiles->viewport();
    const bool otherTarget = watched == picFrameWelcome || watched == picSplash;
    if (fileList || otherTarget) {
        if (type == QEvent::DragEnter || type == QEvent::DragMove) {
            // Anything may be dropped: without files the drop only moves the wizard on.
            auto *drag = static_cast<QDropEvent *>(event);
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        if (type == QEvent::Drop) {
            auto *drop = static_cast<QDropEvent *>(event);
            QStringList paths;
            for (const QUrl &url : drop->mimeData()->urls()) {
                // From the URL's bytes: toLocalFile() would spell a name that is not
                // valid UTF-8 with other bytes.
                if (url.isLocalFile() && !url.path().isEmpty())
                    paths << decodePath(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
            }
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            // The file manager waits for the drop to finish; the adding runs after it.
            QTimer::singleShot(0, this, [this, paths, fileList] { dropFiles(paths, fileList); });
            return true;
        }
        return false;
    }

    if (auto *label = qobject_cast<QLabel *>(watched)) {
        const int index = static_cast<int>(std::find(lblLinkButton.cbegin(), lblLinkButton.cend(), label)
                                           - lblLinkButton.cbegin());
        if (index < static_cast<int>(lblLinkButton.size())) {
            if (type == QEvent::MouseButtonRelease) {
                const auto *mouse = static_cast<QMouseEvent *>(event);
                if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())
                    && label->isEnabled()) {
                    lblLinkButton_Click(index);
                    return true;
                }
            } else if (type == QEvent::KeyPress) {
                const auto *key = static_cast<QKeyEvent *>(event);
                if (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                    if (label->isEnabled())
                        lblLinkButton_Click(index);
                    return true;
                }
            } else if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
                QFont font = label->font();
                font.setUnderline(type == QEvent::FocusIn);
                label->setFont(font);
            } else if (type == QEvent::Enter || type == QEvent::MouseMove) {
                // A disabled link stays as it is.
                if (label->isEnabled())
                    setLinkHover(label, true);
            } else if (type == QEvent::Leave || type == QEvent::Hide) {
                setLinkHover(label, false);
            } else if (type == QEvent::EnabledChange) {
                setLinkHover(label, label->isEnabled() && label->underMouse());
            }
            return false;
        }
    }

    if (watched == txtOutput || watched == txtPrefix || watched == txtSuffix) {
        auto *box = static_cast<QLineEdit *>(watched);
        if (type == QEvent::FocusIn) {
            selectOutputModeOf(box);
        } else if (type == QEvent::MouseButtonPress && !box->isEnabled() && m_iPage == 3) {
            // A box is disabled while its mode is not chosen; clicking into it chooses
            // the mode, which enables it, and the click then goes on into the box.
            selectOutputModeOf(box);
            if (box->isEnabled())
                box->setFocus(Qt::MouseFocusReason);
        } else if (type == QEvent::FocusOut) {
            UpdateControls();
        } else if (type == QEvent::KeyPress) {
            // Enter in a text box counts the text first, as leaving the box would, so
            // that the default button (Next) acts on what was typed.
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter)
                UpdateControls();
        }
    }

    return QDialog::eventFilter(watched, event);
}

void CleanWizard::lblLinkButton_Click(int index)
{
    const auto open = [](const QString &path) { return Prompts::openUrl(QUrl::fromLocalFile(path)); };
    switch (index) {
    // Where the desktop has no program for it, the window says or shows it itself.
    case 2:
        if (!Prompts::openUrl(QUrl(homePageUrl())))
            tellAddress(homePageUrl());
        break;
    case 3:
        {
            const QString log = m_logPath.isEmpty() ? m_systemFolders.sTemp + u"/qmk_log.txt"_s : m_logPath;
            if (!open(log))
                showLogWindow(log);
        }
        break;
    case 5: {
        QString folder;
        if (optOutputMode[1]->isChecked()) {
            if (!txtOutput->text().isEmpty())
                folder = QDir(m_programFolder).absoluteFilePath(txtOutput->text());
        } else {
            folder = m_sFirstImageFolder;
        }
        if (!folder.isEmpty() && !open(folder))
            tellFolder(folder);
        break;
    }
    case 6:
        dateEntry();
        break;
    default:
        break;
    }
}

// --- option pages ---------------------------------------------------------------------

void CleanWizard::chkResetFileDates_Click()
{
    const bool on = chkResetFileDates->isChecked();
    optDate[0]->setEnabled(on);
    optDate[1]->setEnabled(on);
    lblResetDateTo->setEnabled(on);
    lblLinkButton[6]->setEnabled(on);
}

void CleanWizard::chkDeleteFileOnFail_Click()
{
    const bool on = chkDeleteFileOnFail->isChecked();
    optProcessingFail[0]->setEnabled(on);
    optProcessingFail[1]->setEnabled(on);
    cmdProcessingFailBrowse->setEnabled(on);
}

void CleanWizard::dateEntry()
{
    const std::array<QString *, 6> parts = {&fixedDate.sSetDateYear, &fixedDate.sSetDateMonth,
                                            &fixedDate.sSetDateDay,  &fixedDate.sSetDateHour,
                                            &fixedDate.sSetDateMin,  &fixedDate.sSetDateSec};
    for (int i = 0; i < 6; ++i) {
        const FileDate::DatePrompt &prompt = FileDate::datePrompt(i);
        const QString answer = Prompts::inputBox(this, prompt.title, prompt.prompt, *parts.at(i));
        QString message;
        if (const std::optional<QString> valid = FileDate::validateDateAnswer(i, answer, &message))
            *parts.at(i) = *valid;
        else if (!message.isEmpty())
            Prompts::message(this, message, Prompts::Icon::None);
    }
    showDateLabel();
}

void CleanWizard::cmdOutputBrowse_Click()
{
    QString text = txtOutput->text();
    if (text.size() > 1 && text.endsWith(u'/')) {
        text.chop(1);
        txtOutput->setText(text);
    }
    const QString folder = BrowseForFolder(this, tr("Select output folder:"), text);
    if (!folder.isEmpty())
        txtOutput->setText(folder);
    optOutputMode[1]->setChecked(true);
    UpdateControls();
}

void CleanWizard::cmdProcessingFailBrowse_Click()
{
    QString text = txtProcessingFailFolder->text();
    if (text.size() > 1 && text.endsWith(u'/')) {
        text.chop(1);
        txtProcessingFailFolder->setText(text);
    }
    const QString folder = BrowseForFolder(this, tr("Select output folder:"), text);
    if (!folder.isEmpty())
        txtProcessingFailFolder->setText(folder);
    optProcessingFail[1]->setChecked(true);
}

// --- the job --------------------------------------------------------------------------

void CleanWizard::CleanImages()
{
    m_jobRunning = true;
    WaitCursor hourglass;

    ProgressBar->setValue(0);
    lblProcessing->clear();
    txtErrorLog->clear();
    m_cleanedModel->clear();

    JobOptions options;
    const int mode = selectedOutputMode();
    options.outputMode = static_cast<OutputMode>(mode < 0 ? 0 : mode);
    options.txtOutput = txtOutput->text();
    options.txtPrefix = txtPrefix->text();
    options.txtSuffix = txtSuffix->text();
    options.tags = tagBoxStates();
    options.chkIgnoreMinorWarnings = chkIgnoreMinorWarnings->isChecked();
    options.chkResetFileDates = chkResetFileDates->isChecked();
    options.randomDate = !optDate[0]->isChecked();
    options.fixedDate = fixedDate;
    options.chkDeleteFileOnFail = chkDeleteFileOnFail->isChecked();
    options.optProcessingFail = optProcessingFail[1]->isChecked() ? 1 : 0;
    options.txtProcessingFailFolder = txtProcessingFailFolder->text();
    options.bAutoRun = bAutoRun;

    JobEnvironment environment;
    environment.exiftool = m_exiftool;
    environment.programFolder = m_programFolder;
    environment.tempFolder = m_systemFolders.sTemp;
    environment.pauses = m_setup.pauses;
    environment.jobs = QThread::idealThreadCount(); // one ExifTool process per core
    environment.locale = QLocale();

    CleanJob job(options, environment);
    job.setOverwriteQuestion([this] {
        return Prompts::question(
            this, tr("One or more output file already exist! Do you want to overwrite existing file(s)?"));
    });
    connect(&job, &CleanJob::statusChanged, lblProcessing, &QLabel::setText);
    connect(&job, &CleanJob::progressChanged, ProgressBar, &QProgressBar::setValue);

    m_job = &job;
    const JobResult result = job.CleanImages(m_lstFiles.toStringList());
    m_job = nullptr;
    showResult(result);
    m_jobRunning = false;
}

void CleanWizard::showResult(const JobResult &result)
{
    m_lastRunHadProblems = result.internalError || result.problemCount > 0 || result.stopped;
    m_logPath = result.logPath; // the run's own log: another run may have used qmk_log.txt
    m_sFirstImageFolder = result.sFirstImageFolder;

    QString summary = result.summary;
    summary.replace(u"\r\n"_s, u"\n"_s);
    const QString residue = residueLine(outcomeTotals(result.outcomes).residue);
    if (!residue.isEmpty())
        summary += u'\n' + residue;
    // The files left out while adding were never the job's: they are told about here.
    const QString leftOut = leftOutLine(m_leftOut);
    if (!leftOut.isEmpty()) {
        summary += u'\n' + leftOut;
        m_lastRunHadProblems = true;
    }
    lblExecuteInfo->setText(summary);

    lblErrorInfo->hide();
    if (result.internalError) {
        // The person learns why the run stopped.
        txtErrorLog->setPlainText(result.errorDetail);
        txtErrorLog->show();
        lblLinkButton[3]->setVisible(result.logWritten);
        lblLinkButton[3]->setText(tr("Open problem log..."));
    } else if (result.problemCount < 1) {
        lblLinkButton[3]->hide();
        txtErrorLog->hide();
    } else {
        lblLinkButton[3]->setText(tr("Open problem log..."));
        lblLinkButton[3]->show();
        txtErrorLog->hide();
        if (!result.errorInfoCaption.isEmpty()) {
            lblErrorInfo->setText(result.errorInfoCaption);
            lblErrorInfo->show();
        }
    }

    // Every image of the run gets a row; a run that reported no outcomes lists its outputs.
    QList<FileOutcome> rows;
    for (const FileOutcome &outcome : result.outcomes) {
        // After a stop, the list shows what was done, not every image the run never reached.
        if (!(result.stopped && outcome.status == FileStatus::Skipped && outcome.message == CleanJob::notRunMessage()))
            rows << outcome;
    }
    if (rows.isEmpty()) {
        for (const CleanedFile &file : result.cleanedFiles)
            rows.append(FileOutcome{QString(), file.path, FileStatus::Cleaned, {}, {}});
    }
    rows += m_leftOut;
    m_cleanedModel->setOutcomes(rows);
    rememberOriginals(result);

    if (result.clearImageList) {
        clearLeftOut();
        m_filesModel->clear();
    }
    else if (result.images.size() == m_lstFiles.ListCount())
        m_filesModel->replaceTexts(result.images);
}

// --- the metadata viewer --------------------------------------------------------------

void CleanWizard::showMetadata(bool cleaned, int row)
{
    const PathList &list = cleaned ? m_lstCleaned : m_lstFiles;
    if (m_viewerBusy || row < 0 || row >= list.ListCount())
        return;
    const QString path = list.List(row);
    if (path.isEmpty())
        return; // a failed or skipped image has no output to show
    // A cleaned file is shown against its original, where that is still there.
    if (cleaned && compareWithOriginal(row))
        return;

    ConsoleRunner runner;
    runner.setWorkingDirectory(m_programFolder);
    int result = 0;
    {
        WaitCursor hourglass;
        m_viewerBusy = true;
        // "-config ''" first, so a personal ExifTool configuration cannot change the listing.
        result = runner.RunExifTool(m_exiftool, {u"-config"_s, QString(), u"-a"_s, u"-G1"_s, u"-s"_s, path});
        m_viewerBusy = false;
    }
    if (result != 0) {
        Prompts::message(this, tr("There was an error reading the file..."), Prompts::Icon::Exclamation);
        return;
    }
    MetadataViewer report(runner.sConsoleOutput(), this, path);
    Prompts::execModal(report, report.txtReport->toPlainText());
}
