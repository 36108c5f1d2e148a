# shellcheck shell=bash
# Shared by the end-to-end tests (sourced): a private X server, the program on it in a fresh
# working directory, and real pointer input through the X test extension.
#
# The caller passes the program and the probe (tests/e2e/e2e_probe.cpp) as $1 and $2. Every wait
# polls with a generous deadline, so a slow machine makes a test slower, never red. A failing run
# keeps its screenshots and logs; QELT_E2E_KEEP=1 keeps those of a passing run too.
set -euo pipefail

E2E_DIR=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
PROGRAM=$(realpath "$1")
PROBE=$(realpath "$2")
readonly SKIPPED=77
readonly WAIT_SECONDS=30

# The main window's controls, as (x, y) of their centres in window pixels.
declare -A BUTTON=(
    [1]="68 109" [2]="201 109" [3]="351 109" [END]="890 150"
)
# Canvas pixel (x, y) is window pixel (x, y) + CANVAS, inside the canvas's 2-pixel frame.
readonly CANVAS_X=56 CANVAS_Y=128
readonly MAIN_WIDTH=962 MAIN_HEIGHT=606

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs the command until it succeeds, for at most WAIT_SECONDS.
e2e_wait_for() {
    local what=$1
    shift
    local deadline=$((SECONDS + WAIT_SECONDS))
    until "$@" >/dev/null; do
        ((SECONDS < deadline)) || e2e_fail "timed out waiting for $what"
        sleep 0.1
    done
}

