#!/usr/bin/env bash
# The titles the window system shows, under Xvfb: exactly the windows' captions,
# with nothing appended, and the window class of the desktop entry. The windows
# are reached with the keyboard alone: Return on the menu's first button, Tab to
# the next one, Space to press it.
# Usage: titles.sh path/to/tilelab
set -euo pipefail
program=$(readlink -f "$1")
command -v xprop >/dev/null || { echo "SKIP: xprop is not installed (tools/setup.sh installs it)"; exit 77; }
. "$(dirname "$0")/session.sh"

# The window's title as the window manager reads it (UTF-8), and the legacy one.
check_title() {
  local net legacy
  net=$(xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
  legacy=$(xprop -id "$1" WM_NAME | sed -n 's/^WM_NAME([A-Z_]*) = "\(.*\)"$/\1/p')
  [ "$net" = "$2" ] || fail "title \"$net\", expected \"$2\""
  [ "$legacy" = "$2" ] || fail "legacy title \"$legacy\", expected \"$2\""
}

menu=$(window "牌理工房  メニュー") || fail "the menu did not appear"
check_title "$menu" "牌理工房  メニュー"
xprop -id "$menu" WM_CLASS | grep -q '= "tilelab",' || fail "window class: $(xprop -id "$menu" WM_CLASS)"

keys "$menu" Return                        # focus starts on 一人麻雀
main=$(window "牌理工房  一人麻雀") || fail "Return did not open the practice window"
check_title "$main" "牌理工房  一人麻雀"
keys "$main" F2                            # acts once the opening is over
waits=$(window "牌理工房  待ち牌") || fail "the waits window did not appear"
check_title "$waits" "牌理工房  待ち牌"
keys "$main" alt+f x
no_window "牌理工房  一人麻雀" || fail "the practice window did not close"

keys "$menu" Tab space                     # 牌譜, the next button
view=$(window "牌理工房  牌譜") || fail "Tab and Space did not open the viewer"
check_title "$view" "牌理工房  牌譜"
echo "titles: menu, practice, waits, viewer: passed"
