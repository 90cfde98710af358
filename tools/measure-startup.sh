#!/usr/bin/env bash
# Measures what a new user waits for, on this machine, under Xvfb:
#  1. start-up: the time until the menu window is mapped, polled every 5 ms,
#     against a bare Qt Widgets program that shows one empty 321 x 172 window;
#     the two are started alternately, RUNS times each, and the medians and
#     their ratio are printed;
#     then again as a user's desktop sees it: each program started with an empty
#     HOME, polled every 5 ms with `xdotool search --onlyvisible --name` until its
#     window is visible, three rounds of XRUNS alternating starts (default 31:
#     this poller sees a window only at its own steps, one xdotool process
#     after each 5 ms pause, so a round of few starts swings by a whole step);
#  2. a folder of 100,000 record files in 捨牌読み: the time of choosing it and
#     the first F5, a later F5, and the resident memory (VmRSS) before and after.
# Usage: tools/measure-startup.sh [RUNS]   (RUNS per side, default 15; XRUNS=N for the xdotool rounds)
#        BEFORE=path/to/older/tilelab tools/measure-startup.sh [RUNS]   also starts an
#        older build of the program in the same rounds, for a before-and-after figure.
# Figures are only comparable within one run: other work on the machine shifts both sides.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
xruns=${XRUNS:-31}
records=100000

tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target tilelab map_timer bare_window folder_bench >/dev/null
program=build/app/tilelab
bare=build/tools/measure/bare_window
timer=build/tools/measure/map_timer
bench=build/tools/measure/folder_bench

work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

# Xvfb picks a free display itself and names it once it accepts connections;
# another program's server on the machine can still take the display first.
# -noreset: the server stays ready between the programs measured.
start_xvfb() {
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] && DISPLAY=":$(cat "$work/display")" xdotool getmouselocation >/dev/null 2>&1 && return 0
  kill "$xvfb_pid" 2>/dev/null || true
  return 1
}
for _ in 1 2 3 4 5; do start_xvfb && break; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# A new user: no settings of any earlier run.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
export LANG="${LANG:-C.UTF-8}"
unset QT_QPA_PLATFORM
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.1f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
quartile1() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 3) / 4)] }'; }

echo "machine: $(nproc) cores; load before: $(cut -d' ' -f1-3 /proc/loadavg)"

# One start of each first, so that both find the shared libraries and the font
# caches in memory, as any start after the first does.
before="${BEFORE:-}"
"$timer" "$bare" >/dev/null
"$timer" "$program" >/dev/null
[ -z "$before" ] || "$timer" "$before" >/dev/null
for i in $(seq "$runs"); do
  if [ $((i % 2)) -eq 1 ]; then
    "$timer" "$bare" >>"$work/bare"
    "$timer" "$program" >>"$work/program"
    [ -z "$before" ] || "$timer" "$before" >>"$work/before"
  else
    [ -z "$before" ] || "$timer" "$before" >>"$work/before"
    "$timer" "$program" >>"$work/program"
    "$timer" "$bare" >>"$work/bare"
  fi
done
bare_ms=$(median <"$work/bare")
program_ms=$(median <"$work/program")
echo "start-up, window mapped, median of $runs each (ms):"
echo "  bare Qt window $bare_ms   [$(sort -n "$work/bare" | tr '\n' ' ')]"
echo "  牌理工房 menu  $program_ms   [$(sort -n "$work/program" | tr '\n' ' ')]"
awk -v p="$program_ms" -v b="$bare_ms" 'BEGIN { printf "  ratio          %.2f\n", p / b }'
if [ -n "$before" ]; then
  before_ms=$(median <"$work/before")
  awk -v p="$before_ms" -v b="$bare_ms" 'BEGIN { printf "  older build    %s   ratio %.2f\n", p, p / b }'
fi
# The first quartiles: the starts least delayed by other work on the machine.
awk -v p="$(quartile1 <"$work/program")" -v b="$(quartile1 <"$work/bare")" \
  'BEGIN { printf "  first quartiles %s and %s ms, ratio %.2f\n", b, p, p / b }'

# As a desktop sees it: a new user (empty HOME), a poller that is a separate
# program looking the window up by its name.
xdotool_ms() {  # NAME PROGRAM: ms until a visible window of that name exists
  local name=$1 home start pid
  shift
  home=$(mktemp -d "$work/home.XXXXXX")
  start=$(date +%s%N)
  HOME=$home XDG_CONFIG_HOME=$home/.config "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 showed no window" >&2; return 1; }
    sleep 0.005
  done
  awk -v n="$(($(date +%s%N) - start))" 'BEGIN { printf "%.1f\n", n / 1e6 }'
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  rm -rf "$home"
}
echo "start-up as a desktop sees it (empty HOME, xdotool every 5 ms), 3 rounds of $xruns each (ms):"
for round in 1 2 3; do
  : >"$work/xbare"; : >"$work/xprogram"
  for i in $(seq "$xruns"); do
    if [ $((i % 2)) -eq 1 ]; then
      xdotool_ms '^bare window$' "$bare" >>"$work/xbare"; xdotool_ms '^牌理工房  メニュー$' "$program" >>"$work/xprogram"
    else
      xdotool_ms '^牌理工房  メニュー$' "$program" >>"$work/xprogram"; xdotool_ms '^bare window$' "$bare" >>"$work/xbare"
    fi
  done
  awk -v p="$(median <"$work/xprogram")" -v b="$(median <"$work/xbare")" -v r="$round" \
    'BEGIN { printf "  round %d: bare %s, 牌理工房 menu %s, ratio %.2f\n", r, b, p, p / b }'
done

"$bench" --generate "$work/records" "$records" tests/data/records/example.csv
echo "folder of $records records, choosing it and the first F5 (three starts of the program):"
for _ in 1 2 3; do "$bench" "$work/records" >>"$work/folder"; done
field() { awk -v k="$1" '$1 == k { print $2 }' "$work/folder" | median; }
echo "  choose + first F5  $(field choose+F5_ms) ms   [$(awk '$1 == "choose+F5_ms" { printf "%s ", $2 }' "$work/folder")]"
echo "  a later F5         $(field later_F5_ms) ms"
echo "  VmRSS before       $(field rss_before_kb) kB"
echo "  VmRSS after        $(field rss_after_kb) kB"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
