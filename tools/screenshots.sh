#!/usr/bin/env bash
# Pictures of the wizard's eight pages and of a balloon tip, at scale factors 1 and 1.5,
# taken from a real window under Xvfb. Usage: tools/screenshots.sh [OUTDIR]
# (default screenshots/, which git ignores). Builds what it needs in build-screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" "${QUILLMARK_TEST_PACKAGES[@]}"

out="${1:-screenshots}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
build=build-screenshots
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target tst_gui_layout >/dev/null

for scale in 1 1.5; do
    dir="$out/scale-$scale"
    rm -rf "$dir"
    QUILLMARK_SCREENSHOT_DIR="$dir" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" LC_ALL=C.UTF-8 \
        xvfb-run -a -s '-screen 0 1600x1200x24' \
        "$build/tests/tst_gui_layout" everyPage pagesOfARun balloonTip >"$out/scale-$scale.log" 2>&1 \
        || { cat "$out/scale-$scale.log"; exit 1; }
done
find "$out" -name '*.png' | sort
