#!/usr/bin/env bash
# scenario-tool speaks the language the environment asks for: a faulty pair
# checked under each setting gives its faults in that language, with the
# program's own "Errore n." and the code unchanged. The compiled files, and
# everything the program compila_scenario writes and prints, are the same
# bytes in every language.
# Arguments: scenario-tool (its catalogues in ../share/locale, or built in),
# compila_scenario, and for a Windows build the emulator that runs the tool
# (the program's part is then left out: it prints nothing, in any language).
set -uo pipefail
tool=$(realpath "$1")
programma=$(realpath "$2")
emulatore=${3:-}
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
cd "$cartella"

guasti=0
fallito() {
  echo "FAIL: $*" >&2
  guasti=1
}

# Runs the tool with only the language settings given: the settings, then
# "$tool" and its arguments.
tool_in() {
  local impostazioni=()
  while [[ $1 == *=* ]]; do
    impostazioni+=("$1")
    shift
  done
  if [[ -n $emulatore && $1 == "$tool" ]]; then
    set -- "$emulatore" "$@"
  fi
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${impostazioni[@]}" "$@"
}

# A 10 km line whose second signpost takes the first one's cell (code 6, line
# 5), and a train whose three signals fill the window before a slowdown that
# starts in cell 101 (code 12 at 101 x 50 m, found by the layout pass).
printf '[generale]\r\nlunghezza percorso,  10000\r\n[curve]\r\ncartello_indicatore,  1300,  A\r\ncartello_indicatore,  1300,  B\r\n[fine]\r\n' >linea.txt
printf '[generale]\r\nlunghezza percorso,  10000\r\n[curve]\r\n[fine]\r\n' >linea_vuota.txt
printf '[generale]\r\n[fine]\r\n' >treno.txt
printf '%s\r\n' '[generale]' 'segnale,  4650,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0' \
  'segnale,  4700,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0' 'segnale,  4750,  1,  4,  1,  0,  0,  0,  0,  0,  0,  0' \
  'rallentamento,  5000,  60,  500,  0,  0,  0' '[fine]' >treno_rallentamento.txt

riga_citata=$' cartello_indicatore,  1300,  B\n ^~~~~~~~~~~~~~~~~~~'
inglese="linea.txt:5:1: error: signpost cell is not free (Errore n. 6 at 1300 m)
$riga_citata
 hint: cell 27 (1350 m to 1400 m) already holds the signpost at linea.txt:4 (A)"
italiano="linea.txt:5:1: errore: la cella del cartello indicatore non è libera (Errore n. 6 a 1300 m)
$riga_citata
 suggerimento: la cella 27 (da 1350 m a 1400 m) contiene già il cartello di linea.txt:4 (A)"
while IFS='|' read -r nome atteso impostazioni; do
  [[ -n $nome ]] || continue
  [[ $atteso == it ]] && atteso=$italiano || atteso=$inglese
  # shellcheck disable=SC2086
  avuto=$(tool_in $impostazioni "$tool" check linea.txt treno.txt 2>&1)
  stato=$?
  [[ $avuto == "$atteso" && $stato == 1 ]] || fallito "$nome ($impostazioni): status $stato, printed [$avuto]"
done <<'CASI'
LANGUAGE alone|it|LANGUAGE=it
LANGUAGE=en|en|LANGUAGE=en
nothing set|en|
LANG of an Italian locale, installed or not|it|LANG=it_IT.UTF-8
LANG without a country|it|LANG=it
LC_MESSAGES before LANG|it|LANG=en_US.UTF-8 LC_MESSAGES=it_IT.UTF-8
LC_ALL before LC_MESSAGES|en|LC_MESSAGES=it_IT.UTF-8 LC_ALL=en_GB.UTF-8
LANGUAGE before the locale|it|LANG=en_US.UTF-8 LANGUAGE=it
the C locale is English whatever LANGUAGE says|en|LC_ALL=C LANGUAGE=it
POSIX likewise|en|LANG=POSIX LANGUAGE=it
a language without a catalogue|en|LANGUAGE=fr
the first language of the list that has one|it|LANGUAGE=fr:it:en
CASI

