#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct TagOptions;

// The native writer: for JPEG, PNG, WebP and GIF, a clean file is the blocks that make
// the picture plus the ones the user keeps, copied byte for byte (the picture is never
// decoded). Everything else goes, known or unknown, wherever it is: before, between or
// after the scans, after the end of the image. It is several times faster than ExifTool
// and removes more; whatever it does not fully understand is left to ExifTool.

// What a cleaned file keeps besides the blocks its picture needs.
struct NativeKeep {
    bool exif = false; // a JPEG's Exif segment, whole
    bool xmp = false; // a JPEG's XMP segments (standard and extended), whole
    bool photoshop = false; // a JPEG's APP13 (Photoshop and IPTC), whole
    bool icc = false; // the colour profile: JPEG APP2 ICC_PROFILE, PNG iCCP, WebP ICCP, GIF ICCRGBG1
    bool colour = false; // PNG gAMA, cHRM, sRGB and cICP
    bool adobe = true; // a JPEG's APP14 Adobe segment (its colour transform)
    // The kept orientation and colour space come from the image's Exif: a JPEG gets them
    // in a minimal Exif segment after SOI and JFIF (buildLookExif() of the values its Exif
    // segment holds), and a PNG, WebP or GIF that holds Exif is left to ExifTool.
    bool look = false;
    bool keepOrientation = false;
    bool keepColourSpace = false;
};

// What the writer can do for a set of tag boxes: nothing when they need Exif rewritten tag
// by tag (GPS only, thumbnail only, IFD0 only...) or keep what the writer would drop.
std::optional<NativeKeep> nativeKeepFor(const TagOptions &tags);

enum class NativeResult {
    Written, // `output` is the clean file
    Declined, // not a format or a variant the writer understands fully: nothing was written
    Failed, // the output could not be written (see *why); nothing is left at `output`
};

// Writes the clean form of `input` to `output`, which must not exist (it is created with
// O_EXCL, never replaced). Reads the input at most twice, in fixed-size pieces: memory does
// not grow with the file, and no length read from the file is allocated.
NativeResult writeNativeClean(const QString &input, const QString &output, const NativeKeep &keep, QString *why);

// Whether the name ends as these formats' files do (.jpg, .png, .webp, .gif and their kin).
bool hasNativeSuffix(const QString &path);
