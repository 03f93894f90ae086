#include "core/ConsoleRunner.h"

#include "core/NativePath.h"
#include "core/SystemFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <algorithm>
#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConsoleRunner)
};

// After SIGINT ExifTool still tidies up; a tool that ignores the interrupt is killed
// after this much longer.
constexpr int killGraceMs = 5000;

// Callers rely on a returned text ending at its first NUL. NUL never occurs inside
// a multi-byte UTF-8 sequence, so cutting the bytes first is the same as cutting
// the decoded text.
QString decodeOutput(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

// Qt's start failures read "execvp: <reason>"; the user needs only the reason.
QString startFailureReason(const QString &errorString)
{
    for (const QString &prefix : {u"execvp: "_s, u"execve: "_s, u"execv: "_s}) {
        if (errorString.startsWith(prefix))
            return errorString.mid(prefix.size());
    }
    return errorString;
}

void interrupt(const QProcess &process)
{
    // SIGINT rather than SIGTERM: ExifTool then removes its temporary files.
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(static_cast<pid_t>(pid), SIGINT);
}

void stopBlocking(QProcess &process)
{
    interrupt(process);
    if (!process.waitForFinished(killGraceMs)) {
        process.kill();
        process.waitForFinished(-1);
    }
}

} // namespace

QString findExifTool()
{
    const QFileInfo beside(programFolder() + u"/exiftool"_s);
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(u"exiftool"_s);
}

int ConsoleRunner::RunConsoleCommand(const QString &program, const QStringList &arguments)
{
    m_output.clear();
    m_error.clear();

    if (program.isEmpty()) {
        m_error = Text::tr("Could not start a program: no program was named.");
        return -1;
    }

    const QString workingDirectory = m_workingDirectory.isEmpty() ? programFolder() : m_workingDirectory;
    if (!QFileInfo(workingDirectory).isDir()) {
        m_error = Text::tr("Could not start %1: the working folder %2 does not exist.").arg(program, workingDirectory);
        return -1;
    }

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    // A tool that waits for input would hang the run; it gets an empty stdin instead.
    process.setStandardInputFile(m_standardInputFile.isEmpty() ? QProcess::nullDevice() : m_standardInputFile);

    QByteArray output;
    QByteArray error;
    bool ended = false;
    bool failedToStart = false;
    bool timedOut = false;
    bool abandoned = false;

    // QProcess drains the pipes by itself; taking the data as it arrives keeps its own
    // buffers small while a listing of many megabytes comes in.
    QObject::connect(
        &process, &QProcess::readyReadStandardOutput, &process, [&] { output += process.readAllStandardOutput(); });
    QObject::connect(
        &process, &QProcess::readyReadStandardError, &process, [&] { error += process.readAllStandardError(); });

    QEventLoop *loop = nullptr;
    QObject::connect(&process, &QProcess::errorOccurred, &process, [&](QProcess::ProcessError e) {
        // A crash is followed by finished(); only a failed start ends the run here.
        if (e == QProcess::FailedToStart) {
            failedToStart = true;
            ended = true;
            if (loop)
                loop->quit();
        }
    });
    QObject::connect(&process, &QProcess::finished, &process, [&] {
        ended = true;
        if (loop)
            loop->quit();
    });

    QTimer killTimer;
    killTimer.setSingleShot(true);
    killTimer.setInterval(killGraceMs);
    QObject::connect(&killTimer, &QTimer::timeout, &process, [&] { process.kill(); });

    QTimer limitTimer;
    limitTimer.setSingleShot(true);
    QObject::connect(&limitTimer, &QTimer::timeout, &process, [&] {
        timedOut = true;
        interrupt(process);
        killTimer.start();
    });

    process.start(QIODevice::ReadOnly);

    if (QCoreApplication::instance()) {
        if (m_timeoutMs > 0)
            limitTimer.start(m_timeoutMs);
        // A local loop, not waitForFinished(): the window must keep painting.
        if (!ended) {
            QEventLoop localLoop;
            loop = &localLoop;
            localLoop.exec();
            loop = nullptr;
        }
        if (!ended) {
            // The application is quitting and ended every loop, this one too. There is
            // nothing left to paint, so the tool may be stopped the blocking way.
            abandoned = true;
            stopBlocking(process);
        }
    } else {
        // Without an application object there is no event loop to run and no window
        // to keep alive, so blocking is the only way and harms nothing.
        if (process.waitForStarted(-1)) {
            if (!process.waitForFinished(m_timeoutMs > 0 ? m_timeoutMs : -1)) {
                timedOut = true;
                stopBlocking(process);
            }
        } else {
            failedToStart = true;
        }
    }
    limitTimer.stop();
    killTimer.stop();

    if (failedToStart) {
        m_error = Text::tr("Could not start %1: %2").arg(program, startFailureReason(process.errorString()));
        return -1;
    }

    output += process.readAllStandardOutput();
    error += process.readAllStandardError();

    if (abandoned) {
        m_error = Text::tr("%1 was stopped because the program is closing.").arg(program);
        return -1;
    }
    if (timedOut) {
        const int seconds = (m_timeoutMs + 999) / 1000;
        m_error = Text::tr("%1 was stopped after %n second(s).", nullptr, seconds).arg(program);
        return -1;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        m_error = Text::tr("%1 crashed or was killed.").arg(program);
        return -1;
    }

    m_output = decodeOutput(output);
    m_error = decodeOutput(error);
    return process.exitCode();
}

int ConsoleRunner::RunExifTool(const QString &exiftool, const QStringList &arguments)
{
    auto firstStray = std::find_if(arguments.cbegin(), arguments.cend(), holdsStrayBytes);
    if (firstStray == arguments.cend())
        return RunConsoleCommand(exiftool, arguments);
    // After "--" on the command line, "-@" would be a file name.
    if (firstStray != arguments.cbegin() && *(firstStray - 1) == u"--")
        --firstStray;
    QTemporaryFile argumentFile(QDir::tempPath() + u"/qmk-args-XXXXXX"_s);
    QByteArray lines;
    for (auto it = firstStray; it != arguments.cend(); ++it)
        lines += encodePath(*it) + '\n';
    if (!argumentFile.open() || argumentFile.write(lines) != lines.size() || !argumentFile.flush()) {
        m_output.clear();
        m_error = Text::tr("Could not start %1: %2").arg(exiftool, argumentFile.errorString());
        return -1;
    }
    QStringList commandLine(arguments.cbegin(), firstStray);
    commandLine << u"-@"_s << u"-"_s;
    m_standardInputFile = argumentFile.fileName();
    const int status = RunConsoleCommand(exiftool, commandLine);
    m_standardInputFile.clear();
    return status;
}
