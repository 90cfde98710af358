#!/usr/bin/env bash
# Instructions per call of MjShanten (14 tiles), MjUkeire (13) and MjDiscards
# (14), counted by callgrind inside each function (callees included) over a
# loop on the benchmarks' random hands. Stable on a busy machine, unlike times.
#
#   tools/measure-shanten-ir.sh [BUILD]         # BUILD: a Release build with -DTILELAB_BENCH=ON (build-bench)
#   BEFORE=path/to/older/build tools/measure-shanten-ir.sh [BUILD]
#
# BEFORE names the build folder of an older tree (Release, plain code is
# enough); the same driver is compiled against its analysis library, so both
# engines run the same calls.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cmake --build "$build" --target shanten_calls >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

drivers=("new:$build/bench/shanten_calls")
if [[ -n "${BEFORE:-}" ]]; then
  cmake --build "$BEFORE" --target tilelab_analysis >/dev/null
  c++ -std=c++20 -O2 -DNDEBUG -I. bench/shanten_calls.cpp \
    "$BEFORE/analysis/libtilelab_analysis.a" "$BEFORE/core/libtilelab_core.a" -o "$work/shanten_calls_before"
  drivers=("before:$work/shanten_calls_before" "${drivers[@]}")
fi

calls() { case $1 in shanten) echo 200000 ;; ukeire) echo 100000 ;; discards) echo 20000 ;; esac; }
symbol() { case $1 in shanten) echo 'MjShanten(*' ;; ukeire) echo 'MjUkeire(*' ;; discards) echo 'MjDiscards(*' ;; esac; }

printf '%-8s %-9s %10s\n' engine call 'Ir/call'
for entry in "${drivers[@]}"; do
  name=${entry%%:*}
  driver=${entry#*:}
  for call in shanten ukeire discards; do
    n=$(calls "$call")
    valgrind --tool=callgrind --callgrind-out-file="$work/out" --toggle-collect="$(symbol "$call")" \
      "$driver" "$call" "$n" >/dev/null 2>"$work/log"
    awk -v name="$name" -v call="$call" -v n="$n" '/^totals:/ {printf "%-8s %-9s %10.0f\n", name, call, $2 / n}' \
      "$work/out"
  done
done
