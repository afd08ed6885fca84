#!/usr/bin/env bash
# The live viewer (`scenario-tool view LINE TRAIN --watch`) as one CTest
# test: its server started on the scenario's own pair, the page driven in
# headless Chromium while the line is edited, the server stopped with SIGINT.
# Skipped (77) as the other browser tests are when a piece is missing.
#
# usage: vivo.sh SCENARIO_TOOL
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
. "$qui/requisiti.sh"
richiedi_browser "$qui"
cd "$qui"
node vivo_test.mjs "$1"
