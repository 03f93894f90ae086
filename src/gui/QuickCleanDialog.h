#pragma once

#include "core/CleanJob.h"
#include "core/FileOutcome.h"

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;

// How the small window is started: main() fills it from `quillmark --clean PATH...`, tests
// from their own temporary folders.
struct QuickCleanSetup {
    QStringList paths; // images and folders as given; relative ones are taken from the current folder
    QString programFolder; // where PORTABLE and settings.ini are looked for; empty: the program's folder
    QString nativeSettingsPath; // settings file outside portable mode; empty: the user's own
    QString exiftool; // empty: findExifTool()
    bool pauses = true; // the job's short pauses that let a person read its captions
    // Closes the window this long after the outcome is shown (the test suite); nothing: the
    // window stays until the person closes it.
    std::optional<int> closeAfterMs;
};

// "Remove metadata" from a file manager: cleans the given images and folders with the
// stored options (as the wizard would; nothing is stored) and shows the run in a small
// window: the image being cleaned, progress and Stop, then the finished page's headline and
// counts with the run's problems and the output folder one click away. Overwriting the
// originals is asked first. exitStatus() is quillmark-cli's: 0 all cleaned, 1 some image
// not, 2 nothing could start.
class QuickCleanDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuickCleanDialog)

public:
    explicit QuickCleanDialog(const QuickCleanSetup &setup, QWidget *parent = nullptr);
    ~QuickCleanDialog() override;

    enum class Stage { Starting, Looking, Cleaning, Ended };
    Stage stage() const { return m_stage; }
    int exitStatus() const { return m_exitStatus; }

    // What the collection of the paths found: the images to clean and the files left out.
    struct Selection {
        QStringList images;
        QList<FileOutcome> leftOut;
        bool stopped = false;
    };

    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildUi();
    void begin();
    void selectionFound(const Selection &selection);
    void startJob(const QStringList &images);
    void jobEnded(const JobResult &result);
    void stop();
    // Shows why nothing was cleaned and ends with `status`.
    void endWithout(const QString &headline, const QString &detail, int status);
    void end(int status);
    void showProblems();
    void openFolder();

    QuickCleanSetup m_setup;
    QString m_programFolder;
    JobOptions m_options;
    Stage m_stage = Stage::Starting;
    int m_exitStatus = 2;
    bool m_closeWhenEnded = false;

    std::unique_ptr<QThread> m_looking; // the folder walk, off the window's thread
    std::atomic_bool m_stopLooking {false};
    Selection m_selection;
    QPointer<CleanJob> m_job;
    QList<FileOutcome> m_rows; // every image of the run and what was left out
    QString m_exifToolText;
    QString m_errorDetail;
    QString m_outputFolder; // what "Open folder" opens

    QLabel *m_headline = nullptr; // lblQuickHeadline
    QLabel *m_note = nullptr; // lblQuickNote: the defaults in use, on first use
    QLabel *m_current = nullptr; // lblQuickCurrent: the image being cleaned
    QProgressBar *m_progress = nullptr; // pbQuickProgress
    QLabel *m_counts = nullptr; // lblQuickCounts
    QPushButton *m_stop = nullptr; // cmdQuickStop
    QPushButton *m_problems = nullptr; // cmdQuickProblems
    QPushButton *m_openFolder = nullptr; // cmdQuickOpenFolder
    QPushButton *m_close = nullptr; // cmdQuickClose
};
