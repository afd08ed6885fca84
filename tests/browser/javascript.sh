#!/usr/bin/env bash
# The project's JavaScript checked without a browser, as CTest tests:
#   javascript.sh lint    eslint over the viewer page's script, these tests, the
#                         language server's and the VS Code extension
#   javascript.sh unita   the page's arithmetic under node's own test runner
# Exit 77 (skipped) only when node or the installed npm packages are missing,
# with the reason; under CI (which installs them) that is a failure.
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
radice="$(cd "$qui/../.." && pwd)"

. "$qui/requisiti.sh"

cd "$radice"
case "${1:-}" in
  lint)
    richiedi_node "$qui"
    "$qui/node_modules/.bin/eslint" --max-warnings 0 --config "$qui/eslint.config.mjs" disegno tests/browser tests/lsp \
      editors/vscode/extension.js editors/vscode/grammatica_test.mjs
    ;;
  unita)
    richiedi_node
    node --test disegno/
    ;;
  *)
    echo "usage: javascript.sh lint|unita" >&2
    exit 64
    ;;
esac
