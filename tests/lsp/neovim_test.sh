#!/usr/bin/env bash
# Neovim's built-in client, headless, with the setup the documents give
# (editors/neovim/scenario.lua, quoted whole in the README): the example's
# train description, with a misspelt key and a signal repeated in its cell,
# is opened and neovim_prova.lua looks at what the server sent.
#
# usage: neovim_test.sh SCENARIO_TOOL FOLDER (holding the example pair)
set -euo pipefail
qui="$(cd "$(dirname "$0")" && pwd)"
strumento="$1"
cartella="$2"
impostazione="$qui/../../editors/neovim/scenario.lua"

# The README shows the setup as it is.
if ! python3 - "$impostazione" "$qui/../../README.md" <<'PY'
import sys
impostazione, readme = (open(f, encoding="utf-8").read() for f in sys.argv[1:])
sys.exit(0 if "```lua\n" + impostazione + "```\n" in readme else 1)
PY
then
  echo "FAIL: the README does not quote editors/neovim/scenario.lua as it is" >&2
  exit 1
fi

treno="$cartella/Valbruna_101-.txt"
sed -i 's/^velocita,  600/velcita,  600/; /^segnale,  1200/p' "$treno"
export RIGA_REFUSO=$(($(grep -n '^velcita' "$treno" | cut -d: -f1) - 1))
export RIGA_DOPPIO=$(grep -n '^segnale,  1200' "$treno" | tail -n 1 | cut -d: -f1)
RIGA_DOPPIO=$((RIGA_DOPPIO - 1))
export XDG_CONFIG_HOME="$cartella/config" XDG_DATA_HOME="$cartella/data" XDG_STATE_HOME="$cartella/state"
timeout 120 nvim --headless -n -i NONE -u "$impostazione" --cmd "let g:scenario_tool = '$strumento'" \
  "$treno" -c "luafile $qui/neovim_prova.lua"
