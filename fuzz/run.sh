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

# clang and the sanitizer runtime of that same clang version, when this machine
# lacks them and apt can install them.
have_runtime() {
  echo 'int LLVMFuzzerTestOneInput(const char* d, unsigned long n) { return d && n; }' |
    clang -x c - -fsanitize=fuzzer,address,undefined -o /dev/null >/dev/null 2>&1
}
if ! command -v clang >/dev/null 2>&1 || ! have_runtime; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  if ! command -v apt-get >/dev/null 2>&1; then
    echo "Please install clang and its sanitizer runtime (libFuzzer, ASan, UBSan)." >&2
    exit 1
  fi
  command -v clang >/dev/null 2>&1 || { $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang >/dev/null; }
  version=$(clang -dumpversion | cut -d. -f1)
  if ! have_runtime; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "libclang-rt-$version-dev" >/dev/null
  fi
fi

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2

[ $# -eq 0 ] && set -- -max_total_time=600
mkdir -p "$build/corpus"
cd "$build"
exec ./fuzz_loader -artifact_prefix="$build/" -print_final_stats=1 "$@" corpus "$here/corpus"
