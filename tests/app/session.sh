# Sourced by the end-to-end scripts once `program` holds the program's path
# (and `program_args` its arguments, if any): skips (exit 77) where Xvfb or
# xdotool is missing, starts Xvfb on a free display (screen_size, 1024x768
# unless set), the window manager named in window_manager if set, and the
# program under it with a fresh HOME, and offers the waits they share.
# Every wait polls for a condition; none sleeps for a fixed time.

if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
  echo "SKIP: Xvfb or xdotool is not installed (tools/setup.sh installs them)"
  exit 77
fi

# A script that needs frames and placement names its window manager first
# (window_manager=openbox) and is skipped where it is missing.
if [ -n "${window_manager:-}" ] && { ! command -v "$window_manager" >/dev/null || ! command -v xprop >/dev/null; }; then
  echo "SKIP: $window_manager or xprop is not installed (tools/setup.sh installs them)"
  exit 77
fi

work=$(mktemp -d)
# Ends the program, the window manager and Xvfb, and waits for them: a server
# still going down removes its socket, which may by then be the next script's.
end_session() {
  kill $app_pid $wm_pid $xvfb_pid 2>/dev/null || true
  wait $app_pid $wm_pid $xvfb_pid 2>/dev/null || true
  rm -rf "$work"
}
trap end_session EXIT
app_pid=""
wm_pid=""

# Xvfb picks a free display itself and names it once it is ready, so scripts
# run side by side (other build folders, other users) never race for one.
# A server still going down elsewhere may take the new one's socket with it:
# the display is used once a client has reached it, else a new server is started.
for _ in 1 2 3; do
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "${screen_size:-1024x768}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=":$(head -n 1 "$work/display")"
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  kill $xvfb_pid 2>/dev/null || true
  wait $xvfb_pid 2>/dev/null || true
done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "FAIL: no client reaches the Xvfb on $DISPLAY"; exit 1; }

unset QT_QPA_PLATFORM
export HOME="$work" LC_ALL=C.UTF-8
if [ -n "${window_manager:-}" ]; then
  "$window_manager" >"$work/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 300); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "FAIL: $window_manager did not start"; cat "$work/wm.log"; exit 1; }
fi
# The practice window writes each new text of its draw counter here.
export TILELAB_TRACE="$work/trace"
"$program" ${program_args+"${program_args[@]}"} >"$work/out.log" 2>&1 &
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
  for _ in $(seq 100); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ] && return 0
    sleep 0.1
  done
  return 1
}
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; shift; xdotool key --delay 80 "$@"; }
