#!/usr/bin/env bash
# The viewer at the longest line the format allows: generates a line and a
# train of 1000 km (genera_linea), compiles them with scenario-tool and writes
# the page, then
#   test   drives it (vista_lunga_test.mjs);
#   banco  times it beside the scenario's own page of 88 km (banco_vista.mjs,
#          GIRI rounds, 5 unless given), and prints the figures.
# Exit 77 (skipped) as the other browser scripts (requisiti.sh).
#
# usage: lunga.sh test|banco SCENARIO_TOOL COMPILA_SCENARIO GENERA_LINEA [GIRI]
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
modo="$1"
strumento="$2"
compilatore="$3"
generatore="$4"
giri="${5:-5}"
. "$qui/requisiti.sh"
richiedi_browser "$qui"

cartella="$(mktemp -d)"
trap 'rm -rf "$cartella"' EXIT
mkdir "$cartella/lunga" "$cartella/scenario"
"$generatore" 1000000 "$cartella/lunga"
"$strumento" compile "$cartella/lunga/linea.txt" "$cartella/lunga/treno.txt" -o "$cartella/lunga" \
  --line-name Lunga --train-number 1 >/dev/null
"$strumento" view "$cartella/lunga" -o "$cartella/lunga.html"
cd "$qui"
case "$modo" in
  test)
    node vista_lunga_test.mjs "$cartella/lunga.html"
    ;;
  banco)
    cp "$compilatore" "$cartella/scenario/"
    (cd "$cartella/scenario" && "./$(basename "$compilatore")" >/dev/null)
    "$strumento" view "$cartella/scenario" -o "$cartella/scenario.html"
    ls -l "$cartella/scenario.html" "$cartella/lunga.html" | awk '{ print $5, $NF }'
    node banco_vista.mjs --giri "$giri" "88km=$cartella/scenario.html" "1000km=$cartella/lunga.html"
    ;;
  *)
    echo "usage: lunga.sh test|banco SCENARIO_TOOL COMPILA_SCENARIO GENERA_LINEA [GIRI]" >&2
    exit 64
    ;;
esac
