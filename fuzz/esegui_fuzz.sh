#!/usr/bin/env bash
# Runs one fuzz target for a bounded time over its seeds, prints the number of
# executions and the corpus size, and fails on any finding.
#
#   fuzz/esegui_fuzz.sh TARGET [SECONDS] [BUILD_DIR]
#
# TARGET is lettore_linea, lettore_treno, compilazione or compilati; SECONDS defaults to
# 60, BUILD_DIR to build-fuzz (cmake --workflow --preset fuzz). New inputs go
# to BUILD_DIR/fuzz/corpus-lavoro/TARGET, which later runs start from; a
# finding is saved in BUILD_DIR/fuzz/trovati/TARGET/ and belongs, once fixed,
# in fuzz/regressions/TARGET/.
set -euo pipefail

sorgenti="$(cd "$(dirname "$0")/.." && pwd)"
bersaglio="${1:?usage: fuzz/esegui_fuzz.sh TARGET [SECONDS] [BUILD_DIR]}"
secondi="${2:-60}"
build="$(cd "${3:-$sorgenti/build-fuzz}" && pwd)"

eseguibile="$build/fuzz/fuzz_$bersaglio"
[ -x "$eseguibile" ] || { echo "no fuzz target $eseguibile: run cmake --workflow --preset fuzz" >&2; exit 2; }
lavoro="$build/fuzz/corpus-lavoro/$bersaglio"
trovati="$build/fuzz/trovati/$bersaglio"
registro="$build/fuzz/$bersaglio.log"
mkdir -p "$lavoro" "$trovati"

# The seeds: the hand-made fixtures and the scenario's own descriptions. The
# first folder receives what the run adds; the others are only read.
# -len_control=0 lets mutations keep the whole length of the scenario's
# descriptions from the start instead of growing it slowly.
# The compiled-files target reads files whose sizes the tool must bound before
# reading: its memory limit is low, so that a missing bound shows as a finding.
# Its inputs are longer, to hold a short line's whole plan.
memoria=2048
lunghezza=65536
if [ "$bersaglio" = compilati ]; then
  memoria=512
  lunghezza=262144
fi
stato=0
"$eseguibile" -max_total_time="$secondi" -timeout=20 -rss_limit_mb="$memoria" -max_len="$lunghezza" -len_control=0 \
  -print_final_stats=1 -dict="$sorgenti/fuzz/dizionari/$bersaglio.dict" -artifact_prefix="$trovati/" \
  "$lavoro" "$sorgenti/fuzz/corpus/$bersaglio" "$build/fuzz/semi/$bersaglio" >"$registro" 2>&1 || stato=$?

esecuzioni=$(sed -n 's/^stat::number_of_executed_units: *//p' "$registro")
# The last status line's "corp: INPUTS/SIZE".
corpus=$(grep -o 'corp: [0-9]*/[0-9A-Za-z]*' "$registro" | tail -n 1 | sed 's|corp: \([0-9]*\)/\(.*\)|\1 inputs, \2|')
if [ "$stato" -ne 0 ]; then
  tail -n 60 "$registro" >&2
  echo "fuzz $bersaglio: FINDING after ${esecuzioni:-?} executions (exit status $stato); inputs in $trovati" >&2
  exit 1
fi
echo "fuzz $bersaglio: ${esecuzioni:-?} executions in $secondi s, corpus ${corpus:-?}, no finding"
