#!/usr/bin/env bash
# Pictures of the wizard's eight pages and of a balloon tip, at scale factors 1 and 1.5,
# taken from a real window under Xvfb. Usage: tools/screenshots.sh [OUTDIR [LOCALE...]]
# (default screenshots/, which git ignores; LOCALE such as de_DE.UTF-8 shows the window in
# that language, one folder per locale; default English). Builds what it needs in
# build-screenshots/ (or $QUILLMARK_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" "${QUILLMARK_TEST_PACKAGES[@]}"

out="${1:-screenshots}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
shift || true
build="${QUILLMARK_BUILD_DIR:-build-screenshots}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tst_gui_layout >/dev/null

for locale in "${@:-C.UTF-8}"; do
    base="$out"
    [ "$locale" = C.UTF-8 ] || base="$out/${locale%%.*}"
    for scale in 1 1.5; do
        dir="$base/scale-$scale"
        rm -rf "$dir"
        mkdir -p "$base"
        QUILLMARK_SCREENSHOT_DIR="$dir" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" LC_ALL="$locale" \
            xvfb-run -a -s '-screen 0 1600x1200x24' \
            "$build/tests/tst_gui_layout" everyPage pagesOfARun balloonTip >"$base/scale-$scale.log" 2>&1 \
            || { cat "$base/scale-$scale.log"; exit 1; }
    done
done
find "$out" -name '*.png' | sort
