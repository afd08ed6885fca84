#!/usr/bin/env bash
# The project's JavaScript checked without a browser, as CTest tests:
#   javascript.sh lint    eslint over the viewer page's script and these tests
#   javascript.sh unita   the page's arithmetic under node's own test runner
# Exit 77 (skipped) only when node or the installed npm packages are missing,
# with the reason; under CI (which installs them) that is a failure.
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
radice="$(cd "$qui/../.." && pwd)"

salta() {
  echo "skipped: $1"
  if [ -n "${CI:-}" ]; then echo "CI is set: failing instead"; exit 1; fi
  exit 77
}
command -v node >/dev/null || salta "node is not installed"

cd "$radice"
case "${1:-}" in
  lint)
    [ -x "$qui/node_modules/.bin/eslint" ] || salta "eslint is not installed (run 'npm ci' in $qui)"
    "$qui/node_modules/.bin/eslint" --max-warnings 0 --config "$qui/eslint.config.mjs" disegno tests/browser
    ;;
  unita)
    node --test disegno/
    ;;
  *)
    echo "usage: javascript.sh lint|unita" >&2
    exit 64
    ;;
esac
