#include "core/ContainerScan.h"

#include "core/KeepValues.h"
#include "core/NativePath.h"

#include <QCoreApplication>
#include <QFile>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace Qt::StringLiterals;

namespace {

using Verdict = ContainerScan::Verdict;

quint32 be32(const uchar *p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

quint16 be16(const uchar *p)
{
    return quint16((p[0] << 8) | p[1]);
}

quint32 le32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

// The first 0xFF at or after `pos` that is followed by a byte other than 0x00 (a stuffed
// 0xFF in entropy-coded data), or n - 1 when there is none. Camera JPEGs are megabytes
// of such data, so this looks at 16 bytes per step where the processor allows.
qsizetype nextMarkerCandidate(const uchar *d, qsizetype pos, qsizetype n)
{
#if defined(__SSE2__)
    const __m128i ff = _mm_set1_epi8(char(0xFF));
    const __m128i zero = _mm_setzero_si128();
    while (pos + 17 <= n) {
        const __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i *>(d + pos));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i *>(d + pos + 1));
        const int hits = _mm_movemask_epi8(_mm_andnot_si128(_mm_cmpeq_epi8(next, zero), _mm_cmpeq_epi8(here, ff)));
        if (hits)
            return pos + __builtin_ctz(unsigned(hits));
        pos += 16;
    }
#endif
    for (; pos + 1 < n; ++pos) {
        if (d[pos] == 0xFF && d[pos + 1] != 0x00)
            return pos;
    }
    return n - 1;
}

ContainerScan broken(const QString &why)
{
    ContainerScan s;
    s.verdict = Verdict::Broken;
    s.problem = why;
    return s;
}

// Adds a block that ExifTool reads and the read-back judges.
void readable(ContainerScan &s, const QString &name)
{
    s.containers << name;
}

// Adds a block nothing but this scan knows to be there.
void opaque(ContainerScan &s, const QString &name)
{
    s.containers << name;
    s.opaque << name;
}

void settle(ContainerScan &s)
{
    s.verdict = s.containers.isEmpty() ? Verdict::Clean : Verdict::HasMetadata;
}

bool startsWith(const uchar *p, qsizetype avail, const char *text)
{
    const qsizetype n = qsizetype(std::strlen(text));
    return avail >= n && std::memcmp(p, text, size_t(n)) == 0;
}

