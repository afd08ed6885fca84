#!/usr/bin/env bash
# The manual pages render without a warning, and the page of scenario-tool
# names every command and every option the tool's own help states, its
# synopses word for word the help's usage lines.
# Arguments: the scenario-tool executable, then the pages (roff), the
# English page of scenario-tool first.
set -euo pipefail
tool=$(realpath "$1")
shift
source "$(dirname "$0")/opzioni_tool.sh"
export LC_ALL=C

guasti=0
for pagina in "$@"; do
  avvisi=$(groff -K utf-8 -ww -man -Tutf8 -z "$pagina" 2>&1) || true  # a translated page is UTF-8
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
# The page's synopsis of each command, read as one line ("compile LINE TRAIN
# [-o DIR] ..."), is the usage line of the tool's own help, option for option.
sinossi=$(awk '
  /^\.SH SYNOPSIS/ { dentro = 1; next }
  /^\.SH / { dentro = 0 }
  !dentro { next }
  /^\.SY/ { riga = ""; next }
  /^\.YS/ { if (riga !~ /^ *\[/) print substr(riga, 2); next }
  /^\.OP / { $1 = ""; riga = riga " [" substr($0, 2) "]"; next }
  /^\.[BI] / { $1 = ""; riga = riga $0; next }
' <<<"$testo")
while read -r comando; do
  atteso=$("$tool" --help | sed -n "s/^  \($comando .*\)/\1/p;s/^  \($comando\)\$/\1/p")
  avuto=$(grep -E "^$comando( |\$)" <<<"$sinossi")
  [[ $avuto == "$atteso" ]] || { echo "FAIL: the page's synopsis [$avuto] is not the usage [$atteso]" >&2; guasti=1; }
done <<<"$comandi"
exit $guasti
