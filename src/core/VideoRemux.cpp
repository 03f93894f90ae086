#include "core/VideoRemux.h"

#include "core/ExifToolProcess.h"
#include "core/NativePath.h"
#include "core/SystemFolders.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The types a QuickTime movie without "ftyp" may start with.
bool isLeadingQuickTimeBox(const QByteArray &type)
{
    static const QList<QByteArray> types {"ftyp", "moov", "mdat", "wide", "free", "skip", "pnot", "uuid"};
    return types.contains(type);
}

bool isBoxType(const QByteArray &type)
{
    return type.size() == 4 && std::all_of(type.cbegin(), type.cend(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

} // namespace

QList<IsoBox> topLevelBoxes(const QString &path, bool *whole)
{
    if (whole)
        *whole = false;
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly))
        return {};
    const qint64 end = file.size();
    QList<IsoBox> boxes;
    qint64 at = 0;
    while (at + 8 <= end) {
        if (!file.seek(at))
            break;
        const QByteArray head = file.read(16);
        if (head.size() < 8)
            break;
        IsoBox box;
        box.type = head.mid(4, 4);
        box.offset = at;
        box.size = qFromBigEndian<quint32>(head.constData());
        if (box.size == 1) {
            if (head.size() < 16)
                break;
            box.size = qint64(qFromBigEndian<quint64>(head.constData() + 8));
        } else if (box.size == 0) {
            box.size = end - at;
        }
        if (!isBoxType(box.type) || (boxes.isEmpty() && !isLeadingQuickTimeBox(box.type)) || box.size < 8)
            break;
        if (box.size > end - at) {
            box.size = end - at;
            boxes << box;
            return boxes;
        }
        boxes << box;
        at += box.size;
    }
    if (whole)
        *whole = !boxes.isEmpty() && at == end;
    return boxes;
}

QByteArray bytesOutsideMediaData(const QString &path)
{
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly))
        return {};
    QByteArray out;
    qint64 covered = 0;
    for (const IsoBox &box : topLevelBoxes(path)) {
        covered = box.offset + box.size;
        if (box.type == "mdat") {
            // Its header stays: a value could not hide in eight bytes, but its size field counts.
            continue;
        }
        if (!file.seek(box.offset))
            return {};
        out += file.read(box.size);
    }
    // What follows the last box that adds up (a trailer, an appended block) is searched too.
    if (covered < file.size() && file.seek(covered))
        out += file.read(std::min<qint64>(file.size() - covered, qint64(64) << 20));
    return out;
}

QString findFfmpeg()
{
    return findProgram(u"ffmpeg"_s);
}

QString majorBrand(const QString &path)
{
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(12);
    if (head.size() < 12 || head.mid(4, 4) != "ftyp" || !isBoxType(head.mid(8, 4)))
        return {};
    return QString::fromLatin1(head.mid(8, 4));
}

QString remuxFormat(const QString &brand)
{
    if (brand.isEmpty() || brand == u"qt  ")
        return u"mov"_s; // an old QuickTime movie starts with its boxes, not a brand
    if (brand.startsWith(u"3g2"))
        return u"3g2"_s;
    if (brand.startsWith(u"3g"))
        return u"3gp"_s;
    return u"mp4"_s;
}

QStringList remuxArguments(
    const QString &input, const QString &output, const QString &format, const QString &brand, bool movieFirst)
{
    // "file:" makes ffmpeg take each path as it is: a name holding "concat:" or "|" names
    // no other protocol. The input is read by the QuickTime reader and nothing else, so
    // a file that only looks like a video cannot make ffmpeg read other files (a playlist).
    QStringList args {u"-nostdin"_s, u"-hide_banner"_s, u"-loglevel"_s, u"error"_s, u"-nostats"_s, u"-progress"_s,
        u"pipe:1"_s, u"-f"_s, u"mov"_s, u"-i"_s, u"file:"_s + input,
        // The pictures and the sound, without cover pictures; data, subtitle and
        // attachment tracks (telemetry, timed metadata, DJI's position subtitles) stay out.
        u"-map"_s, u"0:V?"_s, u"-map"_s, u"0:a?"_s, u"-c"_s, u"copy"_s, u"-map_metadata"_s, u"-1"_s,
        u"-map_metadata:s"_s, u"-1"_s, u"-map_chapters"_s, u"-1"_s,
        // No "Lavf" encoder tag, no writing library's version
        u"-fflags"_s, u"+bitexact"_s, u"-flags:v"_s, u"+bitexact"_s, u"-flags:a"_s, u"+bitexact"_s,
        // The projection of a 360 video and the like are written only when asked for.
        u"-strict"_s, u"unofficial"_s};
    if (movieFirst)
        args << u"-movflags"_s << u"+faststart"_s;
    if (format == u"mp4" && !brand.isEmpty())
        args << u"-brand"_s << brand;
    args << u"-f"_s << format << u"file:"_s + output;
    return args;
}

VideoStage::VideoStage(const QString &ffmpeg, const QString &workFolder, QObject *parent)
    : QObject(parent)
    , m_ffmpeg(ffmpeg)
    , m_workFolder(workFolder)
{
}

VideoStage::~VideoStage()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process.reset(); // interrupts ffmpeg and waits for it
    }
    if (!m_partial.isEmpty())
        removePath(m_partial);
}

void VideoStage::submit(int batch, const QList<Task> &tasks)
{
    m_queue.append({batch, tasks, {}});
    goOn();
}

