#pragma once

#include "core/FileDate.h"
#include "core/FileOutcome.h"
#include "core/PathList.h"
#include "core/SystemFolders.h"
#include "core/TagOptions.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CleanJob;
class BalloonTip;
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QColor;
class QFrame;
class QLabel;
class QLineEdit;
class QTreeView;
class QMimeData;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QPalette;
class PathListModel;
class OutcomeListModel;
class SettingsStore;
struct JobResult;

// How the window is started: main() fills it from the process, tests from their own
// temporary folders.
struct CleanWizardSetup {
    QString programFolder; // where PORTABLE and settings.ini are looked for; empty: the program's folder
    QString nativeSettingsPath; // settings file outside portable mode; empty: the user's own
    QStringList arguments; // the command line after the program name
    QString exiftool; // empty: findExifTool()
    bool pauses = true; // the short pauses that let a person read the job's captions
    int autoWaitMs = 5000; // how long an automatic run shows its last page before ending
    // Ends the process at once, without the shutdown handler. Empty: leave the event loop
    // with this exit code (main() then returns it).
    std::function<void(int)> endProcess;
};

// The wizard window. Its controls carry their design names as object names; control
// arrays are named "<array>_<index>" (lblLinkButton_3, optOutputMode_1, picTooltip_12).
// The fields and routines with design names are public so that the other parts of the
// user interface and the tests reach them.
class CleanWizard final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CleanWizard)

