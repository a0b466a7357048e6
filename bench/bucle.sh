#!/bin/bash
# The developer's loop, timed from clean clones of this checkout's HEAD:
#   1. `make run` up to the built game (`make build`, what it does before starting the game),
#      with an empty compiler cache, as a new player's first build;
#   2. `make test` with an empty compiler cache (cold);
#   3. `make test` in a second clean clone, elsewhere, with the cache the first one filled (warm).
# Each command of the Makefile's recipes is timed on its own (configure, build, each build's
# tests), through a SHELL that times what it runs; the normal suite's own time, which runs
# beside the sanitizer build, is taken from CTest. Packages are taken as installed (the deps
# step is timed too and takes a second when they are).
#   bench/bucle.sh [run|cold|warm ...]   # default: all three, in that order
# Run it on a quiet machine; it prints a table of the phases and the totals.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/zelbo-bucle.XXXXXX")
trap 'rm -rf "$work"' EXIT
pasos=("$@")
[ ${#pasos[@]} -gt 0 ] || pasos=(run cold warm)

# The SHELL make runs each recipe line with: the line, its time and its exit status, to $BUCLE_LOG.
cat >"$work/cronometro" <<'SH'
#!/bin/bash
shift   # make's -c
inicio=$(date +%s.%N)
/bin/bash -c "$1"
estado=$?
fin=$(date +%s.%N)
printf '%s\t%s\t%s\n' "$(echo "$fin - $inicio" | bc)" "$estado" "${1%%$'\n'*}" >>"$BUCLE_LOG"
exit $estado
SH
chmod +x "$work/cronometro"

# contar BUILD: the compile units and the programs and libraries linked in a build folder.
contar() {
    local unidades=0 enlaces=0 salida
    while read -r salida; do
        case $salida in
        *.o) unidades=$((unidades + 1)) ;;
        *) [ -f "$1/$salida" ] && head -c 4 "$1/$salida" | cmp -s - <(printf '\177ELF') \
               && enlaces=$((enlaces + 1)) ;;
        esac
    done < <(awk 'NR > 1 { print $4 }' "$1/.ninja_log" | sort -u)
    echo "  $(basename "$1"): $unidades compile units, $enlaces programs and shared libraries linked"
}

# medir NAME CACHE TARGET: a fresh clone, `make TARGET` in it with the compiler cache CACHE.
medir() {
    local nombre=$1 cache=$2 objetivo=$3 clon="$work/$1"
    git clone -q --no-hardlinks "$top" "$clon"
    export BUCLE_LOG="$work/$nombre.log" CCACHE_DIR="$cache"
    : >"$BUCLE_LOG"
    command -v ccache >/dev/null && ccache -z >/dev/null
    local inicio=$(date +%s.%N) estado=0
    make -C "$clon" "$objetivo" SHELL="$work/cronometro" >"$work/$nombre.out" 2>&1 || estado=$?
    local total=$(echo "$(date +%s.%N) - $inicio" | bc)
    echo "== $nombre: make $objetivo from a clean clone, $(printf '%.0f' "$total") s (exit $estado)"
    awk -F'\t' '{ c = $3; if (c ~ /missing=/) c = "deps (packages already installed?)";
                  if (length(c) > 70) c = substr(c, 1, 67) "...";
                  printf "  %7.1f s  %-70s%s\n", $1, c, ($2 == 0 ? "" : "  exit " $2) }' "$BUCLE_LOG"
    for b in build build-asan; do
        [ -f "$clon/$b/.ninja_log" ] && contar "$clon/$b"
    done
    # Each suite's own time, from CTest: the normal one shares its step with the sanitizer build.
    grep "Total Test time" "$work/$nombre.out" | paste -sd ';' | sed 's/^/  suites (build; build-asan): /'
    [ $estado = 0 ] || { tail -30 "$work/$nombre.out"; exit $estado; }
    command -v ccache >/dev/null && ccache -s | grep -E "Hits|Misses" | sed 's/^/  ccache /'
    rm -rf "$clon"
}

for paso in "${pasos[@]}"; do
    case $paso in
    run)  medir run "$work/cache-run" build ;;
    cold) medir cold "$work/cache-test" test ;;
    warm) [ -d "$work/cache-test" ] || { echo "warm needs cold before it" >&2; exit 2; }
          medir warm "$work/cache-test" test ;;
    *) echo "usage: $0 [run|cold|warm ...]" >&2; exit 2 ;;
    esac
done
