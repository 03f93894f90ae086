#pragma once

#include "core/ExifToolPool.h"
#include "core/FileDate.h"
#include "core/FileOutcome.h"
#include "core/TagOptions.h"
#include "core/VideoRemux.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <numeric>
#include <optional>
#include <vector>

class QLockFile;
class NativeStage;
struct NativeStageResult;
class StagingArea;
class OutputVerifier;
class QRandomGenerator;
class QTemporaryDir;

// A snapshot of the option pages, taken when a run starts.
struct JobOptions {
    OutputMode outputMode = OutputMode::Suffix;
    QString outputFolder; // output folder (folder mode)
    QString prefix = QStringLiteral("cleaned_");
    QString suffix = QStringLiteral("_cleaned");
    TagOptions tags;
    bool ignoreMinorWarnings = true; // adds "-m" to every command
    bool resetFileDates = false;
    bool randomDate = true; // optDate: 0 fixed, 1 random
    FixedFileDate fixedDate;
    bool moveProblemFiles = false;
    int problemTarget = 0; // 0 trash, 1 folder
    QString problemFolder;
    bool overwriteWithoutAsking = false; // overwrite existing outputs without asking
    bool verify = true; // check every output for what is left
    // JPEG, PNG, WebP and GIF are cleaned by the native writer wherever it can do the tag
    // options (--engine auto); false leaves every image to ExifTool (--engine exiftool).
    bool nativeWriter = true;
};

// Where the run finds its tools and work files.
struct JobEnvironment {
    QString exiftool; // full path of the ExifTool program
    QString ffmpeg; // the ffmpeg program that remuxes videos; empty: looked for (findFfmpeg())
    QString programFolder; // working folder of ExifTool; relative paths resolve here
    QString tempFolder; // holds the run's private work folder and qmk_log.txt
    bool pauses = true; // the short pauses that let a person read the captions
    int jobs = 1; // ExifTool processes at once
    QLocale locale; // number format of the summary
    QRandomGenerator *random = nullptr; // random file dates; the global generator when null
};

struct CleanedFile {
    QString name; // file name shown in the result list
    QString path; // full path of the output, for the metadata viewer
    QString input; // the image it was made from (the same path when overwritten in place)
};

struct JobResult {
    bool internalError = false; // the run ended in the failure handler
    QString errorDetail; // why, for a person
    int processedCount = 0;
    int declinedCount = 0; // existing outputs kept after "No"
    int earlierOutputCount = 0; // inputs left out as outputs of an earlier run
    int problemCount = 0;
    bool stopped = false; // a stop was requested and the run ended early
    qint64 inputBytes = 0;
    qint64 outputBytes = 0;
    qint64 seconds = 0;
    QString summary; // the finished page's summary (lines end in CR LF)
    QList<CleanedFile> cleanedFiles;
    QString logPath;
    bool logWritten = false;
    QString problemTexts; // ExifTool's error texts of the failed batches, in run order
    QStringList failedImages; // inputs that ExifTool refused (named in an error line)
    int movedCount = 0; // failed originals moved to the trash or the problem folder
    int notMovedCount = 0; // failed originals that could not be moved (the log says why)
    QString errorInfoCaption; // "3 problem files moved to the trash." or empty
    QStringList images; // the image list as the run stored it back (normalised)
    QString sFirstImageFolder;
    bool clearImageList = false; // a problem-free run empties the image list
    QList<FileOutcome> outcomes; // one per input, in the order of the images
};

// The summary of the finished page, e.g. "3 images processed (120 KB saved)\r\nin 2
// seconds (0.67 sec avg)". Halves round to even.
QString summaryText(int processedCount, qint64 inputBytes, qint64 outputBytes, qint64 seconds, const QLocale &locale);

// Output path of one image for modes folder, prefix and suffix; the input itself for overwrite.
QString outputPathFor(const QString &input, const JobOptions &options, const QString &programFolder);
// An output into a folder that no other image of the run has taken: IMG_0001.JPG, then
// IMG_0001 (2).JPG, ... `taken` receives it.
QString untakenOutput(const QString &output, QSet<QString> &taken);

// The output ExifTool makes of an "-o" pattern (an output folder ending in '/', or a
// name built from %d, %f and %e) for one input.
QString expandOutputPattern(const QString &pattern, const QString &input);

// Whether a path can stand as a line of an argument file and be read by ExifTool as
// exactly that path: absolute (so no leading blank, '#' or '-') and without line
// breaks. With forOutput, '%' is refused too, since "-o" expands it.
bool isLiteralArgfilePath(const QString &path, bool forOutput);

