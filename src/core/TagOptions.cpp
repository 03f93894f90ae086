#include "core/TagOptions.h"

#include "core/RawDecode.h"

using namespace Qt::StringLiterals;

bool TagOptions::anyGroupTicked() const
{
    return exif || gps || thumbnail || xmp || iptc || (icc && !keepColourProfile) || photoshop || ifd0 || geoTiff
        || adobeApp14 || other;
}

QStringList ExtraDeleteArguments(const TagOptions &t)
{
    QStringList lines;
    // "-geotiff*=" removes only the GeoKey directory; these four still place the picture.
    if (t.all || t.geoTiff)
        lines << u"-ModelTiePoint="_s << u"-PixelScale="_s << u"-ModelTransform="_s << u"-GDALMetadata="_s;
    // Identifying IFD0 tags that CommonIFD0 leaves out; TIFF readers need none of them.
    if (t.all || t.ifd0)
        lines << u"-IFD0:CameraSerialNumber="_s << u"-IFD0:HostComputer="_s << u"-IFD0:OwnerName="_s
              << u"-IFD0:DocumentName="_s << u"-IFD0:PageName="_s;
    return lines;
}

QStringList JpegTagArguments(const QStringList &lines, const TagOptions &t)
{
    if (!(t.all || (t.other && t.exif)))
        return lines;
    TagOptions every;
    every.all = true;
    QStringList unneeded = ExtraDeleteArguments(every);
    unneeded << u"-CommonIFD0="_s << u"-geotiff*="_s;
    QStringList kept;
    kept.reserve(lines.size());
    for (const QString &line : lines) {
        if (!unneeded.contains(line))
            kept << line;
    }
    return kept;
}

QStringList RawDeleteArguments(const TagOptions &t)
{
    const bool everything = t.all || (t.other && t.photoshop && t.icc && t.exif && t.xmp);
    if (!everything)
        return {};
    // Raw files keep Exif and maker notes under "-all=" (a raw decoder needs them), and
    // with them the serials, owner, unique IDs and dates; these are the ones ExifTool
    // can still delete or zero, and no raw decoder reads them.
    return {u"-SerialNumber="_s, u"-InternalSerialNumber="_s, u"-LensSerialNumber="_s, u"-OwnerName="_s,
        u"-ImageUniqueID="_s, u"-RawDataUniqueID="_s, u"-OriginalRawFileName="_s, u"-DateTimeOriginal="_s,
        u"-CreateDate="_s, u"-ModifyDate="_s, u"-OffsetTime*="_s, u"-TrackCreateDate="_s, u"-TrackModifyDate="_s,
        u"-MediaCreateDate="_s, u"-MediaModifyDate="_s, u"-IPTCDigest="_s, u"-Photoshop:URL="_s};
}

bool keepsMetadataUnderDeleteAll(const QString &path)
{
    // Raw and Photoshop files: "-all=" keeps what their readers need, so the named
    // deletions are what cleans them. For every other format they would only make
    // ExifTool parse maker notes it is about to drop (several ms per image).
    // DNG camera profiles (no picture), TIFF and Photoshop files besides the camera raws.
    static const QStringList others = {u"dcp"_s, u"psd"_s, u"psb"_s, u"tif"_s, u"tiff"_s};
    if (isCameraRawFile(path))
        return true;
    const qsizetype dot = path.lastIndexOf(u'.');
    return dot >= 0 && others.contains(path.mid(dot + 1).toLower());
}

bool removesWhatRawFilesNeed(const TagOptions &t)
{
    return t.all || t.other || t.exif || t.ifd0;
}

QStringList RawKeepArguments(const TagOptions &t, const QString &path)
{
    if (!isCameraRawFile(path) || !removesWhatRawFilesNeed(t))
        return {};
    const QString suffix = path.mid(path.lastIndexOf(u'.') + 1).toLower();
    const bool exifGoes = t.all || t.exif;
    // Raw converters (LibRaw, dcraw and what builds on them) know the camera by IFD0 Make
    // and Model, which CommonIFD0 lists: without them a NEF, RW2 or RAF no longer opens.
    QStringList lines {u"--IFD0:Make"_s, u"--IFD0:Model"_s};
    // A RAF keeps its Exif in its preview JPEG, where "-all=" and "-exif:all=" remove it
    // whole, and LibRaw reads Make from there. IFD0 stays; the thumbnail IFD chained to
    // it would stay with it, so that one is deleted on its own.
    if (suffix == u"raf" && exifGoes)
        lines << u"--IFD0:all"_s << u"-IFD1:all="_s;
    if (suffix == u"nef" || suffix == u"nrw") {
        // Nikon Capture's edit record holds the white balance (and rotation) LibRaw uses.
        if (t.all || t.other)
            lines << u"--NikonCapture:all"_s;
        // Nikon encrypts the colour balance with the body's serial number as the key: for
        // a deleted serial ExifTool encrypts it with a key of its own, which LibRaw does
        // not use, and the picture comes out with a wrong white balance.
        if (!RawDeleteArguments(t).isEmpty())
            lines << u"--Nikon:SerialNumber"_s;
    }
    return lines;
}

