#pragma once

#include <QString>
#include <QStringList>

// States of the twelve tag boxes of the options page ("which metadata to remove").
struct TagOptions {
    bool all = true;
    bool exif = true;
    bool gps = true;
    bool thumbnail = true;
    bool xmp = true;
    bool iptc = true;
    bool icc = true;
    bool photoshop = true;
    bool ifd0 = true;
    bool geoTiff = true;
    bool adobeApp14 = false;
    bool other = true;
    // What stays whatever the boxes say, since losing it changes how the picture looks
    // (turned sideways, wrong colours) while it identifies nobody. The window's
    // chkKeepLook sets both.
    bool keepOrientation = true;
    bool keepColourProfile = true;

    // True when any box other than chkCleanAll asks for something to be removed; the ICC
    // box counts only while the colour profile is not kept.
    bool anyGroupTicked() const;
};

// ExifTool's arguments for the ticked boxes, one argument per entry, in order: the
// delete lines, then what keeps the orientation and the colour profile.
QStringList BuildTagArguments(const TagOptions &tags);

// The delete arguments BuildTagArguments appends after its group lines: the GeoTIFF
// georeferencing beyond the GeoKey directory (GeoTIFF box or "All supported") and the
// identifying IFD0 tags beyond CommonIFD0 (IFD0 box or "All supported").
QStringList ExtraDeleteArguments(const TagOptions &tags);

// The tag lines for a JPEG. Where all of Exif goes, a JPEG's IFD0 and GeoTIFF tags can
// only be inside the Exif segment that "-all=" removes whole, so the lines naming them
// change nothing there (the output is the same byte for byte), while ExifTool sets them
// up again for every command: a quarter of its time on small JPEGs. They are left out.
QStringList JpegTagArguments(const QStringList &lines, const TagOptions &tags);

// When everything goes: the serials, owner, IDs and dates that raw and Photoshop files
// keep under "-all=". The job adds them for such files only (keepsMetadataUnderDeleteAll:
// camera raw files, DNG profiles, TIFF and Photoshop files).
QStringList RawDeleteArguments(const TagOptions &tags);
bool keepsMetadataUnderDeleteAll(const QString &path);

// What a raw converter needs of a camera raw file (isCameraRawFile) and the tag options
// would remove: exclusions, plus what goes instead where one excludes more than it needs.
// They must come before "-tagsfromfile", after which an exclusion limits the copy instead.
// Empty for other files, and where removesWhatRawFilesNeed() is false.
QStringList RawKeepArguments(const TagOptions &tags, const QString &path);
bool removesWhatRawFilesNeed(const TagOptions &tags);

enum class OutputMode : int { Overwrite = 0, Folder = 1, Prefix = 2, Suffix = 3 };

// A prefix or suffix is part of a file name: it must not hold '/' (which would put the
// output in another folder, or outside the image's folder with "..") or be empty.
bool isUsableNameAffix(const QString &text);