// The cleaning job: prepares one ExifTool command per image, runs them in batches of
// 64 through argument files, checks the outputs and reports. start() returns at once;
// each stage goes on from a signal, a queued call or a timer, so the caller's event loop
// (a window's) keeps running. Status captions, progress and the result are signals; the
// overwrite question is a callback. A job may be destroyed at any time: ExifTool is
// interrupted and waited for, what was not in place yet goes with the staging folders,
// and no original is touched.
class CleanJob final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CleanJob)

public:
    static constexpr int BatchSize = 64;
    // How long the batches ExifTool is writing may go on after a stop request.
    static constexpr int StopGraceMs = 600;
    // Images a long loop (the plan, the outcomes) handles before it lets the event loop run.
    static constexpr int SliceSize = 256;

    CleanJob(const JobOptions &options, const JobEnvironment &environment, QObject *parent = nullptr);
    ~CleanJob() override;

    // Asked at most once per run, at the first image whose output exists: true = overwrite.
    void setOverwriteQuestion(std::function<bool()> ask) { m_askOverwrite = std::move(ask); }

    // Starts a run over the images and returns; finished() says how it went. Ignored while
    // a run is going on.
    void start(const QStringList &images);
    bool isRunning() const { return m_phase != Phase::Idle; }

    // The message of the images a stopped run never reached.
    static QString notRunMessage();

    // Asks a running job to stop: no batch starts any more, the ones ExifTool is writing
    // finish, and the result says the run was stopped. A second call, or StopGraceMs after
    // the first, hurries the stop (ExifTool is interrupted and removes what it was writing).
    void stop();
    bool stopRequested() const { return m_stop != StopLevel::None; }

    // Holds a running job while a person decides whether to stop it: no batch is handed
    // to ExifTool or the native writer any more, the ones being written finish, and
    // paused() follows once nothing is. resume() goes on; stop() stops as ever.
    void pause();
    void resume();
    bool isPaused() const { return m_paused; }

    // The run's problem log: qmk_log.txt in the temporary folder unless another run is
    // using that name, in which case a name of this run's own.
    QString logFilePath() const;

Q_SIGNALS:
    void statusChanged(const QString &caption);
    void progressChanged(int percent);
    // Per image: `done` of the run's `total` images are handled; about `msLeft` to go,
    // -1 while there is no meaningful estimate; `current` the file name of the image
    // being cleaned (or last cleaned). For a display: it decides nothing.
    void progressed(int done, int total, qint64 msLeft, const QString &current);
    // A pause has taken hold: nothing is being written and no new output appears.
    void paused();
    void finished(const JobResult &result);

