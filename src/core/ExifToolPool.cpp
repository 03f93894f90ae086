#include "core/ExifToolPool.h"

#include "core/JobFiles.h"
#include "core/NativePath.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString marker = u"{qmk-done "_s;

} // namespace

// A batch handed to a process and not finished yet.
struct ExifToolPool::InFlight {
    int batch = -1;
    quint64 firstCommand = 0; // sequence number of the batch's first command
    quint64 lastCommand = 0; // sequence number of the batch's last command
    int commandsDone = 0;
    int slot = 0; // which of the process's two argument files holds it
    QString errorText;
    bool failed = false;
    bool skipped = false; // taken back before ExifTool started it
};

struct ExifToolPool::Worker {
    int index = 0;
    std::unique_ptr<QProcess> process;
    // A second batch waits in the process's input while the first runs, so the
    // process never idles between batches; they finish in the order given.
    std::deque<InFlight> inFlight;
    QByteArray pendingError; // error output not yet split into lines
};

ExifToolPool::ExifToolPool(
    const QString &exiftool, const QString &workingFolder, const QString &workFolder, int processes, QObject *parent)
    : QObject(parent)
    , m_exiftool(exiftool)
    , m_workingFolder(workingFolder)
    , m_tempFolder(workFolder)
{
    for (int i = 0; i < std::max(1, processes); ++i) {
        auto w = std::make_unique<Worker>();
        w->index = i;
        m_workers.push_back(std::move(w));
    }
}

ExifToolPool::~ExifToolPool()
{
    stop();
}

QString ExifToolPool::argumentFilePath(int index) const
{
    const QString name = index == 0 ? u"qmk_args.txt"_s : u"qmk_args_%1.txt"_s.arg(index + 1);
    return m_tempFolder.endsWith(u'/') ? m_tempFolder + name : m_tempFolder + u'/' + name;
}

void ExifToolPool::startProcess(Worker &w)
{
    w.process = std::make_unique<QProcess>();
    w.pendingError.clear();
    QProcess *p = w.process.get();
    p->setWorkingDirectory(m_workingFolder);
    p->setProcessChannelMode(QProcess::SeparateChannels);
    connect(p, &QProcess::readyReadStandardOutput, this, [p] { p->readAllStandardOutput(); });
    connect(p, &QProcess::readyReadStandardError, this, [this, &w] { onStandardError(w); });
    connect(p, &QProcess::finished, this, [this, &w] { onFinished(w); });
    connect(p, &QProcess::errorOccurred, this, [this, &w](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            onFinished(w);
    });
    // ExifTool must never outlive the program, however it ends (SIGKILL included): the
    // kernel sends it SIGINT when we die, which ExifTool survives only long enough to
    // remove what it was writing. SIGINT may have been ignored by whoever started us,
    // and that would be inherited, so it is set back to its default. ExifTool gets its
    // own process group, so a Ctrl-C at the terminal reaches only us and we decide how
    // to stop.
    const pid_t parent = ::getpid();
    p->setChildProcessModifier([parent] {
        ::signal(SIGINT, SIG_DFL);
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGINT);
        if (::getppid() != parent) // we died before the line above took effect
            ::_exit(127);
    });
    // "-config ''" first: a personal ExifTool configuration must not change what is removed.
    p->start(m_exiftool, {u"-config"_s, QString(), u"-stay_open"_s, u"True"_s, u"-@"_s, u"-"_s});
}

void ExifToolPool::warmUp()
{
    for (auto &w : m_workers) {
        if (!w->process)
            startProcess(*w);
    }
}

bool ExifToolPool::dispatch(Worker &w, int batch, const QList<Command> &commands, QString *error)
{
    InFlight job;
    job.batch = batch;
    job.slot = (!w.inFlight.empty() && w.inFlight.front().slot == 0) ? 1 : 0;
    if (commands.isEmpty()) {
        // Nothing for ExifTool to do (every image of the batch kept its old output).
        ++m_running;
        w.inFlight.push_back(job);
        if (w.inFlight.size() == 1)
            finishFront(w, false);
        else
            w.inFlight.back().lastCommand = w.inFlight.front().lastCommand; // ends right after the one before
        return true;
    }
    QStringList lines;
    job.firstCommand = m_sequence + 1;
    for (const Command &command : commands) {
        const quint64 seq = ++m_sequence;
        lines << command;
        // Written to the error output once the command is done, with its status
        // (0 fine, 1 an error): it both delimits and judges the command.
        lines << u"-echo4"_s << marker + QString::number(seq) + u" ${status}}"_s
              << u"-execute"_s + QString::number(seq);
        job.lastCommand = seq;
    }
    const QString argumentFile = argumentFilePath(w.index * 2 + job.slot);
    if (!SaveTextToFile(argumentFile, lines.join(u"\r\n"_s), true, error))
        return false;

    ++m_running;
    w.inFlight.push_back(job);
    if (!w.process || w.process->state() == QProcess::NotRunning)
        startProcess(w);
    if (w.process && w.process->state() != QProcess::NotRunning)
        w.process->write("-@\n" + encodePath(argumentFile) + "\n");
    return true;
}

void ExifToolPool::onStandardError(Worker &w)
{
    w.pendingError += w.process->readAllStandardError();
    qsizetype end;
    while ((end = w.pendingError.indexOf('\n')) >= 0) {
        const QString line = decodePath(w.pendingError.left(end));
        w.pendingError.remove(0, end + 1);
        if (w.inFlight.empty())
            continue;
        InFlight &front = w.inFlight.front();
        if (!line.startsWith(marker)) {
            front.errorText += line + u'\n';
            continue;
        }
        const QStringList parts = line.mid(marker.size()).chopped(1).split(u' ');
        if (parts.value(1) == u"skipped")
            front.skipped = true;
        else if (parts.value(1) != u"0")
            front.failed = true;
        ++front.commandsDone;
        if (parts.value(0).toULongLong() == front.lastCommand)
            finishFront(w, false);
    }
}

