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
gui_server "$field_bytes" "$rows"

gui_search "$program" "$port"
sleep 5

windows() { xwininfo -root -children 2>/dev/null | grep -c '^ *0x' || true; }
before=$(windows)
start=$(date +%s%N)
xdotool key alt+f
while [ "$(windows)" -le "$before" ] && [ $(($(date +%s%N) - start)) -lt 300000000000 ]; do :; done
end=$(date +%s%N)
echo "menu_open_ms=$(((end - start) / 1000000)) field_bytes=$field_bytes rows=$rows"
