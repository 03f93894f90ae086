#include "core/ExifToolPool.h"

#include "core/ExifToolProcess.h"
#include "core/JobFiles.h"
#include "core/NativePath.h"

#include <QRegularExpression>
#include <QTimer>
#include <cstdio>
#include <deque>

using namespace Qt::StringLiterals;

// A batch handed to a process and not finished yet.
struct ExifToolPool::InFlight {
    int batch = -1;
    quint64 firstCommand = 0; // sequence number of the batch's first command
    int slot = 0; // which of the process's two argument files holds it
    BatchProgress progress;
    QList<ExifToolPool::Command> commands; // to hand it out again after a pause took it back
    bool takenBack = false; // its argument file was replaced by one that skips it
};

// A batch's commands as standard output tells of them; it may lag behind the error
// output, which ends the batch, so it is followed on its own.
struct ExifToolPool::Counting {
    int batch = -1;
    quint64 firstCommand = 0;
    quint64 lastCommand = 0;
    quint64 command = 0; // the command whose images are being counted
    int begun = 0; // its images ExifTool has begun
    bool ignored = false; // taken back: what it prints counts for nothing
};

struct ExifToolPool::Worker {
    int index = 0;
    std::unique_ptr<ExifToolProcess> process;
    // A second batch waits in the process's input while the first runs, so the
    // process never idles between batches; they finish in the order given.
    std::deque<InFlight> inFlight;
    QByteArray pendingError; // error output not yet split into lines
    QByteArray pendingOutput; // standard output not yet split into lines
    std::deque<Counting> counting; // batches whose last command standard output has not ended
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
    for (auto &w : m_workers) {
        if (w->process)
            w->process->disconnect(this);
        w->process.reset();
    }
}

QString ExifToolPool::argumentFilePath(int index) const
{
    const QString name = index == 0 ? u"qmk_args.txt"_s : u"qmk_args_%1.txt"_s.arg(index + 1);
    return m_tempFolder.endsWith(u'/') ? m_tempFolder + name : m_tempFolder + u'/' + name;
}

void ExifToolPool::startProcess(Worker &w)
{
    if (w.process)
        w.process.release()->deleteLater();
    w.process = std::make_unique<ExifToolProcess>();
    w.pendingError.clear();
    w.pendingOutput.clear();
    w.counting.clear();
    ExifToolProcess *p = w.process.get();
    p->setWorkingDirectory(m_workingFolder);
    connect(p, &ExifToolProcess::readyReadStandardOutput, this, [this, &w] { onStandardOutput(w); });
    connect(p, &ExifToolProcess::readyReadStandardError, this, [this, &w] { onStandardError(w); });
    connect(p, &ExifToolProcess::finished, this, [this, &w] { onFinished(w); });
    p->startStayOpen(m_exiftool);
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
        else // ends right after the one before
            w.inFlight.back().progress.lastCommand = w.inFlight.front().progress.lastCommand;
        return true;
    }
    QStringList lines;
    job.commands = commands;
    job.firstCommand = m_sequence + 1;
    for (const Command &command : commands) {
        const quint64 seq = ++m_sequence;
        // "-progress" prints a line per image as ExifTool begins it: the progress display's.
        lines << u"-progress"_s << command << commandEndLines(seq);
        job.progress.lastCommand = seq;
    }
    const QString argumentFile = argumentFilePath(w.index * 2 + job.slot);
    if (!SaveTextToFile(argumentFile, lines.join(u"\r\n"_s), true, error))
        return false;

    ++m_running;
    w.inFlight.push_back(job);
    if (!w.process || !w.process->isRunning())
        startProcess(w);
    w.counting.push_back({batch, job.firstCommand, job.progress.lastCommand, job.firstCommand, 0, false});
    if (w.process && w.process->isRunning())
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
        if (w.inFlight.front().progress.takeLine(line))
            finishFront(w, false);
    }
}

