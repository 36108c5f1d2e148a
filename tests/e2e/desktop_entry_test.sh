#!/usr/bin/env bash
# The installed product as a menu starts it: `cmake --install`, then the desktop entry's Exec
# line run from some other directory. Without a file, a line drawn and "Write && End" leave the
# data file in the home folder, as the entry's comment says, and nowhere else; given that file,
# the program writes it back beside it. So does `bash build.sh run FILE` in the file's folder.
#
#   desktop_entry_test.sh PROGRAM PROBE BUILD_DIR
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"
build=$3

e2e_start_x
prefix="$WORK/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/qelt-cad.desktop")

# ENTRY: the entry's command for the file $1 (none if empty) as a launcher reads it: the key's
# escapes first (\\ is one \), then words as the shell reads double quotes, %f the file.
entry_command() {
    local words=${exec_line//\\\\/\\}
    words=${words% %f}${1:+ \"\$1\"}
    [[ "$words" != *[\`\'%]* ]] || e2e_fail "Exec= needs more than this reading: $exec_line"
    eval "ENTRY=($words)"
}

e2e_locate_write_and_end
mkdir "$WORK/home" "$WORK/elsewhere" "$WORK/section"
entry_command ""
e2e_launch_in "$WORK/elsewhere" env HOME="$WORK/home" PATH="$prefix/bin:$PATH" "${ENTRY[@]}"

# One line of two points, (100,200) then (150,250).
e2e_push 1
e2e_press 100 200
e2e_press 150 250
e2e_push 3
e2e_write_and_end
e2e_expect_exit 0

printf '%s\r\n' 'X,Y,Line,CADoCode' 'Qelt-CAD-v3' ' ' 'Define CADline IndexData > <bySequence> ' \
    'Define InLineData > Point ' 'Define Point IndexData > <X> <Y> <type>' \
    'Define TopLevelData CAD_Qelt>             TopLevel' \
    'Define        GroupData CAD_Lines >         CADline' \
    'Define        CADline >                     CADline #=1' \
    'LoopingStart     CADline Loop >                 CADline=1   #=2' \
    'LoopingComment       InLineData comment >           X    Y    Type' \
    'InLine               Point >                        100  200  UN' \
    'InLine               Point >                        150  250  UN' \
    'LoopEnd              Endof >                        ________EndOf ' \
    'LoopEnd          Endof >                        ___EndOf' ' ' 'Define GroupData >       Group ' \
    'Define LineData >        LineNum' ' ' '               >        End ' \
    'DataFIle                                EndOfDataFile' >"$WORK/expected.csv"

[ -f "$WORK/home/Qelt-CAD-float.csv" ] || e2e_fail "no Qelt-CAD-float.csv in the home folder"
cmp "$WORK/expected.csv" "$WORK/home/Qelt-CAD-float.csv" ||
    e2e_fail "the file in the home folder differs from the expected bytes"
[ -z "$(ls -A "$WORK/elsewhere")" ] || e2e_fail "files where it was started: $(ls -A "$WORK/elsewhere")"

# The file opened from the menu, and by build.sh in a checkout whose build is the program under
# test (cmake building nothing, every package installed), is written back beside it.
section=$(cd "$WORK/section" && pwd -P)
cp "$WORK/expected.csv" "$section/Qelt-CAD-float.csv"
entry_command "$section/Qelt-CAD-float.csv"
checkout="$WORK/checkout"
mkdir -p "$checkout/build" "$WORK/tools"
cp "$E2E_DIR/../../build.sh" "$checkout/"
ln -s "$PROGRAM" "$checkout/build/qelt-cad"
printf '#!/bin/sh\n' >"$WORK/tools/cmake"
printf '#!/bin/sh\necho "install ok installed"\n' >"$WORK/tools/dpkg-query"
chmod +x "$WORK/tools/cmake" "$WORK/tools/dpkg-query"
# Started by $1, the program wrote the file back where it was.
written_beside() {
    e2e_write_and_end
    e2e_expect_exit 0
    grep -qxF "qelt-cad: wrote $section/Qelt-CAD-float.csv (1 line, 2 points)" "$WORK/program.log" ||
        e2e_fail "$1: not written back beside the file: $(cat "$WORK/program.log")"
}
e2e_launch_in "$WORK/elsewhere" env HOME="$WORK/home" PATH="$prefix/bin:$PATH" "${ENTRY[@]}"
written_beside "the menu entry"
e2e_launch_in "$section" env PATH="$WORK/tools:$PATH" bash "$checkout/build.sh" run Qelt-CAD-float.csv
written_beside "build.sh run"
echo "PASS: the menu entry wrote into the home folder and beside a file it opened; so did build.sh run"
