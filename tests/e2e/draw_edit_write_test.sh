#!/usr/bin/env bash
# The whole program on a real X server: two lines drawn, one picked, its points moved, inserted
# and deleted with real clicks, the colours on the screen checked, and the data file that
# "Write && End" leaves compared byte for byte.
#
#   draw_edit_write_test.sh PROGRAM PROBE
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"

readonly BLACK=0,0,0 NEAR_BLACK=1,1,1 LIGHT_GREY=192,192,192 WHITE=255,255,255

e2e_start_x
e2e_locate_write_and_end
e2e_start_program

e2e_expect_canvas start "200,150=$WHITE" "200,150!$BLACK"

# Line 1: (100,100) (300,200) (500,120); line 2: (150,300) (400,380) (600,250).
e2e_push 1
e2e_press 100 100
e2e_press 300 200
e2e_press 500 120
e2e_push 3
e2e_push 1
e2e_press 150 300
e2e_press 400 380
e2e_press 600 250
e2e_push 3
# The midpoints of the four segments.
e2e_expect_canvas drawn "200,150=$BLACK" "400,160=$BLACK" "275,340=$BLACK" "500,315=$BLACK"

# "Modify a Line", then a press inside line 2's box only: line 2 is found and drawn dark, line 1
# light grey.
e2e_push 2
e2e_press 350 320
e2e_expect_canvas found \
    "200,150=$LIGHT_GREY" "200,150!$BLACK" "400,160=$LIGHT_GREY" "400,160!$NEAR_BLACK" \
    "275,340=$NEAR_BLACK" "275,340!$LIGHT_GREY" "500,315=$NEAR_BLACK" "500,315!$BLACK"

# "Select this Line", "Edit a line point".
e2e_push 2
e2e_push 3

# Move: a press just inside the box nearest (400,380) picks that point, a press at (380,280)
# drops it there. Every press stays strictly inside line 2's box, or point editing would end.
e2e_press 400 370
# The carried point follows the pointer on the next move that comes more than 0.12 s after the
# last redraw on a move.
sleep 0.2
e2e_move 390 300
e2e_expect_canvas carried "270,300=$NEAR_BLACK" "275,340=$WHITE" "275,340!$NEAR_BLACK"
e2e_press 380 280
# Insert: a press on the midpoint of (150,300)-(380,280) puts a new point there and picks it; it
# is dropped at (265,260).
e2e_press 265 290
e2e_move 265 270
e2e_press 265 260
# Delete: a right press nearest (380,280) removes it.
e2e_press 378 278 right
# Line 2 is now (150,300) (265,260) (600,250), still drawn dark; where it was is white again.
e2e_expect_canvas edited \
    "207,280=$NEAR_BLACK" "432,255=$NEAR_BLACK" "200,150=$LIGHT_GREY" \
    "275,340=$WHITE" "275,340!$NEAR_BLACK" "500,315=$WHITE" "500,315!$NEAR_BLACK" \
    "400,380=$WHITE" "400,380!$NEAR_BLACK"

# "Done point editing": idle again; the next throttled move redraws every line pure black.
e2e_push 3
E2E_NUDGE=1 e2e_expect_canvas idle \
    "200,150=$BLACK" "400,160=$BLACK" "207,280=$BLACK" "432,255=$BLACK" \
    "200,150!$LIGHT_GREY" "207,280!$NEAR_BLACK" "275,340=$WHITE"

e2e_write_and_end
e2e_expect_exit 0

point() { printf 'InLine               Point >                        %s  %s  UN\r\n' "$1" "$2"; }
{
    printf '%s\r\n' 'X,Y,Line,CADoCode' 'Qelt-CAD-v3' ' ' \
        'Define CADline IndexData > <bySequence> ' 'Define InLineData > Point ' \
        'Define Point IndexData > <X> <Y> <type>' \
        'Define TopLevelData CAD_Qelt>             TopLevel' \
        'Define        GroupData CAD_Lines >         CADline' \
        'Define        CADline >                     CADline #=2'
    for line in 1 2; do
        printf '%s\r\n' "LoopingStart     CADline Loop >                 CADline=$line   #=3" \
            'LoopingComment       InLineData comment >           X    Y    Type'
        if [ "$line" -eq 1 ]; then
            point 100 100 && point 300 200 && point 500 120
        else
            point 150 300 && point 265 260 && point 600 250
        fi
        printf '%s\r\n' 'LoopEnd              Endof >                        ________EndOf '
    done
    printf '%s\r\n' 'LoopEnd          Endof >                        ___EndOf' ' ' \
        'Define GroupData >       Group ' 'Define LineData >        LineNum' ' ' \
        '               >        End ' 'DataFIle                                EndOfDataFile'
} >"$WORK/expected.csv"

[ -f "$RUN_DIR/Qelt-CAD-float.csv" ] || e2e_fail "Write && End left no Qelt-CAD-float.csv"
if ! cmp "$WORK/expected.csv" "$RUN_DIR/Qelt-CAD-float.csv"; then
    diff <(cat -A "$WORK/expected.csv") <(cat -A "$RUN_DIR/Qelt-CAD-float.csv") >&2 || true
    e2e_fail "Qelt-CAD-float.csv differs from the expected bytes"
fi
[ "$(ls -A "$RUN_DIR")" = Qelt-CAD-float.csv ] || e2e_fail "stray files: $(ls -A "$RUN_DIR")"
echo "PASS: drawn, picked, edited, coloured and written as expected"
