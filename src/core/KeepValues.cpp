#include "core/KeepValues.h"

#include "core/NativePath.h"
#include "core/TagOptions.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Where a JPEG's header segments must have ended; beyond it the file is left to ExifTool.
constexpr qint64 HeaderLimit = 4 * 1024 * 1024;

// Reads a JPEG's header through a window of 64 KB: the header is a run of small segments,
// and reading each after a seek through QFile's own buffer copied 16 KB a segment, the
// largest cost of the whole check on small pictures. The file is opened unbuffered.
class HeadReader {
public:
    explicit HeadReader(QFile &file)
        : m_file(file)
    {
    }

    // `length` bytes at `pos`; fewer at the end of the file or on an error.
    QByteArray read(qint64 pos, qint64 length)
    {
        if (pos >= m_start && pos + length <= m_start + m_window.size())
            return m_window.mid(pos - m_start, length);
        if (!m_file.seek(pos))
            return {};
        if (length > Window)
            return m_file.read(length);
        m_window = m_file.read(Window);
        m_start = pos;
        return m_window.left(length);
    }

private:
    static constexpr qint64 Window = 64 * 1024;
    QFile &m_file;
    QByteArray m_window;
    qint64 m_start = 0;
};

class Tiff {
public:
    explicit Tiff(const QByteArray &data)
        : m_data(data)
    {
    }

    bool parseHeader(quint32 *ifd0)
    {
        if (m_data.size() < 8)
            return false;
        if (m_data.startsWith("II"))
            m_little = true;
        else if (m_data.startsWith("MM"))
            m_little = false;
        else
            return false;
        return u16(2) == 42 && read32(4, ifd0);
    }

    bool read32(qint64 at, quint32 *value) const
    {
        if (at < 0 || at + 4 > m_data.size())
            return false;
        if (value)
            *value = u32(at);
        return true;
    }

    struct Entry {
        quint16 type = 0;
        quint32 count = 0;
        qint64 valueAt = 0; // where the value (or its offset) stands
    };

    // The entries of the IFD at `offset`, by tag. False when the directory runs past the
    // end or names a tag twice.
    bool readIfd(quint32 offset, QMap<quint16, Entry> *entries) const
    {
        const qint64 start = offset;
        if (start < 8 || start + 2 > m_data.size())
            return false;
        const int n = u16(start);
        if (start + 2 + qint64(n) * 12 > m_data.size())
            return false;
        for (int i = 0; i < n; ++i) {
            const qint64 at = start + 2 + qint64(i) * 12;
            const quint16 tag = u16(at);
            if (entries->contains(tag))
                return false;
            entries->insert(tag, Entry {u16(at + 2), u32(at + 4), at + 8});
        }
        return true;
    }

    // The offset of the IFD that follows the one at `offset` (0 when none).
    std::optional<quint32> nextIfd(quint32 offset) const
    {
        const qint64 start = offset;
        if (start < 8 || start + 2 > m_data.size())
            return std::nullopt;
        quint32 next = 0;
        if (!read32(start + 2 + qint64(u16(start)) * 12, &next))
            return std::nullopt;
        return next;
    }

    std::optional<int> oneShort(const Entry &e) const
    {
        if (e.type != 3 || e.count != 1)
            return std::nullopt;
        return u16(e.valueAt);
    }

    std::optional<quint32> onePointer(const Entry &e) const
    {
        if ((e.type != 4 && e.type != 13) || e.count != 1)
            return std::nullopt;
        return u32(e.valueAt);
    }

    std::optional<QByteArray> ascii(const Entry &e) const
    {
        if (e.type != 2 || e.count == 0 || e.count > 64)
            return std::nullopt;
        qint64 at = e.valueAt;
        if (e.count > 4) {
            quint32 offset = 0;
            if (!read32(e.valueAt, &offset))
                return std::nullopt;
            at = offset;
        }
        if (at < 0 || at + e.count > m_data.size())
            return std::nullopt;
        QByteArray text = m_data.mid(at, e.count);
        const qsizetype nul = text.indexOf('\0');
        if (nul >= 0)
            text.truncate(nul);
        return text;
    }

private:
    quint16 u16(qint64 at) const
    {
        const auto b0 = quint8(m_data[at]), b1 = quint8(m_data[at + 1]);
        return m_little ? quint16(b0 | b1 << 8) : quint16(b0 << 8 | b1);
    }
    quint32 u32(qint64 at) const
    {
        const quint32 a = u16(at), b = u16(at + 2);
        return m_little ? (a | b << 16) : (a << 16 | b);
    }

