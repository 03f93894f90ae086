#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

class QTemporaryFile;

// One ExifTool process (or, for the runner, any console program), started one way
// everywhere: never through a shell, the arguments as a list, in a given working folder,
// in a process group of its own, and ended by the kernel with SIGINT should this program
// die first. The pool and the verifier keep it open ("-stay_open") and feed it argument
// files on its input; the metadata viewer runs it once.
//
// Ending it never leaves a zombie or an orphan: end() asks a stay-open ExifTool to quit,
// then interrupts it, then kills it, each after a grace period; the destructor does the
// same at once, waiting briefly. SIGINT rather than SIGTERM, since ExifTool then removes
// what it was writing.
class ExifToolProcess final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ExifToolProcess)

public:
    explicit ExifToolProcess(QObject *parent = nullptr);
    ~ExifToolProcess() override;

    void setWorkingDirectory(const QString &folder) { m_process.setWorkingDirectory(folder); }

    // Runs `program` once with `arguments`; its input is the null device.
    void start(const QString &program, const QStringList &arguments);
    // Runs ExifTool once. A command line built by QProcess would change a path whose bytes
    // are not UTF-8 (see NativePath.h), so from the first such argument on, the arguments
    // reach ExifTool through an argument file on its input ("-@ -"), where they keep their
    // bytes. Such an argument must be an absolute path. False (and errorString()) when
    // that file cannot be written; the process is then not started.
    bool startExifTool(const QString &exiftool, const QStringList &arguments);
    // Starts ExifTool reading argument lines from its input until told to stop. "-config ''"
    // comes first: a personal ExifTool configuration must not change what is removed or read.
    void startStayOpen(const QString &exiftool);

    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    qint64 processId() const { return m_process.processId(); }
    void write(const QByteArray &bytes) { m_process.write(bytes); }
    QByteArray readAllStandardOutput() { return m_process.readAllStandardOutput(); }
    QByteArray readAllStandardError() { return m_process.readAllStandardError(); }

    // SIGINT now: ExifTool removes what it was writing and ends.
    void interrupt();
    void kill() { m_process.kill(); }
    // SIGINT now, SIGKILL after killAfterMs if it is still there.
    void stop(int killAfterMs);
    // Asks a stay-open ExifTool to finish what it has and end ("-stay_open False", input
    // closed); after graceMs it is stopped (stop()). finished() follows.
    void end(int graceMs = 10000);

    // Only for a caller without an event loop: blocks until the process has ended.
    bool waitForFinished(int ms) { return m_process.waitForFinished(ms); }

    bool failedToStart() const { return m_failedToStart; }
    bool crashed() const { return m_process.exitStatus() != QProcess::NormalExit; }
    int exitCode() const { return m_process.exitCode(); }
    // Why the start failed, without Qt's "execvp: ".
    QString errorString() const;

Q_SIGNALS:
    void readyReadStandardOutput();
    void readyReadStandardError();
    // The process has ended, crashed, was killed or could not start; emitted once per start.
    void finished();

private:
    void launch(const QString &program, const QStringList &arguments);
    void ended();

    QProcess m_process;
    QTimer m_stopTimer; // the next step of end() or stop()
    bool m_killNext = false; // the timer's step is SIGKILL rather than SIGINT
    bool m_failedToStart = false;
    bool m_ended = true;
    QString m_error;
    std::unique_ptr<QTemporaryFile> m_argumentFile; // startExifTool()'s arguments, until the end
};
