#!/usr/bin/env bash
# Installs the build into a private DESTDIR and checks what lands there: the
# exact set of files, the executables running from their installed places
# with the project version, the manual pages carrying it too, the examples
# checking clean and the completion loading.
# Arguments: the build folder, the project version.
set -euo pipefail
build=$1
versione=$2
export LC_ALL=C  # English messages, whatever the caller's language

radice=$(mktemp -d)
trap 'rm -rf "$radice"' EXIT
DESTDIR=$radice cmake --install "$build" --prefix /usr >/dev/null
usr=$radice/usr

guasti=0
fallito() {
  echo "FAIL: $*" >&2
  guasti=1
}

atteso="bin/scenario-tool
lib/compila-scenario/compila_scenario
share/bash-completion/completions/scenario-tool
share/compila-scenario/neovim/scenario.lua
share/doc/compila-scenario/README.md
share/doc/compila-scenario/changelog.gz
share/doc/compila-scenario/copyright
share/doc/compila-scenario/descrizioni.md
share/doc/compila-scenario/docs/performance.md
share/doc/compila-scenario/docs/scenario.svg
share/doc/compila-scenario/docs/viewer.png
share/doc/compila-scenario/examples/Valbruna_101-.txt
share/doc/compila-scenario/examples/Valbruna_linea.txt
share/doc/compila-scenario/formats.md
share/lintian/overrides/compila-scenario
share/locale/it/LC_MESSAGES/scenario-tool.mo
share/man/it/man1/scenario-tool.1.gz
share/man/man1/compila_scenario.1.gz
share/man/man1/scenario-tool.1.gz"
# The VS Code extension is installed when it has been packaged.
if [[ -f $(dirname "$0")/../editors/vscode/scenario-descriptions.vsix ]]; then
  atteso=$(printf '%s\n%s' "$atteso" share/compila-scenario/vscode/scenario-descriptions.vsix | LC_ALL=C sort)
fi
trovato=$(cd "$usr" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)
[[ $trovato == "$atteso" ]] || fallito "installed files differ (< expected, > installed):
$(diff <(echo "$atteso") <(echo "$trovato"))"
[[ -z $(find "$radice" -mindepth 1 -maxdepth 1 ! -name usr) ]] || fallito "files outside the prefix"

# The tool runs from bin/ and tells the project version.
[[ $("$usr/bin/scenario-tool" --version) == "scenario-tool $versione" ]] || fallito "scenario-tool --version"

# The program, copied into a folder of its own as a user does, tells the
# same version and writes its six files there.
simulatore=$radice/simulatore
mkdir "$simulatore"
cp "$usr/lib/compila-scenario/compila_scenario" "$simulatore/"
[[ $("$simulatore/compila_scenario" --version) == "compila_scenario $versione" ]] || fallito "compila_scenario --version"
[[ $(ls "$simulatore") == compila_scenario ]] || fallito "compila_scenario --version wrote files"
[[ $("$simulatore/compila_scenario") == Attendere ]] || fallito "compila_scenario run"
[[ $(ls "$simulatore" | wc -l) == 7 ]] || fallito "compila_scenario left $(ls "$simulatore" | wc -l) entries, not itself and six files"
# The package's removal script names every file the run left (it names the
# two descriptions too, which a run deletes at its end).
rimozione=$(grep -o '^    for nome in .*; do$' "$build/pacchetto/postrm")
for scritto in $(ls "$simulatore"); do
  [[ $scritto == compila_scenario || $rimozione == *" $scritto "* || $rimozione == *" $scritto;"* ]] ||
    fallito "the package's removal leaves $scritto"
done

for pagina in man1/scenario-tool man1/compila_scenario it/man1/scenario-tool; do
  testata=$(gzip -dc "$usr/share/man/$pagina.1.gz" | grep -m 1 '^\.TH' | sed 's/\\-/-/g')
  nome=${pagina##*/}
  [[ $testata == *" \"$nome $versione\" "* ]] || fallito "$pagina(1) does not carry version $versione: $testata"
done
# man finds the Italian page in the Italian tree (an Italian locale would
# take man there; this machine need not have one installed), and renders it
# without a warning: translated, with the synopses of the English page.
italiana=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -M "$usr/share/man/it" scenario-tool 2>"$radice/avvisi_man") ||
  fallito "man finds no Italian scenario-tool page"
[[ ! -s $radice/avvisi_man ]] || fallito "the Italian page renders with warnings: $(cat "$radice/avvisi_man")"
for atteso in SINOSSI DESCRIZIONE "STATO D'USCITA" "scenario-tool decompile DIR [--line-name NAME]"; do
  [[ $italiana == *"$atteso"* ]] || fallito "the Italian page lacks \"$atteso\""
done

# The examples are a pair that compiles without a fault or a warning: check
# prints its one summary line and nothing else.
esempi=$usr/share/doc/compila-scenario/examples
messaggi=$("$usr/bin/scenario-tool" check "$esempi/Valbruna_linea.txt" "$esempi/Valbruna_101-.txt" \
  --line-name Valbruna --train-number 101 2>&1) ||
  fallito "the examples do not check clean"
[[ $messaggi == 'line of 24000 m; stations 6, signals 7, slowdowns 1, warnings 0' ]] ||
  fallito "the examples give messages: $messaggi"

# The installed tool finds the installed catalogue.
[[ $(env -u LC_ALL -u LC_MESSAGES -u LANG LANGUAGE=it "$usr/bin/scenario-tool" frobnicate 2>&1) == \
  "scenario-tool: comando sconosciuto frobnicate; prova 'scenario-tool --help'" ]] || fallito "the installed tool speaks no Italian"

bash -c 'source "$1" && complete -p scenario-tool' _ "$usr/share/bash-completion/completions/scenario-tool" \
  >/dev/null || fallito "the completion does not load"
exit $guasti
