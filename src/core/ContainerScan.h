#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A look at an output's own structure, for the formats whose metadata can only live in
// known places: JPEG (APPn and COM segments, bytes after the end of the image), PNG
// (text, eXIf, iCCP and other ancillary chunks), WebP (EXIF, XMP and ICCP chunks) and
// GIF (comment and application extensions). Walking the segment list proves both
// that no metadata container is left and that the file is whole, without starting
// ExifTool. Every other family needs ExifTool's read-back.
struct ContainerScan {
    enum class Verdict {
        Clean, // whole, and nothing but what the image needs
        HasMetadata, // whole, but some container is left (see `containers`)
        Broken, // the structure ends early or does not add up
        NotScannable, // not one of the four formats
    };

    Verdict verdict = Verdict::NotScannable;
    QStringList containers; // e.g. "APP1 Exif", "COM", "tEXt", "trailer"
    // Those of `containers` that ExifTool's read-back cannot account for: private or unknown
    // blocks, segments between the scans of a progressive JPEG, data after the image,
    // application extensions. They are residue whatever the read-back says.
    QStringList opaque;
    QString problem; // for Broken: what does not add up
    QByteArray iccProfile; // an embedded colour profile, assembled (kept when it is standard)
    QString iccName; // the name a PNG gives its profile (free text)
};

// Scans the file at `path`, chosen by its first bytes, not its name.
ContainerScan scanContainers(const QString &path);
ContainerScan scanContainers(const QByteArray &data);
