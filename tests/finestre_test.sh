#!/usr/bin/env bash
# The Windows program's wait window and message box, under Wine on a virtual
# X display.
#   finestre_test.sh WINE PROGRAM_TEST_BUILD INSPECTOR BUILD_FOLDER
# The wait window: found by its title while the test build holds the job,
# its client area, label and font read by the inspector, a screenshot kept
# as BUILD_FOLDER/finestra_attesa.png (and the box's as messaggio_errore.png). The message box: shown for the fatal
# message, found by the program's title, closed with Enter; the program then
# ends with status 2 and has written no compiled file.
set -euo pipefail
wine=$1 programma=$2 ispettore=$3 uscita=$4

export WINEDEBUG=-all
# A new prefix must not offer to install Wine's .NET and HTML engines: on the
# virtual display nobody would answer.
export WINEDLLOVERRIDES="mscoree,mshtml="
cartella=$(mktemp -d)
xvfb_pid=
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$cartella"' EXIT

# A display of its own: Xvfb picks a free number and writes it to the pipe.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$cartella/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$cartella/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$cartella/display")"

fallito=0
controlla() {  # controlla DESCRIPTION EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1: expected '$2', got '$3'"
    fallito=1
  fi
}

# Wine's server and its desktop keep the display they started with: one left
# running by an earlier Wine run without this display (a test just before,
# on no display at all) would take the windows there. It is ended first, so
# that the runs below start one on this display, and ended again at the end.
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || true)
ferma_wine() { [ -n "$wineserver" ] && { "$wineserver" -k 2>/dev/null || true; "$wineserver" -w 2>/dev/null || true; }; }
ferma_wine
trap 'ferma_wine; [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$cartella"' EXIT

# The program in a folder whose name has a non-ASCII letter, as a user's may.
mkdir "$cartella/Simulatore ì"
cp "$programma" "$cartella/Simulatore ì/compila_scenario.exe"

# 1. The wait window, held for long enough to be looked at.
SCENARIO_TRATTIENI_MS=8000 "$wine" "$cartella/Simulatore ì/compila_scenario.exe" >"$cartella/out" &
corsa=$!
if ! finestra=$(timeout 60 xdotool search --sync --name '^Form1$' | head -n1); then
  echo "FAIL: no window titled Form1"
  exit 1
fi
sleep 1  # painted at once; the second lets the X server show it
letto=$("$wine" "$ispettore" | tr -d '\r')
echo "$letto"
controlla "client area" "client 280x179" "$(sed -n 1p <<<"$letto")"
controlla "label" "label Attendere 64,64 177x53" "$(sed -n 2p <<<"$letto")"
# "MS Sans Serif" asked for, given as it is or as the system's substitute;
# 24 points, bold.
carattere=$(grep '^font' "$cartella/out" | tr -d '\r')
echo "$carattere"
controlla "font asked for" "font MS Sans Serif /" "$(cut -d' ' -f1-5 <<<"$carattere")"
controlla "font size and weight" "24 700" "$(awk '{print $(NF-1), $NF}' <<<"$carattere")"
xwd -silent -id "$finestra" >"$cartella/finestra.xwd"
python3 "$(dirname "$0")/xwd_png.py" "$cartella/finestra.xwd" "$uscita/finestra_attesa.png"
echo "screenshot: $uscita/finestra_attesa.png"
wait "$corsa" || { echo "FAIL: the held run ended with status $?"; fallito=1; }
for nome in MilanoPGen-Alessandria_2635.sim MilanoPGen-Alessandria_linea.dat; do
  [ -f "$cartella/Simulatore ì/$nome" ] || { echo "FAIL: $nome not written"; fallito=1; }
done

# 2. The message box of the fatal message, closed with Enter.
mkdir "$cartella/errore"
cp "$programma" "$cartella/errore/compila_scenario.exe"
SCENARIO_ERRORE_PROVA=1250 "$wine" "$cartella/errore/compila_scenario.exe" &
corsa=$!
if ! scatola=$(timeout 60 xdotool search --sync --name '^compila_scenario$' | head -n1); then
  echo "FAIL: no message box titled compila_scenario"
  exit 1
fi
sleep 1
letto=$("$wine" "$ispettore" messaggio | tr -d '\r')
echo "$letto"
controlla "message box" "$(printf 'text  Errore n. 1250\nbutton OK')" "$letto"
xwd -silent -id "$scatola" >"$cartella/scatola.xwd"
python3 "$(dirname "$0")/xwd_png.py" "$cartella/scatola.xwd" "$uscita/messaggio_errore.png"
xdotool windowactivate --sync "$scatola" 2>/dev/null || xdotool windowfocus --sync "$scatola"
xdotool key --window "$scatola" Return
stato=0
timeout 60 tail --pid="$corsa" -f /dev/null || true
wait "$corsa" || stato=$?
controlla "status after the message box" 2 "$stato"
controlla "files in the folder" "compila_scenario.exe" "$(ls "$cartella/errore")"

exit $fallito