void ExifToolPool::onFinished(Worker &w)
{
    if (w.inFlight.empty())
        return;
    const QString reason = w.process->error() == QProcess::FailedToStart
        ? tr("Could not start %1: %2").arg(m_exiftool, w.process->errorString())
        : tr("%1 stopped unexpectedly.").arg(m_exiftool);
    if (!m_interrupted) {
        for (InFlight &job : w.inFlight)
            job.errorText += reason + u'\n';
    }
    w.process->disconnect(this);
    w.process.release()->deleteLater();
    while (!w.inFlight.empty())
        finishFront(w, true);
}

void ExifToolPool::finishFront(Worker &w, bool processDied)
{
    const InFlight job = w.inFlight.front();
    w.inFlight.pop_front();
    BatchRun run;
    run.errorText = job.errorText;
    run.failed = job.failed || processDied;
    run.processDied = processDied;
    run.commandsDone = job.commandsDone;
    if (job.skipped) {
        run = BatchRun();
        run.notRun = true;
    }
    if (job.lastCommand != 0 || processDied)
        removePath(argumentFilePath(w.index * 2 + job.slot));
    --m_running;
    if (m_finished)
        m_finished(job.batch, run);
    // A batch with nothing to run that waited behind this one ends with it.
    if (!processDied && !w.inFlight.empty() && w.inFlight.front().lastCommand == job.lastCommand)
        finishFront(w, false);
}

bool ExifToolPool::run(int count, const std::function<QList<Command>(int)> &commandsOf,
    const std::function<void(int, const BatchRun &)> &finished, QString *error)
{
    QEventLoop loop;
    int next = 0;
    bool ok = true;
    const auto feed = [&] {
        if (m_stopRequested) {
            // What was never handed out ends here, in order, so the caller sees every batch.
            while (next < count) {
                BatchRun skipped;
                skipped.notRun = true;
                finished(next++, skipped);
            }
        }
        // Each process gets a batch, then a second one to wait in its input.
        for (std::size_t depth = 1; depth <= 2; ++depth) {
            for (auto &w : m_workers) {
                if (!ok || next >= count)
                    break;
                if (w->inFlight.size() >= depth)
                    continue;
                const int batch = next++;
                if (!dispatch(*w, batch, commandsOf(batch), error))
                    ok = false;
            }
        }
        if (m_running == 0 && (next >= count || !ok))
            loop.quit();
    };
    m_finished = [&](int batch, const BatchRun &run) {
        finished(batch, run);
        // Hand out the next batch from the event loop, not from inside a signal of
        // the process that just finished.
        QTimer::singleShot(0, &loop, feed);
    };
    m_wake = [&] { QTimer::singleShot(0, &loop, feed); };
    QTimer::singleShot(0, &loop, feed);
    loop.exec();
    m_finished = nullptr;
    m_wake = nullptr;
    return ok;
}

void ExifToolPool::requestStop()
{
    if (m_stopRequested)
        return;
    m_stopRequested = true;
    // A second batch already waits in each busy process's input. Its argument file is
    // replaced by one that only echoes the batch's end markers, so ExifTool (if it had
    // not opened the file yet) skips the batch. If it had, the batch simply runs.
    for (auto &w : m_workers) {
        for (std::size_t k = 1; k < w->inFlight.size(); ++k) {
            const InFlight &job = w->inFlight.at(k);
            if (job.lastCommand == 0)
                continue;
            QStringList lines;
            for (quint64 seq = job.firstCommand; seq <= job.lastCommand; ++seq)
                lines << u"-echo4"_s << marker + QString::number(seq) + u" skipped}"_s
                      << u"-execute"_s + QString::number(seq);
            // Renamed into place, so ExifTool opens either the old file or the new one.
            const QString path = argumentFilePath(w->index * 2 + job.slot);
            if (SaveTextToFile(path + u".new"_s, lines.join(u"\r\n"_s), true))
                ::rename(encodePath(path + u".new"_s).constData(), encodePath(path).constData());
        }
    }
    if (m_wake)
        m_wake();
}

void ExifToolPool::interrupt()
{
    m_stopRequested = true;
    m_interrupted = true;
    for (auto &w : m_workers) {
        if (w->process && w->process->state() != QProcess::NotRunning)
            ::kill(static_cast<pid_t>(w->process->processId()), SIGINT);
    }
    if (m_wake)
        m_wake();
}

void ExifToolPool::stop()
{
    for (auto &w : m_workers) {
        if (!w->process || w->process->state() == QProcess::NotRunning)
            continue;
        w->process->disconnect(this);
        w->process->write("-stay_open\nFalse\n");
        w->process->closeWriteChannel();
    }
    for (auto &w : m_workers) {
        if (!w->process || w->process->state() == QProcess::NotRunning)
            continue;
        QProcess *p = w->process.get();
        if (QCoreApplication::instance()) {
            QEventLoop loop;
            QTimer guard;
            connect(p, &QProcess::finished, &loop, &QEventLoop::quit);
            connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
            guard.start(10000);
            if (p->state() != QProcess::NotRunning)
                loop.exec();
        }
        if (p->state() != QProcess::NotRunning) {
            // SIGINT lets ExifTool remove its temporary files.
            ::kill(static_cast<pid_t>(p->processId()), SIGINT);
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(1000);
        }
        w->process.reset();
    }
}
