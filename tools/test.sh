#!/usr/bin/env bash
# Builds and runs the whole test suite: the full build in Release (windows
# included, widgets offscreen), then the plain code again under AddressSanitizer
# and UBSan. Warnings on our own code are errors in both builds; the code
# changed since main is checked with clang-format and clang-tidy (tools/lint.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTILELAB_WERROR=ON >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"
# clang-format and clang-tidy over what changed since main, where installed.
tools/lint.sh

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTILELAB_WERROR=ON \
  -DTILELAB_WITH_QT=OFF -DTILELAB_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
