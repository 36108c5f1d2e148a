#!/usr/bin/env bash
# The installed product as a menu starts it: `cmake --install`, then the desktop entry's Exec
# line run from some other directory. A line drawn and "Write && End" leave the data file in the
# home folder, as the entry's comment says, and nowhere else.
#
#   desktop_entry_test.sh PROGRAM PROBE BUILD_DIR
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"
build=$3

e2e_start_x
prefix="$WORK/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
exec_line=$(sed -n 's/^Exec=//p' "$prefix/share/applications/qelt-cad.desktop")
# Such a line reads the same to a launcher and to the shell: no escapes, no field codes.
[[ "$exec_line" != *[\\\$%\`]* ]] || e2e_fail "Exec= needs a launcher's unquoting: $exec_line"
eval "set -- $exec_line"

e2e_locate_write_and_end
mkdir "$WORK/home" "$WORK/elsewhere"
e2e_launch_in "$WORK/elsewhere" env HOME="$WORK/home" PATH="$prefix/bin:$PATH" "$@"

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
echo "PASS: started from its desktop entry, the program wrote its file into the home folder"
