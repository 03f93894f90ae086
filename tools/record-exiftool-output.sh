#!/bin/sh
# Records what the installed ExifTool prints for a few sample images, for the parser tests
# (tests/tst_exiftooloutput.cpp), into tests/data/exiftool. Run it after an ExifTool
# update and look at what changed: the tests say what a person expects to find in it.
#
# The commands are the program's own: the viewer's listing (CleanWizardAccess.cpp), the
# verifier's read-back and serial read (ResidueClassifier.cpp), and the clean-all tag
# lines (TagOptions.cpp) for the cleaned outputs. Files are named relative to a scratch
# folder, so no path of this machine ends up in a recording.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
images="$root/tests/data/images"
out="$root/tests/data/exiftool"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

et() { exiftool -config '' "$@"; }

for f in jpeg_canon_eos5d3_gps_xmp_makernotes.jpg jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg \
    png_exif_gps_xmp.png cr2_canon_350d.cr2; do
    cp "$images/$f" "$work/"
done
cp "$root/tests/data/images-2/tiff_ifd0_serial_host_gps.tif" "$work/"
cd "$work"

# Clean all, as a run does it; the raw file also gets the named deletions.
clean='-all= -CommonIFD0= -geotiff*='
raw='-SerialNumber= -InternalSerialNumber= -LensSerialNumber= -OwnerName= -ImageUniqueID= -DateTimeOriginal= -CreateDate= -ModifyDate='
mkdir clean
# shellcheck disable=SC2086 # the tag lines are words
et -q -m $clean -o clean/ jpeg_canon_eos5d3_gps_xmp_makernotes.jpg png_exif_gps_xmp.png
# shellcheck disable=SC2086
et -q -m $clean $raw -o clean/ cr2_canon_350d.cr2

mkdir -p "$out"
version=$(et -ver)
printf 'ExifTool %s\n' "$version" > "$out/VERSION"

# The viewer: a camera JPEG before and after.
et -a -u -G1 -s jpeg_canon_eos5d3_gps_xmp_makernotes.jpg > "$out/listing-jpeg-camera.txt"
et -a -u -G1 -s clean/jpeg_canon_eos5d3_gps_xmp_makernotes.jpg > "$out/listing-jpeg-camera-cleaned.txt"

# The verifier: originals with everything a classifier should find (GPS, text chunks,
# an IFD0 serial and host, values that are not clean UTF-8 text), one file per command.
rb='-j -a -G1 -ee -u'
# shellcheck disable=SC2086
et $rb jpeg_canon_eos5d3_gps_xmp_makernotes.jpg > "$out/readback-jpeg-camera.json"
# shellcheck disable=SC2086
et $rb jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg > "$out/readback-jpeg-odd-values.json"
# shellcheck disable=SC2086
et $rb png_exif_gps_xmp.png > "$out/readback-png-text.json"
# shellcheck disable=SC2086
et $rb tiff_ifd0_serial_host_gps.tif > "$out/readback-tiff.json"
# A batch of cleaned outputs in one command, as the verifier reads them, and the serial
# numbers of their originals.
# shellcheck disable=SC2086
et $rb clean/jpeg_canon_eos5d3_gps_xmp_makernotes.jpg clean/png_exif_gps_xmp.png clean/cr2_canon_350d.cr2 \
    > "$out/readback-cleaned-batch.json"
# An output that is no image at all (a run cut off before the disk had it) beside a good one.
: > clean/empty.jpg
# shellcheck disable=SC2086
et $rb clean/png_exif_gps_xmp.png clean/empty.jpg > "$out/readback-damaged-batch.json" || true
et -j -a -G1 -u -n '-*Serial*' jpeg_canon_eos5d3_gps_xmp_makernotes.jpg png_exif_gps_xmp.png cr2_canon_350d.cr2 \
    > "$out/serials-originals.json"

# Dates of the scratch files change on every run; they say nothing to the tests.
for f in "$out"/*.json "$out"/*.txt; do
    sed -i -E 's/("System:File(Modify|Access|InodeChange)Date": )"[^"]*"/\1"2000:01:01 00:00:00+00:00"/;
        s/^(\[System\] +File(Modify|Access|InodeChange)Date +: ).*/\12000:01:01 00:00:00+00:00/' "$f"
done
echo "Recorded with ExifTool $version into $out"
