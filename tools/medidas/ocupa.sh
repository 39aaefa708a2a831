#!/usr/bin/env bash
# ocupa.sh N COMMAND...: runs COMMAND with N busy processes beside it (each a shell spinning
# on one core: two fill a two-core machine), ends them when it returns, and returns its status.
set -uo pipefail
n=$1
shift
ocupados=()
trap '[ ${#ocupados[@]} -eq 0 ] || kill -KILL "${ocupados[@]}" 2>/dev/null' EXIT
for _ in $(seq "$n"); do
  sh -c 'while :; do :; done' &
  ocupados+=($!)
done
"$@"
