#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct TagOptions;

// The few Exif values that decide how a JPEG looks and that a run keeps: the IFD0
// orientation and the colour-space tags of ExifIFD and InteropIFD.
//
// Copying them back with "-tagsfromfile @" makes ExifTool read every image a second
// time, which costs more than the cleaning itself on camera files (about 28 ms of CPU
// per camera JPEG with maker notes). Read here from the image's first Exif segment, they
// can be written as plain values in the cleaning command instead, which costs nothing.
struct JpegKeepValues {
    std::optional<int> orientation; // IFD0 0x0112, 1..8
    std::optional<int> colorSpace; // ExifIFD 0xA001
    std::optional<QString> gamma; // ExifIFD 0xA500, "numerator/denominator"
    std::optional<QString> interopIndex; // InteropIFD 0x0001, e.g. "R98"
};

// Whether the file starts as a JPEG does (as ExifTool decides the type: by content).
bool isJpegFile(const QString &path);

// The values of a JPEG file, or nothing when the file is not a JPEG or holds anything
// this reader does not follow exactly as ExifTool would (a second Exif segment, an XMP
// orientation, an odd type or count, a broken offset). Callers then
// fall back to ExifTool's own copy.
std::optional<JpegKeepValues> readJpegKeepValues(const QString &path);

// The values of one Exif block (a TIFF header and its IFDs, after "Exif\0\0"), or nothing
// where it holds anything this reader does not follow exactly.
std::optional<JpegKeepValues> readExifKeepValues(const QByteArray &tiffData);

// Whether a run writes anything back for these values under these tag options.
bool hasValuesToKeep(const TagOptions &tags, const JpegKeepValues &values);

// A little-endian Exif block (TIFF header and IFDs, without the "Exif\0\0" header) that
// holds `values` as far as the tag options keep them: IFD0 Orientation, ExifIFD ColorSpace
// and Gamma, InteropIFD InteropIndex.
QByteArray buildLookExif(const TagOptions &tags, const JpegKeepValues &values);

// Writing a new Exif block costs ExifTool about 1.5 ms per tag and image, and rewriting a
// camera file once more costs as much as cleaning it. So ExifTool writes a comment of
// exactly the Exif segment's size as a placeholder (a comment costs it nothing), and the
// placeholder is then turned into the Exif segment in place: only the file's first
// bytes change, the picture is not touched.
//
// The argument line that makes ExifTool write the placeholder for `tiffData`.
QString exifPlaceholderArgument(const QByteArray &tiffData);

// Replaces the placeholder comment in the cleaned JPEG at `path` by an APP1 Exif segment
// holding `tiffData`, placed after the start of image (and a JFIF segment), the other
// header segments moving up by its size. False, with *error, when the placeholder is not
// there as written.
bool fillExifPlaceholder(const QString &path, const QByteArray &tiffData, QString *error);

// Whether the JPEG at `path` still holds an unfilled placeholder: the output of a run
// that ended before it put the kept values in.
bool holdsExifPlaceholder(const QString &path);

// BuildTagArguments(tags) with its "-tagsfromfile @" block replaced by lines that write
// `values` as they are. Where the tag options copy nothing back, the lines are the same.
QStringList tagArgumentsWithValues(const TagOptions &tags, const JpegKeepValues &values);

// Whether an Exif block (a TIFF header and its IFDs, as in a JPEG's APP1 after "Exif\0\0",
// a PNG eXIf chunk or a WebP EXIF chunk) holds nothing but what a run keeps on purpose
// and what ExifTool adds to any new Exif block: orientation, resolution, YCbCr
// positioning, Exif and Flashpix versions, components, colour space, gamma and the
// interoperability index. No thumbnail IFD, no GPS, no maker notes, nothing else.
bool exifHoldsOnlyLookTags(const QByteArray &tiffData);
