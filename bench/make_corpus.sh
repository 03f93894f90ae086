#!/usr/bin/env bash
# Builds the two benchmark corpora: camera-sized and small JPEGs that carry Exif with
# maker notes, GPS, an Exif thumbnail, XMP, IPTC (Photoshop APP13), an ICC profile and
# a comment. Pictures are plasma fractals with a little noise, so they compress like
# a camera's files.
#   make_corpus.sh DIR [N_BIG] [N_SMALL]
set -euo pipefail
dir=$1
n_big=${2:-1000}
n_small=${3:-10000}
here=$(cd "$(dirname "$0")" && pwd)
donor=$here/../tests/data/images/jpeg_canon_eos5d3_gps_xmp_makernotes.jpg
mkdir -p "$dir/master"
cd "$dir/master"

if [ ! -f master_big.jpg ] || [ ! -f master_small.jpg ]; then
    convert -size 4000x3000 -seed 7 plasma:fractal -attenuate 0.3 +noise Gaussian \
        -quality 92 -sampling-factor 2x1 base_big.jpg
    convert -size 640x480 -seed 7 plasma:fractal -attenuate 0.15 +noise Gaussian -quality 75 base_small.jpg
    convert -size 160x120 -seed 7 plasma:fractal -quality 75 thumb.jpg
    icc=()
    for c in /usr/share/color/icc/ghostscript/srgb.icc /usr/share/color/icc/sRGB.icc \
             /usr/share/color/icc/ghostscript/a98.icc; do
        if [ -f "$c" ]; then icc=("-ICC_Profile<=$c"); break; fi
    done
    for size in big small; do
        rm -f "master_$size.jpg"
        if [ -f "$donor" ]; then
            exiftool -q -m -o "master_$size.jpg" -tagsFromFile "$donor" -exif:all -makernotes:all \
                --exif:ImageWidth --exif:ImageHeight --ExifImageWidth --ExifImageHeight "base_$size.jpg"
        else
            exiftool -q -m -o "master_$size.jpg" -Make=Canon -Model="Canon EOS 5D Mark III" \
                -DateTimeOriginal="2024:06:01 12:34:56" "base_$size.jpg"
        fi
        exiftool -q -m -overwrite_original \
            -GPSLatitude=48.858370 -GPSLatitudeRef=N -GPSLongitude=2.294481 -GPSLongitudeRef=E \
            -GPSAltitude=35.2 -GPSDateStamp=2024:06:01 -GPSTimeStamp=12:34:56 \
            -Artist="Jane Photographer" -Copyright="(c) 2024 Jane Photographer" -SerialNumber=123456789 \
            '-ThumbnailImage<=thumb.jpg' "${icc[@]}" \
            -XMP-dc:Subject=bird -XMP-dc:Subject=tree -XMP-dc:Creator="Jane Photographer" \
            -XMP-photoshop:City=Paris -XMP-xmp:Rating=4 \
            -IPTC:Keywords=bird -IPTC:Keywords=tree -IPTC:By-line="Jane Photographer" -IPTC:City=Paris \
            -Comment="Shot with a real camera" "master_$size.jpg"
    done
fi

copies() { # master folder prefix count
    local master=$1 folder=$2 prefix=$3 count=$4
    if [ -d "$folder" ] && [ "$(find "$folder" -maxdepth 1 -name '*.jpg' | wc -l)" -eq "$count" ]; then
        return
    fi
    rm -rf "$folder"
    mkdir -p "$folder"
    local i
    for ((i = 1; i <= count; i++)); do
        cp "$master" "$(printf '%s/%s_%05d.jpg' "$folder" "$prefix" "$i")"
    done
}
copies master_big.jpg "$dir/big" IMG "$n_big"
copies master_small.jpg "$dir/small" DSC "$n_small"
ls -l master_big.jpg master_small.jpg
