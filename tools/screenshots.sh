#!/usr/bin/env bash
# Pictures of the wizard's eight pages, a balloon tip, the metadata viewer's comparison, the
# small window of the file managers' "Remove metadata" and a run with a video (made with ffmpeg),
# in a light and a dark palette at scale factors 1 and 2, taken from real windows under
# Xvfb with the openbox window manager running.
# Usage: tools/screenshots.sh [OUTDIR [LOCALE...]]
#        tools/screenshots.sh --appstream   (renews the AppStream pictures in packaging/screenshots)
# (default screenshots/, which git ignores; LOCALE such as de_DE.UTF-8 shows the window in
# that language, one folder per locale; default English). Builds what it needs in
# build-screenshots/ (or $QUILLMARK_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" "${QUILLMARK_TEST_PACKAGES[@]}"

appstream=
if [ "${1:-}" = --appstream ]; then
    appstream=packaging/screenshots
    set -- "$(mktemp -d)" C.UTF-8
fi
out="${1:-screenshots}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
shift || true
build="${QUILLMARK_BUILD_DIR:-build-screenshots}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tst_gui_layout tst_gui_viewer tst_gui_quickclean tst_gui_videos >/dev/null

# One X session per picture set: openbox frames the windows as a desktop would. (Not an
# exported shell function: xvfb-run starts its command through sh, which drops those.)
session() { # command...
    xvfb-run -a -s '-screen 0 1920x1440x24' bash -c \
        'openbox --sm-disable & wm=$!; sleep 1; "$@"; status=$?; kill "$wm" 2>/dev/null; exit $status' _ "$@"
}

for locale in "${@:-C.UTF-8}"; do
    base="$out"
    [ "$locale" = C.UTF-8 ] || base="$out/${locale%%.*}"
    mkdir -p "$base"
    for palette in light dark; do
        for scale in 1 2; do
            dir="$base/$palette-scale-$scale"
            rm -rf "$dir"
            log="$base/$palette-scale-$scale.log"
            export QUILLMARK_SCREENSHOT_DIR="$dir" QUILLMARK_PALETTE="$palette" QT_QPA_PLATFORM=xcb \
                QT_SCALE_FACTOR="$scale" LC_ALL="$locale"
            { session "$build/tests/tst_gui_layout" pages \
                && session "$build/tests/tst_gui_viewer" compareWindow \
                && session "$build/tests/tst_gui_quickclean" outcome \
                && session "$build/tests/tst_gui_videos" waysIn videoBeforeCleaning videoAndImageFromFolder; } >"$log" 2>&1 || { cat "$log"; exit 1; }
        done
    done
done
find "$out" -name '*.png' | sort
if [ -n "$appstream" ]; then
    # The light palette at scale 2, sharp on the high-resolution screens software centres show
    # them on; the names are the ones the metainfo file gives.
    mkdir -p "$appstream"
    for pair in page2:images page6:ready page8:finished viewer-compare:viewer; do
        cp "$out/light-scale-2/${pair%%:*}.png" "$appstream/${pair##*:}.png"
    done
    rm -rf "$out"
    ls "$appstream"
fi
