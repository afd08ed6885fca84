#!/usr/bin/env bash
# The bash completion of scenario-tool, driven as bash drives it: COMP_WORDS
# and COMP_CWORD set, the completion function called, COMPREPLY read.
# Arguments: the scenario-tool executable, the completion script.
set -uo pipefail
tool=$(realpath "$1")
source "$(dirname "$0")/opzioni_tool.sh"
source "$2"
export LC_ALL=C

# The completion function registered for the command.
funzione=$(complete -p scenario-tool | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
[[ -n $funzione ]] || { echo "FAIL: nothing registered for scenario-tool" >&2; exit 1; }

# Completes the words given, the last one being the word under the cursor;
# prints the offers sorted, space-separated.
completa() {
  COMP_WORDS=(scenario-tool "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="${COMP_WORDS[*]}"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$funzione" scenario-tool "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  printf '%s\n' "${COMPREPLY[@]}" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//'
}

guasti=0
atteso() {  # description, expected offers, then the words
  local nome=$1 voluto=$2
  shift 2
  local avuto
  avuto=$(completa "$@")
  if [[ $avuto != "$voluto" ]]; then
    echo "FAIL: $nome: scenario-tool $*<Tab> offers [$avuto], expected [$voluto]" >&2
    guasti=1
  fi
}

cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cd "$cartella"
mkdir uscita
touch linea.txt treno.txt Prova_7.sim Prova_7.dat Prova_linea.dat disegno.svg note.md

atteso "commands by prefix" "check compile" c
atteso "compile options" "--force --help --json --line-name --no-plan --strict --train-number --version" compile --
atteso "descriptions for compile" "linea.txt treno.txt uscita" compile ""
atteso "second description" "treno.txt" check linea.txt t
atteso "folders for -o of compile" "uscita" compile linea.txt treno.txt -o ""
atteso "no file names for a name" "" compile --line-name ""
atteso "compiled files for dump" "Prova_7.dat Prova_7.sim Prova_linea.dat uscita" dump ""
atteso "kinds for --kind" "cells plan table" dump --kind ""
atteso "kinds after --kind=" "cells plan table" dump --kind =
atteso "kinds after --kind=p" "plan" dump --kind = p
atteso "folders for plot" "uscita" plot ""
atteso "pictures for -o of plot" "disegno.svg uscita" plot uscita -o ""
atteso "folders for -o of example" "uscita" example -o ""
atteso "nothing for example itself" "" example ""
atteso "unknown command" "" frobnicate ""

# The completion offers what the tool's own help states, no more, no less.
comandi=$(comandi_tool) || guasti=1
attesi=$({ echo "$comandi"; printf '%s\n' --help --version; } | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
atteso "every command of the help, --help and --version" "$attesi" ""
for comando in $comandi; do
  atteso "options of $comando as its help states them" "$(opzioni_comando "$comando" | tr '\n' ' ' | sed 's/ $//')" \
    "$comando" -
done
exit $guasti
