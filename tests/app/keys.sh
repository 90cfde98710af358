#!/usr/bin/env bash
# Keys held down in the practice window under Xvfb, where the X server repeats
# a held key: a held F5 or F6 deals once, a held Return or Space throws away one
# tile, a held F2 or F3 shows or hides its window once. The draw counter's texts,
# which the program writes to TILELAB_TRACE, tell the deals and draws apart. A
# key pressed after the held one waits behind whatever the held one left queued,
# so its result comes only once everything before it is done; a discard queued
# behind a new deal is dropped, as it was meant for the deal before.
# Usage: keys.sh path/to/tilelab
set -euo pipefail
program=$(readlink -f "$1")
. "$(dirname "$0")/session.sh"

count() { if [ -f "$TILELAB_TRACE" ]; then wc -l <"$TILELAB_TRACE"; else echo 0; fi; }
# The counter's texts after the first `from` lines, on one line.
since() { tail -n +"$(($1 + 1))" "$TILELAB_TRACE" 2>/dev/null | paste -sd' ' || true; }
# Waits until the texts after `from` are the expected ones.
expect_since() {
  local from=$1 expected=$2 what=$3 seen=""
  for _ in $(seq 300); do
    seen=$(since "$from")
    [ "$seen" = "$expected" ] && return 0
    sleep 0.1
  done
  fail "$what: the draw counter read \"$seen\", expected \"$expected\""
}
hold() {
  xdotool windowfocus --sync "$main" 2>/dev/null || true
  xdotool keydown "$1"
  sleep 1.5  # the key is held: the X server repeats it meanwhile
  xdotool keyup "$1"
}
visible() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ]; }

menu=$(window "牌理工房  メニュー") || fail "the menu did not appear"
keys "$menu" Return
main=$(window "牌理工房  一人麻雀") || fail "Return did not open the practice window"
expect_since 0 "手数: 0 手数: 1" "the opening"

for key in F5 F6; do
  from=$(count)
  hold "$key"
  expect_since "$from" "手数: 0 手数: 1" "$key held"
  keys "$main" Return
  expect_since "$from" "手数: 0 手数: 1 手数: 2" "$key held, then Return"
done

for key in Return space; do
  from=$(count)
  hold "$key"
  [ $key = Return ] && after=3 || after=2
  expect_since "$from" "手数: $after" "$key held"
  keys "$main" F6
  expect_since "$from" "手数: $after 手数: 0 手数: 1" "$key held, then F6"
done

draws=1
for key in F2 F3; do
  case $key in F2) title="牌理工房  待ち牌" ;; F3) title="牌理工房  牌理" ;; esac
  for shown in yes no; do
    from=$(count)
    hold "$key"
    keys "$main" Return
    draws=$((draws + 1))
    expect_since "$from" "手数: $draws" "$key held, then Return"
    if [ $shown = yes ]; then visible "$title" || fail "a held $key left its window hidden"
    else no_window "$title" || fail "a held $key left its window shown"; fi
  done
done
echo "held keys: F5, F6, Return, Space, F2, F3 act once: passed"
