#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and starts the wizard.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMARK_BUILD_TESTS=OFF >/dev/null
cmake --build build --target quillmark quillmark-cli
exec ./build/src/app/quillmark "$@"
