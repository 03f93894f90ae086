#include "core/NativeWriterIo_p.h"

#include <QList>

using namespace Qt::StringLiterals;

// A WebP is a RIFF file: "RIFF", the size of what follows, "WEBP", then chunks (a
// four-letter name, a little-endian size, the data and a pad byte when the size is odd).
// A simple file is one VP8 (lossy) or VP8L (lossless) chunk; an extended one starts with
// VP8X, whose flags say what follows. The clean file is the picture's chunks (VP8X, ALPH,
// VP8, VP8L, ANIM, ANMF) and, with the profile kept, ICCP; EXIF, XMP and unknown chunks
// go, and so does anything after the RIFF data; with the look kept, an EXIF chunk of the
// kept orientation and colour space ends the file, where ExifTool puts it. VP8X's flags
// and the RIFF size are rewritten to match.

namespace NativeIo {

namespace {

constexpr quint8 IccFlag = 0x20;
constexpr quint8 ExifFlag = 0x08;
constexpr quint8 XmpFlag = 0x04;
constexpr quint8 AnimationFlag = 0x02;

struct Chunk {
    QByteArray name;
    qint64 at = 0; // the chunk's header
    qint64 size = 0; // its data
    qint64 span() const { return 8 + size + (size & 1); }
};

// Reads the chunk header at `at`; false when it or its data (with the pad byte) runs
// past `end`.
bool readChunk(Input &in, qint64 at, qint64 end, Chunk *chunk)
{
    quint32 size = 0;
    if (at + 8 > end || !in.le32(at + 4, &size))
        return false;
    chunk->name = in.bytes(at, 4);
    chunk->at = at;
    chunk->size = size;
    return chunk->name.size() == 4 && at + chunk->span() <= end;
}

// An animation frame: a 16-byte frame header, then the frame's picture (ALPH and VP8,
// or VP8L). Anything else in a frame could hide data and is left to ExifTool.
bool isPlainFrame(Input &in, const Chunk &frame)
{
    if (frame.size < 16)
        return false;
    const qint64 end = frame.at + 8 + frame.size;
    qint64 at = frame.at + 8 + 16;
    Chunk sub;
    bool alpha = false;
    while (at < end) {
        if (!readChunk(in, at, end, &sub))
            return false;
        if (sub.name == "ALPH" && !alpha) {
            alpha = true;
        } else if (sub.name == "VP8 " || (sub.name == "VP8L" && !alpha)) {
            return at + sub.span() == end;
        } else {
            return false;
        }
        at += sub.span();
    }
    return false;
}

} // namespace

NativeResult planWebp(Input &in, const NativeKeep &keep, OutputPlan &plan, QString *why)
{
    quint32 riffSize = 0;
    if (in.bytes(0, 4) != "RIFF" || !in.le32(4, &riffSize) || in.bytes(8, 4) != "WEBP")
        return decline(why, u"not a WebP"_s);
    // Bytes after the RIFF data are not part of the image; a RIFF size past the end
    // means a truncated file.
    const qint64 end = 8 + qint64(riffSize);
    if (end > in.size())
        return decline(why, u"the file is shorter than its RIFF size"_s);
    if (riffSize & 1)
        return decline(why, u"an odd RIFF size"_s);

    QList<Chunk> kept;
    Chunk chunk;
    bool extended = false;
    bool picture = false; // a VP8 or VP8L chunk outside frames
    bool alpha = false;
    bool animation = false; // ANIM
    bool frames = false;
    bool icc = false;
    std::optional<QByteArray> look;
    for (qint64 at = 12; at < end; at += chunk.span()) {
        if (!readChunk(in, at, end, &chunk))
            return decline(why, u"a chunk runs past the RIFF data"_s);
        const QByteArray &name = chunk.name;
        if (at == 12) {
            if (name == "VP8X") {
                if (chunk.size != 10)
                    return decline(why, u"VP8X has the wrong size"_s);
                extended = true;
                kept << chunk;
                continue;
            }
            if (name != "VP8 " && name != "VP8L")
                return decline(why, u"the first chunk is %1"_s.arg(QLatin1StringView(name)));
        }
        if (name == "VP8 " || name == "VP8L") {
            if (picture || frames || animation || (alpha && name == "VP8L"))
                return decline(why, u"a second picture"_s);
            picture = true;
        } else if (name == "ALPH") {
            if (!extended || picture || alpha || animation)
                return decline(why, u"ALPH out of place"_s);
            alpha = true;
        } else if (name == "ANIM") {
            if (!extended || animation || picture || alpha || frames)
                return decline(why, u"ANIM out of place"_s);
            animation = true;
        } else if (name == "ANMF") {
            if (!animation)
                return decline(why, u"a frame before ANIM"_s);
            if (!isPlainFrame(in, chunk))
                return decline(why, u"a frame holds more than its picture"_s);
            frames = true;
        } else if (name == "ICCP") {
            if (icc)
                return decline(why, u"a second ICCP"_s);
            icc = true;
            if (!keep.icc)
                continue;
        } else if (name == "VP8X") {
            return decline(why, u"VP8X out of place"_s);
        } else {
            if (keep.look && name == "EXIF") {
                // Some writers put JPEG's "Exif\0\0" before the TIFF header.
                static const QByteArray prefix("Exif\0\0", 6);
                QByteArray tiff = chunk.size <= 65536 ? in.bytes(at + 8, chunk.size) : QByteArray();
                if (tiff.startsWith(prefix))
                    tiff.remove(0, prefix.size());
                if (!extended || look || !(look = keptLookExif(keep, tiff)))
                    return decline(why, u"an Exif chunk the kept values cannot be read from"_s);
            }
            continue; // EXIF, XMP and unknown chunks
        }
        kept << chunk;
    }
    if (extended) {
        const int flags = in.byteAt(20);
        if (flags < 0)
            return decline(why, u"VP8X cannot be read"_s);
        const bool animated = flags & AnimationFlag;
        if (animated ? (!animation || !frames || picture) : (!picture || animation || frames))
            return decline(why, u"the animation flag does not match the chunks"_s);
    } else if (!picture) {
        return decline(why, u"no picture"_s);
    }

    QByteArray exif;
    if (look && !look->isEmpty()) {
        exif = "EXIF" + QByteArray(4, '\0') + *look;
        for (int i = 0; i < 4; ++i)
            exif[4 + i] = char((look->size() >> (8 * i)) & 0xFF);
        if (look->size() & 1)
            exif += '\0';
    }
    qint64 size = 4 + exif.size();
    for (const Chunk &c : std::as_const(kept))
        size += c.span();
    if (size > 0xFFFFFFFFll)
        return decline(why, u"the clean file is too large"_s);
    QByteArray header("RIFF\0\0\0\0WEBP", 12);
    for (int i = 0; i < 4; ++i)
        header[4 + i] = char((size >> (8 * i)) & 0xFF);
    plan.insert(header);
    for (const Chunk &c : std::as_const(kept)) {
        if (c.name == "VP8X") {
            quint8 flags = quint8(in.byteAt(c.at + 8)) & ~(ExifFlag | XmpFlag);
            if (!(icc && keep.icc))
                flags &= ~IccFlag;
            if (!exif.isEmpty())
                flags |= ExifFlag;
            plan.copy(c.at, 8);
            plan.insert(QByteArray(1, char(flags)));
            plan.copy(c.at + 9, c.span() - 9);
        } else {
            plan.copy(c.at, c.span());
        }
    }
    plan.insert(exif);
    return NativeResult::Written;
}

} // namespace NativeIo
