#!/usr/bin/env bash
# The position board as a player uses it, under Xvfb with a window manager and
# real keys: `tilelab --position` opens it; 残りツモ and the tiles seen are
# changed by keyboard and every table of chances the board shows (the program
# writes it to TILELAB_TRACE as `tilelab-hand --batch --prob` words it) equals
# the tool's answer for the same one-line text; Ctrl+C, an edit, Ctrl+V bring
# the copied board back; a complete hand shows the tool's points; a
# .tilelab-position file opens the board from the command line too.
# Usage: board.sh path/to/tilelab path/to/tilelab-hand
set -euo pipefail
program=$(readlink -f "$1")
hand_tool=$(readlink -f "$2")
command -v xprop >/dev/null || { echo "SKIP: xprop is not installed (tools/setup.sh installs it)"; exit 77; }
start='123m456p789s1122z3z seen=9m'
program_args=(--position "$start")
window_manager=openbox
. "$(dirname "$0")/session.sh"

title="牌理工房  何切る"
board=$(window "$title") || fail "tilelab --position did not open the board"

# The latest board line of the trace for a position, once it is there.
board_line() {
  for _ in $(seq 300); do
    line=$(grep -F "board	$1	" "$TILELAB_TRACE" 2>/dev/null | tail -n 1 || true)
    [ -n "$line" ] && { printf '%s\n' "${line#board	$1	}"; return 0; }
    sleep 0.1
  done
  return 1
}
# The board's figures for a position equal the tool's.
same_as_tool() {
  local shown expected
  shown=$(board_line "$1") || fail "the board never showed the chances of '$1'"
  expected=$(printf '%s\n' "$1" | "$hand_tool" --batch --prob)
  [ "$shown" = "$expected" ] || fail "board '$1': $shown; tilelab-hand: $expected"
}
same_as_tool "$start"

# 残りツモ by its mnemonic: select the value and type another.
keys "$board" alt+d ctrl+a 9
same_as_tool '123m456p789s1122z3z draws=9 seen=9m'
# The tiles seen: the field's mnemonic, then the tiles typed after the 9m.
keys "$board" alt+s End 1 m 5 z
edited='123m456p789s1122z3z draws=9 seen=19m5z'
same_as_tool "$edited"

# Copy, change the draws, paste: the copied board again.
lines=$(wc -l <"$TILELAB_TRACE")
keys "$board" ctrl+c alt+d ctrl+a 4
same_as_tool '123m456p789s1122z3z draws=4 seen=19m5z'
keys "$board" ctrl+v
for _ in $(seq 300); do
  tail -n 1 "$TILELAB_TRACE" | grep -qF "board	$edited	" && break
  sleep 0.1
done
tail -n 1 "$TILELAB_TRACE" | grep -qF "board	$edited	" || fail "Ctrl+V did not bring back '$edited': $(tail -n 1 "$TILELAB_TRACE")"
[ "$(wc -l <"$TILELAB_TRACE")" -gt "$lines" ] || fail "nothing was shown after the paste"

# A complete hand: its points are the tool's.
keys "$board" alt+h ctrl+a
xdotool type --delay 40 '123m456p789s1122z2z'
points=""
for _ in $(seq 300); do
  points=$(grep -F "score	123m456p789s1122z2z draws=9 seen=19m5z	" "$TILELAB_TRACE" | tail -n 1 | cut -f 3 || true)
  [ -n "$points" ] && break
  sleep 0.1
done
expected=$(printf '123m456p789s11222z 2z\n' | "$hand_tool" --batch --score | cut -f 1)
[ "$points" = "$expected" ] || fail "complete hand: the board shows '$points' points, tilelab-hand $expected"
same_as_tool '123m456p789s1122z2z draws=9 seen=19m5z'

# A .tilelab-position file given on the command line.
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
printf '%s\n' '１２３ｍ 406p ７８９ｓ EESSW draws=12 seen=0m' >"$work/saved.tilelab-position"
"$program" "$work/saved.tilelab-position" >"$work/out.log" 2>&1 &
app_pid=$!
window "$title" >/dev/null || fail "the .tilelab-position file did not open the board"
same_as_tool '123m456p789s1122z3z draws=12 seen=5m'
echo "board: --position, 残りツモ, seen tiles, copy and paste, a complete hand, a position file: passed"
