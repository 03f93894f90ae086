#include "core/NativeWriterIo_p.h"

#include <QList>

using namespace Qt::StringLiterals;

// A JPEG is a list of segments (a marker, FF xx, and mostly a two-byte length), then
// entropy-coded data after each start of scan up to the next marker. The clean file is
// SOI, the JFIF density (without a thumbnail), the kept orientation and colour space, the
// tables and frame header, the kept APP segments, every scan with its data and tables in
// between, and EOI. Everything else goes: other APPn and COM segments, wherever they are,
// and whatever follows EOI.

namespace NativeIo {

namespace {

bool isFrameHeader(int m)
{
    // SOF0-3, 5-7, 9-11, 13-15: baseline, extended, progressive, lossless; Huffman or
    // arithmetic; sequential or differential. C4 (DHT), C8 (JPG) and CC (DAC) are not.
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

bool isTable(int m)
{
    return m == 0xC4 || m == 0xDB || m == 0xCC || m == 0xDD; // DHT, DQT, DAC, DRI
}

} // namespace

NativeResult planJpeg(Input &in, const NativeKeep &keep, OutputPlan &plan, QString *why)
{
    if (in.byteAt(0) != 0xFF || in.byteAt(1) != 0xD8)
        return decline(why, u"not a JPEG"_s);
    static const QByteArray exifId("Exif\0\0", 6);
    static const QByteArray xmpId("http://ns.adobe.com/xap/1.0/\0", 29);
    static const QByteArray xmpExtensionId("http://ns.adobe.com/xmp/extension/\0", 35);
    static const QByteArray iccId("ICC_PROFILE\0", 12);
    static const QByteArray photoshopId("Photoshop 3.0\0", 14);
    static const QByteArray adobeId("Adobe");
    static const QByteArray jfifId("JFIF\0", 5);

    QByteArray jfif; // the first JFIF segment, rewritten without its thumbnail
    std::optional<QByteArray> exif; // the TIFF data of the Exif segment, when the look is kept
    struct Range {
        qint64 at;
        qint64 length;
    };
    QList<Range> header; // kept segments before the first scan
    bool frame = false;
    qint64 at = 2;
    // The header: every segment up to the first start of scan.
    while (true) {
        // Markers may be preceded by any number of fill bytes (FF).
        if (in.byteAt(at) != 0xFF)
            return decline(why, u"no marker where one belongs"_s);
        int m = in.byteAt(at + 1);
        while (m == 0xFF) {
            ++at;
            m = in.byteAt(at + 1);
        }
        if (m < 0)
            return decline(why, u"the file ends in its header"_s);
        quint32 length = 0;
        if (!segmentLength(in, at, &length))
            return decline(why, u"a segment's length runs past the end"_s);
        const qint64 body = at + 4;
        const qint64 bodyLength = length - 2;
        const auto startsWith
            = [&](const QByteArray &id) { return bodyLength >= id.size() && in.bytes(body, id.size()) == id; };
        bool kept = false;
        if (m == 0xDA) {
            if (!frame)
                return decline(why, u"a scan before the frame header"_s);
            break;
        }
        if (isFrameHeader(m)) {
            if (frame)
                return decline(why, u"a second frame"_s);
            frame = kept = true;
        } else if (isTable(m)) {
            kept = true;
        } else if (m == 0xE0) {
            if (jfif.isEmpty() && bodyLength >= 14 && startsWith(jfifId)) {
                // Version, units and density; the thumbnail (its size and pixels) is not kept.
                jfif = QByteArray("\xFF\xE0\x00\x10", 4) + in.bytes(body, 12) + QByteArray(2, '\0');
                if (jfif.size() != 18)
                    return decline(why, u"the JFIF segment cannot be read"_s);
            }
        } else if (m == 0xE1) {
            if (keep.look && startsWith(exifId)) {
                if (exif) // which one a reader takes is not ours to guess
                    return decline(why, u"two Exif segments"_s);
                exif = in.bytes(body + exifId.size(), bodyLength - exifId.size());
            }
            kept = (keep.exif && startsWith(exifId)) || (keep.xmp && (startsWith(xmpId) || startsWith(xmpExtensionId)));
        } else if (m == 0xE2) {
            kept = keep.icc && startsWith(iccId);
        } else if (m == 0xED) {
            kept = keep.photoshop && startsWith(photoshopId);
        } else if (m == 0xEE) {
            kept = keep.adobe && startsWith(adobeId);
        } else if ((m >= 0xE3 && m <= 0xEF) || m == 0xFE) {
            // other application segments and comments: they go
        } else {
            // SOI, EOI or RSTn out of place, DNL before a scan, hierarchical or JPEG-LS
            // markers, reserved ones: left to ExifTool.
            return decline(why, u"marker %1 in the header"_s.arg(m, 2, 16, QLatin1Char('0')));
        }
        if (kept)
            header << Range {at, 2 + qint64(length)};
        at += 2 + length;
    }

    plan.insert(QByteArray("\xFF\xD8", 2));
    plan.insert(jfif);
    if (exif) {
        // The kept orientation and colour space, in an Exif segment of their own.
        const std::optional<QByteArray> kept = keptLookExif(keep, *exif);
        if (!kept)
            return decline(why, u"an Exif segment the kept values cannot be read from"_s);
        const QByteArray &look = *kept;
        if (!look.isEmpty()) {
            const qint64 length = 2 + exifId.size() + look.size();
            QByteArray segment("\xFF\xE1", 2);
            segment += char(length >> 8);
            segment += char(length & 0xFF);
            plan.insert(segment + exifId + look);
        }
    }
    for (const Range &range : std::as_const(header))
        plan.copy(range.at, range.length);

    // The scans: each start of scan and its entropy-coded data, the tables between them,
    // up to EOI. In the data, FF is followed by 00 (a stuffed FF) or a restart marker;
    // any other byte after FF is the next marker.
    while (true) {
        // `at` is a start-of-scan marker (FF DA).
        quint32 length = 0;
        if (!segmentLength(in, at, &length))
            return decline(why, u"a scan header runs past the end"_s);
        const qint64 segment = at;
        qint64 p = at + 2 + length;
        int m = -1;
        while (true) {
            const qint64 ff = in.find(p, 0xFF);
            if (ff < 0)
                return decline(why, u"the file ends inside a scan"_s);
            const int next = in.byteAt(ff + 1);
            if (next < 0)
                return decline(why, u"the file ends inside a scan"_s);
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                p = ff + 2;
                continue;
            }
            if (next == 0xFF) { // fill bytes before a marker
                p = ff + 1;
                continue;
            }
            plan.copy(segment, ff - segment);
            at = ff;
            m = next;
            break;
        }
        // Between scans (progressive and multi-scan files): tables are kept, other
        // segments go, EOI ends the image.
        while (true) {
            while (m == 0xFF) {
                ++at;
                m = in.byteAt(at + 1);
            }
            if (m == 0xD9) {
                plan.copy(at, 2);
                return NativeResult::Written; // whatever follows is not part of the image
            }
            if (m == 0xDA)
                break;
            if (!segmentLength(in, at, &length))
                return decline(why, u"a segment's length runs past the end"_s);
            if (isTable(m) || m == 0xDC) // DNL follows the first scan only, but is harmless anywhere
                plan.copy(at, 2 + length);
            else if (!((m >= 0xE0 && m <= 0xEF) || m == 0xFE))
                return decline(why, u"marker %1 between scans"_s.arg(m, 2, 16, QLatin1Char('0')));
            at += 2 + length;
            if (in.byteAt(at) != 0xFF)
                return decline(why, u"no marker where one belongs"_s);
            m = in.byteAt(at + 1);
        }
    }
}

} // namespace NativeIo