e2e_cleanup() {
    local status=$?
    if [ -n "${PROGRAM_PID:-}" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
        kill "$PROGRAM_PID" 2>/dev/null || true
    fi
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    if [ "$status" -ne 0 ] && [ "$status" -ne "$SKIPPED" ]; then
        echo "--- program output:" >&2
        cat "$WORK/program.log" >&2 2>/dev/null || true
        echo "--- screenshots and logs kept in $WORK" >&2
    elif [ -n "${QELT_E2E_KEEP:-}" ]; then
        echo "screenshots and logs kept in $WORK"
    else
        rm -rf "$WORK"
    fi
}

# Starts Xvfb on the first free display, which it reports once it accepts clients; its screen
# is E2E_SCREEN (WIDTHxHEIGHT), 2560x1440 unless set.
e2e_start_x() {
    if ! command -v Xvfb >/dev/null; then
        echo "Xvfb is not installed: end-to-end test skipped"
        exit "$SKIPPED"
    fi
    command -v xdotool >/dev/null || e2e_fail "xdotool is not installed"
    if [ -z "${WORK:-}" ]; then
        WORK=$(mktemp -d "${TMPDIR:-/tmp}/qelt-e2e.XXXXXX")
        trap e2e_cleanup EXIT
    fi
    rm -f "$WORK/display"
    # No reset when the last client goes: the next one would find no server for a moment.
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-2560x1440}x24" -nolisten tcp -noreset 3>"$WORK/display" \
        >"$WORK/xvfb.log" 2>&1 &
    XVFB_PID=$!
    e2e_wait_for "the X server" test -s "$WORK/display"
    local display
    display=$(head -n1 "$WORK/display")
    export DISPLAY=":$display"
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR="$WORK/runtime"
    [ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
    export XDG_STATE_HOME="$WORK/state"  # where END keeps a drawing not written
    unset WAYLAND_DISPLAY SESSION_MANAGER
    # Only matters in a sanitizer build, where the program must end without a leak of its own.
    export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$E2E_DIR/lsan_suppressions.txt"
}

# Ends the X server started last, so that the next one can start.
e2e_stop_x() {
    kill "$XVFB_PID"
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
}

e2e_window_shown() {
    xdotool search --onlyvisible --name "^$1\$"
}

e2e_program_shows() {
    kill -0 "$PROGRAM_PID" 2>/dev/null || e2e_fail "the program ended before showing \"$1\""
    e2e_window_shown "$1"
}

# Prints "x y" of the shown window with the caption $1, its frame left out; read from the X
# server itself, which gets it right where a window manager puts a frame around the window.
e2e_window_origin() {
    local id
    id=$(e2e_window_shown "$1" | head -n1)
    xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                              END {print x, y}'
}

# Where "Write && End" lies inside the cross-section window as the program lays it out on this
# server; asked before the program under test starts, since the probe starts one of its own.
e2e_locate_write_and_end() {
    read -r WRITE_X WRITE_Y WRITE_W WRITE_H < <("$PROBE" locate XSpick8frm End8cbn)
}

# Runs the command in directory $1 as the program under test and waits for the main window and
# the cross-section window to be on the screen.
e2e_launch_in() {
    local dir=$1
    shift
    (cd "$dir" && exec "$@") >"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    e2e_wait_for "the main window" e2e_program_shows "Qelt graphics"
    e2e_wait_for "the cross-section window" e2e_program_shows "Qelt --- Cross section"
    read -r MAIN_X MAIN_Y < <(e2e_window_origin "Qelt graphics")
}

# Starts the program in the empty working directory RUN_DIR.
e2e_start_program() {
    RUN_DIR="$WORK/run"
    mkdir "$RUN_DIR"
    e2e_launch_in "$RUN_DIR" "$PROGRAM"
}

# A real click (press and release) at screen pixel (x, y); button 1 left, 3 right.
e2e_click_at() {
    xdotool mousemove --sync "$1" "$2" click "${3:-1}"
}

e2e_push() {
    local x y
    read -r x y <<<"${BUTTON[$1]}"
    e2e_click_at $((MAIN_X + x)) $((MAIN_Y + y))
}

e2e_write_and_end() {
    local x y
    read -r x y < <(e2e_window_origin "Qelt --- Cross section")
    e2e_click_at $((x + WRITE_X + WRITE_W / 2)) $((y + WRITE_Y + WRITE_H / 2))
}

# Presses (and releases) at canvas pixel (x, y); $3 is "right" for the right button.
e2e_press() {
    local button=1
    [ "${3:-}" = right ] && button=3
    e2e_click_at $((MAIN_X + CANVAS_X + $1)) $((MAIN_Y + CANVAS_Y + $2)) "$button"
}

e2e_move() {
    xdotool mousemove --sync $((MAIN_X + CANVAS_X + $1)) $((MAIN_Y + CANVAS_Y + $2))
}

e2e_program_ended() {
    ! kill -0 "$PROGRAM_PID" 2>/dev/null
}

# Waits for the program to end by itself, with the exit status $1.
e2e_expect_exit() {
    e2e_wait_for "the program to end" e2e_program_ended
    local status=0
    wait "$PROGRAM_PID" || status=$?
    PROGRAM_PID=""
    [ "$status" -eq "$1" ] || e2e_fail "the program ended with status $status, not $1"
}

# Waits until a screenshot of the main window passes every check; it is kept as $WORK/$1.png.
# A check is "X,Y=R,G,B" (that colour within one pixel of canvas pixel X,Y) or "X,Y!R,G,B" (not
# there). With E2E_NUDGE set, the pointer moves over the canvas before every try, so that the
# program redraws on its next throttled move.
e2e_expect_canvas() {
    local name=$1
    shift
    local shot="$WORK/$name.png" deadline=$((SECONDS + WAIT_SECONDS)) nudge=0
    while true; do
        if [ -n "${E2E_NUDGE:-}" ]; then
            e2e_move $((700 + nudge)) 420
            nudge=$((1 - nudge))
            sleep 0.2
        fi
        "$PROBE" shot "$MAIN_X" "$MAIN_Y" "$MAIN_WIDTH" "$MAIN_HEIGHT" "$shot"
        local failed="" check
        for check in "$@"; do
            failed+=$(e2e_check "$shot" "$check")
        done
        [ -z "$failed" ] && return 0
        ((SECONDS < deadline)) || e2e_fail "$name:$failed"
        sleep 0.2
    done
}

# Prints nothing when the check holds, else what was seen.
e2e_check() {
    local shot=$1 check=$2
    local point=${check%%[=!]*} colour=${check#*[=!]}
    local x=${point%,*} y=${point#*,} seen
    seen=$("$PROBE" colours "$shot" $((CANVAS_X + x)) $((CANVAS_Y + y)) 1 | tr '\n' ' ')
    case "$check" in
        *=*) [[ " $seen" == *" $colour "* ]] || echo " [$check: saw $seen]" ;;
        *) [[ " $seen" != *" $colour "* ]] || echo " [$check: saw $seen]" ;;
    esac
}
