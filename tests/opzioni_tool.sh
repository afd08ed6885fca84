# The commands and options scenario-tool states in its own help, for the tests
# that hold the manual page and the completion to them. Needs $tool.

# The commands that `scenario-tool --help` lists (a command may take no
# argument at all), one a line; fails when it
# lists none (a help text of another shape).
comandi_tool() {
  local comandi
  comandi=$("$tool" --help | sed -n 's/^  \([a-z][a-z-]*\)\( .*\)\{0,1\}$/\1/p')
  echo "$comandi"
  [[ -n $comandi ]] || { echo "FAIL: no command found in the output of $tool --help" >&2; return 1; }
}

# The options of command $1: those of its usage line, then --help and
# --version, which every command takes; sorted, one a line.
opzioni_comando() {
  {
    "$tool" "$1" --help | head -n 1 | tr ' []|' '\n\n\n\n' | grep -E '^--?[a-z]'
    printf '%s\n' --help --version
  } | LC_ALL=C sort -u
}
