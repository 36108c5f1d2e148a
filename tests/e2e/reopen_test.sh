#!/usr/bin/env bash
# A data file opened again on a real X server: `qelt-cad Qelt-CAD-float.csv` shows its line, a
# point moved with real clicks is written back in place of the old file; a file the program
# could not have written is refused with status 2, a message and no window, and stays as it was;
# --export draws the file written without a display. Then a table of starts that end at once,
# without a display and under offscreen.
#
#   reopen_test.sh PROGRAM PROBE
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"

# The data file of one line through the points given as "x y" arguments.
data_file() {
    printf '%s\r\n' 'X,Y,Line,CADoCode' 'Qelt-CAD-v3' ' ' \
        'Define CADline IndexData > <bySequence> ' 'Define InLineData > Point ' \
        'Define Point IndexData > <X> <Y> <type>' \
        'Define TopLevelData CAD_Qelt>             TopLevel' \
        'Define        GroupData CAD_Lines >         CADline' \
        'Define        CADline >                     CADline #=1' \
        "LoopingStart     CADline Loop >                 CADline=1   #=$#" \
        'LoopingComment       InLineData comment >           X    Y    Type'
    local point
    for point in "$@"; do
        printf 'InLine               Point >                        %s  %s  UN\r\n' $point
    done
    printf '%s\r\n' 'LoopEnd              Endof >                        ________EndOf ' \
        'LoopEnd          Endof >                        ___EndOf' ' ' \
        'Define GroupData >       Group ' 'Define LineData >        LineNum' ' ' \
        '               >        End ' 'DataFIle                                EndOfDataFile'
}

e2e_start_x
e2e_locate_write_and_end
RUN_DIR="$WORK/run"
mkdir "$RUN_DIR"
data_file "100 100" "300 200" "500 120" >"$RUN_DIR/Qelt-CAD-float.csv"

e2e_launch_in "$RUN_DIR" "$PROGRAM" Qelt-CAD-float.csv
e2e_expect_canvas opened "200,150=0,0,0" "400,160=0,0,0"
# "Modify a Line", a press inside the line's box, "Select this Line", "Edit a line point"; the
# point at (300,200) is picked just inside the box and dropped at (320,180).
e2e_push 2
e2e_press 300 150
e2e_push 2
e2e_push 3
e2e_press 300 195
e2e_press 320 180
e2e_push 3
e2e_write_and_end
e2e_expect_exit 0
data_file "100 100" "320 180" "500 120" >"$WORK/expected.csv"
cmp "$WORK/expected.csv" "$RUN_DIR/Qelt-CAD-float.csv" ||
    e2e_fail "the file written again differs from the expected bytes"

# A picture of that file, made where there is no display at all.
env -u DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" --export "$WORK/section.svg" \
    "$RUN_DIR/Qelt-CAD-float.csv" >>"$WORK/program.log" 2>&1 || e2e_fail "--export failed"
grep -qF '<title>Line 1, code UN</title>' "$WORK/section.svg" || e2e_fail "no line in the picture"

# A count that disagrees with the blocks that follow.
sed 's/CADline #=1/CADline #=2/' "$WORK/expected.csv" >"$RUN_DIR/bad.csv"
cp "$RUN_DIR/bad.csv" "$WORK/bad.csv"
(cd "$RUN_DIR" && exec "$PROGRAM" bad.csv) >"$WORK/program.log" 2>&1 &
PROGRAM_PID=$!
e2e_wait_for "the message box" e2e_window_shown qelt-cad
e2e_window_shown "Qelt graphics" && e2e_fail "a window of the program opened for a bad file"
# With no window manager the keys go to the window under the pointer.
read -r box_x box_y < <(e2e_window_origin qelt-cad)
xdotool mousemove --sync $((box_x + 20)) $((box_y + 20)) key Return
e2e_expect_exit 2
grep -qF "qelt-cad: bad.csv: line 9 says 2 lines, the file holds 1" "$WORK/program.log" ||
    e2e_fail "no message naming the file and the line: $(cat "$WORK/program.log")"
cmp "$WORK/bad.csv" "$RUN_DIR/bad.csv" || e2e_fail "the bad file was changed"
[ "$(ls -A "$RUN_DIR" | sort | tr '\n' ' ')" = "Qelt-CAD-float.csv bad.csv " ] ||
    e2e_fail "stray files: $(ls -A "$RUN_DIR")"

# Started in STARTS_DIR with the environment RUN and VARIABLES, the program ends within a few
# seconds with STATUS and says WORD: start_ends STATUS WORD VARIABLES [ARGUMENT...]
start_ends() {
    local status=$1 word=$2 variables=$3 said ended=0
    shift 3
    # shellcheck disable=SC2086 # RUN and VARIABLES are lists of words
    said=$(cd "$STARTS_DIR" && env $RUN $variables timeout 10 "$PROGRAM" "$@" 2>&1) || ended=$?
    [ "$ended" -eq "$status" ] && [[ "$said" == *"$word"* ]] && return
    e2e_fail "env $RUN $variables qelt-cad $*: status $ended: $said"
}
STARTS_DIR="$WORK/starts"
mkdir "$STARTS_DIR"
for name in bad.csv -reverse $'caf\xe9.csv'; do
    cp "$WORK/bad.csv" "$STARTS_DIR/$name"
done
mkfifo "$STARTS_DIR/pipe.csv"
ln -s /dev/zero "$STARTS_DIR/zero.csv"
for RUN in "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM" "QT_QPA_PLATFORM=offscreen"; do
    start_ends 2 "bad.csv: line 9 says" "" bad.csv
    start_ends 2 "pipe.csv: is a pipe, device or socket" "" pipe.csv
    start_ends 2 "zero.csv: is a pipe, device or socket" "" zero.csv
    start_ends 2 "Unknown option 'old.csv'" "" -old.csv
    start_ends 2 "-reverse: line 9" "" -- -reverse
    start_ends 2 $'caf\xef\xbf\xbd.csv: line 9' "" $'caf\xe9.csv'
    start_ends 2 "FILE is an empty name" "" ""
    start_ends 2 "Unknown option 'reverse'" "" -reverse bad.csv
    start_ends 2 "--scale applies only to a .png picture." "" --scale 3 --export x.svg bad.csv
    start_ends 0 "Usage: " "" --help
    start_ends 1 "qelt-cad: no display found" "QT_QPA_PLATFORM=xcb DISPLAY=:9999"
done
[ ! -e "$STARTS_DIR/Qelt-CAD-float.csv" ] || e2e_fail "a start that ended at once wrote a file"
echo "PASS: reopened, edited and written again; a bad file refused with status 2; hostile starts"