namespace {

QStringList removalArguments(const TagOptions &t)
{
    QStringList lines;
    if (t.all) {
        // APP14 is deliberately never removed here: dropping it can change how the image looks.
        return QStringList {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s} + ExtraDeleteArguments(t);
    }

    const auto appendStructural = [&] {
        if (t.ifd0)
            lines << u"-CommonIFD0="_s;
        if (t.geoTiff)
            lines << u"-geotiff*="_s;
        if (t.adobeApp14)
            lines << u"-Adobe:All="_s;
    };

    if (t.other) {
        lines << u"-all="_s;
        appendStructural();
        const bool allMainGroups = t.photoshop && t.icc && t.exif && t.xmp;
        if (allMainGroups)
            return lines + ExtraDeleteArguments(t); // GPS, thumbnail and IPTC go with "-all=" anyway

        // Remove everything, then keep the groups whose boxes are clear.
        if (!t.exif) {
            lines << u"--exif:all"_s;
            if (t.gps)
                lines << u"-gps:all="_s;
            if (t.thumbnail)
                lines << u"-ThumbnailImage="_s << u"-PreviewImage="_s;
        }
        if (!t.photoshop) {
            lines << u"--Photoshop:all"_s;
            lines << (t.iptc ? u"-iptc:all="_s : u"--iptc:all"_s);
        }
        if (!t.icc)
            lines << u"--ICC_Profile:all"_s;
        if (!t.xmp)
            lines << u"--xmp:all"_s;
        return lines + ExtraDeleteArguments(t);
    }

    // Only the chosen groups.
    if (t.exif)
        lines << u"-exif:all="_s;
    if (t.gps)
        lines << u"-gps:all="_s;
    if (t.thumbnail)
        lines << u"-ThumbnailImage="_s << u"-PreviewImage="_s;
    if (t.photoshop)
        lines << u"-Photoshop:all="_s;
    if (t.iptc)
        lines << u"-iptc:all="_s;
    if (t.icc)
        lines << u"-ICC_Profile:all="_s;
    if (t.xmp)
        lines << u"-xmp:all="_s;
    if (t.ifd0)
        lines << u"-CommonIFD0="_s;
    if (t.geoTiff)
        lines << u"-geotiff*="_s;
    if (t.adobeApp14)
        lines << u"-Adobe:All="_s;
    return lines + ExtraDeleteArguments(t);
}

// Orientation and colour profile stay where they were: the profile is excluded from the
// delete-all (or never deleted), and what goes with the Exif group (IFD0 Orientation,
// the colour-space tags of ExifIFD and InteropIFD) is copied back from the image itself.
// "@" makes ExifTool read each input of a command for its own output. The profile is not
// in that copy list, so its bytes are never rewritten. The orientation is the image's own
// IFD0 number: a bare "-Orientation" would take XMP's or a text chunk's too, moving it into
// Exif where more viewers obey it, and would copy the printed value, which for an
// orientation written as a number ("1" in a JP2 XML box) becomes another one.
QStringList keepArguments(const TagOptions &t)
{
    QStringList lines;
    if (t.keepColourProfile && t.all)
        lines << u"--ICC_Profile:all"_s; // the other cases treat the ICC box as clear
    const bool exifGoes = t.all || t.exif;
    if (!exifGoes || !(t.keepOrientation || t.keepColourProfile))
        return lines;
    // The copy makes ExifTool read every image once more, which costs more than the
    // cleaning itself for camera files; -e spares that read the Composite tags (the
    // outputs are the same byte for byte).
    lines << u"-e"_s << u"-tagsfromfile"_s << u"@"_s;
    if (t.keepOrientation)
        lines << u"-IFD0:Orientation#"_s;
    if (t.keepColourProfile)
        lines << u"-ExifIFD:ColorSpace"_s << u"-ExifIFD:Gamma"_s << u"-InteropIFD:InteropIndex"_s;
    return lines;
}

} // namespace

QStringList BuildTagArguments(const TagOptions &t)
{
    TagOptions removal = t;
    if (t.keepColourProfile)
        removal.icc = false;
    return removalArguments(removal) + keepArguments(t);
}

bool isUsableNameAffix(const QString &text)
{
    return !text.isEmpty() && !text.contains(u'/') && !text.contains(QChar(0));
}
