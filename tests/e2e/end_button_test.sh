#!/usr/bin/env bash
# "END" on a real X server: with a line drawn, the program ends at once with status 0 and
# writes nothing.
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
echo "PASS: END ended the program with status 0 and wrote nothing"
