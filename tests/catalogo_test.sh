#!/usr/bin/env bash
# Every message marked in the sources (traduci("...") and N_("...")) has a
# translation in every catalogue, neither missing nor left fuzzy, and every
# catalogue compiles with its placeholders checked against the English.
# Arguments: the folder of the .po files, then xgettext's options and the
# sources, as the catalogues are made.
set -euo pipefail
cartella_po=$1
shift
modello=$(mktemp)
trap 'rm -f "$modello"' EXIT

xgettext "$@" --output="$modello"
if (($(grep -c '^msgid ' "$modello") < 2)); then
  echo "FAIL: no marked message found in the sources" >&2
  exit 1
fi
guasti=0
for po in "$cartella_po"/*.po; do
  msgfmt --check --output-file=/dev/null "$po" || guasti=1
  # msgcmp fails on a message of the sources that the catalogue lacks or
  # holds untranslated or fuzzy, and names it.
  msgcmp "$po" "$modello" || guasti=1
done
exit $guasti
