#!/bin/sh
# Runs a test program on a private X server (Xvfb) under the openbox window
# manager, with the toolkit's X11 platform, then stops both again.
# Exit status 77 (skipped) when Xvfb, openbox or the X tools the test uses to
# play the user (xdotool, xprop, xwininfo) are not installed.
set -u

for tool in Xvfb openbox xdotool xprop xwininfo; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "$tool not installed: skipped"
    exit 77
  fi
done

workdir=$(mktemp -d) || exit 1
xvfb_pid=""
openbox_pid=""
cleanup() {
  [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null && wait "$openbox_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Xvfb picks a free display itself and writes its number to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" \
  >"$workdir/xvfb.log" 2>&1 &
xvfb_pid=$!
i=0
while [ ! -s "$workdir/display" ]; do
  i=$((i + 1))
  if [ $i -gt 200 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not start:"; cat "$workdir/xvfb.log"; exit 1
  fi
  sleep 0.05
done
DISPLAY=":$(head -n 1 "$workdir/display")"
export DISPLAY

openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
openbox_pid=$!
# The window manager is ready once it has announced itself on the root window.
i=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
  i=$((i + 1))
  if [ $i -gt 200 ] || ! kill -0 "$openbox_pid" 2>/dev/null; then
    echo "openbox did not start:"; cat "$workdir/openbox.log"; exit 1
  fi
  sleep 0.05
done

QT_QPA_PLATFORM=xcb "$@"
