#!/usr/bin/env bash
# Installs what is missing, builds Quillmark with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" "${QUILLMARK_TEST_PACKAGES[@]}"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLMARK_WERROR=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" "$@"
