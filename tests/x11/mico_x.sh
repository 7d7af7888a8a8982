#!/bin/bash
# A random test with real X events: starts Xvfb and openbox, runs the program
# and sends it seeded random keys, mnemonics and clicks through xdotool,
# mostly in the exercises. When the program ends it records how (a quit from
# the main window, or a crash, a sanitizer report or an exit nobody asked
# for) with the seed, the last events and the program's error output, then
# starts it again and carries on until the time is up.
#
# Usage: tests/x11/mico_x.sh [-s SEED] [-t SECONDS] [-d :DISPLAY] [-o DIR] [PROGRAM]
#   PROGRAM  defaults to build-asan/src/ribolia (the sanitizer build)
#   DIR      defaults to /tmp/mico_x-SEED; it holds resum.txt, the events and
#            error output of each start, and a report per finding
# Exit status: 0 when every end was a quit from the main window, 1 otherwise.
set -u

llavor=$RANDOM$RANDOM
segons=1800
pantalla=:94
sortida=
while getopts "s:t:d:o:" opcio; do
  case $opcio in
    s) llavor=$OPTARG ;;
    t) segons=$OPTARG ;;
    d) pantalla=$OPTARG ;;
    o) sortida=$OPTARG ;;
    *) sed -n 9,13p "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
programa=$(realpath "${1:-build-asan/src/ribolia}")
[ -x "$programa" ] || { echo "no trobo el programa $programa" >&2; exit 2; }
sortida=${sortida:-/tmp/mico_x-$llavor}
mkdir -p "$sortida/casa" && mkdir -p -m 700 "$sortida/execucio"
export DISPLAY=$pantalla

fills=()
acaba() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  for f in "${fills[@]}"; do kill "$f" 2>/dev/null; done
}
trap acaba EXIT

# An X server of our own unless one already answers on the display.
if ! xdotool getdisplaygeometry >/dev/null 2>&1; then
  Xvfb "$pantalla" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  fills+=($!)
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
fi
openbox >/dev/null 2>&1 &
fills+=($!)
sleep 1

RANDOM=$llavor
pas=0 arrencades=0 sortides=0 sortidesAltX=0 troballes=0
inici=$SECONDS
esdeveniments=

