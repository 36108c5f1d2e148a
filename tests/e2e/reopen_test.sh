#!/usr/bin/env bash
# A data file opened again on a real X server: `qelt-cad Qelt-CAD-float.csv` shows its line, a
# point moved with real clicks is written back in place of the old file; a file the program
# could not have written is refused with status 2, a message and no window, and stays as it was;
# --export draws the file written without a display. Then a table of starts that end at once,
# without a display and under offscreen: bad command lines, files, hostile pictures and exports.
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
[ "$(ls -A "$RUN_DIR" | sort | tr '\n' ' ')" = "Qelt-CAD-float.csv Qelt-CAD-float.csv~ bad.csv " ] ||
    e2e_fail "stray files: $(ls -A "$RUN_DIR")"

# Started in STARTS_DIR with the environment RUN and VARIABLES, the program ends with STATUS and
# says WORD, or exactly the one line WORD where that begins with "qelt-cad: "; a start that takes
# a minute hangs: start_ends STATUS WORD VARIABLES [ARGUMENT...]
start_ends() {
    local status=$1 word=$2 variables=$3 said ended=0
    shift 3
    # shellcheck disable=SC2086 # RUN and VARIABLES are lists of words
    said=$(cd "$STARTS_DIR" && env $RUN $variables timeout 60 "$PROGRAM" "$@" 2>&1) || ended=$?
    if [[ "$word" == "qelt-cad: "* ]]; then
        [ "$ended" -eq "$status" ] && [ "$said" = "$word" ] && return
    elif [ "$ended" -eq "$status" ] && [[ "$said" == *"$word"* ]]; then
        return
    fi
    e2e_fail "env $RUN $variables qelt-cad $*: status $ended: $said"
}
STARTS_DIR="$WORK/starts"
mkdir "$STARTS_DIR"
for name in bad.csv -reverse $'caf\xe9.csv'; do
    cp "$WORK/bad.csv" "$STARTS_DIR/$name"
done
mkfifo "$STARTS_DIR/pipe.csv" "$STARTS_DIR/fifo.png"
ln -s /dev/zero "$STARTS_DIR/zero.csv"
cp "$WORK/expected.csv" "$STARTS_DIR/good.csv"
# Hostile pictures: each is refused for its own cause, whatever it holds or refers to.
# The SVG of WIDTH x 100 pixels with a picture of each NAME: svg WIDTH [NAME...]
svg() {
    printf '<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" %s' \
        "width=\"$1\" height=\"100\">"
    shift
    [ $# -eq 0 ] || printf '<image xlink:href="%s" width="10" height="10"/>' "$@"
    printf '</svg>'
}
(
    cd "$STARTS_DIR" || exit
    # shellcheck disable=SC2094 # the name is only written in the picture
    svg 100 self.svg >self.svg
    svg 100 mutual-b.svg >mutual-a.svg
    svg 100 mutual-a.svg >mutual-b.svg
    svg 100 fifo.png >fifo.svg
    svg 3e9 >wide.svg
    # The header of a PNG of 5800 x 5800 pixels at 16 bits a channel, and of one of 4000 x 4000
    # at 8 bits, and the start of their data: enough to tell what decoding them would take.
    printf '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x16\xa8\x00\x00\x16\xa8\x10\x06%b' \
        '\x00\x00\x00\x66\x96\xde\x8b\x00\x00\x00\x00IDAT\x35\xaf\x06\x1e' >deep.png
    printf '\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x0f\xa0\x00\x00\x0f\xa0\x08\x06%b' \
        '\x00\x00\x00\xee\x7f\xe3\x02\x00\x00\x00\x00IDAT\x35\xaf\x06\x1e' >large.png
    mapfile -t many < <(yes "data:image/png;base64,$(base64 -w0 large.png)" | head -n 32)
    svg 100 "${many[@]}" >many.svg
    { svg 100 | head -c -6 && head -c 70000000 /dev/zero | tr '\0' ' ' && echo '</svg>'; } |
        gzip -1 >bomb.svgz
    cp "$E2E_DIR/../../docs/example-section.svg" $'caf\xe9.svg'
)
declare -A CAUSE=(
    [self.svg]="an SVG that refers to other files"
    [mutual-a.svg]="an SVG that refers to other files"
    [fifo.svg]="an SVG that refers to other files"
    [wide.svg]="an SVG of 3000000000 × 100 pixels, more than 1000000 on a side"
    [deep.png]="larger than 256 MB once decoded: 5800 × 5800 at 16 bits"
    [many.svg]="larger than 256 MB once decoded, with the pictures inside it"
    [bomb.svgz]="larger than 64 MB once uncompressed"
)
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
    start_ends 1 "qelt-cad: no display found (is DISPLAY set?)" "QT_QPA_PLATFORM=xcb DISPLAY=:9999"
    for picture in "${!CAUSE[@]}"; do
        start_ends 2 "qelt-cad: $picture: ${CAUSE[$picture]}" "" -b "$picture"
        start_ends 2 "qelt-cad: $picture: ${CAUSE[$picture]}" "" --export out.png -b "$picture" good.csv
    done
    start_ends 2 "qelt-cad: IMAGE is an empty name; give the name of a picture" "" -b ""
    start_ends 2 "-b (--backdrop) can be given only once." "" -b self.svg -b wide.svg
    start_ends 2 "--export can be given only once." "" --export a.png --export b.png good.csv
    start_ends 2 "--scale can be given only once." "" --export a.png --scale 2 --scale 3 good.csv
    start_ends 2 "--scale takes one digit from 1 to 8." "" --export a.png --scale +3 good.csv
    start_ends 2 "--scale takes one digit from 1 to 8." "" --export a.png --scale 03 good.csv
    start_ends 2 "--scale goes with --export only." "" --scale 2 good.csv
done
# Names are the system's bytes: a picture and a picture written under names that are not UTF-8.
start_ends 0 "" "" --export $'caf\xe9.pdf' -b $'caf\xe9.svg' good.csv
[ -s "$STARTS_DIR/"$'caf\xe9.pdf' ] || e2e_fail "no picture under a name that is not UTF-8"
# A file system that takes no more than a kilobyte: no picture is left, whole or in part.
for out in full.png full.svg full.pdf; do
    (ulimit -f 1 && start_ends 1 "qelt-cad: $out: cannot be written: File too large" "" \
        --export "$out" good.csv) || exit 1
done
[ ! -e "$STARTS_DIR/Qelt-CAD-float.csv" ] || e2e_fail "a start that ended at once wrote a file"
leftovers=$(find "$STARTS_DIR" -name '.qelt-cad-*' -o -name 'full.*' -o -name 'out.*' \
    -o -name a.png -o -name b.png)
[ -z "$leftovers" ] || e2e_fail "a refused picture left files: $leftovers"
echo "PASS: reopened, edited and written again; a bad file refused with status 2; hostile starts"