avuto=$(tool_in LANGUAGE=it "$tool" check linea_vuota.txt treno_rallentamento.txt 2>&1 | grep 'Errore n\.')
[[ $avuto == "treno_rallentamento.txt:5:1: errore: un'intera finestra prima dell'inizio di un rallentamento è occupata (Errore n. 12 a 5050 m)" ]] ||
  fallito "layout-pass fault in Italian: [$avuto]"
printf '%s\r\n' '[generale]' 'nota del revisore' '[fine]' >treno_chiave.txt
avuto=$(tool_in LANGUAGE=it "$tool" check linea_vuota.txt treno_chiave.txt 2>&1 >/dev/null)
[[ $avuto == $'treno_chiave.txt:2:1: avviso: il campo "nota del revisore" non contiene alcuna parola chiave: ignorato\n nota del revisore\n ^~~~~~~~~~~~~~~~~' ]] ||
  fallito "warning in Italian: [$avuto]"
avuto=$(tool_in LANGUAGE=it "$tool" frobnicate 2>&1)
[[ $avuto == "scenario-tool: comando sconosciuto frobnicate; prova 'scenario-tool --help'" ]] ||
  fallito "usage error in Italian: [$avuto]"
avuto=$(tool_in LANGUAGE=it "$tool" --version)
[[ $avuto == "$(tool_in "$tool" --version)" ]] || fallito "--version differs in Italian: [$avuto]"

# The compiled files do not depend on the language.
mkdir en it
tool_in LANGUAGE=en "$tool" compile linea.txt treno.txt -o en --force --line-name Prova --train-number 7 2>/dev/null
tool_in LANGUAGE=it "$tool" compile linea.txt treno.txt -o it --force --line-name Prova --train-number 7 2>/dev/null
[[ $(ls en) == "$(ls it)" && -n $(ls en) ]] || fallito "compile wrote other files in Italian"
for f in en/*; do cmp -s "$f" "it/${f#en/}" || fallito "${f#en/} differs in Italian"; done

# A compiled file refused, and a failure of the file system, are told in the
# language too. The system's own reason (strerror) follows the locale, so the
# last row leaves it open.
: >vuota.sim
head -c 16 /dev/zero >corte.dat
mkdir immagine
while IFS='|' read -r nome lingua stato_atteso atteso argomenti; do
  # shellcheck disable=SC2086
  avuto=$(tool_in LANGUAGE="$lingua" "$tool" $argomenti 2>&1 >/dev/null)
  stato=$?
  # shellcheck disable=SC2053
  [[ $avuto == $atteso && $stato == "$stato_atteso" ]] || fallito "$nome: status $stato, printed [$avuto]"
done <<'CASI'
empty table in Italian|it|65|scenario-tool: vuota.sim non è un file table: è vuoto|dump vuota.sim --kind table
empty table in English|en|65|scenario-tool: vuota.sim is not a table file: it is empty|dump vuota.sim --kind table
cells cut short in Italian|it|65|scenario-tool: corte.dat non è un file cells: posizione 15: la dimensione 16 non è un multiplo di 15 (una cella è di 15 byte)|dump corte.dat --kind cells
cells cut short in English|en|65|scenario-tool: corte.dat is not a cells file: offset 15: size 16 is not a multiple of 15 (one cell is 15 bytes)|dump corte.dat --kind cells
plot onto a folder in Italian|it|3|scenario-tool: impossibile sostituire immagine: *|plot en -o immagine
plot onto a folder in English|en|3|scenario-tool: cannot replace immagine: *|plot en -o immagine
CASI

# Nor does anything the program writes or prints.
[[ -z $emulatore ]] || exit $guasti
for lingua in en it; do
  mkdir "programma_$lingua"
  cp "$programma" "programma_$lingua/"
done
tool_in LANGUAGE=en LANG=en_US.UTF-8 "programma_en/$(basename "$programma")" >programma_en.out 2>&1
tool_in LANGUAGE=it LANG=it_IT.UTF-8 "programma_it/$(basename "$programma")" >programma_it.out 2>&1
cmp -s programma_en.out programma_it.out || fallito "the program prints otherwise in Italian"
for f in programma_en/*; do
  cmp -s "$f" "programma_it/${f#programma_en/}" || fallito "the program's ${f#programma_en/} differs in Italian"
done
[[ $(ls programma_en | wc -l) == 7 ]] || fallito "the program did not write its six files"
exit $guasti
