#include "job/ExifToolPool.h"

#include "job/JobFiles.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

const QString marker = u"{qmk-done "_s;

} // namespace

struct ExifToolPool::Worker
{
    int index = 0;
    std::unique_ptr<QProcess> process;
    int batch = -1;            // the batch being run, or -1
    quint64 lastCommand = 0;   // sequence number of the batch's last command
    QByteArray pendingError;   // error output not yet split into lines
    QString errorText;
    bool failed = false;
    QString argumentFile;
};

ExifToolPool::ExifToolPool(const QString &exiftool, const QString &workingFolder, const QString &tempFolder,
                           int processes, QObject *parent)
    : QObject(parent)
    , m_exiftool(exiftool)
    , m_workingFolder(workingFolder)
    , m_tempFolder(tempFolder)
{
    for (int i = 0; i < std::max(1, processes); ++i) {
        auto w = std::make_unique<Worker>();
        w->index = i;
        w->argumentFile = argumentFilePath(i);
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
    if (commands.isEmpty()) {
        // Nothing for ExifTool to do (every image of the batch kept its old output).
        w.batch = batch;
        w.errorText.clear();
        w.failed = false;
        ++m_running;
        finishBatch(w, false);
        return true;
    }
    QStringList lines;
    for (const Command &command : commands) {
        const quint64 seq = ++m_sequence;
        lines << command;
        // Written to the error output once the command is done, with its status
        // (0 fine, 1 an error): it both delimits and judges the command.
        lines << u"-echo4"_s << marker + QString::number(seq) + u" ${status}}"_s << u"-execute"_s + QString::number(seq);
        w.lastCommand = seq;
    }
    if (!SaveTextToFile(w.argumentFile, lines.join(u"\r\n"_s), true, error))
        return false;

    w.batch = batch;
    w.errorText.clear();
    w.pendingError.clear();
    w.failed = false;
    ++m_running;
    if (!w.process || w.process->state() == QProcess::NotRunning)
        startProcess(w);
    if (w.process && w.process->state() != QProcess::NotRunning)
        w.process->write("-@\n" + QFile::encodeName(w.argumentFile) + "\n");
    return true;
}

void ExifToolPool::onStandardError(Worker &w)
{
    w.pendingError += w.process->readAllStandardError();
    qsizetype end;
    while ((end = w.pendingError.indexOf('\n')) >= 0) {
        const QString line = QString::fromUtf8(w.pendingError.left(end));
        w.pendingError.remove(0, end + 1);
        if (!line.startsWith(marker)) {
            w.errorText += line + u'\n';
            continue;
        }
        const QStringList parts = line.mid(marker.size()).chopped(1).split(u' ');
        if (parts.value(1) != u"0")
            w.failed = true;
        if (parts.value(0).toULongLong() == w.lastCommand && w.batch >= 0)
            finishBatch(w, false);
    }
}

void ExifToolPool::onFinished(Worker &w)
{
    if (w.batch < 0)
        return;
    if (w.process->error() == QProcess::FailedToStart)
        w.errorText += tr("Could not start %1: %2").arg(m_exiftool, w.process->errorString()) + u'\n';
    else
        w.errorText += tr("%1 stopped unexpectedly.").arg(m_exiftool) + u'\n';
    finishBatch(w, true);
}

void ExifToolPool::finishBatch(Worker &w, bool processDied)
{
    const int batch = w.batch;
    BatchRun run;
    run.errorText = w.errorText;
    run.failed = w.failed || processDied;
    QFile::remove(w.argumentFile);
    w.batch = -1;
    --m_running;
    if (processDied && w.process) {
        w.process->disconnect(this);
        w.process.release()->deleteLater();
    }
    if (m_finished)
        m_finished(batch, run);
}

bool ExifToolPool::run(int count, const std::function<QList<Command>(int)> &commandsOf,
                       const std::function<void(int, const BatchRun &)> &finished, QString *error)
{
    QEventLoop loop;
    int next = 0;
    bool ok = true;
    const auto feed = [&] {
        for (auto &w : m_workers) {
            if (!ok || next >= count)
                break;
            if (w->batch >= 0)
                continue;
            const int batch = next++;
            if (!dispatch(*w, batch, commandsOf(batch), error))
                ok = false;
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
    QTimer::singleShot(0, &loop, feed);
    loop.exec();
    m_finished = nullptr;
    return ok;
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
