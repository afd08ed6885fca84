#!/usr/bin/env bash
# Times the whole program run against copying the same output bytes with cp,
# and measures the run's peak memory.
#
#   bench/confronta_cp.sh [RUNS] [BUILD_DIR]
#
# RUNS defaults to 50, BUILD_DIR to build-bench (cmake --workflow --preset
# bench). Each timed run replaces every file of the previous one, as a second
# run of the program in its folder does; cp overwrites its copies likewise.
set -euo pipefail

sorgenti="$(cd "$(dirname "$0")/.." && pwd)"
giri="${1:-50}"
build="${2:-$sorgenti/build-bench}"
[ -x "$build/compila_scenario" ] || { echo "no $build/compila_scenario: run cmake --workflow --preset bench" >&2; exit 2; }

lavoro="$(mktemp -d)"
trap 'rm -rf "$lavoro"' EXIT
mkdir "$lavoro/programma" "$lavoro/uscite" "$lavoro/copia"
cp "$build/compila_scenario" "$lavoro/programma/"
programma="$lavoro/programma/compila_scenario"

# One run to find the output, which cp then copies.
"$programma" >/dev/null
find "$lavoro/programma" -maxdepth 1 -type f ! -name compila_scenario -exec cp {} "$lavoro/uscite/" \;
byte=$(cat "$lavoro"/uscite/* | wc -c)
file=$(ls "$lavoro/uscite" | wc -l)

# Microseconds for RUNS runs of the command.
cronometra() {
  local inizio fine
  inizio=$(date +%s%N)
  for ((i = 0; i < giri; i++)); do "$@" >/dev/null; done
  fine=$(date +%s%N)
  echo $(((fine - inizio) / 1000 / giri))
}

tempo_programma=$(cronometra "$programma")
tempo_cp=$(cronometra cp "$lavoro"/uscite/* "$lavoro/copia/")

# Peak resident memory of one run, in KiB.
if [ -x /usr/bin/time ]; then
  picco=$( { /usr/bin/time -f '%M' "$programma" >/dev/null; } 2>&1 | tail -n 1)
else
  picco=$(python3 -c 'import resource, subprocess, sys
subprocess.run([sys.argv[1]], stdout=subprocess.DEVNULL, check=True)
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)' "$programma")
fi

rapporto=$(awk -v p="$tempo_programma" -v c="$tempo_cp" 'BEGIN { printf "%.2f", p / c }')
echo "output:        $file files, $byte bytes"
echo "program run:   $tempo_programma us (mean of $giri)"
echo "cp of output:  $tempo_cp us (mean of $giri)"
echo "ratio:         $rapporto (target at most 1.5)"
echo "peak memory:   $picco KiB (target below 16384)"
awk -v r="$rapporto" -v m="$picco" 'BEGIN { exit !(r <= 1.5 && m < 16384) }' && echo "within both targets" ||
  echo "a target is missed"
