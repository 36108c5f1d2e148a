#!/usr/bin/env bash
# Where the windows open on screens of common sizes, without a window manager and with openbox
# (where it is installed), and on a screen scaled by 150 %: every window wholly on the screen, END and "Write && End" under no
# other window's frame, and a real click on "Write && End" writes the data file. Prints the frame of
# every window on every screen.
#
#   placement_test.sh PROGRAM PROBE
# shellcheck source-path=SCRIPTDIR source=x_session.sh
source "$(dirname "$0")/x_session.sh"

readonly TITLES=("Qelt graphics" "Qelt --- Cross section" "List of" "Qelt --- Map ")

# Prints "x y width height" of the program's window with the caption $1, its frame included;
# fails where the window is not (or no longer) there.
frame_of() {
    local id x y w h left=0 right=0 top=0 bottom=0
    id=$(xdotool search --all --pid "$PROGRAM_PID" --onlyvisible --name "^$1\$" | head -n1)
    [ -n "$id" ] || return 1
    read -r x y w h < <(xwininfo -id "$id" | awk '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /Width:/ {w = $NF} /Height:/ {h = $NF} END {print x, y, w, h}')
    [ -n "$h" ] || return 1
    if xprop -id "$id" _NET_FRAME_EXTENTS | grep -q =; then
        IFS=', ' read -r left right top bottom < <(xprop -id "$id" _NET_FRAME_EXTENTS | cut -d= -f2)
    fi
    echo $((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))
}

# Reads every window's frame into FRAME and succeeds when each lies wholly on the WIDTH x HEIGHT
# screen.
declare -A FRAME
all_on_screen() {
    local title x y w h
    for title in "${TITLES[@]}"; do
        FRAME[$title]=$(frame_of "$title") || return 1
        read -r x y w h <<<"${FRAME[$title]}"
        ((x >= 0 && y >= 0 && x + w <= $1 && y + h <= $2)) || return 1
    done
}

# Succeeds when the rectangle "x y width height" ($1) meets the frame of no window with a
# caption among the others ($2...), as all_on_screen read them.
uncovered() {
    local x y w h fx fy fw fh title
    read -r x y w h <<<"$1"
    shift
    for title in "$@"; do
        read -r fx fy fw fh <<<"${FRAME[$title]}"
        ((x + w <= fx || fx + fw <= x || y + h <= fy || fy + fh <= y)) || return 1
    done
}

window_manager_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"
}

# One run: the screen $1 x $2, the window manager $3 ("none" or "openbox"), the program scaled
# by $4 (a fraction such as 3/2; 1/1 unless given).
place_on() {
    local width=$1 height=$2 manager=$3 scale=${4:-1/1} wm_pid=""
    local num=${scale%/*} den=${scale#*/}
    E2E_SCREEN="${width}x${height}" e2e_start_x
    if [ "$scale" != 1/1 ]; then
        QT_SCALE_FACTOR=$(awk "BEGIN {print $num / $den}")
        export QT_SCALE_FACTOR
    fi
    if [ "$manager" = openbox ]; then
        openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
        wm_pid=$!
        e2e_wait_for "openbox" window_manager_ready
    fi
    e2e_locate_write_and_end
    # The probe answers in the program's units, the X server in screen pixels.
    read -r WRITE_X WRITE_Y WRITE_W WRITE_H < <(for n in $WRITE_X $WRITE_Y $WRITE_W $WRITE_H; do
        echo $((n * num / den))
    done | xargs)
    local run="$WORK/run-${width}x${height}-$manager-$num-$den"
    mkdir "$run"
    e2e_launch_in "$run" "$PROGRAM"
    for title in "List of" "Qelt --- Map "; do
        e2e_wait_for "\"$title\"" e2e_program_shows "$title"
    done
    e2e_wait_for "every window on the ${width}x${height} screen ($manager)" \
        all_on_screen "$width" "$height"

    # Where it fits, the client area, not the frame, is at its design place.
    local at
    at=$(e2e_window_origin "Qelt graphics")
    if [ "$scale" = 1/1 ] && ((width >= 1440)) && [ "$at" != "464 115" ]; then
        e2e_fail "the main window's client area is at $at on ${width}x${height} ($manager)"
    fi

    local title line="${width}x${height} $manager scale $scale:"
    for title in "${TITLES[@]}"; do
        line+=" [$title] $(awk '{print $1 "," $2 " " $3 "x" $4}' <<<"${FRAME[$title]}")"
    done
    echo "$line"

    local xs_x xs_y
    read -r xs_x xs_y < <(e2e_window_origin "Qelt --- Cross section")
    uncovered "$((MAIN_X + 843 * num / den)) $((MAIN_Y + 126 * num / den)) \
        $((95 * num / den)) $((49 * num / den))" "${TITLES[@]:1}" ||
        e2e_fail "END is under another window on ${width}x${height} ($manager)"
    uncovered "$((xs_x + WRITE_X)) $((xs_y + WRITE_Y)) $WRITE_W $WRITE_H" "${TITLES[0]}" \
        "${TITLES[@]:2}" ||
        e2e_fail "Write && End is under another window on ${width}x${height} ($manager)"
    e2e_click_at $((xs_x + WRITE_X + WRITE_W / 2)) $((xs_y + WRITE_Y + WRITE_H / 2))
    e2e_expect_exit 0
    [ -f "$run/Qelt-CAD-float.csv" ] ||
        e2e_fail "Write && End wrote nothing on ${width}x${height} ($manager)"

    if [ -n "$wm_pid" ]; then
        kill "$wm_pid"
        wait "$wm_pid" 2>/dev/null || true
    fi
    e2e_stop_x
    unset QT_SCALE_FACTOR
}

managers=(none)
if command -v openbox >/dev/null; then
    managers+=(openbox)
else
    echo "openbox is not installed: placement checked without a window manager only"
fi
for manager in "${managers[@]}"; do
    for size in "1920 1080" "1440 900" "1366 768" "1280 720"; do
        # shellcheck disable=SC2086
        place_on $size "$manager"
    done
done
# A 1920 x 1080 screen scaled by 150 % holds 1280 x 720 of the program's units.
place_on 1920 1080 none 3/2
echo "PASS: every window on every screen, END and Write & End in sight, the file written"