    const QByteArray &m_data;
    bool m_little = true;
};

std::optional<JpegKeepValues> parseExif(const QByteArray &tiffData)
{
    Tiff tiff(tiffData);
    quint32 ifd0Offset = 0;
    QMap<quint16, Tiff::Entry> ifd0;
    if (!tiff.parseHeader(&ifd0Offset) || !tiff.readIfd(ifd0Offset, &ifd0))
        return std::nullopt;

    JpegKeepValues values;
    if (ifd0.contains(0x0112)) {
        values.orientation = tiff.oneShort(ifd0.value(0x0112));
        if (!values.orientation || *values.orientation < 1 || *values.orientation > 8)
            return std::nullopt;
    }
    if (!ifd0.contains(0x8769))
        return values;
    const std::optional<quint32> exifOffset = tiff.onePointer(ifd0.value(0x8769));
    QMap<quint16, Tiff::Entry> exif;
    if (!exifOffset || !tiff.readIfd(*exifOffset, &exif))
        return std::nullopt;
    if (exif.contains(0xA500)) {
        const Tiff::Entry e = exif.value(0xA500);
        quint32 offset = 0, numerator = 0, denominator = 0;
        if (e.type != 5 || e.count != 1 || !tiff.read32(e.valueAt, &offset) || !tiff.read32(offset, &numerator)
            || !tiff.read32(qint64(offset) + 4, &denominator) || denominator == 0)
            return std::nullopt;
        values.gamma = QString::number(numerator) + u'/' + QString::number(denominator);
    }
    if (exif.contains(0xA001)) {
        values.colorSpace = tiff.oneShort(exif.value(0xA001));
        if (!values.colorSpace)
            return std::nullopt;
    }
    if (!exif.contains(0xA005))
        return values;
    const std::optional<quint32> interopOffset = tiff.onePointer(exif.value(0xA005));
    QMap<quint16, Tiff::Entry> interop;
    if (!interopOffset || !tiff.readIfd(*interopOffset, &interop))
        return std::nullopt;
    if (interop.contains(0x0001)) {
        const std::optional<QByteArray> index = tiff.ascii(interop.value(0x0001));
        if (!index || index->isEmpty() || index->size() > 8)
            return std::nullopt;
        for (const char c : *index) {
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
                return std::nullopt;
        }
        values.interopIndex = QString::fromLatin1(*index);
    }
    return values;
}

} // namespace

std::optional<JpegKeepValues> readExifKeepValues(const QByteArray &tiffData)
{
    return parseExif(tiffData);
}

bool exifHoldsOnlyLookTags(const QByteArray &tiffData)
{
    static const QSet<quint16> ifd0Tags {0x0112, 0x011A, 0x011B, 0x0128, 0x0213, 0x8769};
    static const QSet<quint16> exifTags {0x9000, 0x9101, 0xA000, 0xA001, 0xA500, 0xA005};
    static const QSet<quint16> interopTags {0x0001, 0x0002};

    Tiff tiff(tiffData);
    quint32 ifd0Offset = 0;
    QMap<quint16, Tiff::Entry> ifd0;
    if (!tiff.parseHeader(&ifd0Offset) || !tiff.readIfd(ifd0Offset, &ifd0) || tiff.nextIfd(ifd0Offset) != 0u)
        return false;
    const auto only = [](const QMap<quint16, Tiff::Entry> &entries, const QSet<quint16> &allowed) {
        for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
            if (!allowed.contains(it.key()))
                return false;
        }
        return true;
    };
    if (!only(ifd0, ifd0Tags))
        return false;
    if (!ifd0.contains(0x8769))
        return true;
    const std::optional<quint32> exifOffset = tiff.onePointer(ifd0.value(0x8769));
    QMap<quint16, Tiff::Entry> exif;
    if (!exifOffset || !tiff.readIfd(*exifOffset, &exif) || !only(exif, exifTags))
        return false;
    if (!exif.contains(0xA005))
        return true;
    const std::optional<quint32> interopOffset = tiff.onePointer(exif.value(0xA005));
    QMap<quint16, Tiff::Entry> interop;
    return interopOffset && tiff.readIfd(*interopOffset, &interop) && only(interop, interopTags);
}