// JPEG: markers up to the first SOS, then entropy-coded data in which 0xFF is always
// followed by 0x00 or a restart marker, until the next marker (more tables and scans in
// progressive files) and finally EOI. Anything after EOI is a trailer (an MPF preview,
// a Samsung or Google trailer, ...).
ContainerScan scanJpeg(const uchar *d, qsizetype n)
{
    ContainerScan s;
    qsizetype pos = 2;
    bool inScan = false;
    bool afterFirstScan = false;
    while (true) {
        if (inScan) {
            // Skip entropy-coded data: find the next 0xFF not followed by 0x00 or RSTn.
            while (true) {
                pos = nextMarkerCandidate(d, pos, n);
                if (pos + 1 >= n)
                    return broken(QCoreApplication::translate("ContainerScan", "the image data has no end marker"));
                const uchar next = d[pos + 1];
                if ((next >= 0xD0 && next <= 0xD7) || next == 0xFF) {
                    pos += next == 0xFF ? 1 : 2;
                    continue;
                }
                break;
            }
            inScan = false;
        }
        if (pos + 2 > n)
            return broken(QCoreApplication::translate("ContainerScan", "the file ends before the end-of-image marker"));
        if (d[pos] != 0xFF)
            return broken(QCoreApplication::translate("ContainerScan", "a segment does not start with a marker"));
        uchar marker = d[pos + 1];
        if (marker == 0xFF) { // fill bytes
            ++pos;
            continue;
        }
        pos += 2;
        if (marker == 0xD9) { // EOI
            if (pos < n)
                opaque(s, u"trailer (%1 bytes after the image)"_s.arg(n - pos));
            settle(s);
            return s;
        }
        if ((marker >= 0xD0 && marker <= 0xD7) || marker == 0x01)
            continue; // markers without a length
        if (pos + 2 > n)
            return broken(QCoreApplication::translate("ContainerScan", "the file ends inside a segment"));
        const qsizetype len = be16(d + pos);
        if (len < 2 || pos + len > n)
            return broken(QCoreApplication::translate("ContainerScan", "a segment runs past the end of the file"));
        const uchar *body = d + pos + 2;
        const qsizetype bodyLen = len - 2;
        // ExifTool stops reading at the first scan: what comes between the scans of a
        // progressive file only this walk sees.
        const auto add = [&](const QString &name, bool exiftoolReadsIt) {
            if (afterFirstScan)
                opaque(s, name + u" between the scans"_s);
            else if (exiftoolReadsIt)
                readable(s, name);
            else
                opaque(s, name);
        };
        if (marker == 0xDA) {
            inScan = true;
            afterFirstScan = true;
        } else if (marker == 0xE0) {
            // JFIF and its extension carry only size and density (and a tiny thumbnail).
            if (!startsWith(body, bodyLen, "JFIF") && !startsWith(body, bodyLen, "JFXX"))
                add(u"APP0"_s, false);
        } else if (marker == 0xE2 && startsWith(body, bodyLen, "ICC_PROFILE")) {
            if (afterFirstScan)
                add(u"APP2 ICC"_s, false);
            else if (bodyLen > 14)
                s.iccProfile.append(reinterpret_cast<const char *>(body + 14), bodyLen - 14);
        } else if (marker == 0xEE && startsWith(body, bodyLen, "Adobe") && bodyLen == 12) {
            // Adobe APP14 says how the colour channels are coded; nothing about anyone.
            if (afterFirstScan)
                add(u"APP14"_s, false);
        } else if (marker == 0xE1 && startsWith(body, bodyLen, "Exif")) {
            // What a run keeps on purpose (orientation, colour space) is no residue.
            if (bodyLen < 6 || afterFirstScan
                || !exifHoldsOnlyLookTags(QByteArray(reinterpret_cast<const char *>(body + 6), bodyLen - 6)))
                add(u"APP1 Exif"_s, true);
        } else if (marker == 0xE1) {
            add(u"APP1 XMP"_s, startsWith(body, bodyLen, "http://ns.adobe.com/"));
        } else if (marker >= 0xE0 && marker <= 0xEF) {
            // MPF and FlashPix (APP2), Ducky (APP12) and Photoshop (APP13) ExifTool reads in full.
            const int app = marker - 0xE0;
            add(u"APP%1"_s.arg(app), app == 2 || app == 12 || app == 13);
        } else if (marker == 0xFE) {
            add(u"COM"_s, true);
        }
        pos += len;
    }
}

// PNG: a chunk list ending in IEND. Critical chunks and the ancillary chunks that only
// describe how to show the pixels are fine; text, eXIf, tIME and anything unknown is not.
ContainerScan scanPng(const uchar *d, qsizetype n)
{
    static const char *const display[] = {"IHDR", "PLTE", "IDAT", "tRNS", "gAMA", "cHRM", "sRGB", "sBIT", "bKGD",
        "hIST", "pHYs", "sPLT", "cICP", "mDCv", "cLLi", "acTL", "fcTL", "fdAT"};
    ContainerScan s;
    qsizetype pos = 8;
    while (true) {
        if (pos + 12 > n)
            return broken(QCoreApplication::translate("ContainerScan", "the file ends before the IEND chunk"));
        const qsizetype len = be32(d + pos);
        const QByteArray type(reinterpret_cast<const char *>(d + pos + 4), 4);
        if (len > n || pos + 12 + len > n)
            return broken(QCoreApplication::translate("ContainerScan", "the %1 chunk runs past the end of the file")
                              .arg(QString::fromLatin1(type)));
        if (type == "IEND") {
            pos += 12 + len;
            if (pos < n)
                opaque(s, u"trailer (%1 bytes after IEND)"_s.arg(n - pos));
            settle(s);
            return s;
        }
        if (type == "iCCP") {
            // Name, NUL, compression method, then the zlib stream qUncompress wants
            // prefixed with the uncompressed size, which PNG does not store.
            const uchar *body = d + pos + 8;
            const void *nul = std::memchr(body, 0, size_t(std::min<qsizetype>(len, 80)));
            if (nul) {
                const qsizetype start = static_cast<const uchar *>(nul) - body + 2;
                if (start < len) {
                    QByteArray z(4, '\0');
                    z[1] = char(0x01); // a size hint of 64 KiB; qUncompress grows the buffer as needed
                    z.append(reinterpret_cast<const char *>(body + start), len - start);
                    s.iccProfile = qUncompress(z);
                }
            }
            if (s.iccProfile.isEmpty())
                readable(s, u"iCCP"_s);
            else if (nul)
                s.iccName
                    = QString::fromLatin1(reinterpret_cast<const char *>(body), static_cast<const uchar *>(nul) - body);
        } else if (type == "eXIf") {
            if (!exifHoldsOnlyLookTags(QByteArray(reinterpret_cast<const char *>(d + pos + 8), len)))
                readable(s, u"eXIf"_s);
        } else if (type == "tEXt" || type == "zTXt" || type == "iTXt" || type == "tIME") {
            readable(s, QString::fromLatin1(type));
        } else {
            bool known = false;
            for (const char *t : display)
                known = known || type == t;
            if (!known)
                opaque(s, u"PNG chunk "_s + QString::fromLatin1(type.toPercentEncoding()));
        }
        pos += 12 + len;
    }
}

