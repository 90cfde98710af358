#!/usr/bin/env bash
# The titles the window system shows, under Xvfb: exactly the windows' captions,
# with nothing appended, and the window class of the desktop entry. The windows
# are reached with the keyboard alone: Return on the menu's first button, Tab to
# the next one, Space to press it.
# Usage: titles.sh path/to/tilelab
set -euo pipefail
program=$(readlink -f "$1")

for tool in Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (tools/setup.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
trap 'kill $app_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT
app_pid=""

for n in $(seq 141 190); do [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

unset QT_QPA_PLATFORM
export HOME="$work" LC_ALL=C.UTF-8
"$program" >"$work/out.log" 2>&1 &
app_pid=$!

fail() { echo "FAIL: $*"; cat "$work/out.log"; exit 1; }

# Waits for a visible window whose title starts with $1 and prints its id.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
# The window's title as the window manager reads it (UTF-8), and the legacy one.
check_title() {
  local net legacy
  net=$(xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
  legacy=$(xprop -id "$1" WM_NAME | sed -n 's/^WM_NAME([A-Z_]*) = "\(.*\)"$/\1/p')
  [ "$net" = "$2" ] || fail "title \"$net\", expected \"$2\""
  [ "$legacy" = "$2" ] || fail "legacy title \"$legacy\", expected \"$2\""
}
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; shift; xdotool key --delay 80 "$@"; }

menu=$(window "牌理工房  メニュー") || fail "the menu did not appear"
check_title "$menu" "牌理工房  メニュー"
xprop -id "$menu" WM_CLASS | grep -q '= "tilelab",' || fail "window class: $(xprop -id "$menu" WM_CLASS)"

keys "$menu" Return                        # focus starts on 一人麻雀
main=$(window "牌理工房  一人麻雀") || fail "Return did not open the practice window"
check_title "$main" "牌理工房  一人麻雀"
sleep 2.5                                  # the opening plays with its pauses
keys "$main" F2
waits=$(window "牌理工房  待ち牌") || fail "the waits window did not appear"
check_title "$waits" "牌理工房  待ち牌"
keys "$main" alt+f x
sleep 0.5

keys "$menu" Tab space                     # 牌譜, the next button
view=$(window "牌理工房  牌譜") || fail "Tab and Space did not open the viewer"
check_title "$view" "牌理工房  牌譜"
echo "titles: menu, practice, waits, viewer: passed"
