#!/usr/bin/env bash
# `cmake --install` puts the program and a valid desktop entry that starts it in the home folder.
#
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d "${TMPDIR:-/tmp}/qelt-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
entry="$prefix/share/applications/qelt-cad.desktop"
[ -x "$prefix/bin/qelt-cad" ] || fail "bin/qelt-cad is not installed"
[ -f "$entry" ] || fail "share/applications/qelt-cad.desktop is not installed"
[ -f "$prefix/share/icons/hicolor/scalable/apps/qelt-cad.svg" ] || fail "the icon is not installed"

grep -qx 'Exec=sh -c "cd && exec qelt-cad"' "$entry" || fail "the entry does not start in the home folder"
grep -qx 'Icon=qelt-cad' "$entry" || fail "the entry names another icon"
grep -q '^Comment=.*Qelt-CAD-float.csv in your home folder' "$entry" ||
    fail "the entry's comment does not say where the file goes"

if ! command -v desktop-file-validate >/dev/null; then
    echo "desktop-file-validate is not installed: the entry's validation skipped"
    exit 77
fi
# Hints count too: a clean entry draws no remark at all.
remarks=$(desktop-file-validate "$entry" 2>&1) || fail "invalid desktop entry: $remarks"
[ -z "$remarks" ] || fail "desktop entry remarks: $remarks"
echo "PASS: installed program, icon and a valid desktop entry"
