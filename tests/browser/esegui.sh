#!/usr/bin/env bash
# The viewer's browser tests as one CTest test: compiles the scenario in a
# temporary folder, writes its page with `scenario-tool view` (the folder's
# only scenario, found without names) and drives it in headless Chromium.
# Exit 77 (skipped) only when no browser, no node or no installed client is
# there, with the reason; under CI (which installs them) that is a failure.
#
# usage: esegui.sh SCENARIO_TOOL COMPILA_SCENARIO
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
strumento="$1"
compilatore="$2"
. "$qui/requisiti.sh"
richiedi_browser "$qui"

cartella="$(mktemp -d)"
trap 'rm -rf "$cartella"' EXIT
cp "$compilatore" "$cartella/"
(cd "$cartella" && "./$(basename "$compilatore")" >/dev/null)
"$strumento" view "$cartella" -o "$cartella/vista.html"
cd "$qui"
node vista_test.mjs "$cartella/vista.html" ${VIEW_SCREENSHOT:+"$VIEW_SCREENSHOT"}
# The invented example pair of examples/, compiled by the tool: it has a
# slowdown, which the scenario's own pair has not.
"$strumento" compile "$qui/../../examples/Valbruna_linea.txt" "$qui/../../examples/Valbruna_101-.txt" \
  -o "$cartella/esempio" 2>/dev/null
"$strumento" view "$cartella/esempio" -o "$cartella/esempio.html"
node vista_leggibile_test.mjs "$cartella/vista.html" "$cartella/esempio.html"
# The same pair with a station's name and a signpost's text that try to run a
# script in the page.
mkdir "$cartella/ostile"
sed 's|SAN MICHELE|<img src=x onerror="window.rotto=1"><script>window.rotto=2</script>\&amp; "Q" '"'"'A'"'"'|' \
  "$qui/../../examples/Valbruna_101-.txt" >"$cartella/ostile/Valbruna_101-.txt"
sed 's|(P.L.)(Valbruna)|(</text><img src=x onerror="window.rotto=3">)|' \
  "$qui/../../examples/Valbruna_linea.txt" >"$cartella/ostile/Valbruna_linea.txt"
"$strumento" compile "$cartella/ostile/Valbruna_linea.txt" "$cartella/ostile/Valbruna_101-.txt" \
  -o "$cartella/ostile" 2>/dev/null
"$strumento" view "$cartella/ostile" -o "$cartella/ostile.html"
node vista_ostile_test.mjs "$cartella/ostile.html"
