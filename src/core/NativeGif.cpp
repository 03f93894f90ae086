#include "core/NativeWriterIo_p.h"

using namespace Qt::StringLiterals;

// A GIF is a header, the logical screen descriptor with its colour table, then blocks up
// to the trailer (3B): images (2C), each with its colour table and LZW data, and
// extensions (21 and a label). Both end in data sub-blocks: a length byte and that many
// bytes, up to a zero length. The clean file is the header, the images, their graphic
// controls and the loop count; with the profile kept, the ICC profile. Comments, XMP and
// other application extensions go, and whatever follows the trailer. Plain text is drawn,
// and unknown labels are not understood: both are left to ExifTool.

namespace NativeIo {

namespace {

// The size of a colour table whose presence and size are in `packed`: 3 bytes an entry,
// 2^(n+1) entries.
qint64 colourTableSize(int packed)
{
    return (packed & 0x80) ? 3 * (qint64(2) << (packed & 0x07)) : 0;
}

// The position after the data sub-blocks that start at `at`, or -1 when the file ends
// before their zero length.
qint64 skipSubBlocks(Input &in, qint64 at)
{
    while (true) {
        const int length = in.byteAt(at);
        if (length < 0)
            return -1;
        ++at;
        if (length == 0)
            return at;
        at += length;
    }
}

} // namespace

NativeResult planGif(Input &in, const NativeKeep &keep, OutputPlan &plan, QString *why)
{
    const QByteArray header = in.bytes(0, 6);
    if (header != "GIF87a" && header != "GIF89a")
        return decline(why, u"not a GIF"_s);
    const int screenPacked = in.byteAt(10);
    if (screenPacked < 0)
        return decline(why, u"the file ends in its header"_s);
    qint64 at = 13 + colourTableSize(screenPacked);
    if (at > in.size())
        return decline(why, u"the colour table runs past the end"_s);
    plan.copy(0, at);

    bool image = false;
    while (true) {
        const int block = in.byteAt(at);
        if (block < 0)
            return decline(why, u"the file ends before the trailer"_s);
        if (block == 0x3B) {
            if (!image)
                return decline(why, u"no image"_s);
            plan.copy(at, 1);
            return NativeResult::Written; // whatever follows is not part of the image
        }
        if (block == 0x2C) {
            // Position, size and packed fields, the local colour table, the LZW minimum
            // code size, then the data.
            const int packed = in.byteAt(at + 9);
            if (packed < 0)
                return decline(why, u"the file ends in an image descriptor"_s);
            const qint64 codeSize = at + 10 + colourTableSize(packed);
            const int bits = in.byteAt(codeSize);
            if (bits < 0)
                return decline(why, u"the file ends in an image"_s);
            if (bits < 1 || bits > 11)
                return decline(why, u"an LZW code size out of range"_s);
            const qint64 end = skipSubBlocks(in, codeSize + 1);
            if (end < 0)
                return decline(why, u"the file ends in an image"_s);
            plan.copy(at, end - at);
            image = true;
            at = end;
            continue;
        }
        if (block != 0x21)
            return decline(why, u"block %1 is not understood"_s.arg(block, 2, 16, QLatin1Char('0')));

        const int label = in.byteAt(at + 1);
        bool kept = false;
        if (label == 0xF9) {
            // Delay, disposal and transparency: one sub-block of four bytes, and no more.
            if (in.byteAt(at + 2) != 4 || in.byteAt(at + 7) != 0)
                return decline(why, u"a graphic control of the wrong size"_s);
            kept = true;
        } else if (label == 0xFF) {
            if (in.byteAt(at + 2) != 11) // the application's name and code
                return decline(why, u"an application extension without its name"_s);
            const QByteArray application = in.bytes(at + 3, 11);
            if (application == "NETSCAPE2.0" || application == "ANIMEXTS1.0") {
                // The loop count, one sub-block of three bytes (1 and the count), and
                // nothing else beside it.
                if (in.byteAt(at + 14) != 3 || in.byteAt(at + 15) != 1 || in.byteAt(at + 18) != 0)
                    return decline(why, u"a loop extension that holds more than the count"_s);
                kept = true;
            } else {
                kept = keep.icc && application.startsWith("ICCRGBG1");
            }
        } else if (label == 0xFE) {
            // a comment: it goes
        } else if (label == 0x01) {
            return decline(why, u"plain text, which is drawn"_s);
        } else if (label < 0) {
            return decline(why, u"the file ends in an extension"_s);
        } else {
            return decline(why, u"extension %1 is not understood"_s.arg(label, 2, 16, QLatin1Char('0')));
        }
        const qint64 end = skipSubBlocks(in, at + 2);
        if (end < 0)
            return decline(why, u"the file ends in an extension"_s);
        if (kept)
            plan.copy(at, end - at);
        at = end;
    }
}

} // namespace NativeIo
