#!/usr/bin/env bash
# Runs every libFuzzer target of the fuzz build for the given number of seconds each, from a
# scratch copy of its seed corpus (tests/fuzz/corpus-<name>), and prints how many inputs each
# one ran. A crash, a sanitizer report or a failed check stops with the fuzzer's status and
# leaves the input that caused it in the build directory. The targets' own output is closed
# (-close_fd_mask=3): libFuzzer's and the sanitizers' reports, failed checks among them, stay.
#   tools/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
# Absolute, since a target may change its working directory (the picture list does).
build=$(realpath "$1")
segundos=$2
cd "$(dirname "$0")/.."
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
# The same suppressions as the sanitizer build: leaks inside SDL only.
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizadores.supp:print_suppressions=0"
# A few kilobytes: enough for key files, line files, WAV headers and small BMPs to grow.
declare -A MAX_LEN=([arquivo]=4096 [som]=16384 [imagem]=16384)
resumo=()
for nome in arquivo som imagem; do
  corpus="$build/corpus-$nome"
  rm -rf "$corpus" && cp -rL "tests/fuzz/corpus-$nome" "$corpus"
  log="$build/fuzz_$nome.log"
  if ! "$build/tests/fuzz/fuzz_$nome" -max_total_time="$segundos" -max_len="${MAX_LEN[$nome]}" \
      -rss_limit_mb=2048 -close_fd_mask=3 -artifact_prefix="$build/fuzz_$nome-" \
      -print_final_stats=1 "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$nome: failed (input and log in $build)"
    exit 1
  fi
  execucoes=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  resumo+=("fuzz_$nome: $execucoes inputs in ${segundos}s ($((execucoes / segundos))/s), no crash")
done
printf '%s\n' "${resumo[@]}"