// WebP: a RIFF list of chunks, padded to even sizes; the RIFF size must match the file.
ContainerScan scanWebp(const uchar *d, qsizetype n)
{
    ContainerScan s;
    const qsizetype riffEnd = qsizetype(le32(d + 4)) + 8;
    if (riffEnd > n)
        return broken(QCoreApplication::translate("ContainerScan", "the file is shorter than its RIFF header says"));
    qsizetype pos = 12;
    while (pos < riffEnd) {
        if (pos + 8 > riffEnd)
            return broken(QCoreApplication::translate("ContainerScan", "a chunk header runs past the end of the file"));
        const QByteArray type(reinterpret_cast<const char *>(d + pos), 4);
        const qsizetype len = le32(d + pos + 4);
        if (len > riffEnd || pos + 8 + len > riffEnd)
            return broken(QCoreApplication::translate("ContainerScan", "the %1 chunk runs past the end of the file")
                              .arg(QString::fromLatin1(type).trimmed()));
        if (type == "ICCP") {
            s.iccProfile = QByteArray(reinterpret_cast<const char *>(d + pos + 8), len);
        } else if (type == "EXIF") {
            // Some writers put the JPEG header "Exif\0\0" before the TIFF data.
            QByteArray exif(reinterpret_cast<const char *>(d + pos + 8), len);
            if (exif.startsWith(QByteArray("Exif\0\0", 6)))
                exif.remove(0, 6);
            if (!exifHoldsOnlyLookTags(exif))
                readable(s, u"EXIF"_s);
        } else if (type == "XMP ") {
            readable(s, u"XMP"_s);
        } else if (type != "VP8 " && type != "VP8L" && type != "VP8X" && type != "ALPH" && type != "ANIM"
            && type != "ANMF") {
            opaque(s, u"WebP chunk "_s + QString::fromLatin1(type.toPercentEncoding()).trimmed());
        }
        pos += 8 + len + (len & 1);
    }
    if (riffEnd < n)
        opaque(s, u"trailer (%1 bytes after the RIFF data)"_s.arg(n - riffEnd));
    settle(s);
    return s;
}