void ExifToolPool::onStandardOutput(Worker &w)
{
    // "======== NAME [k/n]" as each image begins, "{readyN}" once command N is done. Names
    // hold no line break (see isLiteralArgfilePath), only whole lines that begin so count,
    // and the caller clamps the counts to the command's images anyway.
    static const QRegularExpression ready(u"^\\{ready(\\d+)\\}$"_s);
    w.pendingOutput += w.process->readAllStandardOutput();
    qsizetype end;
    while ((end = w.pendingOutput.indexOf('\n')) >= 0) {
        const QByteArray line = w.pendingOutput.left(end);
        w.pendingOutput.remove(0, end + 1);
        if (w.counting.empty())
            continue;
        Counting &c = w.counting.front();
        if (line.startsWith("======== ") && line.endsWith(']')) {
            if (!c.ignored)
                Q_EMIT commandProgressed(c.batch, int(c.command - c.firstCommand), ++c.begun, false);
            continue;
        }
        const QRegularExpressionMatch done
            = line.startsWith("{ready") ? ready.match(QString::fromLatin1(line)) : QRegularExpressionMatch();
        if (!done.hasMatch() || done.captured(1).toULongLong() != c.command)
            continue;
        if (!c.ignored)
            Q_EMIT commandProgressed(c.batch, int(c.command - c.firstCommand), c.begun, true);
        c.begun = 0;
        if (++c.command > c.lastCommand)
            w.counting.pop_front();
    }
}

void ExifToolPool::onFinished(Worker &w)
{
    if (!w.inFlight.empty()) {
        const QString reason = w.process->failedToStart()
            ? tr("Could not start %1: %2").arg(m_exiftool, w.process->errorString())
            : tr("%1 stopped unexpectedly.").arg(m_exiftool);
        if (!m_interrupted) {
            for (InFlight &job : w.inFlight)
                job.progress.errorText += reason + u'\n';
        }
        w.process->disconnect(this);
        w.process.release()->deleteLater();
        while (!w.inFlight.empty())
            finishFront(w, true);
    }
    if (m_closing && isClosed())
        Q_EMIT closed();
}

void ExifToolPool::finishFront(Worker &w, bool processDied)
{
    const InFlight job = w.inFlight.front();
    w.inFlight.pop_front();
    const BatchRun run = job.progress.result(processDied);
    if (job.firstCommand != 0 || processDied)
        removePath(argumentFilePath(w.index * 2 + job.slot));
    --m_running;
    if (job.takenBack && run.notRun && !m_stopRequested) {
        m_retry.push_back({job.batch, job.commands}); // a pause took it back: it runs later
        Q_EMIT batchHeldBack(job.batch);
    } else {
        Q_EMIT batchEnded(job.batch, run);
    }
    // Hand out the next batch from the event loop, not from inside a signal of the
    // process that just finished.
    feedLater();
    // A batch with nothing to run that waited behind this one ends with it.
    if (!processDied && !w.inFlight.empty() && w.inFlight.front().progress.lastCommand == job.progress.lastCommand
        && w.inFlight.front().firstCommand == 0)
        finishFront(w, false);
}

void ExifToolPool::start(
    int count, const std::function<QList<Command>(int)> &commandsOf, const std::function<bool(int)> &isReady)
{
    m_count = count;
    m_commandsOf = commandsOf;
    m_isReady = isReady;
    m_started = true;
    feedLater();
}

bool ExifToolPool::ready(int batch) const
{
    return !m_isReady || m_isReady(batch);
}

void ExifToolPool::resume()
{
    feedLater();
}

void ExifToolPool::feedLater()
{
    if (m_feedQueued || !m_started)
        return;
    m_feedQueued = true;
    QTimer::singleShot(0, this, &ExifToolPool::feed);
}

