#!/usr/bin/env bash
# Start-up time and peak resident memory of qelt-cad against a bare window, as reported in
# docs/performance.md.
#
#   bash benchmarks/startup_and_memory.sh [BUILD_DIR]      (default: build, RelWithDebInfo)
#
# The floor is benchmarks/startup_floor, a main window with one label built with the same Qt;
# each run starts the floor and the program in turn, so that the machine's load falls on both.
# 1. On the offscreen platform, RUNS times (default 20): tests/e2e/startup_probe starts the
#    program as main() does and reports the time from launch to the main window's first paint
#    (painted and flushed) and to the program idle after it, the peak resident memory (VmHWM)
#    then and after drawing the largest drawing the limits allow (55 points in 3 lines); the
#    floor reports the same of its window.
# 2. When Xvfb and xdotool are there: the real binary on a private X server without a window
#    manager, RUNS times, from launch to its main window mapped and to its first pixels on the
#    screen (benchmarks/first_paint watches the server), the floor's window alike; then the peak
#    resident memory at idle, and the program's after the same largest drawing clicked in with
#    real input.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-20}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake -S . -B "$build" -DQELT_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2 --target qelt-cad startup_probe e2e_probe startup_floor first_paint \
    >/dev/null
FLOOR=$(realpath "$build/benchmarks/startup_floor")
WATCH=$(realpath "$build/benchmarks/first_paint")
echo "build: $build ($(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt"))," \
    "$(nproc) cores, Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'),"\
    "load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"

# Prints "min median max" of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f %.1f %.1f\n", v[1], m, v[NR] }'
}

