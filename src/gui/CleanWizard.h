#pragma once

#include "core/FileOutcome.h"
#include "core/PathList.h"
#include "core/SystemFolders.h"
#include "gui/WizardPage.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CleanJob;
class BalloonTip;
class DatePage;
class FinishedPage;
class ImagesPage;
class OutputPage;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class ReadyPage;
class RunPage;
class TagsPage;
class WelcomePage;
class PathListModel;
class OutcomeListModel;
class SettingsStore;
struct ControlInputs;
struct JobResult;
struct StoredOptions;

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

// The wizard window: the header, the side picture, the buttons and one page at a time
// (WelcomePage .. FinishedPage). It keeps the page flow, the image list, the run, the
// settings and the rules that span pages; each page keeps its own controls. The controls
// carry their design names as object names; control arrays are named "<array>_<index>"
// (lblLinkButton_3, optOutputMode_1, picTooltip_12).
class CleanWizard final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CleanWizard)

public:
    explicit CleanWizard(const CleanWizardSetup &setup = CleanWizardSetup(), QWidget *parent = nullptr);
    ~CleanWizard() override;

    // --- the wizard ---
    Page page() const { return m_page; }
    int iPage() const { return static_cast<int>(m_page); }
    void showPage();
    void goNext();
    void goBack();
    void cancelOrClose();
    // Gathers the page's inputs, applies the rules and sets enabled flags, the count
    // caption and the focus.
    void updateControls();
    bool askToStop();

    // --- the image list ---
    const PathList &lstFiles() const { return m_lstFiles; }
    bool addFile(const QString &path);
    void addFolder(const QString &folder);
    void chooseImages();
    void chooseFolder();
    void removeSelectedImages();
    void removeAllImages();
    // A drop on the file list (onFileList) or on the welcome page and the side picture.
    void dropFiles(const QStringList &paths, bool onFileList);

    // What a link does: 2 the home page, 3 the run's problems, 5 the destination folder,
    // 6 the date entry.
    void openLink(int index);

    // --- the job and the viewer ---
    // Starts the job from the ready page; jobEnded() shows its result on the finished page.
    void startRun();
    void jobEnded(const JobResult &result);
    // A double click on a row of lwFiles (cleaned false) or lwFilesCleaned.
    void showMetadata(bool cleaned, int row);

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

    // Fields restored from and saved to the settings.
    QString sLastDir;
    QString sLastAddDir;
    bool bFontSizeWarningShown = false;
    int resizableWindow = 0;
    bool bAutoRun = false;

    // The balloon tip of an anchor (a picTooltip, cmdInput, cmdAddFolder), or null.
    const BalloonTip *tooltipOf(const QWidget *anchor) const;

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building (CleanWizardPages.cpp)
    void buildUi();
    QWidget *buildHeader();
    void connectControls();
    QSize requiredClientSize();
    void applyWindowBorder();

    // Look and feel (CleanWizardLook.cpp)
    void createTooltips();
    void setListColumnWidths();
    void updateSplashPicture();
    void fontSizeWarning();

    // Keyboard and accessibility (CleanWizardAccess.cpp)
    QList<std::pair<QWidget *, QWidget *>> helpAnchors() const;
    void setupAccessibility();
    void setupKeyboard();
    bool keyboardEvent(QObject *watched, QEvent *event);
    // The Alt letters of a page's buttons (and of the three below the pages).
    void assignMnemonics(Page page);
    void optionFocused(QRadioButton *option, Qt::FocusReason reason);
    void showMetadataOfCurrent(bool cleaned);
    void rememberOriginals(const JobResult &result);
    bool compareWithOriginal(int row);
    void showReadySummary();
    void tellFolder(const QString &folder);
    void tellAddress(const QString &address);

    // Start-up and shutdown (CleanWizard.cpp; the settings in CleanWizardSettings.cpp)
    void load();
    void readSettings();
    // Says once that the settings file was too large to read (see SettingsStore).
    void oversizedSettingsWarning();
    void showStoredOptions(const StoredOptions &stored);
    StoredOptions storedOptions() const;
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
    void setPageVisibility(Page page);
    WizardPage *pageWidget(Page page) const;
    ControlInputs controlInputs() const;
    // The quick way after a drop or a command line: the ready page when the stored
    // options are complete, otherwise the first page that wants something.
    void showReadyOrIncomplete();
    // The check before a run, shown on the ready page: empty when the run can start.
    QString checkRun();
    void showResult(const JobResult &result);

    // Images (CleanWizardImages.cpp)
    friend class BulkAdding;
    void queueRow(const QString &path);
    void noteLeftOut(const FileOutcome &outcome);
    void clearLeftOut();
    void tellSilentFolders();
    void flushPendingRows();
    void addFolderWithCaption(const QString &folder);

    CleanWizardSetup m_setup;
    QString m_programFolder;
    QString m_exiftool;
    std::unique_ptr<SettingsStore> m_settings;
    SystemFolders m_systemFolders;

    PathList m_lstFiles;
    PathList m_lstCleaned; // paths behind the rows of lwFilesCleaned
    PathListModel *m_filesModel = nullptr;
    OutcomeListModel *m_cleanedModel = nullptr; // one row per image of the run, with its status

    // The header and footer.
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
    // The pages, in the order of Page.
    WelcomePage *m_welcomePage = nullptr;
    ImagesPage *m_imagesPage = nullptr;
    OutputPage *m_outputPage = nullptr;
    TagsPage *m_tagsPage = nullptr;
    DatePage *m_datePage = nullptr;
    ReadyPage *m_readyPage = nullptr;
    RunPage *m_runPage = nullptr;
    FinishedPage *m_finishedPage = nullptr;

    QSize m_minimumClientSize;
    std::vector<std::unique_ptr<BalloonTip>> m_tooltips;
    Page m_page = Page::Welcome;
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
    // Folders added in one go that held no image to clean: the images page names them.
    QStringList m_silentFolders;
    QString m_runProblem; // why the run cannot start (checkRun), or empty

    bool m_uiBuilt = false;
    bool m_commandLineDone = false;
    bool m_jobRunning = false;
    bool m_lastRunHadProblems = false; // -auto ends with status 1 then
    QPointer<CleanJob> m_job; // the running job, for a stop request
    bool m_askingStop = false;
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
