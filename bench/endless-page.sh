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
source "$(dirname "$0")/gui-session.sh"
gui_session_start

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
gui_server "$field_bytes"

gui_search "$program" "$port"

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
