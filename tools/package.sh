#!/usr/bin/env bash
# Builds the Debian package dist/quillmark_VERSION_ARCH.deb (Release build, stripped
# binaries, Debian's hardening flags) and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
quillmark_install_missing "${QUILLMARK_BUILD_PACKAGES[@]}" "${QUILLMARK_PACKAGE_PACKAGES[@]}"

# The flags dpkg-buildpackage would give with every hardening feature (bindnow too);
# CMake reads no CPPFLAGS, so they join CXXFLAGS, and Debian's -O2 stays instead of
# CMake's Release -O3.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
build=build-package
# CPack strips with CMAKE_STRIP; this one also drops the sections dh_strip drops.
mkdir -p "$build"
printf '#!/bin/sh\nexec strip --remove-section=.comment --remove-section=.note "$@"\n' >"$build/strip"
chmod +x "$build/strip"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLMARK_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_STRIP="$PWD/$build/strip" >/dev/null
cmake --build "$build"

mkdir -p dist
rm -f dist/quillmark_*.deb
(cd "$build" && cpack -G DEB -B "$PWD/../dist/cpack" >/dev/null)
mv dist/cpack/quillmark_*.deb dist/
rm -rf dist/cpack
deb=$(ls dist/quillmark_*.deb)
echo "$deb"
# lintian fails on errors; its warnings are shown.
lintian --info --display-info "$deb"
