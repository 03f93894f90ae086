#!/usr/bin/env bash
# Records what ExifTool writes for batches in the form ExifToolPool sends them (argument
# files of commands, each ended by a "{qmk-done N STATUS}" marker), so tst_batchoutcome
# can check the batch outcome against real output without running ExifTool.
#   tools/record-exiftool-output.sh            (writes tests/data/exiftool/*.txt)
# The work folder is written as @DIR@ in the recordings. Each case NAME gives
# NAME.args.txt (the argument file), NAME.stderr.txt and NAME.stdout.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/tests/data/exiftool
images=$PWD/tests/data/images
images2=$PWD/tests/data/images-2
command -v exiftool >/dev/null || { echo "ExifTool is not installed" >&2; exit 1; }
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A command: its argument lines, one an argument, then the end marker.
command_lines() { # sequence argument...
    local seq=$1
    shift
    printf '%s\n' "$@" -echo4 "{qmk-done $seq \${status}}" "-execute$seq"
}

prepare() { # name
    rm -rf "${work:?}/${1:?}"
    mkdir -p "$work/$1/in" "$work/$1/stage"
    dir=$work/$1
}

save() { # name
    for part in args stderr stdout; do
        sed "s|$dir|@DIR@|g" "$dir/$part.txt" >"$out/$1.$part.txt"
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
cp "$images2/gif_xmp_gps_comment.gif" "$dir/in/c.gif"
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
cp "$images2/gif_xmp_gps_comment.gif" "$dir/in/c.gif"
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
cp "$images2/gif_xmp_gps_comment.gif" "$dir/in/d.gif"
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

exiftool -ver >"$out/exiftool-version.txt"
echo "recorded into $out"
