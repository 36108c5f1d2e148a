#!/usr/bin/env bash
# `cmake --install` puts the program, a valid desktop entry that opens data files,
# its icons, valid AppStream metadata and a manual page that renders cleanly.
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
metainfo="$prefix/share/metainfo/io.github.qelt_cad.qelt_cad.metainfo.xml"
manual="$prefix/share/man/man1/qelt-cad.1.gz"
[ -x "$prefix/bin/qelt-cad" ] || fail "bin/qelt-cad is not installed"
[ -f "$entry" ] || fail "share/applications/qelt-cad.desktop is not installed"
[ -f "$prefix/share/icons/hicolor/scalable/apps/qelt-cad.svg" ] || fail "the icon is not installed"
for size in 64 128; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/qelt-cad.png"
    [ -f "$icon" ] || fail "the ${size}x${size} icon is not installed"
    # The PNG header's width and height, four bytes each from offset 16.
    [ "$(od -An -tx1 -j16 -N8 "$icon" | tr -d ' \n')" = "$(printf '%08x%08x' "$size" "$size")" ] ||
        fail "the ${size}x${size} icon has another size"
done
[ -f "$metainfo" ] || fail "the AppStream metadata is not installed under its id"
[ -f "$manual" ] || fail "share/man/man1/qelt-cad.1.gz is not installed"
[ -f "$prefix/share/doc/qelt-cad/copyright" ] || fail "the copyright file is not installed"

grep -q '^Exec=sh -c .* qelt-cad %f$' "$entry" || fail "the entry takes no file"
grep -qx 'MimeType=text/csv;' "$entry" || fail "the entry does not open data files"
grep -qx 'Icon=qelt-cad' "$entry" || fail "the entry names another icon"
grep -q '^Comment=.*Qelt-CAD-float.csv beside the file opened, or in your home folder' "$entry" ||
    fail "the entry's comment does not say where the file goes"
grep -qF '<launchable type="desktop-id">qelt-cad.desktop</launchable>' "$metainfo" ||
    fail "the AppStream metadata does not launch the desktop entry"

# Each check needs its own tool; the ones whose tool is missing are skipped, the rest still run.
missing=()
if command -v desktop-file-validate >/dev/null; then
    # Hints count too: a clean entry draws no remark at all.
    remarks=$(desktop-file-validate "$entry" 2>&1) || fail "invalid desktop entry: $remarks"
    [ -z "$remarks" ] || fail "desktop entry remarks: $remarks"
else
    missing+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
    remarks=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) ||
        fail "invalid AppStream metadata: $remarks"
    # Pedantic hints count too: the one line of a clean result is the plain success.
    ! grep -qv -e '^$' -e 'Validation was successful\.$' <<<"$remarks" ||
        fail "AppStream remarks: $remarks"
else
    missing+=(appstreamcli)
fi
if command -v groff >/dev/null; then
    warnings=$(gzip -dc "$manual" | groff -man -Tutf8 -ww 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page draws warnings: $warnings"
    page=$(gzip -dc "$manual" | groff -man -Tutf8 -P-cbou 2>/dev/null)
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES 'EXIT STATUS'; do
        grep -qx "$section" <<<"$page" || fail "the manual page has no $section section"
    done
else
    missing+=(groff)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "not installed: ${missing[*]}: their checks skipped"
    exit 77
fi
echo "PASS: installed program, icons, a valid desktop entry, AppStream metadata and manual page"
