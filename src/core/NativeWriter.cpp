#include "core/NativeWriter.h"

#include "core/KeepValues.h"
#include "core/NativePath.h"
#include "core/NativeWriterIo_p.h"
#include "core/TagOptions.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace NativeIo {

Input::~Input()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Input::open(const QString &path)
{
    m_fd = ::open(encodePath(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st { };
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    m_size = st.st_size;
    m_times[0] = st.st_atim;
    m_times[1] = st.st_mtim;
    return true;
}

bool Input::fill(qint64 at)
{
    if (at < 0 || at >= m_size)
        return false;
    if (at >= m_windowAt && at < m_windowAt + m_windowLength)
        return true;
    // A file that fits is read once from its start; a larger one in windows from `at`.
    const qint64 start = m_size <= WindowSize ? 0 : at;
    const qint64 want = std::min(WindowSize, m_size - start);
    if (m_windowCapacity < want) {
        m_window.reset(new char[std::size_t(want)]);
        m_windowCapacity = want;
    }
    qint64 got = 0;
    while (got < want) {
        const ssize_t n = ::pread(m_fd, m_window.get() + got, std::size_t(want - got), start + got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += n;
    }
    m_windowAt = start;
    m_windowLength = got;
    return at < m_windowAt + m_windowLength;
}

int Input::byteAt(qint64 at)
{
    if (!fill(at))
        return -1;
    return quint8(m_window[std::size_t(at - m_windowAt)]);
}

bool Input::read(qint64 at, void *out, qint64 length)
{
    if (length < 0 || at < 0 || length > m_size - at)
        return false;
    auto *to = static_cast<char *>(out);
    while (length > 0) {
        if (!fill(at))
            return false;
        const qint64 offset = at - m_windowAt;
        const qint64 n = std::min(length, m_windowLength - offset);
        std::memcpy(to, m_window.get() + offset, std::size_t(n));
        to += n;
        at += n;
        length -= n;
    }
    return true;
}

QByteArray Input::bytes(qint64 at, qint64 length)
{
    if (length < 0 || length > 65536)
        return {};
    QByteArray out(length, Qt::Uninitialized);
    if (!read(at, out.data(), length))
        return {};
    return out;
}

qint64 Input::find(qint64 at, quint8 value)
{
    while (fill(at)) {
        const qint64 offset = at - m_windowAt;
        const void *hit = std::memchr(m_window.get() + offset, value, std::size_t(m_windowLength - offset));
        if (hit)
            return m_windowAt + (static_cast<const char *>(hit) - m_window.get());
        at = m_windowAt + m_windowLength;
    }
    return -1;
}

bool Input::be16(qint64 at, quint32 *value)
{
    quint8 b[2];
    if (!read(at, b, 2))
        return false;
    *value = quint32(b[0]) << 8 | b[1];
    return true;
}

bool Input::be32(qint64 at, quint32 *value)
{
    quint8 b[4];
    if (!read(at, b, 4))
        return false;
    *value = quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
    return true;
}

bool Input::le32(qint64 at, quint32 *value)
{
    quint8 b[4];
    if (!read(at, b, 4))
        return false;
    *value = quint32(b[3]) << 24 | quint32(b[2]) << 16 | quint32(b[1]) << 8 | b[0];
    return true;
}

bool segmentLength(Input &in, qint64 at, quint32 *length)
{
    return in.be16(at + 2, length) && *length >= 2 && at + 2 + *length <= in.size();
}

void OutputPlan::copy(qint64 offset, qint64 length)
{
    if (length <= 0)
        return;
    m_size += length;
    if (!m_pieces.empty()) {
        Piece &last = m_pieces.back();
        if (last.offset >= 0 && last.offset + last.length == offset) {
            last.length += length;
            return;
        }
    }
    m_pieces.push_back({offset, length, {}});
}

void OutputPlan::append(const OutputPlan &other)
{
    for (const Piece &piece : other.m_pieces) {
        if (piece.offset < 0)
            insert(piece.bytes);
        else
            copy(piece.offset, piece.length);
    }
}

void OutputPlan::insert(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    m_size += bytes.size();
    m_pieces.push_back({-1, bytes.size(), bytes});
}

namespace {

constexpr qint64 KernelCopyMin = 64 * 1024;

bool writeAll(int fd, const char *data, qint64 length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, std::size_t(std::min<qint64>(length, 1 << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        length -= n;
    }
    return true;
}

} // namespace

bool OutputPlan::write(Input &input, const QString &path, QString *why) const
{
    const QByteArray name = encodePath(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        *why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    // Small pieces gather in one buffer; a range the kernel copies is preceded by a flush.
    std::vector<char> buffer;
    buffer.reserve(std::size_t(std::min<qint64>(m_size, Input::WindowSize)));
    int error = 0;
    bool changed = false;
    const auto flush = [&] {
        if (!buffer.empty() && !writeAll(fd, buffer.data(), qint64(buffer.size())))
            error = errno;
        buffer.clear();
        return error == 0;
    };
    for (const Piece &piece : m_pieces) {
        if (piece.offset < 0) {
            buffer.insert(buffer.end(), piece.bytes.cbegin(), piece.bytes.cend());
        } else if (piece.length < KernelCopyMin) {
            const std::size_t at = buffer.size();
            buffer.resize(at + std::size_t(piece.length));
            if (!input.read(piece.offset, buffer.data() + at, piece.length)) {
                changed = true;
                break;
            }
        } else {
            if (!flush())
                break;
            loff_t from = piece.offset;
            qint64 left = piece.length;
            bool kernel = true;
            while (left > 0) {
                if (kernel) {
                    const ssize_t n = ::copy_file_range(input.fd(), &from, fd, nullptr, std::size_t(left), 0);
                    if (n > 0) {
                        left -= n;
                        continue;
                    }
                    if (n < 0 && errno == EINTR)
                        continue;
                    if (n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
                        kernel = false; // another file system, or no such call: copied by hand
                        continue;
                    }
                    if (n == 0)
                        changed = true; // the input is shorter than it was
                    else
                        error = errno;
                    break;
                }
                const qint64 n = std::min<qint64>(left, Input::WindowSize);
                buffer.resize(std::size_t(n));
                if (!input.read(from, buffer.data(), n)) {
                    changed = true;
                    break;
                }
                if (!flush())
                    break;
                from += n;
                left -= n;
            }
            if (left > 0)
                break;
        }
        if (buffer.size() >= std::size_t(Input::WindowSize) && !flush())
            break;
    }
    if (!changed && error == 0 && flush())
        ::futimens(fd, input.times()); // a file system that keeps no times is no reason to fail
    if (::close(fd) != 0 && error == 0 && !changed)
        error = errno;
    if (!changed && error == 0)
        return true;
    ::unlink(name.constData());
    *why = changed ? u"the image changed while it was read"_s : QString::fromLocal8Bit(std::strerror(error));
    return false;
}

std::optional<QByteArray> keptLookExif(const NativeKeep &keep, const QByteArray &tiffData)
{
    const std::optional<JpegKeepValues> values = readExifKeepValues(tiffData);
    if (!values)
        return std::nullopt;
    TagOptions tags;
    tags.keepOrientation = keep.keepOrientation;
    tags.keepColourProfile = keep.keepColourSpace;
    return buildLookExif(tags, *values);
}

} // namespace NativeIo

std::optional<NativeKeep> nativeKeepFor(const TagOptions &t)
{
    // "Everything but the groups whose boxes are clear", where each such group is one
    // block the writer can keep whole. Tag-by-tag removals (GPS, thumbnail, IPTC inside
    // Photoshop's block, IFD0, GeoTIFF inside a kept Exif block) need ExifTool.
    const bool everything = t.all || t.other;
    if (!everything)
        return std::nullopt;
    NativeKeep keep;
    if (!t.all) {
        keep.exif = !t.exif;
        if (keep.exif && (t.gps || t.thumbnail || t.ifd0 || t.geoTiff))
            return std::nullopt;
        keep.photoshop = !t.photoshop;
        if (keep.photoshop && t.iptc)
            return std::nullopt;
        keep.xmp = !t.xmp;
        keep.icc = !t.icc;
        keep.adobe = !t.adobeApp14;
    }
    if (t.keepColourProfile)
        keep.icc = keep.colour = true;
    keep.look = !keep.exif && (t.keepOrientation || t.keepColourProfile);
    keep.keepOrientation = keep.look && t.keepOrientation;
    keep.keepColourSpace = keep.look && t.keepColourProfile;
    return keep;
}

bool hasNativeSuffix(const QString &path)
{
    static const QStringList suffixes
        = {u"jpg"_s, u"jpeg"_s, u"jpe"_s, u"jfif"_s, u"png"_s, u"apng"_s, u"webp"_s, u"gif"_s};
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot >= 0 && suffixes.contains(path.mid(dot + 1).toLower());
}

NativeResult writeNativeClean(const QString &input, const QString &output, const NativeKeep &keep, QString *why)
{
    QString ignored;
    if (!why)
        why = &ignored;
    NativeIo::Input in;
    if (!in.open(input)) {
        *why = u"the image cannot be read"_s;
        return NativeResult::Declined; // ExifTool says why, in its words
    }
    QByteArray head(12, '\0');
    if (!in.read(0, head.data(), std::min<qint64>(12, in.size())))
        return NativeResult::Declined;
    NativeIo::OutputPlan plan;
    NativeResult planned = NativeResult::Declined;
    if (head.startsWith("\xFF\xD8"))
        planned = NativeIo::planJpeg(in, keep, plan, why);
    else if (head.startsWith("\x89PNG\r\n\x1A\n"))
        planned = NativeIo::planPng(in, keep, plan, why);
    else if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        planned = NativeIo::planWebp(in, keep, plan, why);
    else if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        planned = NativeIo::planGif(in, keep, plan, why);
    if (planned != NativeResult::Written)
        return planned;
    return plan.write(in, output, why) ? NativeResult::Written : NativeResult::Failed;
}