bool isJpegFile(const QString &path)
{
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray head = file.read(3);
    return head.size() == 3 && quint8(head[0]) == 0xFF && quint8(head[1]) == 0xD8 && quint8(head[2]) == 0xFF;
}

std::optional<JpegKeepValues> readJpegKeepValues(const QString &path)
{
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    HeadReader reader(file);
    const QByteArray head = reader.read(0, 2);
    if (head.size() < 2 || quint8(head[0]) != 0xFF || quint8(head[1]) != 0xD8)
        return std::nullopt;

    // Segment by segment, reading only the bodies that matter: a camera file's picture
    // data is never read.
    static const QByteArray exifHeader("Exif\0\0", 6);
    static const QByteArray xmpHeader("http://ns.adobe.com/");
    std::optional<QByteArray> exif;
    qint64 at = 2;
    while (true) {
        if (at > HeaderLimit)
            return std::nullopt;
        const QByteArray marker = reader.read(at, 4);
        if (marker.size() < 4 || quint8(marker[0]) != 0xFF)
            return std::nullopt;
        const quint8 type = quint8(marker[1]);
        if (type == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (type == 0xDA) // start of scan: the header is over
            break;
        if (type == 0xD8 || type == 0xD9 || (type >= 0xD0 && type <= 0xD7) || type == 0x01)
            return std::nullopt;
        const int length = quint8(marker[2]) << 8 | quint8(marker[3]);
        if (length < 2)
            return std::nullopt;
        if (type == 0xE1) {
            const QByteArray body = reader.read(at + 4, length - 2);
            if (body.size() != length - 2)
                return std::nullopt;
            if (body.startsWith(exifHeader)) {
                if (exif)
                    return std::nullopt; // which one ExifTool copies from is not ours to guess
                exif = body.mid(exifHeader.size());
            } else if (body.startsWith(xmpHeader) && body.contains("Orientation")) {
                return std::nullopt; // left to ExifTool's copy, which takes IFD0's number all the same
            }
        }
        at += 2 + length;
    }
    if (!exif)
        return JpegKeepValues {};
    return parseExif(*exif);
}

QStringList tagArgumentsWithValues(const TagOptions &tags, const JpegKeepValues &values)
{
    QStringList lines = BuildTagArguments(tags);
    const qsizetype copy = lines.indexOf(u"-tagsfromfile"_s);
    if (copy < 1 || lines.at(copy - 1) != u"-e"_s)
        return lines;
    lines.resize(copy - 1);
    if (tags.keepOrientation && values.orientation)
        lines << u"-IFD0:Orientation#="_s + QString::number(*values.orientation);
    if (tags.keepColourProfile && values.colorSpace)
        lines << u"-ExifIFD:ColorSpace#="_s + QString::number(*values.colorSpace);
    if (tags.keepColourProfile && values.gamma)
        lines << u"-ExifIFD:Gamma#="_s + *values.gamma;
    if (tags.keepColourProfile && values.interopIndex)
        lines << u"-InteropIFD:InteropIndex#="_s + *values.interopIndex;
    return lines;
}

bool hasValuesToKeep(const TagOptions &tags, const JpegKeepValues &values)
{
    return (tags.keepOrientation && values.orientation)
        || (tags.keepColourProfile && (values.colorSpace || values.gamma || values.interopIndex));
}

namespace {

// One IFD entry, little-endian; values of up to four bytes stand in the entry itself.
struct IfdEntry {
    quint16 tag = 0;
    quint16 type = 0;
    quint32 count = 0;
    QByteArray value; // the bytes of the value, padded to four when it stands inline
};

void put16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xFF)).append(char(v >> 8));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, quint16(v & 0xFFFF));
    put16(b, quint16(v >> 16));
}

