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
for tool in Xvfb openbox xdotool xwininfo python3; do
    command -v "$tool" >/dev/null || { echo "menu-latency: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)

cat >"$work/server.py" <<'EOF'
import http.server, sys
text = b"n" * int(sys.argv[1])
page = b"<HTML><BODY>\n" + b"".join(
    b'<A HREF="http://s.example/%d.ram">' % i + text + b"**RealAudio&&" + text +
    b"^^20$$0@@http://p.example/</A><BR>\n" for i in range(int(sys.argv[2]))) + b"</BODY></HTML>\n"
class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = b"" if self.path.startswith("/redirect") else page
        self.send_response(200)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
EOF
python3 "$work/server.py" "$field_bytes" "$rows" >"$work/port" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/Skylark! Broadcast"
printf '[Settings]\nServiceHost=127.0.0.1:%s\nConSpeed=Cable/DSL\nReal=/bin/true\nNetshow=/bin/true\nWinamp=/bin/true\nStreamWorks=/bin/true\nMiniB=False\n' \
    "$(head -1 "$work/port")" >"$XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini"

"$program" >"$work/log" 2>&1 &
pids+=($!)
window=$(xdotool search --sync --onlyvisible --name '^Skylark! Broadcast v3.0$' | head -1)
xdotool windowfocus --sync "$window"
xdotool type "x"
xdotool key Return
sleep 5

windows() { xwininfo -root -children 2>/dev/null | grep -c '^ *0x' || true; }
before=$(windows)
start=$(date +%s%N)
xdotool key alt+f
while [ "$(windows)" -le "$before" ] && [ $(($(date +%s%N) - start)) -lt 300000000000 ]; do :; done
end=$(date +%s%N)
echo "menu_open_ms=$(((end - start) / 1000000)) field_bytes=$field_bytes rows=$rows"