# Prints "min median max" of the numbers in $1 and the median of each divided by the one at the
# same place in $2, one run's pair at a time.
compare() {
    local -n first=$1 second=$2
    local lo med hi ratio
    read -r lo med hi < <(printf '%s\n' "${first[@]}" | summary)
    ratio=$(paste <(printf '%s\n' "${first[@]}") <(printf '%s\n' "${second[@]}") |
        awk '{ printf "%.3f\n", $1 / $2 }' | sort -n |
        awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
    echo "min $lo ms, median $med ms, max $hi ms; ${ratio}x the floor"
}

# Runs "$@" on the offscreen platform with the launch time; its messages go to a log, shown
# only when it fails.
probe_once() {
    local log
    log=$(mktemp)
    if ! QT_QPA_PLATFORM=offscreen "$@" "$(date +%s%N)" 2>"$log"; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

offscreen() {
    local times=() floors=() idles=() floor_idles=() hwm_start=0 hwm_large=0 hwm_floor=0 i out
    probe_once "$build/tests/e2e/startup_probe" >/dev/null  # warms the file cache
    probe_once "$FLOOR" >/dev/null
    for ((i = 0; i < runs; ++i)); do
        out=$(probe_once "$FLOOR")
        floors+=("$(sed -n 's/^painted_ms=//p' <<<"$out")")
        floor_idles+=("$(sed -n 's/^idle_ms=//p' <<<"$out")")
        hwm_floor=$(sed -n 's/^hwm_startup_kb=//p' <<<"$out")
        out=$(probe_once "$build/tests/e2e/startup_probe")
        times+=("$(sed -n 's/^painted_ms=//p' <<<"$out")")
        idles+=("$(sed -n 's/^idle_ms=//p' <<<"$out")")
        hwm_start=$(sed -n 's/^hwm_startup_kb=//p' <<<"$out")
        hwm_large=$(sed -n 's/^hwm_largest_kb=//p' <<<"$out")
    done
    echo
    echo "offscreen platform, $runs runs each, load average now $(cut -d' ' -f1-3 /proc/loadavg):"
    echo "  launch to main window painted: $(compare times floors)"
    echo "  launch to idle after it: $(compare idles floor_idles)"
    echo "  the floor: $(printf '%s\n' "${floors[@]}" | summary | awk '{print "min " $1 " ms, median " $2 " ms, max " $3 " ms"}')"
    echo "  peak resident memory: after start-up $hwm_start kB, after the largest drawing" \
        "$hwm_large kB; the floor $hwm_floor kB ($(awk -v a="$hwm_start" -v b="$hwm_floor" \
        'BEGIN { printf "%.2f", a / b }')x)"
}

peak_kb() {
    sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$PROGRAM_PID/status"
}

# One launch of "$@" on the X server, whose window is named $1: sets PROGRAM_PID, MAPPED_MS and
# PAINTED_MS (from launch to the window mapped, and to its first pixels on the screen).
x_launch() {
    local name=$1 start mapped painted
    shift
    mkdir -p "$WORK/run"
    coproc WATCHER { exec "$WATCH" "$name"; }
    read -r _ <&"${WATCHER[0]}"  # ready
    start=$(date +%s%N)
    (cd "$WORK/run" && exec "$@") >>"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    read -r mapped painted <&"${WATCHER[0]}" || e2e_fail "no window \"$name\" was painted"
    wait "$WATCHER_PID" 2>/dev/null || true
    MAPPED_MS=$(awk -v ns=$((mapped - start)) 'BEGIN { printf "%.1f", ns / 1e6 }')
    PAINTED_MS=$(awk -v ns=$((painted - start)) 'BEGIN { printf "%.1f", ns / 1e6 }')
}

x_launch_floor() {
    x_launch "Startup floor" "$FLOOR"
}

x_end_floor() {
    kill "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
    PROGRAM_PID=""
}

x_launch_program() {
    x_launch "Qelt graphics" "$PROGRAM"
    read -r MAIN_X MAIN_Y < <(e2e_window_origin "Qelt graphics")
}

x_server() {
    # shellcheck source=tests/e2e/x_session.sh
    source tests/e2e/x_session.sh "$build/qelt-cad" "$build/tests/e2e/e2e_probe"
    e2e_start_x
    local mapped=() painted=() floor_mapped=() floor_painted=() i
    for ((i = 0; i < runs; ++i)); do
        x_launch_floor
        floor_mapped+=("$MAPPED_MS")
        floor_painted+=("$PAINTED_MS")
        x_end_floor
        x_launch_program
        mapped+=("$MAPPED_MS")
        painted+=("$PAINTED_MS")
        e2e_push END
        e2e_expect_exit 0
        # A pointer already where the next END is would never be seen to move there.
        xdotool mousemove 0 0
    done
    echo
    echo "real binary on Xvfb (xcb platform, no window manager), $runs runs each, load average" \
        "now $(cut -d' ' -f1-3 /proc/loadavg):"
    echo "  launch to main window painted: $(compare painted floor_painted)"
    echo "  launch to main window mapped: $(compare mapped floor_mapped)"
    echo "  the floor painted: $(printf '%s\n' "${floor_painted[@]}" | summary | awk '{print "min " $1 " ms, median " $2 " ms, max " $3 " ms"}')"

    local floor idle large line count p
    x_launch_floor
    sleep 1
    floor=$(peak_kb)
    x_end_floor
    x_launch_program
    sleep 1
    idle=$(peak_kb)
    for line in 0 1 2; do
        e2e_push 1
        count=$((line == 2 ? 15 : 20))
        for ((p = 0; p < count; ++p)); do
            e2e_press $((20 + p * 38)) $((40 + line * 140 + (p % 2) * 90))
        done
        e2e_push 3
    done
    E2E_NUDGE=1 e2e_expect_canvas largest "742,130=0,0,0" "552,320=0,0,0"
    large=$(peak_kb)
    e2e_push END
    e2e_expect_exit 0
    echo "  peak resident memory: after start-up $idle kB, after the largest drawing $large kB;" \
        "the floor $floor kB ($(awk -v a="$idle" -v b="$floor" 'BEGIN { printf "%.2f", a / b }')x)"
}

offscreen
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    x_server
else
    echo "Xvfb or xdotool missing: the real binary on X was not measured"
fi