arrenca() {
  arrencades=$((arrencades + 1))
  esdeveniments=$sortida/esdeveniments-$arrencades.txt
  errors=$sortida/errors-$arrencades.txt
  : >"$esdeveniments"
  HOME=$sortida/casa XDG_CONFIG_HOME=$sortida/casa/.config XDG_DATA_HOME=$sortida/casa/.local \
    XDG_RUNTIME_DIR=$sortida/execucio QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 "$programa" >/dev/null 2>"$errors" &
  pid=$!
  principal=
  for _ in $(seq 600); do
    principal=$(xdotool search --pid "$pid" --name '^RIBOLIA$' 2>/dev/null | head -1)
    [ -n "$principal" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 0.5
}

tria() { local a=("$@"); echo "${a[RANDOM % ${#a[@]}]}"; }

# Sends one event and writes it, with the active window, to the events file.
envia() {
  echo "$pas [$actiu] $*" >>"$esdeveniments"
  "$@" 2>/dev/null
}

clic() {
  local X Y WIDTH HEIGHT
  eval "$(xdotool getactivewindow getwindowgeometry --shell 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
  [ -n "${WIDTH:-}" ] || return
  local x=$((X + RANDOM % WIDTH)) y=$((Y + RANDOM % HEIGHT)) boto
  boto=$(tria 1 1 1 1 1 1 1 1 3 4 5)
  envia xdotool mousemove "$x" "$y" click "$boto"
}

tecla() { envia xdotool key "$@"; }

# The exercises through the menu bar: Fitxer and Right to Exercicis, or the
# Exercicis menu's own mnemonic, then the item's; the replication exercise and
# the summary table most. One time in ten Alt+X is sent as the menu's
# mnemonic, as a student reading "E&xercicis" would: while that letter is
# also the quit key, the program ends there.
obre_exercici() {
  local r=$((RANDOM % 10))
  if [ $r -lt 6 ]; then
    tecla alt+f
    sleep 0.1
    tecla Right
  elif [ $r -lt 9 ]; then
    tecla alt+r
  else
    tecla alt+x
  fi
  sleep 0.1
  tecla "$(tria d d d t t t r)"
  sleep 0.4
}

un_pas() {
  pas=$((pas + 1))
  actiu=$(xdotool getactivewindow getwindowname 2>/dev/null)
  local r=$((RANDOM % 100))
  if [ "$actiu" = RIBOLIA ] && [ $r -lt 40 ]; then
    obre_exercici
    return
  fi
  # Help and the printing file dialog are closed soon, back to the window it explains.
  if [[ $actiu == "Ajuda de Ribolia"* || $actiu == "No hi ha cap impressora"* ]] && [ $r -lt 50 ]; then
    tecla Escape
    return
  fi
  r=$((RANDOM % 100))
  if [ $r -lt 42 ]; then
    tecla "$(tria a c g t u A C G T U)"
  elif [ $r -lt 50 ]; then
    tecla space
  elif [ $r -lt 54 ]; then
    tecla Return
  elif [ $r -lt 56 ]; then
    tecla Escape
  elif [ $r -lt 61 ]; then
    tecla "$(tria Tab Tab shift+Tab)"
  elif [ $r -lt 69 ]; then
    tecla "$(tria Left Right Up Down)"
  elif [ $r -lt 79 ]; then
    # Mnemonics of the menus and of the exercise windows' buttons.
    tecla alt+"$(tria f x r b l e u a c g t 5 3 h i o n d s)"
  elif [ $r -lt 80 ]; then
    tecla F1
  else
    clic
  fi
  sleep 0.03
}

# Why the program ended: a quit is an exit status 0 after events on the main
# window (its menus are popups of it), perhaps followed by the "Ribolia"
# question about the research and the save dialog it leads to; anything else
# is a finding.
registra_final() {
  wait "$pid"
  local estat=$? darrers com
  darrers=$(tail -n 20 "$esdeveniments" | tac | awk '
    { w = $0; sub(/^[0-9]+ \[/, "", w); sub(/\].*$/, "", w) }
    w == "RIBOLIA" { print; if (++principal == 3) exit; next }
    principal { exit }
    w == "" || w == "Ribolia" || w == "Desar recerca" { next }
    { print "altra finestra"; exit }')
  if [ $estat -eq 0 ] && ! grep -qE 'ERROR: AddressSanitizer|runtime error' "$errors" &&
    grep -q '\[RIBOLIA\]' <<<"$darrers" && ! grep -q '^altra finestra$' <<<"$darrers"; then
    sortides=$((sortides + 1))
    com="sortida des de la finestra principal"
    if grep -q '\[RIBOLIA\] xdotool key alt+x$' <<<"$darrers"; then
      sortidesAltX=$((sortidesAltX + 1))
      com="$com (Alt+X)"
    fi
    echo "pas $pas: $com" >>"$sortida/resum.txt"
    return
  fi
  troballes=$((troballes + 1))
  local informe=$sortida/troballa-$troballes.txt
  {
    echo "llavor $llavor, arrencada $arrencades, pas $pas, estat de sortida $estat"
    echo "--- darrers esdeveniments"
    tail -n 40 "$esdeveniments"
    echo "--- sortida d'errors"
    cat "$errors"
  } >"$informe"
  echo "pas $pas: TROBALLA (estat $estat), vegeu $informe" >>"$sortida/resum.txt"
}

echo "llavor $llavor, $segons s, programa $programa" >"$sortida/resum.txt"
arrenca
while [ $((SECONDS - inici)) -lt "$segons" ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    registra_final
    arrenca
    continue
  fi
  un_pas
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
pid=
grep -hE 'ERROR: AddressSanitizer|runtime error' "$sortida"/errors-*.txt >>"$sortida/resum.txt"
echo "$((SECONDS - inici)) s, $pas passos, $arrencades arrencades, $sortides sortides des de la" \
  "finestra principal ($sortidesAltX amb Alt+X), $troballes troballes" | tee -a "$sortida/resum.txt"
[ $troballes -eq 0 ]