QByteArray shortValue(int v)
{
    QByteArray b;
    put16(b, quint16(v));
    put16(b, 0);
    return b;
}

// Appends an IFD at the end of `out` (its offset must already be what entries point
// from) with out-of-line values after it; pointer entries are patched by the caller.
qint64 appendIfd(QByteArray &out, const QList<IfdEntry> &entries)
{
    const qint64 start = out.size();
    qint64 dataAt = start + 2 + qint64(entries.size()) * 12 + 4;
    QByteArray data;
    put16(out, quint16(entries.size()));
    for (const IfdEntry &e : entries) {
        put16(out, e.tag);
        put16(out, e.type);
        put32(out, e.count);
        if (e.value.size() <= 4) {
            out.append(e.value.leftJustified(4, '\0'));
        } else {
            put32(out, quint32(dataAt + data.size()));
            data.append(e.value);
            if (data.size() & 1)
                data.append('\0');
        }
    }
    put32(out, 0); // no next IFD (no thumbnail)
    out.append(data);
    return start;
}

void patchPointer(QByteArray &out, qint64 ifd, int index, quint32 target)
{
    const qint64 at = ifd + 2 + qint64(index) * 12 + 8;
    out[at] = char(target & 0xFF);
    out[at + 1] = char((target >> 8) & 0xFF);
    out[at + 2] = char((target >> 16) & 0xFF);
    out[at + 3] = char(target >> 24);
}

} // namespace

QByteArray buildLookExif(const TagOptions &tags, const JpegKeepValues &values)
{
    if (!hasValuesToKeep(tags, values))
        return {};
    const auto rational = [](quint32 numerator, quint32 denominator) {
        QByteArray b;
        put32(b, numerator);
        put32(b, denominator);
        return b;
    };
    // What ExifTool itself puts into a new Exif block beside the kept tags, so readers
    // and validators find the block they expect.
    QList<IfdEntry> ifd0 {{0x011A, 5, 1, rational(72, 1)}, {0x011B, 5, 1, rational(72, 1)},
        {0x0128, 3, 1, shortValue(2)}, {0x0213, 3, 1, shortValue(1)}};
    QList<IfdEntry> exif, interop;
    if (tags.keepOrientation && values.orientation)
        ifd0 << IfdEntry {0x0112, 3, 1, shortValue(*values.orientation)};
    if (tags.keepColourProfile) {
        if (values.colorSpace)
            exif << IfdEntry {0xA001, 3, 1, shortValue(*values.colorSpace)};
        if (values.gamma) {
            const QStringList fraction = values.gamma->split(u'/');
            exif << IfdEntry {0xA500, 5, 1, rational(fraction.value(0).toUInt(), fraction.value(1).toUInt())};
        }
        if (values.interopIndex) {
            const QByteArray text = values.interopIndex->toLatin1() + '\0';
            interop << IfdEntry {0x0001, 2, quint32(text.size()), text} << IfdEntry {0x0002, 7, 4, "0100"};
        }
    }
    if (!interop.isEmpty())
        exif << IfdEntry {0xA005, 4, 1, QByteArray(4, '\0')};
    if (!exif.isEmpty()) {
        exif << IfdEntry {0x9000, 7, 4, "0232"} << IfdEntry {0x9101, 7, 4, QByteArray("\1\2\3\0", 4)}
             << IfdEntry {0xA000, 7, 4, "0100"};
        ifd0 << IfdEntry {0x8769, 4, 1, QByteArray(4, '\0')};
    }
    // TIFF wants the entries of an IFD in ascending order of their tags.
    for (QList<IfdEntry> *ifd : {&ifd0, &exif, &interop})
        std::sort(ifd->begin(), ifd->end(), [](const IfdEntry &x, const IfdEntry &y) { return x.tag < y.tag; });
    const auto indexOf = [](const QList<IfdEntry> &ifd, quint16 tag) {
        for (qsizetype i = 0; i < ifd.size(); ++i) {
            if (ifd.at(i).tag == tag)
                return int(i);
        }
        return -1;
    };

    QByteArray out("II*\0", 4);
    put32(out, 8);
    const qint64 ifd0At = appendIfd(out, ifd0);
    if (!exif.isEmpty()) {
        const qint64 exifAt = appendIfd(out, exif);
        patchPointer(out, ifd0At, indexOf(ifd0, 0x8769), quint32(exifAt));
        if (!interop.isEmpty()) {
            const qint64 interopAt = appendIfd(out, interop);
            patchPointer(out, exifAt, indexOf(exif, 0xA005), quint32(interopAt));
        }
    }
    return out;
}

