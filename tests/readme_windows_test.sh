#!/usr/bin/env bash
# The README's scenario-tool.exe commands of "On Windows" run as written, under
# Wine, from a folder holding a copy of examples/; each must succeed. Their
# "C:\Giochi" is a temporary folder here (Wine's Z: drive is Linux's root).
# Arguments: Wine, scenario-tool.exe, the README.
set -uo pipefail
wine=$1
tool=$(realpath "$2")
readme=$3
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cp -r "$(dirname "$readme")/examples" "$cartella/"
cd "$cartella" || exit 1
giochi="Z:${cartella//\//\\}"

comandi=$(sed -n '/^## On Windows$/,/^## /p' "$readme" | sed -n 's/^    > scenario-tool\.exe //p')
[[ -n $comandi ]] || { echo "FAIL: no scenario-tool.exe command in the README's On Windows section" >&2; exit 1; }
guasti=0
while IFS= read -r comando; do
  riga=${comando//C:\\Giochi/$giochi}
  # The words as cmd.exe splits them: quotes group, backslashes stay.
  eval "set -- ${riga//\\/\\\\}"
  if ! uscita=$("$wine" "$tool" "$@" 2>&1); then
    echo "FAIL: scenario-tool.exe $comando: [$uscita]" >&2
    guasti=1
  fi
done <<<"$comandi"
# What they wrote: the compiled scenario in the folder named with "ì", its page.
for file in "Simulatore ì/Valbruna_101.sim" "Simulatore ì/Valbruna_101.dat" percorso.html; do
  [[ -s $file ]] || { echo "FAIL: $file not written" >&2; guasti=1; }
done
exit $guasti
