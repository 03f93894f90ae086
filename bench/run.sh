#!/usr/bin/env bash
# Compares quillmark-cli (default options: everything removed, "_cleaned" copies beside
# the originals, every output checked) with one plain ExifTool process over the same
# folder, on camera-sized and on small JPEGs, and with two references: `jhead -purejpg`
# on a copy of the folder (the copy is not timed) and two `cp` processes, half the files
# each (the floor: copying the bytes). Rounds alternate between the methods; prints min
# and median seconds and each method's ratio to ExifTool.
#   bench/run.sh                      (1000 camera JPEGs, 10000 small ones, 3 rounds)
#   N_BIG=200 N_SMALL=2000 ROUNDS=5 JOBS=2 bench/run.sh
#   QM_ARGS="--no-verify --keep none" bench/run.sh   (quillmark-cli without its check and copy-back)
#   QM_ARGS="--engine exiftool" bench/run.sh          (every file by ExifTool, as before the native writer)
#   CORPORA=small bench/run.sh        (one corpus only)
set -euo pipefail
cd "$(dirname "$0")/.."
N_BIG=${N_BIG:-1000}
N_SMALL=${N_SMALL:-10000}
ROUNDS=${ROUNDS:-3}
WORK=${WORK:-/tmp/quillmark-bench}
JOBS=${JOBS:-$(nproc)}

. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" imagemagick bc jhead
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMARK_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target quillmark-cli >/dev/null
cli=$PWD/build-bench/src/app/quillmark-cli
bench/make_corpus.sh "$WORK" "$N_BIG" "$N_SMALL" >/dev/null

export TEMP=$WORK/tmp
mkdir -p "$TEMP"
if [ -e "$WORK/spent" ] || [ -e "$WORK/out" ] || [ -e "$WORK/copy" ] || [ -n "$(find "$WORK/big" "$WORK/small" -maxdepth 1 -name '*_cleaned.jpg' -print -quit)" ]; then
    rm -rf "$WORK/spent" "$WORK/out" "$WORK/copy"
    find "$WORK/big" "$WORK/small" -maxdepth 1 -name '*_cleaned.jpg' -delete
    sync
    sleep 400 # deletions weigh on file creation for minutes (see settle)
fi
# Every run's outputs stay until the end (see settle): about 5 x ROUNDS copies of each corpus.
need_kb=$(( (N_BIG * 3800 + N_SMALL * 45) * 5 * ROUNDS ))
free_kb=$(df -Pk "$WORK" | awk 'NR == 2 {print $4}')
if [ "$free_kb" -lt "$need_kb" ]; then
    echo "bench/run.sh: needs about $((need_kb / 1048576)) GB free in $WORK for the outputs; give fewer ROUNDS or images" >&2
    exit 1
fi

seconds() { # command...
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

# Every run starts from the same state. Its outputs are moved aside, not deleted: on this
# machine's ext4 (no journal) a file created within minutes of many deletions makes the
# kernel skip each recently freed inode whose table block is cached, which doubled the
# plain ExifTool run's system time depending on what the run before it had deleted. The
# kept outputs are then written out and dropped from the page cache (as root), so they do
# not crowd memory either, and the inputs are read back into the cache.
settle() { # input folder
    sync
    if [ -w /proc/sys/vm/drop_caches ]; then
        echo 3 >/proc/sys/vm/drop_caches
    fi
    cat "$1"/*.jpg >/dev/null
}

stats() { # values... -> "min median"
    printf '%s\n' "$@" | sort -n | awk '{v[NR]=$1} END {m = (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2; printf "%.2f %.2f", v[1], m}'
}

methods=(exiftool quillmark jhead cp2)
printf '| corpus | images | method | min / median s | ratio to ExifTool min / median |\n'
printf '|---|---|---|---|---|\n'
for corpus in ${CORPORA:-big small}; do
    in=$WORK/$corpus
    count=$(find "$in" -maxdepth 1 -name '*.jpg' | wc -l)
    declare -A times=()
    for ((round = 1; round <= ROUNDS; round++)); do
        for method in "${methods[@]}"; do
            # The outputs of the run before are moved aside, untimed (see settle).
            spent=$WORK/spent/$corpus-$round-$method
            mkdir -p "$spent"
            for old in out copy; do
                if [ -d "$WORK/$old" ]; then mv "$WORK/$old" "$spent/$old"; fi
            done
            find "$in" -maxdepth 1 -name '*_cleaned.jpg' -exec mv -t "$spent" {} +
            if [ "$method" = jhead ]; then
                cp -r "$in" "$WORK/copy" # jhead rewrites in place: it gets a copy, untimed
            fi
            settle "$in"
            case $method in
                exiftool) t=$(seconds exiftool -config '' -m -P -all= -CommonIFD0= -geotiff*= -o "$WORK/out/" "$in") ;;
                # shellcheck disable=SC2086
                quillmark) t=$(seconds "$cli" --jobs "$JOBS" ${QM_ARGS:-} "$in") ;;
                jhead) t=$(seconds sh -c 'jhead -purejpg "$1"/*.jpg' sh "$WORK/copy") ;;
                cp2) t=$(seconds sh -c 'mkdir -p "$2"; ls "$1"/*.jpg | awk "NR % 2" | xargs cp -t "$2" &
                    ls "$1"/*.jpg | awk "NR % 2 == 0" | xargs cp -t "$2"; wait' sh "$in" "$WORK/out") ;;
            esac
            times[$method]="${times[$method]:-} $t"
        done
    done
    mkdir -p "$WORK/spent/$corpus-last"
    for old in out copy; do
        if [ -d "$WORK/$old" ]; then mv "$WORK/$old" "$WORK/spent/$corpus-last/$old"; fi
    done
    find "$in" -maxdepth 1 -name '*_cleaned.jpg' -exec mv -t "$WORK/spent/$corpus-last" {} +
    # shellcheck disable=SC2086
    read -r et_min et_med <<<"$(stats ${times[exiftool]})"
    for method in "${methods[@]}"; do
        # shellcheck disable=SC2086
        read -r m_min m_med <<<"$(stats ${times[$method]})"
        printf '| %s | %d | %s | %s / %s | %.2f / %.2f |\n' "$corpus" "$count" "$method" "$m_min" "$m_med" \
            "$(echo "$m_min / $et_min" | bc -l)" "$(echo "$m_med / $et_med" | bc -l)"
    done
    unset times
done
rm -rf "$WORK/spent"
