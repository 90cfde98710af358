#!/usr/bin/env bash
# Return held down in the drill (復習) under Xvfb and a window manager, where the
# X server repeats a held key: it answers one card, or goes on to the next one,
# once; the answers the drill's schedule keeps count the answers given. Then the
# threshold fields by keyboard: Tab reaches the first, Return there applies the
# value typed (the remembered setting shows it) and answers no card; Tab applies
# and goes on to the second field, Tab again back to the cards, where Return
# answers. The program runs from a folder of its own holding the records, its
# records folder.
# Usage: drillkeys.sh path/to/tilelab
set -euo pipefail
for tool in openbox xprop; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed (tools/setup.sh installs it)"; exit 77; }
done
source_program=$(readlink -f "$1")
data=$(cd "$(dirname "$0")/../data/records" && pwd)
bin=$(mktemp -d)
cp "$source_program" "$bin/tilelab"
# One deal of poor discards, under several names: its decisions are cards once each.
for n in 1 2 3; do cp "$data/example.csv" "$bin/deal-$n.csv"; done
program="$bin/tilelab"
. "$(dirname "$0")/session.sh"
trap 'end_session; rm -rf "$bin"' EXIT

# The answers the schedule keeps, summed over its cards.
answers() {
  local file
  file=$(ls "$HOME"/.local/share/TileLab/牌理工房/drill-*.txt 2>/dev/null | head -n 1 || true)
  [ -n "$file" ] || { echo 0; return; }
  awk '$1 == "card" { s += $6 } END { print s + 0 }' "$file"
}
wait_answers() {
  for _ in $(seq 100); do
    [ "$(answers)" -ge "$1" ] && return 0
    sleep 0.05
  done
  return 1
}

menu=$(window "牌理工房  メニュー") || fail "the menu did not appear"
# The window manager comes once the menu is up, so the two never race at the map;
# it manages the menu from then on and every window after it.
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "the window manager did not start"
keys "$menu" Tab space                       # 牌譜
view=$(window "牌理工房  牌譜") || fail "the viewer did not appear"
keys "$view" alt+f d                         # ファイル > 復習
drill=$(window "牌理工房  復習") || fail "the drill did not appear"

# Return answers once the deck is built; until then it asks nothing.
for _ in $(seq 40); do
  keys "$drill" Return
  wait_answers 1 && break
done
[ "$(answers)" = 1 ] || fail "the first card was not answered once: $(answers) answers"

# Held: on to the next card once, no answer.
xdotool windowfocus --sync "$drill" 2>/dev/null || true
xdotool keydown Return
sleep 1.5  # the key is held: the X server repeats it meanwhile
xdotool keyup Return
keys "$drill" Return                         # answers the card the held key showed
wait_answers 2 || fail "Return after the held one answered nothing"
[ "$(answers)" = 2 ] || fail "a held Return answered cards the player never answered: $(answers) answers, expected 2"

settings="$HOME/.config/TileLab/牌理工房.conf"
wait_setting() {
  for _ in $(seq 100); do
    grep -q "^minLostCopies=$1\$" "$settings" 2>/dev/null && return 0
    sleep 0.05
  done
  return 1
}
keys "$drill" Return                         # on to the next card
keys "$drill" Tab 6 Return                   # the first field, a 6, Return
wait_setting 6 || fail "Return in the threshold field did not apply the 6 typed there"
[ "$(answers)" = 2 ] || fail "Return in the threshold field answered a card: $(answers) answers, expected 2"
keys "$drill" Tab 1 Tab Tab                  # the first field, a 1, on to the second, back to the cards
wait_setting 1 || fail "Tab out of the threshold field did not apply the 1 typed there"
[ "$(answers)" = 2 ] || fail "Tab through the threshold fields answered a card: $(answers) answers, expected 2"
for _ in $(seq 40); do                       # once the deck is built anew, Return answers
  keys "$drill" Return
  wait_answers 3 && break
done
[ "$(answers)" = 3 ] || fail "Return on the cards after the fields: $(answers) answers, expected 3"
echo "drill keys: a held Return acts once, the threshold fields take their Return and Tab: passed"
