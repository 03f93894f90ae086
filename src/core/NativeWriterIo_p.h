#pragma once

// The file side of the native writer (NativeWriter.h), shared by its format parsers: an
// input read through a fixed window, and the output as a list of pieces (ranges of the
// input, and a few bytes of our own) written in one pass.

#include "core/NativeWriter.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <vector>

namespace NativeIo {

// An image file opened for reading. Reads go through a window of WindowSize bytes; a
// file no larger than that is read once, whole. Nothing is ever read past the end: every
// accessor says when the file ends first.
class Input {
public:
    static constexpr qint64 WindowSize = 1 << 20;

    Input() = default;
    ~Input();
    Input(const Input &) = delete;
    Input &operator=(const Input &) = delete;

    // Opens a regular file (following links); false when it cannot be read.
    bool open(const QString &path);
    qint64 size() const { return m_size; }
    int fd() const { return m_fd; }
    // The file's access and modification times, as it was opened.
    const struct timespec *times() const { return m_times; }

    // The byte at `at`, or -1 past the end or when it cannot be read.
    int byteAt(qint64 at);
    // Copies `length` bytes at `at` into `out`; false when the file ends first.
    bool read(qint64 at, void *out, qint64 length);
    // `length` bytes at `at`, for small known-size headers only (length <= 64 KiB).
    QByteArray bytes(qint64 at, qint64 length);
    // The position of the first `value` byte at or after `at`, or -1 when there is none.
    qint64 find(qint64 at, quint8 value);
    // Big-endian and little-endian numbers at `at`; false past the end.
    bool be16(qint64 at, quint32 *value);
    bool be32(qint64 at, quint32 *value);
    bool le32(qint64 at, quint32 *value);

private:
    bool fill(qint64 at);

    int m_fd = -1;
    qint64 m_size = 0;
    struct timespec m_times[2] {};
    std::unique_ptr<char[]> m_window; // not zeroed first: pread fills what is used
    qint64 m_windowCapacity = 0;
    qint64 m_windowAt = 0; // file offset of m_window[0]
    qint64 m_windowLength = 0;
};

// The clean file as pieces: ranges of the input, copied as they are, and bytes of the
// writer's own (a rewritten header, a new length). Adjacent ranges merge.
class OutputPlan {
public:
    void copy(qint64 offset, qint64 length);
    void insert(const QByteArray &bytes);
    void append(const OutputPlan &other);
    qint64 size() const { return m_size; }

    // Creates `path` (O_EXCL: never replaces anything) and writes the pieces; ranges of
    // the input of 64 KiB and more are copied by the kernel (copy_file_range). The output
    // gets the input's access and modification times, as ExifTool's "-P" gives its
    // outputs. On failure nothing is left at `path` and *why says what happened.
    bool write(Input &input, const QString &path, QString *why) const;

private:
    struct Piece {
        qint64 offset = -1; // -1: `bytes`
        qint64 length = 0;
        QByteArray bytes;
    };
    std::vector<Piece> m_pieces;
    qint64 m_size = 0;
};

// The kept orientation and colour space of an image whose Exif block is `tiffData` (a
// TIFF header and its IFDs), as a minimal Exif block of their own (buildLookExif(); empty
// when there is nothing to keep), or nothing when the block cannot be read exactly.
std::optional<QByteArray> keptLookExif(const NativeKeep &keep, const QByteArray &tiffData);

// Sets *why and says Declined: what a planner returns for what it does not fully understand.
inline NativeResult decline(QString *why, const QString &text)
{
    *why = text;
    return NativeResult::Declined;
}

// A JPEG segment's length field at `at + 2` (it counts itself), when the segment lies
// within the file.
bool segmentLength(Input &in, qint64 at, quint32 *length);

// The format parsers. Each reads the whole structure into `plan`, or returns Declined
// (not understood exactly: ExifTool does the file) with nothing written.
NativeResult planJpeg(Input &input, const NativeKeep &keep, OutputPlan &plan, QString *why);
NativeResult planPng(Input &input, const NativeKeep &keep, OutputPlan &plan, QString *why);
NativeResult planWebp(Input &input, const NativeKeep &keep, OutputPlan &plan, QString *why);
NativeResult planGif(Input &input, const NativeKeep &keep, OutputPlan &plan, QString *why);

} // namespace NativeIo
