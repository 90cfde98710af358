#!/usr/bin/env bash
# Builds the record loader's fuzzer in fuzz-build/ with clang and runs it as one
# process, one core (the machine is shared). Arguments go to libFuzzer; without any it runs
# ten minutes. New inputs and any crash land in fuzz-build/, never in the seeds.
#   fuzz/run.sh                       build and fuzz for 600 s
#   fuzz/run.sh -max_total_time=60    shorter
#   fuzz/run.sh -runs=0               build and replay the seeds only
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build="$here/../fuzz-build"

# clang and its sanitizer runtime, when this machine lacks them.
for p in clang libclang-rt-14-dev; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
    break
  fi
done

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

[ $# -eq 0 ] && set -- -max_total_time=600
mkdir -p "$build/corpus"
cd "$build"
exec ./fuzz_loader -artifact_prefix="$build/" -print_final_stats=1 "$@" corpus "$here/corpus"
