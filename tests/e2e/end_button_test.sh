#!/usr/bin/env bash
# "END" on a real X server: with a line drawn, the program ends at once with status 0, writes
# nothing where it runs, and keeps the drawing in the state folder, saying where.
#
#   end_button_test.sh PROGRAM PROBE
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"

e2e_start_x
e2e_start_program

e2e_push 1
e2e_press 100 100
e2e_press 300 200
e2e_push 3
e2e_expect_canvas drawn "200,150=0,0,0"

e2e_push END
e2e_expect_exit 0
[ -z "$(ls -A "$RUN_DIR")" ] || e2e_fail "END left files behind: $(ls -A "$RUN_DIR")"
grep -qxF "qelt-cad: the unwritten drawing is kept in $(echo "$XDG_STATE_HOME"/qelt-cad/*.csv)" \
    "$WORK/program.log" || e2e_fail "END kept nothing, or said: $(cat "$WORK/program.log")"
echo "PASS: END ended the program with status 0, wrote nothing and kept the drawing"
