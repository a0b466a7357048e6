#!/bin/bash
# Start-up cost of the game against the floor (a bare Qt 6 window with a menu bar and one
# 784 x 560 picture), measured by the shared start-up benchmark in interleaved rounds: each
# round times the floor and then the game, RUNS runs each (time to the mapped window and
# memory 2 s later, median of the runs, under a private Xvfb), so that a machine that slows
# down on the way weighs on both alike. Prints each round's game/floor ratios and their median.
#   bench/startup.sh [GAME]     # default: build/zelbo; ROUNDS=5 RUNS=7
# Needs: xvfb x11-utils libx11-dev dbus-x11 (apt-get install them once).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
shared=${SHARED:-$top/../shared}
game=${1:-$top/build/zelbo}
rounds=${ROUNDS:-5}
export RUNS=${RUNS:-7}
floor_build=${TMPDIR:-/tmp}/zelbo-floor
out=$(mktemp -d "${TMPDIR:-/tmp}/zelbo-startup.XXXXXX")
cmake -S "$shared/bench/floor" -B "$floor_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$floor_build" >/dev/null
floor_bin=$(find "$floor_build" -maxdepth 1 -type f -executable | head -1)

# median KEY FILE: the median the shared benchmark's summary gives KEY.
median() { awk -v k="$1" '$1 == k { print $5 }' "$2"; }

for round in $(seq 1 "$rounds"); do
    "$shared/bench/startup-bench.sh" "$floor_bin" >"$out/floor.$round" 2>&1
    "$shared/bench/startup-bench.sh" "$game" >"$out/game.$round" 2>&1
    line="round $round:"
    for key in map_ms rss_kb pss_kb; do
        f=$(median "$key" "$out/floor.$round")
        g=$(median "$key" "$out/game.$round")
        line="$line  $key $g/$f = $(echo "scale=2; $g / $f" | bc)"
    done
    echo "$line" | tee -a "$out/rounds"
done
for key in map_ms rss_kb pss_kb; do
    sed -E "s/.*  $key [0-9.]+\/[0-9.]+ = ([0-9.]+).*/\1/" "$out/rounds" | sort -n \
        | awk -v k="$key" '{ a[NR] = $1 } END { printf "%-8s game/floor median %.2f (rounds %.2f to %.2f)\n", k, (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2), a[1], a[NR] }'
done
echo "(each round's output: $out)"
