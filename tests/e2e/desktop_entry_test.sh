#!/usr/bin/env bash
# The installed product as a menu starts it: `cmake --install`, then the desktop entry's Exec
# line run from some other directory. Without a file, a line drawn and "Write && End" leave the
# data file in the home folder, as the entry's comment says, and nowhere else; with that file,
# the program starts beside it and writes it back there, keeping the old one as its ~. Then
# `bash build.sh run FILE` from the file's folder opens it there.
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
    local line=${exec_line//\\\\/\\} file=$1
    local words=${line% %f}
    [[ "$words" != *[\`\'%]* ]] || e2e_fail "Exec= needs more than this reading: $exec_line"
    [ -z "$file" ] || words+=" \"\$file\""
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

# The file opened from the menu, a second line added, written back beside it.
section=$(cd "$WORK/section" && pwd -P)
cp "$WORK/expected.csv" "$section/Qelt-CAD-float.csv"
entry_command "$section/Qelt-CAD-float.csv"
e2e_launch_in "$WORK/elsewhere" env HOME="$WORK/home" PATH="$prefix/bin:$PATH" "${ENTRY[@]}"
e2e_expect_canvas opened "125,225=0,0,0"
e2e_push 1
e2e_press 300 300
e2e_press 400 300
e2e_push 3
e2e_write_and_end
e2e_expect_exit 0
cmp "$WORK/expected.csv" "$section/Qelt-CAD-float.csv~" || e2e_fail "the old file was not kept as ~"
grep -qxF "qelt-cad: wrote $section/Qelt-CAD-float.csv (2 lines, 4 points); the file it replaced \
is kept as $section/Qelt-CAD-float.csv~" "$WORK/program.log" ||
    e2e_fail "not said where it wrote: $(cat "$WORK/program.log")"

# build.sh in a checkout of its own whose build is the program under test: cmake notes where it
# is run and builds nothing, every package counts as installed.
checkout="$WORK/checkout"
mkdir -p "$checkout/build" "$WORK/tools"
cp "$E2E_DIR/../../build.sh" "$checkout/"
ln -s "$PROGRAM" "$checkout/build/qelt-cad"
# shellcheck disable=SC2016 # expanded when the stand-in runs
printf '#!/bin/sh\necho "$PWD $*" >>"%s/cmake.log"\n' "$WORK" >"$WORK/tools/cmake"
printf '#!/bin/sh\necho "install ok installed"\n' >"$WORK/tools/dpkg-query"
chmod +x "$WORK/tools/cmake" "$WORK/tools/dpkg-query"
e2e_launch_in "$section" env PATH="$WORK/tools:$PATH" bash "$checkout/build.sh" run Qelt-CAD-float.csv
e2e_expect_canvas reopened "125,225=0,0,0" "350,300=0,0,0"
e2e_write_and_end
e2e_expect_exit 0
grep -qxF "$checkout --build build -j2 --target qelt-cad" "$WORK/cmake.log" ||
    e2e_fail "build.sh built elsewhere: $(cat "$WORK/cmake.log")"
grep -qxF "qelt-cad: wrote $section/Qelt-CAD-float.csv (2 lines, 4 points)" "$WORK/program.log" ||
    e2e_fail "build.sh run did not open the file where it was run: $(cat "$WORK/program.log")"
echo "PASS: the menu entry wrote into the home folder, and back beside a file; so did build.sh run"
