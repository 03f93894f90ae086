#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format; `tools/check-format.sh --fix` rewrites
# the files that do not.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/quillmark-format.$$; then
    grep -m 20 'error:' /tmp/quillmark-format.$$ >&2 || true
    rm -f /tmp/quillmark-format.$$
    echo "tools/check-format.sh: these files do not follow .clang-format; tools/check-format.sh --fix formats them" >&2
    exit 1
fi
rm -f /tmp/quillmark-format.$$
echo "format: every C++ source follows .clang-format"
