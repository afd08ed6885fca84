# bash completion for scenario-tool: the commands, each command's options, and
# file names of the kind each argument takes. Needs nothing beyond bash itself.

# Offers the folders and the files that match one of the patterns given
# ("*.txt"), completing the word in `cur` of the caller.
_scenario_tool_file() {
  local modello
  compopt -o filenames 2>/dev/null
  mapfile -t COMPREPLY < <(compgen -d -- "$cur")
  for modello in "$@"; do
    mapfile -t -O "${#COMPREPLY[@]}" COMPREPLY < <(compgen -f -X "!$modello" -- "$cur")
  done
}

_scenario_tool() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  # bash splits "--kind=cells" at the "=": the option is the word before it.
  if [[ $cur == = ]]; then
    cur=
  elif [[ $prev == = && $COMP_CWORD -ge 2 ]]; then
    prev=${COMP_WORDS[COMP_CWORD-2]}
  fi
  COMPREPLY=()

  if ((COMP_CWORD == 1)); then
    COMPREPLY=($(compgen -W "compile check dump plot view decompile example --help --version" -- "$cur"))
    return
  fi

  local comando=${COMP_WORDS[1]} opzioni
  case $comando in
    compile) opzioni="-o --line-name --train-number --no-plan --strict --force --json" ;;
    check) opzioni="--line-name --train-number --no-plan --strict --json" ;;
    dump) opzioni="--kind --all --json" ;;
    plot | decompile) opzioni="--line-name --train-number -o" ;;
    view) opzioni="--line-name --train-number -o --watch --editor" ;;
    example) opzioni="-o --force" ;;
    *) return ;;
  esac

  case $prev in
    --line-name | --train-number | --editor) return ;;
    --kind)
      [[ $comando == dump ]] && COMPREPLY=($(compgen -W "table cells plan" -- "$cur"))
      return
      ;;
    -o)
      if [[ $comando == plot ]]; then
        _scenario_tool_file '*.svg'
      elif [[ $comando == view ]]; then
        _scenario_tool_file '*.html'
      else
        _scenario_tool_file
      fi
      return
      ;;
  esac

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$opzioni --help --version" -- "$cur"))
    return
  fi
  case $comando in
    compile | check) _scenario_tool_file '*.txt' ;;
    dump) _scenario_tool_file '*.sim' '*.dat' ;;
    plot | decompile) _scenario_tool_file ;;
    view) _scenario_tool_file '*.txt' ;;  # a compiled scenario's folder, or with --watch LINE and TRAIN
  esac  # example takes no argument
}

complete -F _scenario_tool scenario-tool
