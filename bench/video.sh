#!/usr/bin/env bash
# Times the video remux on two large videos: quillmark-cli with default options (a
# "_cleaned" copy beside the original, the output checked) and with --no-verify, against
# a plain copy (`cp`, and `cp --reflink=never`, which copies through user space where
# plain cp lets the kernel copy) and one plain ExifTool process (`exiftool -all= -o OUT IN`,
# which rewrites the container but keeps every track). Rounds alternate between the
# methods; prints min and median seconds, seconds per GB and the peak memory.
#   bench/video.sh                    (a 1 GB MOV and a 1 GB MP4, 3 rounds)
#   SIZE_MB=300 ROUNDS=5 bench/video.sh
#   VIDEOS=mov bench/video.sh         (one video only)
#   SYNC=1 bench/video.sh             (each time includes writing the output to disk)
# The MOV has its movie header after the samples, as cameras and ffmpeg write it; the MP4
# has it first, as ExifTool and tools for the web write it, which the remux keeps, so
# ffmpeg writes that one twice (its +faststart pass). The videos are made once and kept in
# $WORK/video; each run starts with the page cache dropped (as root) and the input read
# back into it, so the run writes, and reads what it wrote, as it would after a camera copy.
# Peak memory is the largest maximum resident set size of any one process of the run
# (GNU time), not their sum.
set -euo pipefail
cd "$(dirname "$0")/.."
SIZE_MB=${SIZE_MB:-1024}
ROUNDS=${ROUNDS:-3}
WORK=${WORK:-/tmp/quillmark-bench}
VIDEOS=${VIDEOS:-mov mp4}

. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" ffmpeg bc time
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMARK_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target quillmark-cli >/dev/null
cli=$PWD/build-bench/src/app/quillmark-cli

dir=$WORK/video
export TEMP=$WORK/tmp
mkdir -p "$dir" "$TEMP"

# A segment of 20 seconds, looped by stream copy up to the size: encoding a whole GB
# would take minutes. Tagged as tests/videotestutil.h tags its samples. ExifTool writes
# the movie header first, so the MOV's segment is tagged before the loop, which ffmpeg
# writes with the header last and the tags kept in Keys (GPS, make, model, author).
tag() { # video
    exiftool -config '' -q -m -overwrite_original \
        '-Keys:GPSCoordinates=48.8582, 2.2945, 35' '-UserData:GPSCoordinates=48.8582, 2.2945, 35' \
        '-Keys:Author=Jane Roe' '-UserData:Author=Jane Roe' -Keys:Make=Apple -UserData:Make=Apple \
        '-Keys:Model=iPhone 14' '-UserData:Model=iPhone 14' -Keys:Software=17.4.1 \
        '-Keys:CreationDate=2024:05:01 10:00:00+02:00' '-QuickTime:CreateDate=2024:05:01 08:00:00' \
        '-QuickTime:TrackCreateDate=2024:05:01 08:00:00' '-QuickTime:MediaCreateDate=2024:05:01 08:00:00' \
        '-XMP:Creator=Jane Roe' "$1"
}

make_video() { # ext
    local ext=$1 video=$dir/sample-${SIZE_MB}MB.$1
    if [ -f "$video" ]; then
        return
    fi
    local seg=$dir/segment.$ext codec=(-c:v mjpeg -q:v 2 -pix_fmt yuvj420p) flags=(-movflags use_metadata_tags)
    if [ "$ext" = mp4 ]; then
        codec=(-c:v libx264 -preset ultrafast -qp 0 -pix_fmt yuv420p)
        flags=(-movflags +faststart)
    fi
    ffmpeg -v error -y -f lavfi -i testsrc2=size=1920x1080:rate=30:duration=20 \
        -f lavfi -i sine=frequency=440:duration=20 "${codec[@]}" -c:a aac -b:a 128k "$seg"
    if [ "$ext" = mov ]; then tag "$seg"; fi
    local loops=$(( (SIZE_MB * 1048576 + $(stat -c %s "$seg") / 2) / $(stat -c %s "$seg") - 1 ))
    ffmpeg -v error -y -stream_loop "$loops" -i "$seg" -map 0 -c copy "${flags[@]}" "$video.tmp.$ext"
    rm -f "$seg"
    if [ "$ext" = mp4 ]; then tag "$video.tmp.$ext"; fi
    mv "$video.tmp.$ext" "$video"
}

settle() { # input
    rm -rf "$dir/out"
    rm -f "$dir"/*_cleaned.*
    sync
    if [ -w /proc/sys/vm/drop_caches ]; then
        echo 3 >/proc/sys/vm/drop_caches
    fi
    cat "$1" >/dev/null
}

measure() { # command... -> "seconds max_rss_kb"
    # quillmark-cli ends with 1 when it reports a file; its times count all the same.
    local t
    t=$(mktemp)
    if [ -n "${SYNC:-}" ]; then
        # shellcheck disable=SC2016 # the inner shell expands them
        set -- sh -c '"$@"; s=$?; sync; exit $s' sh "$@"
    fi
    /usr/bin/time -f '%e %M' -o "$t" "$@" >/dev/null 2>&1 || echo "bench/video.sh: ended with a failure: $*" >&2
    tail -n 1 "$t"
    rm -f "$t"
}

stats() { # values... -> "min median"
    printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2; printf "%.2f %.2f", v[1], m}'
}

methods=(cp cp-noreflink quillmark quillmark-noverify exiftool)
printf '| video | GB | method | min / median s | s per GB min / median | peak RSS MB |\n'
printf '|---|---|---|---|---|---|\n'
for ext in $VIDEOS; do
    make_video "$ext"
    in=$dir/sample-${SIZE_MB}MB.$ext
    gb=$(echo "$(stat -c %s "$in") / 1000000000" | bc -l)
    declare -A times=() rss=()
    for ((round = 1; round <= ROUNDS; round++)); do
        for method in "${methods[@]}"; do
            settle "$in"
            mkdir -p "$dir/out"
            case $method in
                cp) r=$(measure cp "$in" "$dir/out/") ;;
                cp-noreflink) r=$(measure cp --reflink=never "$in" "$dir/out/") ;;
                quillmark) r=$(measure "$cli" "$in") ;;
                quillmark-noverify) r=$(measure "$cli" --no-verify "$in") ;;
                exiftool) r=$(measure exiftool -config '' -m -all= -o "$dir/out/" "$in") ;;
            esac
            read -r s kb <<<"$r"
            times[$method]="${times[$method]:-} $s"
            if [ "$kb" -gt "${rss[$method]:-0}" ]; then rss[$method]=$kb; fi
        done
    done
    settle "$in"
    for method in "${methods[@]}"; do
        # shellcheck disable=SC2086
        read -r m_min m_med <<<"$(stats ${times[$method]})"
        printf '| %s | %.2f | %s | %s / %s | %.2f / %.2f | %d |\n' "$ext" "$gb" "$method" "$m_min" "$m_med" \
            "$(echo "$m_min / $gb" | bc -l)" "$(echo "$m_med / $gb" | bc -l)" "$((rss[$method] / 1024))"
    done
    unset times rss
done
rm -rf "$dir/out"
