#!/usr/bin/env bash
# How long the File menu takes to open while the results grid holds rows with long texts.
# Runs the built program under Xvfb against a small local server whose results page has ROWS
# records, each with a name and a location of FIELD_BYTES bytes, searches, waits five seconds
# and presses Alt+F, timing the press until the menu's window is mapped. The time includes
# starting xdotool and polling xwininfo (a few hundred ms on a loaded machine); run it with
# ROWS=1 FIELD_BYTES=10 for that baseline.
# Usage: bench/menu-latency.sh [PROGRAM] [FIELD_BYTES] [ROWS]
set -euo pipefail
program=${1:-build/bin/skylark-broadcast}
field_bytes=${2:-6291456}
rows=${3:-1}
source "$(dirname "$0")/gui-session.sh"
gui_session_start

python3 - "$field_bytes" "$rows" >"$work/page" <<'EOF'
import sys
text = b"n" * int(sys.argv[1])
sys.stdout.buffer.write(b"<HTML><BODY>\n" + b"".join(
    b'<A HREF="http://s.example/%d.ram">' % i + text + b"**RealAudio&&" + text +
    b"^^20$$0@@http://p.example/</A><BR>\n" for i in range(int(sys.argv[2]))) + b"</BODY></HTML>\n")
EOF
gui_page_server "$work/page"

gui_search "$program" "$port"
sleep 5

windows() { xwininfo -root -children 2>/dev/null | grep -c '^ *0x' || true; }
before=$(windows)
start=$(date +%s%N)
xdotool key alt+f
while [ "$(windows)" -le "$before" ] && [ $(($(date +%s%N) - start)) -lt 300000000000 ]; do :; done
end=$(date +%s%N)
echo "menu_open_ms=$(((end - start) / 1000000)) field_bytes=$field_bytes rows=$rows"
