#!/usr/bin/env bash
# Builds the Debian source package and both binary packages (quillmark-cli, quillmark)
# from debian/ into dist/, in a clean copy of the checkout, and checks them with lintian.
#   tools/package.sh          the packages and lintian
#   tools/package.sh --check  then tools/package-test.sh: a second build compared byte
#                             for byte, and installs into a minimal Debian 12 root
# The copy holds what git tracks or would track (.gitignore), so build folders and dist/
# stay out and the checkout is not touched; commit or add new files to have them packaged.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" "${QUILLMARK_PACKAGE_PACKAGES[@]}"

# quillmark_build_packages OUTDIR [DPKG-BUILDPACKAGE OPTION...]: copies the tree to a
# fresh folder, builds the source and binary packages there (-b or -S: one of them) and
# moves the results to OUTDIR.
quillmark_build_packages() {
    local out=$1 version work tree
    shift
    version=$(dpkg-parsechangelog -S Version)
    # The same folder each time, so ccache (when installed) finds the last build's objects;
    # QUILLMARK_PACKAGE_DIR gives another (tools/package-test.sh builds elsewhere without it).
    work=${QUILLMARK_PACKAGE_DIR:-${TMPDIR:-/tmp}/quillmark-package}
    tree=$work/quillmark-$version
    rm -rf "$work"
    mkdir -p "$tree"
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
        tar --null -T - -cf - | tar -xf - -C "$tree"
    local path=$PATH
    [ -d /usr/lib/ccache ] && [ -z "${CCACHE_DISABLE-}" ] && path=/usr/lib/ccache:$PATH
    (cd "$tree" && PATH=$path dpkg-buildpackage -us -uc -j"$(nproc)" "$@" >"$work/build.log" 2>&1) || {
        tail -n 40 "$work/build.log" >&2
        echo "dpkg-buildpackage failed; the whole log: $work/build.log" >&2
        return 1
    }
    mkdir -p "$out"
    find "$work" -maxdepth 1 -type f -name "quillmark*_${version}*" -exec mv -t "$out" {} +
    rm -rf "$work"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    check=0
    [ "${1-}" = --check ] && check=1
    rm -rf dist
    quillmark_build_packages dist
    ls -1 dist
    # Every tag fails the build; the ones that stay are explained in debian/*.lintian-overrides.
    lintian --pedantic --display-info --fail-on error,warning,info,pedantic dist/*.changes
    echo "lintian: clean"
    if [ $check -eq 1 ]; then
        tools/package-test.sh
    fi
fi
