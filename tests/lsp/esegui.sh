#!/usr/bin/env bash
# The language server's tests with real clients, as CTest tests: the protocol
# client of vscode-languageserver-protocol (node), Neovim's own client, a
# long run of random edits, the latency after an edit, and the VS Code
# extension's grammars (vscode-textmate) against the examples. Exit 77
# (skipped) when node, its packages or Neovim are missing, with the reason;
# under CI (which installs them) that is a failure.
#
# usage: esegui.sh client|neovim|robustness|latency|grammar SCENARIO_TOOL
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
prova="$1"
strumento="$(realpath "$2")"
. "$qui/../browser/requisiti.sh"

command -v node >/dev/null || salta "node is not installed"
if [ "$prova" = grammar ]; then
  estensione="$qui/../../editors/vscode"
  [ -d "$estensione/node_modules/vscode-textmate" ] ||
    salta "the extension's npm packages are not installed (run 'npm ci' in $estensione)"
  exec node "$estensione/grammatica_test.mjs" "$qui/../../examples"
fi
[ -d "$qui/node_modules/vscode-languageserver-protocol" ] ||
  salta "the npm packages are not installed (run 'npm ci' in $qui)"

cartella="$(mktemp -d)"
trap 'rm -rf "$cartella"' EXIT
cp "$qui/../../examples/Valbruna_"* "$cartella/"
cd "$qui"
case $prova in
  client) node cliente_test.mjs "$strumento" "$cartella" ;;
  robustness) node robustezza_test.mjs "$strumento" "$cartella" ;;
  latency) node latenza.mjs "$strumento" "$cartella" ;;
  neovim)
    command -v nvim >/dev/null || salta "Neovim is not installed (apt-get install neovim)"
    bash neovim_test.sh "$strumento" "$cartella"
    ;;
  *) echo "unknown test $prova" >&2; exit 2 ;;
esac
