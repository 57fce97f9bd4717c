#!/usr/bin/env bash
# What a 100,000-record results page costs the program beside what its parser and sort cost
# alone. Runs the built program under Xvfb against a small local server that answers with the
# page skylark-bench parses, reads the program's processor time and resident memory from /proc
# before the search and once it is idle again, then runs skylark-bench and prints both with their
# ratio.
# Usage: bench/big-page.sh [BIN_DIR]
set -euo pipefail
bin_dir=${1:-build/bin}
source "$(dirname "$0")/gui-session.sh"
gui_session_start

python3 - >"$work/page" <<'PY'
import sys
formats = [b"RealAudio", b"MP3 ShoutCast", b"Microsoft Media (Audio)", b"RealVideo"]
places = [b"Chicago, Illinois", b"Unknown, Internet", b"Dayton, Ohio", "München, Bayern".encode()]
rows = []
for at in range(100000):
    n = b"%d" % at
    rows.append(b'<A HREF="http://stream' + n + b'.example.net:8000/live/station' + n + b'.ram">Station ' + n +
                b' FM**' + formats[at % 4] + b'&&' + places[at % 4] + b'^^' + b"%d" % (16 + at % 300) +
                b'$$0@@http://www.station' + n + b'.example.com/</A><BR>\n')
sys.stdout.buffer.write(b"<HTML><HEAD><TITLE>Search Results</TITLE></HEAD><BODY>\n<H2>Live broadcasts</H2>\n" +
                        b"".join(rows) + b"</BODY></HTML>\n")
PY
gui_page_server "$work/page"

# Processor time in clock ticks and resident memory in kB of the program.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$program_pid/stat"; }
rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$program_pid/status"; }

gui_start "$bin_dir/skylark-broadcast" "$port"
sleep 2
ticks_before=$(cpu_ticks)
rss_before=$(rss_kb)
[ -n "${PERF_OUT:-}" ] && { perf record ${PERF_ARGS:--g} -o "$PERF_OUT" -p "$program_pid" >/dev/null 2>&1 & perf_pid=$!; sleep 1; }
xdotool key Return
# Idle: no processor time used for a whole second.
last=-1
while [ "$(cpu_ticks)" != "$last" ]; do
    last=$(cpu_ticks)
    sleep 1
done
[ -n "${perf_pid:-}" ] && { kill -INT "$perf_pid"; wait "$perf_pid" || true; }
hz=$(getconf CLK_TCK)
program_s=$(awk -v t="$(($(cpu_ticks) - ticks_before))" -v hz="$hz" 'BEGIN {printf "%.3f", t / hz}')
added_mb=$((($(rss_kb) - rss_before) / 1024))
bench=$("$bin_dir/skylark-bench" | grep '^records=100000')
parse_s=$(echo "$bench" | sed -n 's/.* seconds=\([0-9.]*\) .*/\1/p')
sort_s=$(echo "$bench" | sed -n 's/.*sort_seconds=\([0-9.]*\).*/\1/p')
echo "program_cpu_s=$program_s added_mb=$added_mb parse_s=$parse_s sort_s=$sort_s" \
    "ratio=$(awk -v p="$program_s" -v a="$parse_s" -v b="$sort_s" 'BEGIN {printf "%.2f", p / (a + b)}')"
