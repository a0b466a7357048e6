#!/bin/bash
# Start-up cost of the game against the floor (a bare Qt 6 window with a menu
# bar and one 784 x 560 picture), both measured in the same run by the shared
# start-up benchmark: time to the mapped window and memory 2 s later, median
# of RUNS runs (default 7) under a private Xvfb.
#   bench/startup.sh            # after a build into build/
# Needs: xvfb x11-utils libx11-dev dbus-x11 (apt-get install them once).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
shared=${SHARED:-$top/../shared}
floor_build=${TMPDIR:-/tmp}/zelbo-floor
cmake -S "$shared/bench/floor" -B "$floor_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$floor_build" >/dev/null
floor_bin=$(find "$floor_build" -maxdepth 1 -type f -executable | head -1)
echo "== floor: $floor_bin"
"$shared/bench/startup-bench.sh" "$floor_bin" | tee /tmp/zelbo-floor.txt
echo "== game: $top/build/zelbo"
"$shared/bench/startup-bench.sh" "$top/build/zelbo" | tee /tmp/zelbo-game.txt
awk '/^map_ms|^rss_kb|^pss_kb/ { v[FILENAME, $1] = $5 }
     END { for (k in v) { split(k, p, SUBSEP); n[p[2]] } 
           for (m in n) printf "%-8s game/floor = %.2f\n", m, v["/tmp/zelbo-game.txt", m] / v["/tmp/zelbo-floor.txt", m] }' \
    /tmp/zelbo-floor.txt /tmp/zelbo-game.txt