namespace {

// The placeholder's text: plain letters, which an argument file keeps as they are.
QByteArray placeholderText(const QByteArray &tiffData)
{
    return QByteArray(6 + tiffData.size(), 'x'); // the size of "Exif\0\0" and the block
}

} // namespace

QString exifPlaceholderArgument(const QByteArray &tiffData)
{
    return u"-Comment="_s + QString::fromLatin1(placeholderText(tiffData));
}

bool fillExifPlaceholder(const QString &path, const QByteArray &tiffData, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file;
    if (!openPath(file, path, QIODevice::ReadWrite | QIODevice::Unbuffered))
        return fail(file.errorString());

    // The header segments up to the placeholder, read one by one (a colour profile can
    // fill several hundred KB of them; the picture is never read).
    HeadReader reader(file);
    const QByteArray start = reader.read(0, 2);
    if (start.size() < 2 || quint8(start[0]) != 0xFF || quint8(start[1]) != 0xD8)
        return fail(QStringLiteral("not a JPEG file"));
    const QByteArray text = placeholderText(tiffData);
    QList<QByteArray> segments; // every header segment before the placeholder
    qint64 at = 2;
    qint64 placeholderEnd = -1;
    while (true) {
        const QByteArray marker = reader.read(at, 4);
        if (marker.size() < 4 || quint8(marker[0]) != 0xFF)
            break;
        const quint8 type = quint8(marker[1]);
        if (type == 0xDA || type == 0xD9)
            break;
        const int length = quint8(marker[2]) << 8 | quint8(marker[3]);
        if (length < 2)
            break;
        const QByteArray body = reader.read(at + 4, length - 2);
        if (body.size() != length - 2)
            break;
        if (type == 0xFE && body == text) {
            placeholderEnd = at + 2 + length;
            break;
        }
        segments << marker + body;
        at += 2 + length;
    }
    if (placeholderEnd < 0)
        return fail(QStringLiteral("the placeholder comment is missing"));

    QByteArray app1("\xFF\xE1", 2);
    const int length = int(tiffData.size()) + 8; // length field, "Exif\0\0", the block
    app1.append(char(length >> 8)).append(char(length & 0xFF));
    app1.append(QByteArray("Exif\0\0", 6)).append(tiffData);

    QByteArray rewritten = start;
    if (!segments.isEmpty() && segments.first().startsWith("\xFF\xE0"))
        rewritten += segments.takeFirst(); // JFIF stays first where it is
    rewritten += app1;
    for (const QByteArray &segment : std::as_const(segments))
        rewritten += segment;
    if (rewritten.size() != placeholderEnd)
        return fail(QStringLiteral("the placeholder has the wrong size"));
    if (!file.seek(0) || file.write(rewritten) != rewritten.size() || !file.flush())
        return fail(file.errorString());
    return true;
}

bool holdsExifPlaceholder(const QString &path)
{
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    HeadReader reader(file);
    const QByteArray start = reader.read(0, 2);
    if (start.size() < 2 || quint8(start[0]) != 0xFF || quint8(start[1]) != 0xD8)
        return false;
    qint64 at = 2;
    while (true) {
        const QByteArray marker = reader.read(at, 4);
        if (marker.size() < 4 || quint8(marker[0]) != 0xFF)
            return false;
        const quint8 type = quint8(marker[1]);
        if (type == 0xDA || type == 0xD9)
            return false;
        const int length = quint8(marker[2]) << 8 | quint8(marker[3]);
        if (length < 2)
            return false;
        // The smallest placeholder holds "Exif\0\0" and an 8-byte TIFF header.
        if (type == 0xFE && length - 2 >= 14) {
            const QByteArray body = reader.read(at + 4, length - 2);
            if (body.size() == length - 2 && body.count('x') == body.size())
                return true;
        }
        at += 2 + length;
    }
}
