#!/usr/bin/env bash
# The manual pages render without a warning, and the page of scenario-tool
# names every command and every option the tool's own help states.
# Arguments: the scenario-tool executable, then the pages (roff).
set -euo pipefail
tool=$(realpath "$1")
shift
source "$(dirname "$0")/opzioni_tool.sh"
export LC_ALL=C

guasti=0
for pagina in "$@"; do
  avvisi=$(groff -ww -man -Tutf8 -z "$pagina" 2>&1) || true
  if [[ -n $avvisi ]]; then
    echo "FAIL: $pagina renders with warnings:" >&2
    echo "$avvisi" >&2
    guasti=1
  fi
done

# The page's text with roff's escaped hyphens as plain ones.
testo=$(sed 's/\\-/-/g' "$1")
comandi=$(comandi_tool) || guasti=1
for comando in $comandi; do
  grep -qE "^\.BI? $comando( |\$)" <<<"$testo" || { echo "FAIL: no entry for the command $comando" >&2; guasti=1; }
  for opzione in $(opzioni_comando "$comando"); do
    grep -qF -- "$opzione" <<<"$testo" || { echo "FAIL: $comando $opzione is not in the page" >&2; guasti=1; }
  done
done
exit $guasti
