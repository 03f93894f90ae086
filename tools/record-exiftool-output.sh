#!/usr/bin/env bash
# Records what the installed ExifTool prints for a few sample images, for the parser tests
# (tests/tst_exiftooloutput.cpp) and the batch outcome (tests/tst_batchoutcome.cpp), into
# tests/data/exiftool. Run it after an ExifTool update and look at what changed: the tests
# say what a person expects to find in it.
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
# Batches as ExifToolPool sends them: argument files of commands, each ended by a
# "{qmk-done N STATUS}" marker, read by a "-stay_open" process. The batch's folder is
# written as @DIR@ in the recordings; each case NAME gives batch-NAME.args.txt (the
# argument file), batch-NAME.stderr.txt and batch-NAME.stdout.txt.
# A command: its argument lines, one an argument, then the end marker.
command_lines() { # sequence argument...
    local seq=$1
    shift
    printf '%s\n' "$@" -echo4 "{qmk-done $seq \${status}}" "-execute$seq"
}

prepare() { # name
    rm -rf "${work:?}/batch-${1:?}"
    mkdir -p "$work/batch-$1/in" "$work/batch-$1/stage"
    dir=$work/batch-$1
}

save() { # name
    for part in args stderr stdout; do
        sed "s|$dir|@DIR@|g" "$dir/$part.txt" >"$out/batch-$1.$part.txt"
    done
}

# The way the pool runs a batch: one "-stay_open" process reading "-@ FILE" from its input.
run_batch() { # name
    printf -- '-@\n%s\n-stay_open\nFalse\n' "$dir/args.txt" \
        | (cd "$dir" && exiftool -config '' -stay_open True -@ - >stdout.txt 2>stderr.txt) || true
    save "$1"
}

# A clean batch: a group of three images sharing "-o FOLDER/", and one command of its own.
prepare clean
cp "$images/png_exif_gps_xmp.png" "$dir/in/a.png"
cp "$images/jpeg_canon_eos5d3_gps_xmp_makernotes.jpg" "$dir/in/b.jpg"
cp "$root/tests/data/images-2/gif_xmp_gps_comment.gif" "$dir/in/c.gif"
cp "$images/cr2_canon_350d.cr2" "$dir/in/d.cr2"
mkdir -p "$dir/stage/3"
{
    command_lines 1 -all= -P -o "$dir/stage/" "$dir/in/a.png" "$dir/in/b.jpg" "$dir/in/c.gif"
    command_lines 2 -all= -CommonIFD0= -P "$dir/in/d.cr2" -o "$dir/stage/3/"
} >"$dir/args.txt"
run_batch clean

# Warnings with -m: ExifTool says that it removed the colour profile; nothing is refused.
prepare warning
cp "$images/webp_exif_xmp_icc_gps.webp" "$dir/in/a.webp"
cp "$images/tiff_iptc_icc_xmp_photoshop.tif" "$dir/in/b.tif"
cp "$images/png_exif_gps_xmp.png" "$dir/in/c.png"
mkdir -p "$dir/stage/2"
{
    command_lines 7 -all= -m -P -o "$dir/stage/" "$dir/in/a.webp" "$dir/in/b.tif"
    command_lines 8 -all= -m -P "$dir/in/c.png" -o "$dir/stage/2/"
} >"$dir/args.txt"
run_batch warning

# Refused images: a JPEG cut short inside its Exif segment among good ones, a broken RAF
# file, and an output that is already there.
prepare refused
cp "$images/png_exif_gps_xmp.png" "$dir/in/a.png"
cp "$images/jpeg_truncated_in_app1.jpg" "$dir/in/b.jpg"
cp "$root/tests/data/images-2/gif_xmp_gps_comment.gif" "$dir/in/c.gif"
cp "$images/raf_broken_poc.raf" "$dir/in/d.raf"
cp "$images/png_rawprofile_exif_iptc_icc.png" "$dir/in/e.png"
mkdir -p "$dir/stage/3" "$dir/stage/4"
cp "$images/png_rawprofile_exif_iptc_icc.png" "$dir/stage/4/e.png"
{
    command_lines 1 -all= -m -P -o "$dir/stage/" "$dir/in/a.png" "$dir/in/b.jpg" "$dir/in/c.gif"
    command_lines 2 -all= -m -P "$dir/in/d.raf" -o "$dir/stage/3/"
    command_lines 3 -all= -m -P "$dir/in/e.png" -o "$dir/stage/4/"
} >"$dir/args.txt"
run_batch refused

# A process killed mid-batch: the second command's group holds a named pipe, on which
# ExifTool waits after writing the image before it; it is killed once the first command's
# marker and that image are there. The image after the pipe was never begun.
prepare killed
cp "$images/png_exif_gps_xmp.png" "$dir/in/a.png"
cp "$images/jpeg_canon_eos5d3_gps_xmp_makernotes.jpg" "$dir/in/b.jpg"
mkfifo "$dir/in/c.jpg"
cp "$root/tests/data/images-2/gif_xmp_gps_comment.gif" "$dir/in/d.gif"
mkdir -p "$dir/stage/0"
{
    command_lines 1 -all= -m -P "$dir/in/a.png" -o "$dir/stage/0/"
    command_lines 2 -all= -m -P -o "$dir/stage/" "$dir/in/b.jpg" "$dir/in/c.jpg" "$dir/in/d.gif"
} >"$dir/args.txt"
mkfifo "$dir/input"
(cd "$dir" && exec exiftool -config '' -stay_open True -@ - <input >stdout.txt 2>stderr.txt) &
pid=$!
exec 3>"$dir/input"
printf -- '-@\n%s\n' "$dir/args.txt" >&3
for _ in $(seq 600); do
    if grep -q 'qmk-done 1 ' "$dir/stderr.txt" 2>/dev/null && [ -s "$dir/stage/b.jpg" ]; then
        break
    fi
    sleep 0.05
done
sleep 0.5 # ExifTool finishes b.jpg and opens the pipe
kill -KILL "$pid"
wait "$pid" 2>/dev/null || true
exec 3>&-
save killed

# A batch taken back after a stop request: its argument file was replaced by one that only
# says each command was skipped (see ExifToolPool::requestStop).
prepare skipped
printf '%s\n' -echo4 '{qmk-done 5 skipped}' -execute5 -echo4 '{qmk-done 6 skipped}' -execute6 >"$dir/args.txt"
run_batch skipped

echo "Recorded with ExifTool $version into $out"
