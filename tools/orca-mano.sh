#!/bin/bash
# Plays a hand of the built game by keys under the Orca screen reader, on a
# private desktop, and checks what Orca spoke: the CPU's moves, the hints, the
# hand's result with its cards and points, and never the mouse's tool tips.
#   tools/orca-mano.sh [BUILD_DIR]     (build by default)
# The game runs from a copy of the build folder's program beside links to its
# data, with a home of its own whose settings play the CPU without pauses, so
# no key is dropped while the CPU plays. Speech goes to a silent sound device.
# Prints every spoken line; exits 1 when a check fails, 2 when a tool is missing.
# ORCA_LOG=FILE keeps Orca's whole debug log. Needs (apt-get install once):
# orca speech-dispatcher xvfb openbox xdotool x11-utils at-spi2-core dbus-x11.
set -u
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$raiz/build}
pares=${PARES:-26} # "h Return" pairs: a hand is 18 moves of the player and two boxes
[ -x "$build/zelbo" ] || { echo "no game at $build/zelbo: build the zelbo target first"; exit 2; }
for t in orca Xvfb openbox xdotool xdpyinfo dbus-run-session; do
    command -v $t >/dev/null || {
        echo "missing $t: apt-get install orca speech-dispatcher xvfb openbox xdotool x11-utils at-spi2-core dbus-x11"
        exit 2
    }
done

home=$(mktemp -d)
log=${ORCA_LOG:-$home/orca.log}
juego=$home/juego
mkdir -p "$juego" "$home/.config/zelbo" "$home/.config/speech-dispatcher" "$home/run"
chmod 700 "$home/run"
cp "$build/zelbo" "$juego/"
for f in naipes naipe40.db icons translations ayuda.html ayuda_en.html dibujo.jpg winfond.jpg \
    zelbofond.jpg pordefect.dat; do
    [ -e "$build/$f" ] && ln -s "$build/$f" "$juego/$f"
done
cp "$build/pordefect.dat" "$juego/lastprop.dat"
printf '[cpu]\nvelocidad=sinpausas\n' >"$home/.config/zelbo/zelbo.conf"
# a silent default sound device for speech-dispatcher's voice
printf 'pcm.!default {\n  type null\n}\n' >"$home/.asoundrc"
cp -r /etc/speech-dispatcher/. "$home/.config/speech-dispatcher/" 2>/dev/null
printf 'AudioOutputMethod "alsa"\nAudioALSADevice "default"\n' >>"$home/.config/speech-dispatcher/speechd.conf"

teclas=""
for _ in $(seq "$pares"); do teclas="$teclas h Return"; done
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share
export XDG_RUNTIME_DIR=$home/run ORCA_MANO_LOG=$log ORCA_MANO_TECLAS=$teclas
dbus-run-session -- bash -c '
  for n in $(seq $((100 + RANDOM % 50)) 199); do
    [ -e /tmp/.X$n-lock ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 & xpid=$!
    for i in $(seq 100); do kill -0 $xpid 2>/dev/null || break; xdpyinfo -display ":$n" >/dev/null 2>&1 && break 2; sleep 0.05; done
    kill $xpid 2>/dev/null; wait $xpid 2>/dev/null
  done
  export DISPLAY=:$n QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
  openbox --sm-disable >/dev/null 2>&1 & wmpid=$!
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 & atpid=$!
  sleep 1
  orca --replace -d braille --debug-file="$ORCA_MANO_LOG" -u "$HOME/orca" >/dev/null 2>&1 & opid=$!
  sleep 5
  LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE= "$HOME/juego/zelbo" >/dev/null 2>&1 & apid=$!
  trap "kill \$apid \$opid \$atpid \$wmpid \$xpid 2>/dev/null" EXIT
  sleep 8
  for k in $ORCA_MANO_TECLAS; do
    win=$(xdotool search --pid $apid --onlyvisible --name "." 2>/dev/null | tail -1)
    [ -n "$win" ] && xdotool windowactivate --sync "$win" 2>/dev/null
    xdotool key --clearmodifiers "$k"; sleep 1
  done
  sleep 2
' orca-mano
# speech-dispatcher outlives the session it was started for: end the one started here
sd=$(cat "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid 2>/dev/null)
[ -n "$sd" ] && kill $sd 2>/dev/null
dicho=$(sed -n "s/.*SPEECH OUTPUT: '\(.*\)'[ ]*{.*/\1/p; t; s/.*SPEECH OUTPUT: '\(.*\)'[ ]*\$/\1/p" "$log" 2>/dev/null)
[ -n "${ORCA_LOG:-}" ] || rm -rf "$home"
printf '%s\n' "$dicho"

fallos=0
comprobar() { # what is checked, how many lines match at least, the pattern
    local n
    n=$(printf '%s\n' "$dicho" | grep -cE "$3")
    if [ "$n" -lt "$2" ]; then
        echo "FAIL: $1 ($n lines, at least $2 expected)"
        fallos=1
    fi
}
comprobar "the CPU's moves" 5 '(^|\. )La CPU (tira|levanta|se lleva|pone) '
comprobar "the hints" 5 '\(Intro\)$'
comprobar "whose turn it is" 3 '(^|\. )Juega '
comprobar "the hand's result" 1 \
    '(gana la mano|Mano empatada)\. Cartas: la CPU [0-9]+, tú [0-9]+\. Puntos: la CPU [0-9]+, tú [0-9]+'
if printf '%s\n' "$dicho" | grep -qE 'Click (derecho|izquierdo)'; then
    echo "FAIL: the mouse's tool tips were spoken"
    fallos=1
fi
[ "$fallos" = 0 ] && echo "OK: Orca spoke the moves, the hints, the turn and the hand's result"
exit $fallos
