#!/usr/bin/env bash
# Every paragraph of the English manual page of scenario-tool has a
# translation in every catalogue of docs/man/po, neither missing nor left
# fuzzy: a page changed without its catalogues fails here, not silently as an
# English paragraph in a translated page.
# Argument: docs/man of the sources.
set -euo pipefail
man=$1
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT

# The catalogue po4a would make from the page as it stands.
po4a-updatepo -f man -M UTF-8 -m "$man/scenario-tool.1.in" -p "$lavoro/modello.pot" >/dev/null 2>&1
if (($(grep -c '^msgid ' "$lavoro/modello.pot") < 10)); then
  echo "FAIL: po4a found no paragraph in $man/scenario-tool.1.in" >&2
  exit 1
fi
guasti=0
for po in "$man"/po/*.po; do
  msgfmt --check --output-file=/dev/null "$po" || guasti=1
  # msgcmp fails on a paragraph that the catalogue lacks or holds
  # untranslated or fuzzy, and names it.
  msgcmp "$po" "$lavoro/modello.pot" || guasti=1
done
exit $guasti