void VideoStage::goOn()
{
    // From the event loop: what the caller hears back (a refused video, a batch done) never
    // reaches it inside its own call.
    QMetaObject::invokeMethod(this, &VideoStage::startNext, Qt::QueuedConnection);
}

void VideoStage::cancel()
{
    m_cancelled = true;
    if (m_process)
        m_process->stop(2000); // ended() reports the rest
}

void VideoStage::dropWaiting()
{
    m_dropWaiting = true;
    goOn();
}

void VideoStage::setPaused(bool paused)
{
    m_paused = paused;
    if (!m_paused)
        goOn();
}

QString VideoStage::plainName(const QString &path)
{
    // QProcess hands ffmpeg its arguments as UTF-8: a name that is not reaches it through a
    // plain-named link in the work folder.
    if (!holdsStrayBytes(path))
        return path;
    const QString link = m_workFolder + u"/video-"_s + QString::number(++m_links);
    return linkPath(path, link) ? link : path;
}

void VideoStage::startNext()
{
    if (m_process)
        return; // ended() goes on
    while (!m_queue.isEmpty()) {
        Queued &q = m_queue.first();
        if (q.results.size() == q.tasks.size()) {
            const Queued done = m_queue.takeFirst();
            Q_EMIT batchWritten(done.batch, done.results);
            continue;
        }
        const Task &task = q.tasks.at(q.results.size());
        if (m_cancelled || m_dropWaiting) {
            q.results.append({task.index, false, QString()});
            continue;
        }
        if (m_paused)
            return;
        bool whole = false;
        const QList<IsoBox> boxes = topLevelBoxes(task.input, &whole);
        qint64 moov = -1;
        qint64 mdat = -1;
        for (const IsoBox &b : boxes) {
            if (b.type == "moov" && moov < 0)
                moov = b.offset;
            if (b.type == "mdat" && mdat < 0)
                mdat = b.offset;
        }
        // A video cut short (a copy that did not finish) would be remuxed into a shorter
        // one without a word; it is refused instead.
        const QString broken = !whole ? tr("Error: The video is incomplete (it ends inside a box)")
            : moov < 0                ? tr("Error: Not a readable video (no movie header)")
                                      : QString();
        if (!broken.isEmpty()) {
            q.results.append({task.index, false, broken});
            Q_EMIT videoWritten(q.batch, task.index, false);
            continue;
        }
        const QFileInfo out(task.output);
        m_partial = out.path() + u"/.qmk-remux-"_s + QString::number(task.index) + u".part"_s;
        m_inputSize = QFileInfo(task.input).size();
        m_progress.clear();
        m_errors.clear();
        const QString input = plainName(task.input);
        const QString folder = plainName(out.path());
        const QString partial = folder + u"/.qmk-remux-"_s + QString::number(task.index) + u".part"_s;
        m_process = std::make_unique<ExifToolProcess>();
        connect(m_process.get(), &ExifToolProcess::readyReadStandardOutput, this, &VideoStage::onOutput);
        connect(m_process.get(), &ExifToolProcess::readyReadStandardError, this,
            [this] { m_errors = (m_errors + m_process->readAllStandardError()).right(4096); });
        connect(m_process.get(), &ExifToolProcess::finished, this, &VideoStage::ended, Qt::QueuedConnection);
        const QString brand = majorBrand(task.input);
        m_process->start(m_ffmpeg, remuxArguments(input, partial, remuxFormat(brand), brand, moov < mdat));
        return;
    }
}

void VideoStage::onOutput()
{
    // "-progress" writes key=value lines; total_size is what the output has so far.
    m_progress += m_process->readAllStandardOutput();
    qint64 written = -1;
    qsizetype eol;
    while ((eol = m_progress.indexOf('\n')) >= 0) {
        const QByteArray line = m_progress.left(eol).trimmed();
        m_progress.remove(0, eol + 1);
        if (line.startsWith("total_size="))
            written = line.mid(11).toLongLong();
    }
    if (written >= 0 && m_inputSize > 0 && !m_queue.isEmpty()) {
        const Queued &q = m_queue.first();
        Q_EMIT progressed(q.batch, q.tasks.at(q.results.size()).index, std::min(1.0, double(written) / m_inputSize));
    }
}

void VideoStage::ended()
{
    const std::unique_ptr<ExifToolProcess> process = std::move(m_process);
    process->disconnect(this);
    Queued &q = m_queue.first();
    const Task &task = q.tasks.at(q.results.size());
    Result r {task.index, false, QString()};
    const bool ok = !process->failedToStart() && !process->crashed() && process->exitCode() == 0;
    if (m_cancelled) {
        removePath(m_partial);
    } else if (ok && ::rename(encodePath(m_partial).constData(), encodePath(task.output).constData()) == 0) {
        r.written = true;
    } else {
        removePath(m_partial);
        QString why = process->failedToStart() ? process->errorString()
                                               : QString::fromUtf8(m_errors).trimmed().section(u'\n', -1).trimmed();
        if (why.isEmpty())
            why = ok ? tr("the remuxed video could not be kept")
                     : tr("ffmpeg ended with code %1").arg(process->exitCode());
        r.why = tr("Error: ffmpeg cannot remux this video: %1").arg(why);
    }
    m_partial.clear();
    q.results.append(r);
    if (!m_cancelled)
        Q_EMIT videoWritten(q.batch, task.index, r.written);
    startNext();
}
