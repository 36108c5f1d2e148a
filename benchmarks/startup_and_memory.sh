#!/usr/bin/env bash
# Start-up time and peak resident memory of qelt-cad, as reported in docs/performance.md.
#
#   bash benchmarks/startup_and_memory.sh [BUILD_DIR]      (default: build, RelWithDebInfo)
#
# 1. On the offscreen platform, RUNS times (default 20): tests/e2e/startup_probe starts the
#    program as main() does and reports the time from launch to the idle, painted main window,
#    and the peak resident memory (VmHWM) then and after drawing the largest drawing the limits
#    allow (55 points in 3 lines).
# 2. When Xvfb and xdotool are there: the real binary on a private X server, RUNS times, from
#    launch to its main window being mapped, then its peak resident memory at idle and after the
#    same largest drawing clicked in with real input.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-20}

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j2 --target qelt-cad startup_probe e2e_probe >/dev/null
echo "build: $build ($(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt"))," \
    "$(nproc) cores, Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo '?'),"\
    "load average before the runs: $(cut -d' ' -f1-3 /proc/loadavg)"

# Prints "min median max" of the numbers on standard input.
summary() {
    sort -n | awk '{ v[NR] = $1 } END {
        m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f %.1f %.1f\n", v[1], m, v[NR] }'
}

# The probe's messages go to a log, shown only when it fails.
probe_once() {
    local log
    log=$(mktemp)
    if ! QT_QPA_PLATFORM=offscreen "$build/tests/e2e/startup_probe" "$(date +%s%N)" 2>"$log"; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

offscreen() {
    local times=() hwm_start=0 hwm_large=0 i out
    probe_once >/dev/null  # warms the file cache
    for ((i = 0; i < runs; ++i)); do
        out=$(probe_once)
        times+=("$(sed -n 's/^startup_ms=//p' <<<"$out")")
        hwm_start=$(sed -n 's/^hwm_startup_kb=//p' <<<"$out")
        hwm_large=$(sed -n 's/^hwm_largest_kb=//p' <<<"$out")
    done
    read -r lo med hi < <(printf '%s\n' "${times[@]}" | summary)
    echo
    echo "offscreen platform, $runs runs:"
    echo "  launch to idle main window: min $lo ms, median $med ms, max $hi ms"
    echo "  peak resident memory: after start-up $((hwm_start / 1024)) MiB ($hwm_start kB)," \
        "after the largest drawing $((hwm_large / 1024)) MiB ($hwm_large kB)"
}

peak_kb() {
    sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$PROGRAM_PID/status"
}

# One launch of the real binary on the X server: sets PROGRAM_PID, and LAUNCH_MS to the time
# from launch to its mapped main window.
x_launch() {
    local start shown
    mkdir -p "$WORK/run"
    start=$(date +%s%N)
    (cd "$WORK/run" && exec "$PROGRAM") >>"$WORK/program.log" 2>&1 &
    PROGRAM_PID=$!
    until e2e_window_shown "Qelt graphics" >/dev/null; do
        kill -0 "$PROGRAM_PID" || e2e_fail "the program ended before showing its window"
    done
    shown=$(date +%s%N)
    LAUNCH_MS=$(awk -v ns=$((shown - start)) 'BEGIN { printf "%.1f", ns / 1e6 }')
    read -r MAIN_X MAIN_Y < <(e2e_window_origin "Qelt graphics")
}

x_server() {
    # shellcheck source=tests/e2e/x_session.sh
    source tests/e2e/x_session.sh "$build/qelt-cad" "$build/tests/e2e/e2e_probe"
    e2e_start_x
    local times=() i
    for ((i = 0; i < runs; ++i)); do
        x_launch
        times+=("$LAUNCH_MS")
        e2e_push END
        e2e_expect_exit 0
    done
    read -r lo med hi < <(printf '%s\n' "${times[@]}" | summary)

    x_launch
    sleep 1
    local idle large line count p
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
    echo
    echo "real binary on Xvfb (xcb platform), $runs runs:"
    echo "  launch to mapped main window: min $lo ms, median $med ms, max $hi ms"
    echo "  peak resident memory: after start-up $((idle / 1024)) MiB ($idle kB)," \
        "after the largest drawing $((large / 1024)) MiB ($large kB)"
}

offscreen
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    x_server
else
    echo "Xvfb or xdotool missing: the real binary on X was not measured"
fi
