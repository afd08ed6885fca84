# Sourced by the browser scripts: what they need, and how they stop without
# it. Exit 77 (skipped) with the reason when a piece is missing; under CI
# (which installs them all) that is a failure instead.
salta() {
  echo "skipped: $1"
  if [ -n "${CI:-}" ]; then echo "CI is set: failing instead"; exit 1; fi
  exit 77
}

# node, and when a folder is given, the npm packages installed in it.
richiedi_node() {
  command -v node >/dev/null || salta "node is not installed"
  if [ $# -gt 0 ] && [ ! -d "$1/node_modules/puppeteer-core" ]; then
    salta "the npm packages are not installed (run 'npm ci' in $1)"
  fi
}

# Chromium too: the browser in $CHROMIUM, Debian's by default.
richiedi_browser() {
  local browser="${CHROMIUM:-/usr/bin/chromium}"
  [ -x "$browser" ] || salta "no Chromium at $browser (apt-get install chromium, or set CHROMIUM)"
  richiedi_node "$1"
}
