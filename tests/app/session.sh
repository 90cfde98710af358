# Sourced by the end-to-end scripts once `program` holds the program's path:
# skips (exit 77) where Xvfb or xdotool is missing, starts Xvfb on a free display
# and the program under it with a fresh HOME, and offers the waits they share.
# Every wait polls for a condition; none sleeps for a fixed time.

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
  for _ in $(seq 100); do
    [ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true)" ] && return 0
    sleep 0.1
  done
  return 1
}
keys() { xdotool windowfocus --sync "$1" 2>/dev/null || true; shift; xdotool key --delay 80 "$@"; }
