#!/usr/bin/env bash
# The windows on a real screen, under Xvfb with a window manager (openbox), so
# that frames and placement are the window system's own: every window fits the
# screen with its title bar, and the windows that work together stand side by
# side on every show, the waiting menu out of their way: the practice window,
# the analysis and the waits (also when a practice mode opens again with the
# analysis remembered), the viewer and its quiz (clear of the viewer's status
# bar), the review, the statistics and the drill.
# Usage: screens.sh path/to/tilelab WIDTHxHEIGHT [scale]
set -euo pipefail
program=$(readlink -f "$1")
screen_size=$2
scale=${3:-1}
[ "$scale" = 1 ] || export QT_SCALE_FACTOR=$scale
window_manager=openbox
command -v xwininfo >/dev/null || { echo "SKIP: xwininfo is not installed (tools/setup.sh installs it)"; exit 77; }
. "$(dirname "$0")/session.sh"
width=${screen_size%x*}
height=${screen_size#*x}

# A window's frame, borders and title bar included: "x y width height".
frame() {
  local x y w h l r t b
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4}
                                    /^ *Width:/{print "w="$2} /^ *Height:/{print "h="$2}')"
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ',')
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}
# Waits until the frames of the given windows stop moving (the window manager
# places a window after it is shown, and ours may move it once more): the same
# frames over a whole second, as a loaded machine may be slow to move them.
settle() {
  local before="" now same=0
  for _ in $(seq 75); do
    now=$(for id in "$@"; do frame "$id"; done)
    if [ "$now" = "$before" ]; then
      same=$((same + 1))
      [ "$same" -ge 5 ] && return 0
    else
      same=0
    fi
    before=$now
    sleep 0.2
  done
}
on_screen() {
  local x y w h
  read -r x y w h < <(frame "$1")
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$width" ] && [ $((y + h)) -le "$height" ] ||
    fail "$2 is not on the ${screen_size} screen (scale $scale): frame at $x,$y, ${w}x$h"
}
apart() {
  local ax ay aw ah bx by bw bh
  read -r ax ay aw ah < <(frame "$1")
  read -r bx by bw bh < <(frame "$2")
  if [ "$ax" -lt $((bx + bw)) ] && [ "$bx" -lt $((ax + aw)) ] && [ "$ay" -lt $((by + bh)) ] && [ "$by" -lt $((ay + ah)) ]; then
    fail "$3 overlap (scale $scale, ${screen_size}): $ax,$ay ${aw}x$ah and $bx,$by ${bw}x$bh"
  fi
}
# A point of the menu, given in its own pixels at scale 1.
click_menu() { xdotool mousemove --window "$menu" "$(($1 * scale))" "$(($2 * scale))" click 1; }
close() { keys "$1" alt+f x; no_window "$2" || fail "\"$2\" did not close"; }

menu=$(window "牌理工房  メニュー") || fail "the menu did not appear"
click_menu 86 74                                   # 一人麻雀
main=$(window "牌理工房  一人麻雀") || fail "the practice window did not appear"
keys "$main" F3                                    # acts once the opening is over
pairi=$(window "牌理工房  牌理") || fail "the analysis window did not appear"
keys "$main" F2
waits=$(window "牌理工房  待ち牌") || fail "the waits window did not appear"
settle "$main" "$pairi" "$waits" "$menu"
on_screen "$main" "the practice window"
on_screen "$pairi" "the analysis window"
on_screen "$waits" "the waits window"
on_screen "$menu" "the menu"
apart "$main" "$pairi" "the practice and analysis windows"
apart "$main" "$waits" "the practice and waits windows"
apart "$pairi" "$waits" "the analysis and waits windows"
# The practice window may cover the menu it was opened from; the others may not.
apart "$menu" "$pairi" "the menu and the analysis window"
apart "$menu" "$waits" "the menu and the waits window"
close "$main" "牌理工房  一人麻雀"

# Again, the analysis window remembered as shown: both come up side by side.
click_menu 86 74
main=$(window "牌理工房  一人麻雀") || fail "the practice window did not appear again"
pairi=$(window "牌理工房  牌理") || fail "the remembered analysis window did not appear"
settle "$main" "$pairi" "$menu"
on_screen "$main" "the practice window, opened again"
on_screen "$pairi" "the analysis window, opened again"
apart "$main" "$pairi" "the practice and analysis windows, opened again"
apart "$menu" "$pairi" "the menu and the analysis window, opened again"
close "$main" "牌理工房  一人麻雀"

click_menu 234 74                                  # 牌譜
view=$(window "牌理工房  牌譜") || fail "the viewer did not appear"
settle "$view"                                     # a player looks before pressing a key
keys "$view" F8
review=$(window "牌理工房  検討") || fail "the review did not appear"
settle "$view" "$review"
on_screen "$view" "the viewer"
on_screen "$review" "the review"
# At scale 2 a screen 1080 pixels high holds the viewer and the review, even
# with its table at three rows, only one over the other's foot.
[ "$scale" = 1 ] && apart "$view" "$review" "the viewer and the review"
for part in "t:成績:statistics" "d:復習:drill"; do
  IFS=: read -r key title name <<<"$part"
  keys "$view" alt+f "$key"
  id=$(window "牌理工房  $title") || fail "the $name window did not appear"
  settle "$id"
  on_screen "$id" "the $name window"
  keys "$id" Escape
  no_window "牌理工房  $title" || fail "Esc did not close the $name window"
done
close "$view" "牌理工房  牌譜"

click_menu 234 110                                 # 捨牌読み
view=$(window "牌理工房  捨牌読み") || fail "the discard reading did not appear"
settle "$view"
keys "$view" alt+v q                               # 表示 > 待ち当て
for round in first again; do
  quiz=$(window "牌理工房  待ち当て") || fail "the quiz did not appear ($round)"
  settle "$view" "$quiz"
  on_screen "$quiz" "the quiz ($round)"
  apart "$view" "$quiz" "the viewer, its status bar included, and the quiz ($round)"
  close "$view" "牌理工房  捨牌読み"
  [ $round = first ] || break
  click_menu 234 110
  view=$(window "牌理工房  捨牌読み") || fail "the discard reading did not appear again"
done
echo "screens: ${screen_size} at scale $scale: every window on the screen, side by side: passed"