// GIF: header, screen descriptor and colour table, then images and extensions, each a
// chain of sub-blocks, up to the trailer byte 0x3B.
ContainerScan scanGif(const uchar *d, qsizetype n)
{
    ContainerScan s;
    if (n < 13)
        return broken(QCoreApplication::translate("ContainerScan", "the file ends inside the header"));
    qsizetype pos = 13;
    if (d[10] & 0x80)
        pos += 3 * (qsizetype(1) << ((d[10] & 0x07) + 1));
    const auto skipBlocks = [&](qsizetype p) -> qsizetype {
        while (p < n) {
            const uchar size = d[p];
            if (size == 0)
                return p + 1;
            p += 1 + size;
        }
        return -1;
    };
    while (true) {
        if (pos >= n)
            return broken(QCoreApplication::translate("ContainerScan", "the file ends before the GIF trailer"));
        const uchar intro = d[pos];
        if (intro == 0x3B) {
            if (pos + 1 < n)
                opaque(s, u"trailer (%1 bytes after the GIF data)"_s.arg(n - pos - 1));
            settle(s);
            return s;
        }
        if (intro == 0x2C) { // image descriptor
            if (pos + 10 > n)
                return broken(QCoreApplication::translate("ContainerScan", "the file ends inside an image descriptor"));
            const uchar flags = d[pos + 9];
            pos += 10;
            if (flags & 0x80)
                pos += 3 * (qsizetype(1) << ((flags & 0x07) + 1));
            pos = pos + 1 < n ? skipBlocks(pos + 1) : -1; // after the LZW code size
        } else if (intro == 0x21) {
            if (pos + 2 > n)
                return broken(QCoreApplication::translate("ContainerScan", "the file ends inside an extension"));
            const uchar label = d[pos + 1];
            if (label == 0xFE) {
                readable(s, u"comment"_s);
            } else if (label == 0xFF) {
                const uchar *app = d + pos + 3;
                const qsizetype avail = n - pos - 3;
                // Looping (Netscape, AnimExts) only says how to show it; ImageMagick's
                // extension is harmless only when it holds nothing but its gamma note.
                if (startsWith(app, avail, "NETSCAPE2.0") || startsWith(app, avail, "ANIMEXTS1.0")) {
                } else if (startsWith(app, avail, "ImageMagick") && avail > 12
                    && startsWith(app + 12, avail - 12, "gamma=") && app[11] <= 20 && avail > 12 + app[11]
                    && app[12 + app[11]] == 0) {
                } else if (startsWith(app, avail, "XMP DataXMP")) {
                    readable(s, u"XMP"_s);
                } else if (startsWith(app, avail, "ICCRGBG1012")) {
                    readable(s, u"ICC profile"_s); // read back to tell a standard one
                } else {
                    const QByteArray id(reinterpret_cast<const char *>(app), int(std::min<qsizetype>(avail, 11)));
                    opaque(s, u"application extension "_s + QString::fromLatin1(id.toPercentEncoding(" ")));
                }
            }
            pos = skipBlocks(pos + 2);
        } else {
            return broken(QCoreApplication::translate("ContainerScan", "an unknown block type"));
        }
        if (pos < 0)
            return broken(QCoreApplication::translate("ContainerScan", "a block runs past the end of the file"));
    }
}

} // namespace

ContainerScan scanContainers(const QByteArray &data)
{
    const auto *d = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype n = data.size();
    if (n >= 3 && d[0] == 0xFF && d[1] == 0xD8 && d[2] == 0xFF)
        return scanJpeg(d, n);
    if (n >= 8 && std::memcmp(d, "\x89PNG\r\n\x1a\n", 8) == 0)
        return scanPng(d, n);
    if (n >= 12 && std::memcmp(d, "RIFF", 4) == 0 && std::memcmp(d + 8, "WEBP", 4) == 0)
        return scanWebp(d, n);
    if (n >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0))
        return scanGif(d, n);
    return {};
}

ContainerScan scanContainers(const QString &path)
{
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly | QIODevice::Unbuffered))
        return broken(QCoreApplication::translate("ContainerScan", "the output cannot be read"));
    // A small output is read in one go: mapping it costs more in page faults and in the
    // unmapping, which interrupts the other threads of the program, than copying it.
    constexpr qint64 readLimit = 1 << 20;
    if (file.size() <= readLimit)
        return scanContainers(file.read(readLimit));
    // A large one is mapped: it was just written, so it is in the page cache, and the walk
    // touches only the pages it needs (memchr streams through the scan data).
    if (file.size() > 0) {
        if (uchar *mapped = file.map(0, file.size())) {
            const QByteArray view = QByteArray::fromRawData(reinterpret_cast<const char *>(mapped), file.size());
            ContainerScan s = scanContainers(view); // every byte it keeps is copied out
            file.unmap(mapped);
            return s;
        }
    }
    return scanContainers(file.readAll());
}
