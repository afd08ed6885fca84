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
share/man/man1/compila_scenario.1.gz
share/man/man1/scenario-tool.1.gz"
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

for pagina in scenario-tool compila_scenario; do
  testata=$(gzip -dc "$usr/share/man/man1/$pagina.1.gz" | head -n 1 | sed 's/\\-/-/g')
  [[ $testata == *" \"$pagina $versione\" "* ]] || fallito "$pagina(1) does not carry version $versione: $testata"
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
[[ $(env -u LC_ALL -u LC_MESSAGES -u LANG LANGUAGE=it "$usr/bin/scenario-tool" frobnicate 2>&1 | head -n 1) == \
  "scenario-tool: comando sconosciuto frobnicate" ]] || fallito "the installed tool speaks no Italian"

bash -c 'source "$1" && complete -p scenario-tool' _ "$usr/share/bash-completion/completions/scenario-tool" \
  >/dev/null || fallito "the completion does not load"
exit $guasti
