#pragma once

#include "core/BatchOutcome.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Runs batches of ExifTool commands on a few persistent ExifTool processes
// ("-stay_open"), each working through its batches in order. Each batch goes to ExifTool as an
// argument file in the run's private work folder, so paths are read exactly as written
// there and no other run can touch them.
// Starting ExifTool costs about 0.2 s, and every command re-reads its delete
// arguments, so keeping the processes and giving each batch few commands is what
// makes large runs fast.
// Nothing here waits: batches are handed out from the event loop as processes become
// free, and the results come back as signals.
class ExifToolPool final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExifToolPool)

public:
    // One command: its argument lines, without "-execute".
    using Command = QStringList;

    ExifToolPool(const QString &exiftool, const QString &workingFolder, const QString &workFolder, int processes,
        QObject *parent = nullptr);
    // Stops what is still running at once (see ExifToolProcess).
    ~ExifToolPool() override;

    // Starts the processes now, so their start-up overlaps the caller's preparation.
    void warmUp();

    // Starts batches 0 .. count-1 and returns. `commandsOf(i)` gives batch i's commands
    // when it is about to start. batchEnded() follows for every batch, in the order they
    // end, then allEnded() once. A pool runs once. When `isReady` is given, batch i is
    // handed out (or, after a stop, ended as not run) only once isReady(i) says so: the
    // caller is still preparing it and calls resume() when it is done.
    void start(
        int count, const std::function<QList<Command>(int)> &commandsOf, const std::function<bool(int)> &isReady = {});
    void resume();

    // Argument file number `index` (0 is "qmk_args.txt", then "qmk_args_2.txt", ...);
    // process k uses numbers 2k and 2k+1.
    QString argumentFilePath(int index) const;

    // Asks the processes to end once they are idle; closed() follows when all have ended.
    void close();
    bool isClosed() const;

    // No batch starts after this; the ones ExifTool is working on still finish, and
    // allEnded() follows. The batches left out end with notRun set, but for those with no
    // command for ExifTool (the caller did their work): they end as run.
    void requestStop();
    // Interrupts the batches ExifTool is working on (SIGINT, after which ExifTool removes
    // what it was writing and ends); they end with processDied set.
    void interrupt();
    bool stopRequested() const { return m_stopRequested; }

    // While paused no batch is handed out, and the one waiting in a process's input is
    // taken back (as by requestStop()) to be handed out again after the pause; the ones
    // ExifTool is working on finish. A stop request overrides a pause.
    void setPaused(bool paused);
    // Batches handed to ExifTool and not ended yet.
    int runningCount() const { return m_running; }

Q_SIGNALS:
    void batchEnded(int batch, const BatchRun &run);
    // How far ExifTool is with command `command` (0 = the batch's first) of a batch: it has
    // begun its `begun`-th image, or, with `finished`, done them all. For the display only:
    // counted from ExifTool's progress lines, so nothing here may decide an outcome.
    void commandProgressed(int batch, int command, int begun, bool finished);
    // A batch a pause took back ended without being run; it is handed out after the pause.
    void batchHeldBack(int batch);
    // Every batch has ended. `error` is set when an argument file could not be written;
    // the batches that were running were finished first.
    void allEnded(const QString &error);
    void closed();

private:
    struct InFlight;
    struct Counting;
    struct Worker;

    bool dispatch(Worker &worker, int batch, const QList<Command> &commands, QString *error);
    void startProcess(Worker &worker);
    void onStandardError(Worker &worker);
    void onStandardOutput(Worker &worker);
    void onFinished(Worker &worker);
    void finishFront(Worker &worker, bool processDied);
    void feed();
    void feedLater();
    void takeBackWaiting();
    bool ready(int batch) const;

    QString m_exiftool;
    QString m_workingFolder;
    QString m_tempFolder;
    std::vector<std::unique_ptr<Worker>> m_workers;
    std::function<QList<Command>(int)> m_commandsOf;
    std::function<bool(int)> m_isReady;
    int m_count = 0; // batches of the run
    int m_next = 0; // the next batch to hand out
    int m_running = 0;
    quint64 m_sequence = 0;
    bool m_started = false;
    bool m_feedQueued = false;
    bool m_allEnded = false;
    QString m_error;
    bool m_stopRequested = false;
    bool m_interrupted = false;
    bool m_closing = false;
    bool m_paused = false;
    std::deque<std::pair<int, QList<Command>>> m_retry; // batches a pause took back
};
