#!/usr/bin/env bash
# `cpack -G DEB` builds a package that holds the program, its desktop entry, icons, AppStream
# metadata, manual page and Debian documents, depends on the Qt 6 widgets library and draws no
# error from lintian. The package is only inspected, never installed.
#
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d "${TMPDIR:-/tmp}/qelt-package.XXXXXX")
trap 'rm -rf "$out"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in dpkg-deb dpkg-shlibdeps; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed: package test skipped"
        exit 77
    fi
done

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$out/cpack.log")"
shopt -s nullglob
debs=("$out"/qelt-cad_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one qelt-cad_*.deb, found: $(ls "$out")"
deb=${debs[0]}

contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/qelt-cad ./usr/share/applications/qelt-cad.desktop \
    ./usr/share/icons/hicolor/scalable/apps/qelt-cad.svg \
    ./usr/share/icons/hicolor/64x64/apps/qelt-cad.png \
    ./usr/share/icons/hicolor/128x128/apps/qelt-cad.png \
    ./usr/share/metainfo/io.github.qelt_cad.qelt_cad.metainfo.xml \
    ./usr/share/man/man1/qelt-cad.1.gz ./usr/share/doc/qelt-cad/copyright \
    ./usr/share/doc/qelt-cad/changelog.gz; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
names=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for package in libqt6widgets6 libqt6gui6 libqt6svg6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
    grep -qxF "$package" <<<"$names" || fail "no dependency on $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = qelt-cad ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Section)" = graphics ] || fail "wrong section"

if ! command -v lintian >/dev/null; then
    echo "lintian is not installed: the package's lint skipped"
    exit 77
fi
# Warnings are reported, errors fail.
lint=$(lintian --fail-on error "$deb" 2>&1) || fail "lintian: $lint"
grep '^W:' <<<"$lint" || true
echo "PASS: $(basename "$deb") depends on: $depends"
