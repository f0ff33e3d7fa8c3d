#!/usr/bin/env bash
# run_under_window_manager.sh TEST_BINARY: runs TEST_BINARY on a virtual X display of 1280x800
# under the Openbox window manager, then stops both.
set -euo pipefail
test_binary=$1
for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/setup.sh)"; exit 1; }
done

work=$(mktemp -d)
cleanup() {
    [ -n "${wm_pid:-}" ] && kill "$wm_pid" 2>/dev/null || true
    [ -n "${x_pid:-}" ] && kill "$x_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
x_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# Openbox keeps its settings in the temporary folder, not the user's.
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' ||
    { cat "$work/openbox.log"; echo "openbox did not start"; exit 1; }

QT_QPA_PLATFORM=xcb "$test_binary"