public:
    explicit CleanWizard(const CleanWizardSetup &setup = CleanWizardSetup(), QWidget *parent = nullptr);
    ~CleanWizard() override;

    // --- the wizard ---
    int iPage() const { return m_iPage; }
    void ShowPage();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    // Gathers the page's inputs, applies the rules and sets enabled flags, the count
    // caption and the focus.
    void UpdateControls();
    void showOutputMessage(const QString &text);
    bool askToStop();

    // --- the image list ---
    const PathList &lstFiles() const { return m_lstFiles; }
    bool AddFile(const QString &path);
    void AddFolder(const QString &folder);
    void cmdInput_Click();
    void cmdAddFolder_Click();
    void cmdRemoveSelected_Click();
    void cmdRemoveAll_Click();
    // A drop on the file list (onFileList) or on the welcome page and the side picture.
    void dropFiles(const QStringList &paths, bool onFileList);

    // --- the options pages ---
    void cmdOutputBrowse_Click();
    void cmdProcessingFailBrowse_Click();
    void chkResetFileDates_Click();
    void chkDeleteFileOnFail_Click();
    void lblLinkButton_Click(int index);
    void dateEntry();

    // --- the job and the viewer ---
    // Starts the job from the ready page; jobEnded() shows its result on the finished page.
    void CleanImages();
    void jobEnded(const JobResult &result);
    // A double click on a row of lwFiles (cleaned false) or lwFilesCleaned.
    void showMetadata(bool cleaned, int row);
    // Ctrl+I and "Show Metadata" of a list's context menu: the current row.
    void showMetadataOfCurrent(bool cleaned);

    // --- keyboard help and the ready page (CleanWizardAccess.cpp) ---
    // What F1 (and Shift+F1) shows for a control: its balloon's title and text, its tip,
    // or its page's explanation.
    QString helpTextFor(const QWidget *control) const;
    void showHelpFor(QWidget *control);
    const QString &lastHelpShown() const { return m_lastHelpShown; }
    // The ready page's paragraph: what the run will do with the chosen options.
    QString readySummaryText() const;

    const QString &sFirstImageFolder() const { return m_sFirstImageFolder; }
    const SystemFolders &systemFolders() const { return m_systemFolders; }
    bool bPortable() const;
    int ScreenDPI() const { return m_ScreenDPI; }

    // Fields restored from and saved to the settings.
    QString sLastDir;
    QString sLastAddDir;
    bool bFontSizeWarningShown = false;
    int resizableWindow = 0;
    bool bAutoRun = false;
    FixedFileDate fixedDate; // sSetDateYear .. sSetDateSec

    // --- controls ---
    // Chrome
    QFrame *picFrameTop = nullptr;
    QLabel *picSplashTop = nullptr;
    QLabel *lblTopTitle = nullptr;
    QLabel *lblTopText = nullptr;
    QLabel *picSplash = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QFrame *Line3 = nullptr;
    QFrame *Line4 = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdCancel = nullptr;
    std::array<QWidget *, 8> pages {}; // picFrameWelcome .. picFrameFinished

    // Page 1
    QWidget *picFrameWelcome = nullptr;
    QLabel *Label3 = nullptr; // heading
    QLabel *Label7 = nullptr; // welcome text
    QLabel *Label5 = nullptr; // "Homepage:"
    // Page 2
    QWidget *picFrameInput = nullptr;
    QPushButton *cmdInput = nullptr;
    QPushButton *cmdAddFolder = nullptr;
    QPushButton *cmdRemoveSelected = nullptr;
    QPushButton *cmdRemoveAll = nullptr;
    QTreeView *lwFiles = nullptr;
    QLabel *lblShowMetadataTip = nullptr;
    QLabel *lblNumFileAdded = nullptr;
    // Page 3
    QWidget *picFrameOutput = nullptr;
    std::array<QRadioButton *, 4> optOutputMode {};
    QLineEdit *txtOutput = nullptr;
    QPushButton *cmdOutputBrowse = nullptr;
    QLineEdit *txtPrefix = nullptr;
    QLineEdit *txtSuffix = nullptr;
    // Page 4
    QWidget *picFrameOptions = nullptr;
    QCheckBox *chkCleanAll = nullptr;
    QCheckBox *chkCleanExif = nullptr;
    QCheckBox *chkCleanExifGPS = nullptr;
    QCheckBox *chkCleanThumbnail = nullptr;
    QCheckBox *chkCleanXMP = nullptr;
    QCheckBox *chkCleanIPTC = nullptr;
    QCheckBox *chkCleanICC = nullptr;
    QCheckBox *chkCleanPhotoshop = nullptr;
    QCheckBox *chkCleanTiffIdf0 = nullptr;
    QCheckBox *chkCleanGeoTiff = nullptr;
    QCheckBox *chkCleanAdobeApp14 = nullptr;
    QCheckBox *chkCleanOther = nullptr;
    QCheckBox *chkKeepLook = nullptr; // keep orientation and colour profile
    QLabel *lblDisclaimer = nullptr;
    QLabel *imgDisclaimer = nullptr;
    // Page 5
    QWidget *picFrameDate = nullptr;
    QCheckBox *chkResetFileDates = nullptr;
    std::array<QRadioButton *, 2> optDate {};
    QLabel *lblResetDateTo = nullptr;
    QCheckBox *chkIgnoreMinorWarnings = nullptr;
    QCheckBox *chkDeleteFileOnFail = nullptr;
    std::array<QRadioButton *, 2> optProcessingFail {};
    QLineEdit *txtProcessingFailFolder = nullptr;
    QPushButton *cmdProcessingFailBrowse = nullptr;
    // Page 6
    QWidget *picFrameBegin = nullptr;
    QLabel *Label28 = nullptr;
    QLabel *imgReadyToStart = nullptr;
    QCheckBox *chkSkipReadyPage = nullptr;
    QLabel *lblReadySummary = nullptr;
    QLabel *lblOverwriteWarning = nullptr;
    QLabel *imgOverwriteWarning = nullptr;
    // Page 7
    QWidget *picFrameExecute = nullptr;
    QLabel *lblProcessing = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QLabel *imgProcessing = nullptr;
    // Page 8
    QWidget *picFrameFinished = nullptr;
    QLabel *lblExecuteInfo = nullptr;
    QLabel *lblCleanedFiles = nullptr;
    QTreeView *lwFilesCleaned = nullptr;
    QLabel *lblErrorInfo = nullptr;
    QPlainTextEdit *txtErrorLog = nullptr;
    QLabel *Image2 = nullptr;
    // Arrays spread over the pages; unused indexes stay null.
    std::array<QLabel *, 7> lblLinkButton {};
    std::array<QLabel *, 18> picTooltip {};

    // The home page the welcome page links to.
    static QString homePageUrl();
    // The link colours: at rest (the palette's link colour), and while the mouse is over
    // an enabled link (red); each made readable on the palette's window colour.
    static QColor linkRestColor(const QPalette &palette);
    static QColor linkHoverColor(const QPalette &palette);

    // The balloon tip of an anchor (a picTooltip, cmdInput, cmdAddFolder), or null.
    const BalloonTip *tooltipOf(const QWidget *anchor) const;
    int tooltipCount() const { return static_cast<int>(m_tooltips.size()); }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (CleanWizardPages.cpp, CleanWizardRunPages.cpp)
    void buildUi();
    QWidget *buildHeader();
    QWidget *buildWelcomePage();
    QWidget *buildInputPage();
    QWidget *buildOutputPage();
    QWidget *buildOptionsPage();
    QWidget *buildDatePage();
    QWidget *buildBeginPage();
    QWidget *buildExecutePage();
    QWidget *buildFinishedPage();
    QLabel *makeLink(int index, const QString &caption, QWidget *parent);
    QPushButton *makeBrowseButton(const QString &name, QWidget *parent);
    QLabel *makeTooltipAnchor(int index, QWidget *parent);
    void applyDesignState();
    void connectControls();
    QSize requiredClientSize();
    void applyWindowBorder();

    // Look and feel (CleanWizardLook.cpp)
    void createTooltips();
    void setLinkHover(QLabel *label, bool hover);
    void selectOutputModeOf(const QObject *textBox);
    void setListColumnWidths();
    void updateSplashPicture();
    void fontSizeWarning();

    // Keyboard and accessibility (CleanWizardAccess.cpp)
    QList<std::pair<QWidget *, QWidget *>> helpAnchors() const;
    void setupAccessibility();
    void setupKeyboard();
    bool keyboardEvent(QObject *watched, QEvent *event);
    void assignMnemonics();
    void optionFocused(QRadioButton *option, Qt::FocusReason reason);
    void rememberOriginals(const JobResult &result);
    bool compareWithOriginal(int row);
    void showReadySummary();
    void showLogWindow(const QString &path);
    void tellFolder(const QString &folder);
    void tellAddress(const QString &address);

    // Start-up and shutdown (CleanWizard.cpp; the settings in CleanWizardSettings.cpp)
    void load();
    void readSettings();
    // Says once that the settings file was too large to read (see SettingsStore).
    void oversizedSettingsWarning();
    void applySetting(const QString &key, const QString &value);
    void keepOnScreen();
    void restoreFramePosition();
    void saveSettings();
    void onActivated();
    void runCommandLine();
    void runAutomatic(const QString &folder);
    void endProcessAtOnce(int exitCode);
    void yieldToEvents();
    void wait(int ms);

    // Pages (CleanWizardNavigation.cpp; the result in CleanWizardRun.cpp)
    void setPageVisibility(int page);
    void jpegTest();
    void showDateLabel();
    void showResult(const JobResult &result);
    int selectedOutputMode() const;
    TagOptions tagBoxStates() const;

    // Images (CleanWizardImages.cpp)
    friend class BulkAdding;
    void queueRow(const QString &path);
    void noteLeftOut(const FileOutcome &outcome);
    void clearLeftOut();
    void flushPendingRows();
    void addFolderWithCaption(const QString &folder);
    void addPaths(const QStringList &paths);
    QList<int> selectedRows() const;

    CleanWizardSetup m_setup;
    QString m_programFolder;
    QString m_exiftool;
    std::unique_ptr<SettingsStore> m_settings;
    SystemFolders m_systemFolders;

    PathList m_lstFiles;
    PathList m_lstCleaned; // paths behind the rows of lwFilesCleaned
    PathListModel *m_filesModel = nullptr;
    OutcomeListModel *m_cleanedModel = nullptr; // one row per image of the run, with its status

    QButtonGroup *m_outputModeGroup = nullptr;
    QButtonGroup *m_dateGroup = nullptr;
    QButtonGroup *m_processingFailGroup = nullptr;

    // The user's own tick of chkCleanICC: the box shows it clear while chkKeepLook keeps
    // the profile, and shows this again when the profile is no longer kept.
    bool m_chkCleanICCChoice = true;

    QSize m_minimumClientSize;
    std::vector<std::unique_ptr<BalloonTip>> m_tooltips;
    int m_iPage = 1;
    int m_ScreenDPI = 96;
    QString m_sFirstImageFolder;

    // Rows waiting to be shown while many files are added at once.
    QStringList m_pendingRows;
    bool m_bulkAdding = false;
    QElapsedTimer m_sinceYield;
    // Stop (the third button while files are added) or closing the window ends the
    // adding: the walk and the rows still to come look at this.
    bool m_stopAdding = false;
    // Files named or found while adding that are not cleaned (videos, types ExifTool
    // cannot write, paths too long, other files named): the finished page lists them.
    QList<FileOutcome> m_leftOut;
    QSet<QString> m_leftOutPaths;

    bool m_uiBuilt = false;
    bool m_commandLineDone = false;
    bool m_jobRunning = false;
    bool m_lastRunHadProblems = false; // -auto ends with status 1 then
    QPointer<CleanJob> m_job; // the running job, for a stop request
    bool m_askingStop = false;
    QString m_logPath; // the last run's problem log
    bool m_closeAfterJob = false;
    bool m_endingAtOnce = false;
    bool m_viewerBusy = false;
    bool m_activatedOnce = false;
    // The settings file was too large to read: the window runs on the defaults and keeps
    // its hands off the file.
    bool m_settingsRefused = false;

    // The outcome behind each output of the last run, by the output's path: its original
    // and what stayed identifying. The finished list sorts its rows, so rows are no key.
    QHash<QString, FileOutcome> m_outcomeByOutput;
    QPointer<QWidget> m_focusNow;
    QString m_lastHelpShown;
    std::optional<QPoint> m_wantedFramePos; // where the frame goes once the window manager has framed it
};
