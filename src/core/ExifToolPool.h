#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// What one batch of commands left behind.
struct BatchRun {
    QString errorText; // ExifTool's error output for the batch (errors and warnings)
    bool failed = false; // a command reported an error, or ExifTool could not run it
    int commandsDone = 0; // commands ExifTool finished; the rest were cut short or never started
    bool processDied = false; // ExifTool ended (or never started) before the batch was done
    bool notRun = false; // the batch was never handed to ExifTool (the run was stopped)
};

// Runs batches of ExifTool commands on a few persistent ExifTool processes
// ("-stay_open"), each working through its batches in order. Each batch goes to ExifTool as an
// argument file in the run's private work folder, so paths are read exactly as written
// there and no other run can touch them.
// Starting ExifTool costs about 0.2 s, and every command re-reads its delete
// arguments, so keeping the processes and giving each batch few commands is what
// makes large runs fast.
class ExifToolPool final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExifToolPool)

public:
    // One command: its argument lines, without "-execute".
    using Command = QStringList;

    ExifToolPool(const QString &exiftool, const QString &workingFolder, const QString &workFolder, int processes,
        QObject *parent = nullptr);
    ~ExifToolPool() override;

    // Starts the processes now, so their start-up overlaps the caller's preparation.
    void warmUp();

    // Runs batches 0 .. count-1. `commandsOf(i)` gives batch i's commands when it is
    // about to start; `finished(i, run)` is called as each batch ends, in the order
    // they end. Waits in a local event loop. False (with *error) when an argument file
    // could not be written; the batches that were running are finished first.
    bool run(int count, const std::function<QList<Command>(int)> &commandsOf,
        const std::function<void(int, const BatchRun &)> &finished, QString *error);

    // Argument file number `index` (0 is "qmk_args.txt", then "qmk_args_2.txt", ...);
    // process k uses numbers 2k and 2k+1.
    QString argumentFilePath(int index) const;

    // Ends the processes; called by the destructor. A pool runs once.
    void stop();

    // No batch starts after this; the ones ExifTool is working on still finish, and
    // run() then returns. The batches left out end with notRun set.
    void requestStop();
    // Interrupts the batches ExifTool is working on (SIGINT, after which ExifTool removes
    // what it was writing and ends); they end with processDied set.
    void interrupt();
    bool stopRequested() const { return m_stopRequested; }

private:
    struct InFlight;
    struct Worker;

    bool dispatch(Worker &worker, int batch, const QList<Command> &commands, QString *error);
    void startProcess(Worker &worker);
    void onStandardError(Worker &worker);
    void onFinished(Worker &worker);
    void finishFront(Worker &worker, bool processDied);

    QString m_exiftool;
    QString m_workingFolder;
    QString m_tempFolder;
    std::vector<std::unique_ptr<Worker>> m_workers;
    std::function<void(int, const BatchRun &)> m_finished;
    int m_running = 0;
    quint64 m_sequence = 0;
    bool m_stopRequested = false;
    bool m_interrupted = false;
    std::function<void()> m_wake; // lets run() notice a stop request at once
};
