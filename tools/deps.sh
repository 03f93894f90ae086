#!/usr/bin/env bash
# Installs the Debian 12 packages Quillmark needs for building, running and testing,
# but only those that are missing. Sourced by run.sh and test.sh.
set -euo pipefail

quillmark_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# ffmpeg: remuxes videos (without it they are left out).
QUILLMARK_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev scdoc
                          qt6-qpa-plugins libimage-exiftool-perl ffmpeg
                          qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools)
# qt6-translations-l10n: Qt's own words (standard buttons, --help headings) in each language.
# libraw-bin: dcraw_emu, which tells whether a cleaned raw file still decodes.
# imagemagick, webp: decoders that share no code with Qt, for tst_nativewriter's pixel
# comparison; with libjpeg-turbo-progs they also build tests/data/native.
# fonts-wqy-microhei: Chinese and Japanese glyphs, so the layout tests measure real text in those languages.
QUILLMARK_TEST_PACKAGES=(xvfb xauth openbox desktop-file-utils appstream bash-completion dpkg-dev file zsh
                         qt6-translations-l10n clang-format libraw-bin imagemagick webp libjpeg-turbo-progs fonts-wqy-microhei)
QUILLMARK_PACKAGE_PACKAGES=(debhelper dpkg-dev file lintian)
# tools/package-test.sh: the minimal Debian root the packages are installed into.
QUILLMARK_PACKAGE_TEST_PACKAGES=(mmdebstrap)
