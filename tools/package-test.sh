#!/usr/bin/env bash
# Package tests: they need root, the Debian mirror and some minutes, so ctest does not run
# them (tools/package.sh --check does). Against the packages in dist/ (built first when
# missing):
#  1. a second binary build (-b) and a source build (-S), each in a clean copy;
#  2. reproducibility: the second build's .deb files equal dist/'s byte for byte;
#  3. quillmark-cli alone in a minimal Debian 12 root: what it pulls in, no graphics stack,
#     and debian/tests/clean-sample cleans samples there;
#  4. both packages installed, purged and autoremoved leave none of their files behind.
# The minimal root is made once by mmdebstrap and kept in ~/.cache/quillmark-package/
# (delete it to start from a newer one), with the .deb files apt downloads.
#   tools/package-test.sh [rebuild] [root]   only these parts (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/package.sh
quillmark_install_missing "${QUILLMARK_PACKAGE_TEST_PACKAGES[@]}"
[ "$(id -u)" -eq 0 ] || { echo "tools/package-test.sh needs root (chroot, mount)" >&2; exit 2; }
ls dist/*.changes >/dev/null 2>&1 || tools/package.sh

version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
work=$(mktemp -d "${TMPDIR:-/tmp}/quillmark-package-test.XXXXXX")
root=
cleanup() {
    [ -n "$root" ] && umount_root
    rm -rf "$work"
}
trap cleanup EXIT

parts=" ${*:-rebuild root} "
if [[ $parts == *" rebuild "* ]]; then
    echo "== 1, 2. Second build: binary and source, each from a clean copy"
    # Elsewhere than the first build and without ccache, so each compiler output is new.
    QUILLMARK_PACKAGE_DIR=$work/tree CCACHE_DISABLE=1 quillmark_build_packages "$work/again" -b
    QUILLMARK_PACKAGE_DIR=$work/tree quillmark_build_packages "$work/source" -S
    differ=0
    for deb in dist/*.deb dist/*.ddeb "$work/source/quillmark_$version.dsc" "$work/source/quillmark_$version.tar.xz"; do
        [ -e "$deb" ] || continue
        name=$(basename "$deb")
        other=$work/again/$name
        [[ $deb == "$work/source/"* ]] && other=dist/$name
        if cmp -s "$deb" "$other"; then
            echo "same: $name"
            continue
        fi
        differ=1
        echo "DIFFERENT: $name" >&2
        if [[ $name == *deb ]]; then
            diff <(ar t "$deb") <(ar t "$other") >&2 || true
            diff <(dpkg-deb -I "$deb") <(dpkg-deb -I "$other") >&2 || true
            diff <(dpkg-deb -c "$deb") <(dpkg-deb -c "$other") >&2 || true
        fi
    done
    [ $differ -eq 0 ] || { echo "the packages are not reproducible (or the checkout changed since dist/ was built)" >&2; exit 1; }
fi
[[ $parts == *" root "* ]] || { echo "package tests passed"; exit 0; }

cache=${XDG_CACHE_HOME:-$HOME/.cache}/quillmark-package
base=$cache/bookworm-minbase.tar
mkdir -p "$cache/archives/partial"
if [ ! -s "$base" ]; then
    echo "== Making the minimal Debian 12 root (once): $base"
    mmdebstrap --variant=minbase --mode=root bookworm "$base.new" \
        "deb http://deb.debian.org/debian bookworm main" \
        "deb http://deb.debian.org/debian bookworm-updates main" \
        "deb http://deb.debian.org/debian-security bookworm-security main"
    mv "$base.new" "$base"
fi

# fresh_root: a new copy of the minimal root, ready for chroot and apt; the packages
# from dist/ in its /tmp/dist.
fresh_root() {
    [ -n "$root" ] && umount_root
    root=$work/root
    rm -rf "$root"
    mkdir -p "$root"
    tar -xf "$base" -C "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount --bind "$cache/archives" "$root/var/cache/apt/archives"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    mkdir -p "$root/tmp/dist"
    cp dist/*.deb "$root/tmp/dist/"
    in_root apt-get update -qq
}
umount_root() {
    umount "$root/var/cache/apt/archives"
    umount -R "$root/dev"
    umount "$root/proc"
    root=
}
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
installed() { in_root dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Installed-Size}\n' | awk '$1 == "ii"'; }
# measure COMMAND...: runs an apt command in the root and says what it added.
measure() {
    local before after
    before=$(installed)
    in_root "$@" >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; return 1; }
    after=$(installed)
    awk -v label="$label" 'NR == FNR { seen[$2] = 1; next }
        !($2 in seen) { n++; kb += $3; names = names " " $2 }
        END { printf "%s: %d packages, %.0f MB\n  %s\n", label, n, kb / 1024, names }' \
        <(echo "$before") <(echo "$after")
}
cli_deb=/tmp/dist/quillmark-cli_${version}_$arch.deb
gui_deb=/tmp/dist/quillmark_${version}_$arch.deb

echo "== 3. quillmark-cli alone in a minimal Debian 12 root"
fresh_root
label="quillmark-cli without Recommends" measure apt-get install -y -qq --no-install-recommends "$cli_deb"
fresh_root
label="quillmark-cli" measure apt-get install -y -qq "$cli_deb"
graphical=$(installed | awk '{ print $2 }' | grep -E '^(libqt6gui6|libqt6widgets6|libgl1|libegl1|libgl1-mesa-dri|mesa-.*|libgtk-3-0|systemd|libllvm.*|libx11-6|libwayland-.*)$' || true)
if [ -n "$graphical" ]; then
    echo "quillmark-cli pulled in: $graphical" >&2
    exit 1
fi
echo "no Qt GUI, X11, Wayland, OpenGL, Mesa, LLVM, GTK or systemd"
mkdir -p "$root/tmp/src/tests/data" "$root/tmp/src/debian/tests" "$root/tmp/autopkgtest"
cp -r tests/data/images tests/data/images-2 "$root/tmp/src/tests/data/"
cp debian/tests/clean-sample "$root/tmp/src/debian/tests/"
in_root sh -c 'cd /tmp/src && AUTOPKGTEST_TMP=/tmp/autopkgtest debian/tests/clean-sample'

echo "== 4. Both packages: installed, purged, nothing of theirs left"
for recommends in --no-install-recommends --install-recommends; do
    fresh_root
    files() {
        in_root find / -xdev \( -path /var/lib/apt -o -path /var/cache -o -path /var/log -o -path /var/lib/dpkg \
            -o -path /tmp -o -path /proc -o -path /dev \) -prune -o -print | sort
    }
    files >"$work/before"
    installed >"$work/packages-before"
    label="quillmark and quillmark-cli ($recommends)" measure apt-get install -y -qq "$recommends" "$gui_deb" "$cli_deb"
    theirs=$(for deb in dist/quillmark*.deb; do dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }'; done | sort -u)
    in_root test -x /usr/bin/quillmark
    in_root apt-get purge -y -qq quillmark quillmark-cli >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
    in_root apt-get autoremove --purge -y -qq >"$work/apt.log" 2>&1 || { cat "$work/apt.log" >&2; exit 1; }
    files >"$work/after"
    left=$(comm -13 "$work/before" "$work/after")
    ours=$(comm -12 <(echo "$left") <(echo "$theirs" | grep -v '/$' | sed 's|/$||'); echo "$left" | grep -i quillmark || true)
    if [ -n "$(echo "$ours" | tr -d '[:space:]')" ]; then
        echo "left behind after purge: $ours" >&2
        exit 1
    fi
    # apt keeps what another installed package recommends (bash recommends bash-completion).
    kept=$(comm -13 <(awk '{ print $2 }' "$work/packages-before" | sort) <(installed | awk '{ print $2 }' | sort) | xargs)
    [ -z "$left" ] || echo "left: $(echo "$left" | wc -l) paths of packages apt keeps installed: $kept"
    echo "purged without a trace"
done
echo "package tests passed"
