#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class ExifToolProcess;
class QTemporaryDir;

// Videos are cleaned by remuxing them with ffmpeg: the video and audio streams are copied
// packet for packet into a new container, which ffmpeg writes from scratch. Nothing of the
// old container comes along unless asked for: no user data, metadata keys, XMP or vendor
// boxes, no timed-metadata, telemetry, subtitle or cover-picture tracks, no chapters, and
// the movie, track and media headers carry a neutral (zero) date. What shows
// the picture as before is kept: the display matrix (rotation), the colour description,
// the projection of a 360 video, the codec's own set-up.

// One box at the top level of an ISO media file.
struct IsoBox {
    QByteArray type; // "ftyp", "moov", "mdat", ...
    qint64 offset = 0;
    qint64 size = 0; // to the end of the file for a box whose size field says so
};

// The top-level boxes of the file, in order; empty when it does not start like an ISO
// media file (or QuickTime movie), and cut short where a box runs past the end; `whole`,
// when given, then says false.
QList<IsoBox> topLevelBoxes(const QString &path, bool *whole = nullptr);
// Every byte of the file outside its "mdat" boxes (the media samples): where a container
// could hide a value. Bounded by the size of the boxes that describe the media.
QByteArray bytesOutsideMediaData(const QString &path);

// The ffmpeg program: "ffmpeg" beside this program, else the one on PATH; empty when
// there is none.
QString findFfmpeg();

// ffmpeg's output format for a video of this major brand (majorBrand()): "mov", "3gp",
// "3g2" or "mp4" (which keeps the brand, "M4V " or "mp42", through remuxArguments()).
QString remuxFormat(const QString &brand);
// The major brand of an ISO media file ("qt  ", "isom", "M4V "); empty without one.
QString majorBrand(const QString &path);

// ffmpeg's arguments for the remux of `input` (read as a QuickTime/MP4 file, never probed
// as anything else) into `output` (which must not exist). Both are absolute paths that
// ffmpeg takes literally. An MP4 keeps its brand. The movie header goes first when it was
// first in the input (a video meant for streaming stays one).
QStringList remuxArguments(
    const QString &input, const QString &output, const QString &format, const QString &brand, bool movieFirst);

// Runs the remuxes of a run's videos, one at a time (they are bound by the disk), and
// reports each batch's results in one signal. A video of several gigabytes streams
// through ffmpeg with bounded memory; progressed() tells how far it is.
class VideoStage final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(VideoStage)

public:
    struct Task {
        int index = 0; // the caller's key (a video's place in the run)
        QString input;
        QString output; // must not exist; its folder is the run's own
    };
    struct Result {
        int index = 0;
        bool written = false;
        QString why; // when not written: ffmpeg's reason
    };

    // `ffmpeg` the program; `workFolder` a private folder for the links that give ffmpeg
    // plain names for names that are not UTF-8.
    VideoStage(const QString &ffmpeg, const QString &workFolder, QObject *parent = nullptr);
    // A remux still running is interrupted and waited for: nothing writes into a staging
    // folder once the stage is gone.
    ~VideoStage() override;

    void submit(int batch, const QList<Task> &tasks);
    // Ends the remux running now (its output is removed) and drops the ones waiting; their
    // batches report them not written.
    void cancel();
    // The remux running goes on to its end; the ones waiting are reported not written.
    void dropWaiting();
    // While paused, the remux running goes on to its end and no other starts.
    void setPaused(bool paused);
    // ffmpeg is writing a video now.
    bool isWriting() const { return m_process != nullptr; }

Q_SIGNALS:
    // How far the remux of one video is, 0 to 1 (bytes written against the input's size).
    void progressed(int batch, int index, double fraction);
    void videoWritten(int batch, int index, bool written);
    void batchWritten(int batch, const QList<VideoStage::Result> &results);

private:
    struct Queued {
        int batch = 0;
        QList<Task> tasks;
        QList<Result> results;
    };
    void goOn();
    void startNext();
    void onOutput();
    void ended();
    QString plainName(const QString &path);

    QString m_ffmpeg;
    QString m_workFolder;
    int m_links = 0;
    QList<Queued> m_queue;
    std::unique_ptr<ExifToolProcess> m_process;
    QString m_partial; // what ffmpeg writes, renamed to the task's output once complete
    qint64 m_inputSize = 0;
    QByteArray m_progress;
    QByteArray m_errors;
    bool m_cancelled = false;
    bool m_paused = false;
    bool m_dropWaiting = false;
};
