#!/usr/bin/env bash
# End to end: the real program under Xvfb, driven with xdotool like a player:
# menu -> practice -> one discard -> save -> close -> viewer -> open the saved file.
# Usage: e2e.sh path/to/tilelab
set -euo pipefail
program=$(readlink -f "$1")

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIP: Xvfb or xdotool is not installed (tools/setup.sh installs them)"
  exit 77
fi

work=$(mktemp -d)
trap 'kill $app_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
app_pid=""

# A free display number.
for n in $(seq 90 140); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

unset QT_QPA_PLATFORM
export HOME="$work" LC_ALL=C.UTF-8
"$program" >"$work/out.log" 2>&1 &
app_pid=$!

fail() { echo "FAIL: $*"; cat "$work/out.log"; exit 1; }

# Waits for a window by its exact title and prints its id.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
no_window() {
  for _ in $(seq 30); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ] && return 0
    sleep 0.1
  done
  return 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; shift; xdotool key --delay 80 "$@"; }
# Height of the menu bar: the window's height less its client size under it.
menubar() { local h; h=$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'); echo $((h - $2)); }

menu=$(window "牌理工房  メニュー") || fail "the menu did not appear"
click "$menu" 86 74                      # 一人麻雀
main=$(window "牌理工房  一人麻雀") || fail "the practice window did not appear"
sleep 2.5                                # the opening plays with its pauses
mb=$(menubar "$main" 112)
click "$main" $((2 + 45 + 13 * 24 + 12)) $((mb + 2 + 32 + 16))   # throw away the drawn tile
sleep 1.5

record="$work/deal.csv"
keys "$main" alt+f s                     # ファイル > 牌譜保存
sleep 1
xdotool type --delay 20 "$record"
xdotool key Return
for _ in $(seq 50); do [ -f "$record" ] && break; sleep 0.1; done
[ -f "$record" ] || fail "the record was not saved"

keys "$main" alt+f x                     # ファイル > 終了
no_window "牌理工房  一人麻雀" || fail "the practice window did not close"

click "$menu" 234 74                     # 牌譜
view=$(window "牌理工房  牌譜") || fail "the viewer did not appear"
keys "$view" alt+f o                     # ファイル > 開く
sleep 1
xdotool type --delay 20 "$record"
xdotool key Return
sleep 1
# A refused or unreadable file would raise a message box captioned with the program's name.
[ -z "$(xdotool search --onlyvisible --name '^牌理工房$' 2>/dev/null || true)" ] || fail "the viewer refused the record"
keys "$view" alt+f x
no_window "牌理工房  牌譜" || fail "the viewer did not close"
click "$menu" 268 150                    # 終了
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end with its menu"
wait "$app_pid" || fail "the program's exit code was not 0"
app_pid=""

# The record: 277 bytes, five CR LF lines, one discard and two draws.
python3 - "$record" <<'PY' || fail "the record's bytes are wrong"
import re, sys
data = open(sys.argv[1], 'rb').read()
assert len(data) == 277, len(data)
lines = data.split(b'\r\n')
assert lines[-1] == b'' and len(lines) == 6, lines
assert re.fullmatch(rb'TileLab 1\.0,\d{4}/\d\d/\d\d \d\d:\d\d:\d\d', lines[0]), lines[0]
rows = [l.split(b',') for l in lines[1:5]]
assert all(len(r) == 20 and all(re.fullmatch(rb'\d\d', f) for f in r) for r in rows)
count = lambda r: sum(f != b'00' for f in r)
assert [count(r) for r in rows] == [13, 2, 1, 14], [count(r) for r in rows]
assert rows[1][0] == rows[2][0]  # the first draw was thrown away
PY
echo "end to end: menu, practice, discard, save, viewer: passed"
