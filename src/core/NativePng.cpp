#include "core/NativeWriterIo_p.h"

#include <QByteArrayView>
#include <array>

using namespace Qt::StringLiterals;

// A PNG is its signature and a list of chunks (length, type, data, CRC) from IHDR to
// IEND. The clean file is the signature and the chunks the picture needs: IHDR, PLTE,
// tRNS, the image data, APNG's animation chunks, IEND; with the colour kept, the colour
// chunks; with the look kept, an eXIf chunk of the kept orientation and colour space
// after IHDR, where ExifTool puts it. Text, Exif, dates, private and unknown ancillary
// chunks go, and whatever follows IEND. An unknown critical chunk is declined: a decoder
// would need it.

namespace NativeIo {

namespace {

constexpr std::array<quint32, 256> crcTable = [] {
    std::array<quint32, 256> table {};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}();

// The CRC of a chunk's type and data (`length` bytes from `at`), read in pieces.
bool chunkCrc(Input &in, qint64 at, qint64 length, quint32 *crc)
{
    quint32 c = 0xFFFFFFFFu;
    quint8 buffer[16384];
    while (length > 0) {
        const qint64 n = std::min<qint64>(length, sizeof buffer);
        if (!in.read(at, buffer, n))
            return false;
        for (qint64 i = 0; i < n; ++i)
            c = crcTable[(c ^ buffer[i]) & 0xFF] ^ (c >> 8);
        at += n;
        length -= n;
    }
    *crc = c ^ 0xFFFFFFFFu;
    return true;
}

// A whole chunk: length, type, data and CRC.
QByteArray makeChunk(const char *type, const QByteArray &data)
{
    QByteArray chunk;
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk += char((quint32(data.size()) >> shift) & 0xFF);
    chunk += QByteArray(type, 4) + data;
    quint32 c = 0xFFFFFFFFu;
    for (qsizetype i = 4; i < chunk.size(); ++i)
        c = crcTable[(c ^ quint8(chunk[i])) & 0xFF] ^ (c >> 8);
    c ^= 0xFFFFFFFFu;
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk += char((c >> shift) & 0xFF);
    return chunk;
}

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Where ExifTool finds Exif in a PNG besides eXIf: text chunks ImageMagick writes.
bool holdsRawExif(Input &in, qint64 data, quint32 length)
{
    const QByteArray head = in.bytes(data, std::min<quint32>(length, 80));
    const qsizetype end = head.indexOf('\0');
    const QByteArrayView keyword = QByteArrayView(head).first(end < 0 ? head.size() : end);
    return keyword.compare("Raw profile type exif", Qt::CaseInsensitive) == 0
        || keyword.compare("Raw profile type APP1", Qt::CaseInsensitive) == 0;
}

} // namespace

NativeResult planPng(Input &in, const NativeKeep &keep, OutputPlan &plan, QString *why)
{
    if (in.bytes(0, 8) != QByteArray("\x89PNG\r\n\x1A\n", 8))
        return decline(why, u"not a PNG"_s);
    plan.copy(0, 8);
    OutputPlan rest; // what follows IHDR, so the kept look can go before it
    std::optional<QByteArray> look;
    enum class Data { Before, In, After }; // IDAT chunks must follow each other
    Data data = Data::Before;
    bool palette = false;
    qint64 at = 8;
    while (true) {
        quint32 length = 0;
        char type[4];
        if (!in.be32(at, &length) || !in.read(at + 4, type, 4))
            return decline(why, u"the file ends before IEND"_s);
        if (length > 0x7FFFFFFFu)
            return decline(why, u"a chunk's length is out of range"_s);
        if (at + 12 + qint64(length) > in.size())
            return decline(why, u"a chunk runs past the end"_s);
        if (!isLetter(type[0]) || !isLetter(type[1]) || !isLetter(type[2]) || !isLetter(type[3]))
            return decline(why, u"a chunk type that is not a name"_s);
        const QByteArrayView name(type, 4);
        const qint64 chunk = qint64(length) + 12;
        if ((at == 8) != (name == "IHDR"))
            return decline(why, u"IHDR is not the first chunk"_s);
        if (name == "IHDR" && length != 13)
            return decline(why, u"IHDR has the wrong length"_s);

        bool kept = false;
        bool checked = true; // whether the CRC is checked: not for the image data
        if (name == "IDAT" || name == "fdAT") {
            if (name == "IDAT") {
                if (data == Data::After)
                    return decline(why, u"IDAT chunks apart"_s);
                data = Data::In;
            }
            kept = true;
            checked = false;
        } else {
            if (data == Data::In)
                data = Data::After;
            if (name == "PLTE") {
                if (palette || data != Data::Before)
                    return decline(why, u"PLTE out of place"_s);
                palette = kept = true;
            } else if (name == "IHDR" || name == "tRNS" || name == "acTL" || name == "fcTL" || name == "IEND") {
                kept = true;
            } else if (name == "iCCP") {
                kept = keep.icc;
            } else if (name == "gAMA" || name == "cHRM" || name == "sRGB" || name == "cICP") {
                kept = keep.colour;
            } else if (keep.look && name == "eXIf") {
                if (look || length > 65536)
                    return decline(why, u"an Exif chunk the kept values cannot be read from"_s);
                look = keptLookExif(keep, in.bytes(at + 8, length));
                if (!look)
                    return decline(why, u"an Exif chunk the kept values cannot be read from"_s);
            } else if (keep.look && (name == "tEXt" || name == "zTXt" || name == "iTXt")
                && holdsRawExif(in, at + 8, length)) {
                return decline(why, u"the kept orientation is in a text chunk's Exif"_s);
            } else if (!(type[0] & 0x20)) {
                return decline(why, u"unknown critical chunk %1"_s.arg(QLatin1StringView(type, 4)));
            }
        }
        if (kept && checked) {
            quint32 stored = 0;
            quint32 computed = 0;
            if (!in.be32(at + 8 + length, &stored) || !chunkCrc(in, at + 4, qint64(length) + 4, &computed))
                return decline(why, u"a chunk cannot be read"_s);
            if (stored != computed)
                return decline(why, u"chunk %1 has a wrong CRC"_s.arg(QLatin1StringView(type, 4)));
        }
        if (kept)
            (at == 8 ? plan : rest).copy(at, chunk);
        if (name == "IEND") {
            if (length != 0)
                return decline(why, u"IEND holds data"_s);
            if (data == Data::Before)
                return decline(why, u"no image data"_s);
            if (look && !look->isEmpty())
                plan.insert(makeChunk("eXIf", *look));
            plan.append(rest);
            return NativeResult::Written; // whatever follows is not part of the image
        }
        at += chunk;
    }
}

} // namespace NativeIo
