#!/usr/bin/env bash
# Checks what changed since a base (default: main) with clang-format and
# clang-tidy, each only where it is installed. clang-format looks at the changed
# lines only, so old code is never reformatted, and clang-tidy reports only
# findings on them (in the changed sources, compiled as the build compiles them).
# Usage: tools/lint.sh [base]   (TILELAB_LINT_BUILD: the build folder, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
base=${1:-main}
build=${TILELAB_LINT_BUILD:-build}
if ! git rev-parse --verify -q "$base" >/dev/null; then
  echo "lint: no $base to compare with; skipped"
  exit 0
fi
mapfile -t changed < <(git diff --name-only --diff-filter=ACMR "$(git merge-base HEAD "$base")" -- \
  'core/*.cpp' 'core/*.h' 'analysis/*.cpp' 'analysis/*.h' 'game/*.cpp' 'game/*.h' 'records/*.cpp' 'records/*.h' \
  'ui/*.cpp' 'ui/*.h' 'app/*.cpp' 'app/*.h' 'tools/hand/*.cpp' 'tools/hand/*.h')
if [ ${#changed[@]} -eq 0 ]; then
  echo "lint: nothing changed since $base"
  exit 0
fi
status=0

if command -v git-clang-format >/dev/null && command -v clang-format >/dev/null; then
  out=$(git clang-format --diff "$(git merge-base HEAD "$base")" -- "${changed[@]}" || true)
  if printf '%s' "$out" | grep -q '^@@'; then
    printf '%s\n' "$out"
    echo "lint: clang-format would change the lines above"
    status=1
  fi
else
  echo "lint: clang-format not installed; skipped"
fi

if command -v clang-tidy >/dev/null && command -v python3 >/dev/null && [ -f "$build/compile_commands.json" ]; then
  sources=()
  for f in "${changed[@]}"; do
    # Only sources the build compiles: the ui/ and app/ ones only in a build with the windows.
    [[ $f == *.cpp ]] && grep -q "\"file\": \"$PWD/$f\"" "$build/compile_commands.json" && sources+=("$f")
  done
  if [ ${#sources[@]} -gt 0 ]; then
    # Findings on the changed lines only (of the sources and the headers they include).
    filter=$(git diff -U0 "$(git merge-base HEAD "$base")" -- "${changed[@]}" | python3 -c '
import json, re, sys
lines, name = {}, None
for line in sys.stdin:
    m = re.match(r"\+\+\+ b/(.*)", line)
    if m:
        name = m.group(1)
        continue
    m = re.match(r"@@ .*\+(\d+)(?:,(\d+))? @@", line)
    if m and name and m.group(2) != "0":
        first = int(m.group(1))
        lines.setdefault(name, []).append([first, first + int(m.group(2) or 1) - 1])
print(json.dumps([{"name": n, "lines": l} for n, l in lines.items()]))')
    out=$(clang-tidy -p "$build" --quiet --line-filter="$filter" "${sources[@]}" 2>/dev/null || true)
    if printf '%s' "$out" | grep -q ': error: '; then
      printf '%s\n' "$out"
      echo "lint: clang-tidy findings on the changed lines above"
      status=1
    fi
  fi
else
  echo "lint: clang-tidy, python3 or $build/compile_commands.json missing; skipped"
fi
exit $status
