#!/usr/bin/env bash
# Benchmarks of two builds side by side, as reported in docs/performance.md.
#
#   bash benchmarks/interleaved.sh "FullRepaint BareCls" ROUNDS BENCHMARK [BENCHMARK...]
#
# e.g. bash benchmarks/interleaved.sh "FullRepaint BareCls PressToRepaint" 8 \
#          ../before/build-bench/repaint_benchmark build-bench/repaint_benchmark
#
# A process of this virtual machine runs either fast or, for its whole life, up to half as fast
# again, with its neighbours' load. So each round starts every benchmark of every build in a
# process of its own, in turn, and keeps the least of 30 short repetitions; over the rounds it
# prints the least and the median of those per build and benchmark, in microseconds.
set -euo pipefail
names=$1
rounds=$2
shift 2
results=$(mktemp)
trap 'rm -f "$results"' EXIT
for _ in $(seq "$rounds"); do
    for binary in "$@"; do
        for name in $names; do
            "$binary" --benchmark_filter="^$name\$" --benchmark_repetitions=30 \
                --benchmark_min_time=0.003 2>/dev/null |
                awk -v b="$binary" -v n="$name" '$1 == n && (!m || $4 < m) { m = $4 }
                    END { printf "%s %s %.1f\n", b, n, m / 1000 }' >>"$results"
        done
    done
done
sort -k1,2 -k3n "$results" | awk '
    { key = $1 " " $2; all[key] = all[key] " " $3; count[key]++ }
    END {
        for (key in all) {
            split(all[key], v, " ")
            printf "%s  least %s  median %s  (%s )\n", key, v[1], v[int((count[key] + 1) / 2)], all[key]
        }
    }' | sort