private:
    // Where the run is; each stage hands over to the next.
    enum class Phase {
        Idle,
        Starting, // the short pause before the plan
        Planning, // prepare(), in slices
        Cleaning, // ExifTool runs the batches
        Checking, // the outcomes (in slices) and the verifier's verdicts
        Finishing, // the processes end, the work files go, the closing pause
    };
    enum class StopLevel {
        None,
        Requested, // running batches finish, no new one starts
        Hurried, // ExifTool is interrupted
    };

    // Appends a line to the run's log, names that are not UTF-8 spelt with \xNN.
    bool appendToLog(const QString &text) const;
    struct Item;
    struct Plan;

    // The stages, in order.
    void setUp();
    void planSlice();
    void startBatches();
    void batchEnded(int batch, const BatchRun &ran);
    void batchesEnded(const QString &error);
    void checkOutcomes();
    void checkSlice();
    void verified();
    void summarise();
    void closeProcesses();
    void processClosed();
    void finish();
    void fail(const QString &detail);
    void later(void (CleanJob::*step)());

    bool planStep(); // one slice of the plan; true when the plan is complete
    QString stagingPattern(int batch) const;
    bool stageItem(Item &item, int index, int batch, QSet<QString> &taken);
    void removeEmptyLog(const JobResult &result) const;
    bool setUpWorkFiles(QString *error);
    QList<QStringList> commandsFor(int batch, int first, int count);
    void writeNatively();
    void nativeWritten(int batch, const QList<NativeStageResult> &results);
    void videoWritten(int batch, const QList<VideoStage::Result> &results);
    bool remuxesVideos() const;
    bool batchReady(int batch) const;
    struct PendingBatch {
        int first = 0;
        int count = 0;
        BatchRun run;
        QList<int> ready; // complete in staging, waiting to be put in place
        bool done = false; // nothing to put in place
    };
    void completeBatch(int batch, int first, int count, const BatchRun &ran);
    BatchRun placeBatch(int batch);
    void placeAllBut(int keep);
    bool verifiedBatch(const PendingBatch &pending) const;
    void placeVerified();
    void takeEndedBatches();
    void removeStaleWorkFolders() const;
    void failItem(int index, const QString &reason, QString &log);
    bool checkStep(); // one slice of the outcomes; true when all are done
    void applyVerdicts();
    void moveProblemFiles(JobResult &result);
    void setStatus(const QString &caption);
    void releaseWorkFiles();
    // The progress display (JobProgress.cpp).
    void resetProgress(int batches);
    void nativeImageWritten(int batch, int index, bool written);
    void videoProgressed(int batch, int index, double fraction);
    void showProgress();
    void commandProgressed(int batch, int command, int begun, bool finished);
    void countBatch(int batch, int done, int current);
    void batchCounted(int batch);
    void checkPaused();
    qint64 activeMs() const;

    JobOptions m_options;
    JobEnvironment m_env;
    std::function<bool()> m_askOverwrite;
    Phase m_phase = Phase::Idle;
    StopLevel m_stop = StopLevel::None;
    JobResult m_result; // the run's result as it grows
    QStringList m_images; // the image list of the run, normalised
    std::unique_ptr<Plan> m_plan; // the plan's state between its slices
    bool m_haveExifTool = false;
    QList<Item> m_items;
    QString m_runToken; // names this run's staging folders
    QString m_outputFolder; // folder mode: the output folder, ending in '/'
    std::unique_ptr<StagingArea> m_staging;
    QList<int> m_outcomeItem; // per outcome of the result: its item, or -1
    QMap<int, PendingBatch> m_pending; // batches ExifTool has finished, not yet in place
    std::vector<std::optional<BatchRun>> m_ended; // per batch, once it is in place
    int m_nextToTake = 0; // the next batch whose result goes into the result, in list order
    int m_lastEnded = -1; // the batch ExifTool finished last
    bool m_allEnded = false; // ExifTool has finished every batch
    QString m_endError; // why the batches ended early, for when the last is in place
    QList<FileOutcome> m_itemOutcomes; // checkSlice's outcomes of the items so far
    QStringList m_skipNotes;
    QList<FileOutcome> m_leftOut; // inputs not sent to ExifTool, with their place in the list
    QList<int> m_leftOutAt;
    QHash<int, QList<QList<int>>> m_batchCommands; // per batch: the items of each command
    std::unique_ptr<QTemporaryDir> m_work; // private to this run: argument files, stand-ins
    std::unique_ptr<QLockFile> m_logLock; // held while this run uses qmk_log.txt
    std::unique_ptr<QLockFile> m_workLock; // says the work folder's run is alive
    QString m_logPath;
    std::unique_ptr<ExifToolPool> m_pool;
    std::unique_ptr<OutputVerifier> m_verifier; // checks outputs as their batches finish
    std::unique_ptr<NativeStage> m_native; // writes JPEG, PNG, WebP and GIF ahead of ExifTool
    std::unique_ptr<VideoStage> m_video; // remuxes the videos ahead of ExifTool
    QString m_ffmpeg;
    int m_nativeNext = 0; // the next batch for the native writer and the video remux
    QSet<int> m_nativeRunning; // batches the native writer is working on
    QSet<int> m_videoRunning; // batches whose videos are being remuxed
    QSet<int> m_staged; // batches whose images were staged for the native writer
    int m_closing = 0; // processes of the pool and the verifier still ending
    QElapsedTimer m_clock;

    // The progress display: images done per batch, from the native writer's images and
    // ExifTool's progress lines, and all of a batch once it is in place.
    struct BatchCount {
        int done = 0;
        int native = 0; // images the native writer wrote
        QList<QList<int>> commands; // the items of each of its ExifTool commands
        QList<int> commandDone; // per command: its images ExifTool is done with
        int handled() const { return native + std::accumulate(commandDone.cbegin(), commandDone.cend(), 0); }
    };
    std::vector<BatchCount> m_counts;
    int m_done = 0;
    double m_partDone = 0; // of the video being remuxed
    int m_percent = 0;
    QString m_current; // file name of the image at hand
    bool m_paused = false;
    bool m_pauseHeld = false; // paused() was emitted for this pause
    QElapsedTimer m_pauseClock;
    qint64 m_pausedMs = 0; // time paused since the batches started
};
