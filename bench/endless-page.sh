#!/usr/bin/env bash
# What the program holds while a directory sends an endless results page of fat rows: each record
# has a name and a location of FIELD_BYTES bytes and the page never ends. Runs the built program
# under Xvfb against a small local server, searches, and samples the program's resident memory
# until the search stops with its message (the byte budget) or LIMIT seconds pass. Prints the
# peak resident memory and how long the search ran.
# Usage: bench/endless-page.sh [PROGRAM] [FIELD_BYTES] [LIMIT]
set -euo pipefail
program=${1:-build/bin/skylark-broadcast}
field_bytes=${2:-65536}
limit=${3:-300}
for tool in Xvfb openbox xdotool python3; do
    command -v "$tool" >/dev/null || { echo "endless-page: $tool is missing" >&2; exit 1; }
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

cat >"$work/server.py" <<'PY'
import http.server, sys
text = b"n" * int(sys.argv[1])
rows = b"".join(b'<A HREF="http://s.example/%d.ram">' % i + text + b"**RealAudio&&" + text +
                b"^^20$$0@@http://p.example/</A><BR>\n" for i in range(16))
class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    def do_GET(self):
        self.send_response(200)
        self.end_headers()
        if self.path.startswith("/redirect"):
            return
        self.wfile.write(b"<HTML><BODY>\n")
        try:
            while True:
                self.wfile.write(rows)
        except OSError:
            pass
    def log_message(self, *args):
        pass
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
PY
python3 "$work/server.py" "$field_bytes" >"$work/port" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/Skylark! Broadcast"
printf '[Settings]\nServiceHost=127.0.0.1:%s\nConSpeed=Cable/DSL\nMiniB=False\n' \
    "$(head -1 "$work/port")" >"$XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini"

"$program" >"$work/log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
window=$(xdotool search --sync --onlyvisible --name '^Skylark! Broadcast v3.0$' | head -1)
xdotool windowfocus --sync "$window"
xdotool type "x"
xdotool key Return

start=$(date +%s%N)
stopped=no
while [ $(($(date +%s%N) - start)) -lt $((limit * 1000000000)) ]; do
    if xdotool search --onlyvisible --name '^Skylark$' >/dev/null 2>&1; then
        stopped=yes
        break
    fi
    sleep 0.5
done
seconds=$((($(date +%s%N) - start) / 1000000000))
peak_kb=$(sed -n 's/^VmHWM:\s*\([0-9]*\).*/\1/p' "/proc/$program_pid/status")
echo "endless_page field_bytes=$field_bytes stopped_by_message=$stopped seconds=$seconds peak_rss_mb=$((peak_kb / 1024))"
