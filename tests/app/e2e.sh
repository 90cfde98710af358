#!/usr/bin/env bash
# End to end: the real program under Xvfb, driven with xdotool like a player:
# menu -> practice -> save during the opening -> one discard -> save -> close ->
# viewer -> open the saved file -> save it as a picture.
# Usage: e2e.sh path/to/tilelab
set -euo pipefail
program=$(readlink -f "$1")

. "$(dirname "$0")/session.sh"

# Waits for a visible window other than the given ones (a dialog) and prints its id.
other_window() {
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null || true); do
      case " $* " in *" $id "*) ;; *) echo "$id"; return 0 ;; esac
    done
    sleep 0.1
  done
  return 1
}
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
  done
  return 1
}
file_there() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done; return 1; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
# Answers the file dialog that the menu keys open over the window $1 with the path $2.
answer_dialog() {
  local dialog
  dialog=$(other_window "$menu" "$1") || return 1
  xdotool windowfocus --sync "$dialog" 2>/dev/null || true
  xdotool key ctrl+a
  xdotool type --delay 20 "$2"
  xdotool key Return
  file_there "$2" || return 1
  gone "$dialog"
}
# Height of the menu bar: the window's height less its client size under it.
menubar() { local h; h=$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p'); echo $((h - $2)); }

menu=$(window "牌理工房  メニュー") || fail "the menu did not appear"
click "$menu" 86 74                      # 一人麻雀
main=$(window "牌理工房  一人麻雀") || fail "the practice window did not appear"
mb=$(menubar "$main" 112)

# A command given during the opening waits for it: the save dialog comes up
# once the first tile is drawn.
opening="$work/opening.csv"
keys "$main" alt+f s                     # ファイル > 牌譜保存
answer_dialog "$main" "$opening" || fail "the record of the opening was not saved"

click "$main" $((2 + 45 + 13 * 24 + 12)) $((mb + 2 + 32 + 16))   # throw away the drawn tile
record="$work/deal.csv"
keys "$main" alt+f s                     # saved once the discard and the next draw are done
answer_dialog "$main" "$record" || fail "the record was not saved"

keys "$main" alt+f x                     # ファイル > 終了
no_window "牌理工房  一人麻雀" || fail "the practice window did not close"

click "$menu" 234 74                     # 牌譜
view=$(window "牌理工房  牌譜") || fail "the viewer did not appear"
keys "$view" alt+f o                     # ファイル > 開く
answer_dialog "$view" "$record" || fail "the open dialog did not take the record"
# BMP保存 is enabled only by a successful load; a refused file would raise a message box instead.
picture="$work/sheet.bmp"
keys "$view" alt+f b                     # ファイル > BMP保存
answer_dialog "$view" "$picture" || fail "the viewer did not load the record"
keys "$view" alt+f x
no_window "牌理工房  牌譜" || fail "the viewer did not close"
click "$menu" 268 150                    # 終了
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end with its menu"
wait "$app_pid" || fail "the program's exit code was not 0"
app_pid=""

# The records: 277 bytes, five CR LF lines; after the opening one draw, after
# the discard two draws and the first draw thrown away. The picture is a BMP.
python3 - "$opening" "$record" "$picture" <<'PY' || fail "the saved files are wrong"
import re, sys
def rows(path):
    data = open(path, 'rb').read()
    assert len(data) == 277, len(data)
    lines = data.split(b'\r\n')
    assert lines[-1] == b'' and len(lines) == 6, lines
    assert re.fullmatch(rb'TileLab 1\.0,\d{4}/\d\d/\d\d \d\d:\d\d:\d\d', lines[0]), lines[0]
    rows = [l.split(b',') for l in lines[1:5]]
    assert all(len(r) == 20 and all(re.fullmatch(rb'\d\d', f) for f in r) for r in rows)
    return rows
count = lambda rs: [sum(f != b'00' for f in r) for r in rs]
opening, deal = rows(sys.argv[1]), rows(sys.argv[2])
assert count(opening) == [13, 1, 0, 14], count(opening)
assert count(deal) == [13, 2, 1, 14], count(deal)
assert deal[1][0] == deal[2][0] == opening[1][0]  # the first draw was thrown away
assert open(sys.argv[3], 'rb').read(2) == b'BM'
PY
echo "end to end: menu, practice, save during the opening, discard, save, viewer, picture: passed"
