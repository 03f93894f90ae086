#include "core/ExifToolProcess.h"

#include "core/NativePath.h"

#include <QDir>
#include <QTemporaryFile>
#include <algorithm>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// After SIGINT ExifTool still tidies up; one that has not ended after this is killed.
constexpr int killGraceMs = 3000;

} // namespace

ExifToolProcess::ExifToolProcess(QObject *parent)
    : QObject(parent)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_stopTimer.setSingleShot(true);
    connect(&m_stopTimer, &QTimer::timeout, this, [this] {
        if (!isRunning())
            return;
        if (m_killNext) {
            m_process.kill();
            return;
        }
        stop(killGraceMs);
    });
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &ExifToolProcess::readyReadStandardOutput);
    connect(&m_process, &QProcess::readyReadStandardError, this, &ExifToolProcess::readyReadStandardError);
    connect(&m_process, &QProcess::finished, this, &ExifToolProcess::ended);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        // A crash is followed by finished(); only a failed start ends the run here.
        if (e == QProcess::FailedToStart) {
            m_failedToStart = true;
            ended();
        }
    });
}

ExifToolProcess::~ExifToolProcess()
{
    m_stopTimer.stop();
    m_process.disconnect(this);
    if (!isRunning())
        return;
    // Whoever owned it is gone and nobody waits for its answers: it is stopped at once,
    // and waited for, so that no staging file is written after this returns.
    m_process.closeWriteChannel();
    interrupt();
    if (!m_process.waitForFinished(killGraceMs)) {
        m_process.kill();
        m_process.waitForFinished(1000);
    }
}

void ExifToolProcess::launch(const QString &program, const QStringList &arguments)
{
    m_failedToStart = false;
    m_ended = false;
    m_error.clear();
    m_stopTimer.stop();
    // ExifTool must never outlive the program, however it ends (SIGKILL included): the
    // kernel sends it SIGINT when we die, which ExifTool survives only long enough to
    // remove what it was writing. SIGINT may have been ignored by whoever started us,
    // and that would be inherited, so it is set back to its default. It gets its own
    // process group, so a Ctrl-C at the terminal reaches only us and we decide how to stop.
    const pid_t parent = ::getpid();
    m_process.setChildProcessModifier([parent] {
        ::signal(SIGINT, SIG_DFL);
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGINT);
        if (::getppid() != parent) // we died before the line above took effect
            ::_exit(127);
    });
    m_process.start(program, arguments);
}

void ExifToolProcess::start(const QString &program, const QStringList &arguments)
{
    // A tool that waits for input would hang the run; it gets an empty input instead.
    m_process.setStandardInputFile(QProcess::nullDevice());
    launch(program, arguments);
}

bool ExifToolProcess::startExifTool(const QString &exiftool, const QStringList &arguments)
{
    auto firstStray = std::find_if(arguments.cbegin(), arguments.cend(), holdsStrayBytes);
    if (firstStray == arguments.cend()) {
        start(exiftool, arguments);
        return true;
    }
    // After "--" on the command line, "-@" would be a file name.
    if (firstStray != arguments.cbegin() && *(firstStray - 1) == u"--")
        --firstStray;
    m_argumentFile = std::make_unique<QTemporaryFile>(QDir::tempPath() + u"/qmk-args-XXXXXX"_s);
    QByteArray lines;
    for (auto it = firstStray; it != arguments.cend(); ++it)
        lines += encodePath(*it) + '\n';
    if (!m_argumentFile->open() || m_argumentFile->write(lines) != lines.size() || !m_argumentFile->flush()) {
        m_error = m_argumentFile->errorString();
        m_argumentFile.reset();
        return false;
    }
    QStringList commandLine(arguments.cbegin(), firstStray);
    commandLine << u"-@"_s << u"-"_s;
    m_process.setStandardInputFile(m_argumentFile->fileName());
    launch(exiftool, commandLine);
    return true;
}

void ExifToolProcess::startStayOpen(const QString &exiftool)
{
    m_process.setStandardInputFile(QString());
    launch(exiftool, {u"-config"_s, QString(), u"-stay_open"_s, u"True"_s, u"-@"_s, u"-"_s});
}

void ExifToolProcess::interrupt()
{
    const qint64 pid = m_process.processId();
    if (pid > 0 && isRunning())
        ::kill(static_cast<pid_t>(pid), SIGINT);
}

void ExifToolProcess::stop(int killAfterMs)
{
    if (!isRunning())
        return;
    interrupt();
    m_killNext = true;
    m_stopTimer.start(killAfterMs);
}

void ExifToolProcess::end(int graceMs)
{
    if (!isRunning())
        return;
    m_process.write("-stay_open\nFalse\n");
    m_process.closeWriteChannel();
    m_killNext = false;
    m_stopTimer.start(graceMs);
}

QString ExifToolProcess::errorString() const
{
    if (!m_error.isEmpty())
        return m_error;
    // Qt's start failures read "execvp: <reason>"; a person needs only the reason.
    const QString text = m_process.errorString();
    for (const QString &prefix : {u"execvp: "_s, u"execve: "_s, u"execv: "_s}) {
        if (text.startsWith(prefix))
            return text.mid(prefix.size());
    }
    return text;
}

void ExifToolProcess::ended()
{
    if (m_ended)
        return;
    m_ended = true;
    m_stopTimer.stop();
    m_argumentFile.reset();
    Q_EMIT finished();
}
