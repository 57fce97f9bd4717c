#!/usr/bin/env bash
# Opens the main window, setup, bookmarks and the station scan by keys under Xvfb at twice the
# scale on a 1600x1200 screen, with a session bus and AT-SPI, and walks each one's accessibility
# tree with a11y_walk.py. Usage: a11y_test.sh BIN_DIR; exit 0 passed, 1 failed, 77 skipped.
set -uo pipefail
bin_dir=$1
here=$(cd "$(dirname "$0")" && pwd)

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*"; exit 1; }

if [ -z "${SKYLARK_A11Y_SESSION:-}" ]; then
    for tool in Xvfb openbox xdotool dbus-run-session; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
    [ -x /usr/libexec/at-spi-bus-launcher ] || skip "at-spi2-core is not installed"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "python3-pyatspi is not installed"
    work=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
    for _ in $(seq 50); do grep -qs '^[0-9]' "$work/display" && break; sleep 0.1; done
    grep -qs '^[0-9]' "$work/display" || skip "Xvfb did not start"
    export DISPLAY=":$(head -1 "$work/display")" SKYLARK_A11Y_SESSION=1 WORK="$work"
    dbus-run-session -- bash "$0" "$bin_dir" 2>&1 | grep -v 'Failed to set fd limit'
    exit "${PIPESTATUS[0]}"
fi

# Inside the session: the accessibility bus, a window manager, the program.
export XDG_CONFIG_HOME="$WORK/config" XDG_DATA_HOME="$WORK/data" XDG_CACHE_HOME="$WORK/cache"
export XDG_RUNTIME_DIR="$WORK/runtime" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_SCALE_FACTOR=2
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/Skylark! Broadcast"
# No directory answers: the start-up lookup fails at once and the stored host is used. The
# players are found, so the scan window opens.
printf '[Settings]\nServiceHost=127.0.0.1:9\nConSpeed=Cable/DSL\nMiniB=False\nReal=/bin/true\nNetshow=/bin/true\n' \
    >"$XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
"$bin_dir/skylark-broadcast" >"$WORK/program.log" 2>&1 &
program=$!
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null' EXIT

# xdotool's search ends with an X error when a window it is reading closes meanwhile (the
# splash, at start-up), so a failed search is asked again until the deadline.
await() {
    local found="" deadline=$((SECONDS + 20))
    while [ -z "$found" ] && [ "$SECONDS" -lt "$deadline" ]; do
        found=$(timeout $((deadline - SECONDS)) xdotool search --sync --onlyvisible --name "$1" \
            2>/dev/null | head -1)
        [ -n "$found" ] || sleep 0.1
    done
    [ -n "$found" ] || fail "no window '$1' (program: $(tail -3 "$WORK/program.log"))"
    xdotool windowactivate --sync "$found" 2>/dev/null || xdotool windowfocus --sync "$found"
    sleep 0.5
}
# Waits for the window titled $1 and walks the trees of the windows titled $1 and $2....
walk() {
    await "$1"
    /usr/bin/python3 "$here/a11y_walk.py" --screen 1600x1200 "$@" || fail "the accessibility tree has problems (above)"
}

main='^Skylark! Broadcast v3\.0$'
walk "$main"
xdotool key F2
walk '^Skylark! Broadcast - Setup$' "$main"
xdotool key Escape
# Search > Bookmarks > Show Bookmarks; Alt+S is shared, so the way goes through Edit.
await "$main"
xdotool key --delay 300 alt+e Right b s
walk '^Bookmarks$'
xdotool key Escape
await "$main"
xdotool key --delay 300 alt+e Right c
await '^Skylark! Broadcast$'
xdotool key Return
walk '^Skylark! Broadcast - Station Scan$'
# A chosen player opens the whole window: the station's rows and the buttons.
xdotool key --delay 300 Tab alt+Down
sleep 0.5
xdotool key Home Return
sleep 1
walk '^Skylark! Broadcast - Station Scan$'
xdotool key Escape
kill "$program" 2>/dev/null
echo "PASS"
