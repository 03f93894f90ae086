#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds Quillmark with warnings as errors
# and runs every test;
# then builds it once more with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# unit tests there, and the native writer's test (it parses untrusted files). `tools/test.sh -L fast` runs only the quick tests (no sanitizer pass).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" "${QUILLMARK_TEST_PACKAGES[@]}"
tools/check-format.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_WERROR=ON >/dev/null
cmake --build build-test -j"$(nproc)"
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@")
[ $# -eq 0 ] || exit 0

echo "== unit tests and tst_nativewriter under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_WERROR=ON -DQUILLMARK_SANITIZE=ON \
    -DQUILLMARK_BUILD_MANPAGES=OFF >/dev/null
units="$(cd build-test && ctest -N -L unit | sed -n 's/^ *Test *#[0-9]*: //p') tst_nativewriter"
# shellcheck disable=SC2086
cmake --build build-asan -j"$(nproc)" --target $units
cd build-asan
# Qt's own libraries are not built with the sanitizers; what they keep until exit is no leak of ours.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" -L unit
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R '^tst_nativewriter$'