void ExifToolPool::feed()
{
    m_feedQueued = false;
    if (m_allEnded)
        return;
    if (m_stopRequested) {
        // What was never handed out ends here, in order, so the caller sees every batch.
        for (; !m_retry.empty(); m_retry.pop_front()) {
            BatchRun skipped;
            skipped.notRun = true;
            Q_EMIT batchEnded(m_retry.front().first, skipped);
        }
        while (m_next < m_count && ready(m_next)) {
            // A batch the caller finished without ExifTool (written natively, or every
            // output kept) is done, not left out: its images were cleaned before the stop.
            const int batch = m_next++;
            BatchRun ended;
            ended.notRun = !m_commandsOf(batch).isEmpty();
            Q_EMIT batchEnded(batch, ended);
        }
    }
    // Each process gets a batch, then a second one to wait in its input.
    for (std::size_t depth = 1; depth <= 2 && (!m_paused || m_stopRequested); ++depth) {
        for (auto &w : m_workers) {
            const bool again = !m_retry.empty(); // taken back by a pause: first
            if (!m_error.isEmpty() || (!again && (m_next >= m_count || !ready(m_next))))
                break;
            if (w->inFlight.size() >= depth)
                continue;
            QString error;
            bool dispatched = false;
            if (again) {
                const auto [batch, commands] = m_retry.front();
                m_retry.pop_front();
                dispatched = dispatch(*w, batch, commands, &error);
            } else {
                const int batch = m_next++;
                dispatched = dispatch(*w, batch, m_commandsOf(batch), &error);
            }
            if (!dispatched)
                m_error = error;
        }
    }
    if (m_running == 0 && ((m_next >= m_count && m_retry.empty()) || !m_error.isEmpty())) {
        m_allEnded = true;
        Q_EMIT allEnded(m_error);
    }
}

void ExifToolPool::requestStop()
{
    if (m_stopRequested)
        return;
    m_stopRequested = true;
    takeBackWaiting();
    feedLater();
}

void ExifToolPool::takeBackWaiting()
{
    // A second batch already waits in each busy process's input. Its argument file is
    // replaced by one that only echoes the batch's end markers, so ExifTool (if it had
    // not opened the file yet) skips the batch. If it had, the batch simply runs.
    for (auto &w : m_workers) {
        for (std::size_t k = 1; k < w->inFlight.size(); ++k) {
            InFlight &job = w->inFlight.at(k);
            if (job.firstCommand == 0 || job.takenBack)
                continue;
            job.takenBack = true;
            for (Counting &c : w->counting)
                c.ignored = c.ignored || c.batch == job.batch;
            QStringList lines;
            for (quint64 seq = job.firstCommand; seq <= job.progress.lastCommand; ++seq)
                lines << skippedCommandLines(seq);
            // Renamed into place, so ExifTool opens either the old file or the new one.
            const QString path = argumentFilePath(w->index * 2 + job.slot);
            if (SaveTextToFile(path + u".new"_s, lines.join(u"\r\n"_s), true))
                ::rename(encodePath(path + u".new"_s).constData(), encodePath(path).constData());
        }
    }
    feedLater();
}

void ExifToolPool::setPaused(bool paused)
{
    if (paused && !m_paused && !m_stopRequested)
        takeBackWaiting();
    m_paused = paused;
    feedLater();
}

void ExifToolPool::interrupt()
{
    m_stopRequested = true;
    m_interrupted = true;
    for (auto &w : m_workers) {
        if (w->process)
            w->process->interrupt();
    }
    feedLater();
}

bool ExifToolPool::isClosed() const
{
    for (const auto &w : m_workers) {
        if (w->process && w->process->isRunning())
            return false;
    }
    return true;
}

void ExifToolPool::close()
{
    m_closing = true;
    for (auto &w : m_workers) {
        if (w->process && w->process->isRunning())
            w->process->end();
    }
    if (isClosed())
        QTimer::singleShot(0, this, &ExifToolPool::closed);
}
