#!/usr/bin/env bash
# Starts the installed directory service as its user unit does: the ExecStart line of the
# installed skylark-directory.service under systemd-socket-activate, which hands the listening
# socket over (LISTEN_FDS, descriptor 3) on the first connection; pages are fetched through it.
# Usage: socket_activation_test.sh BUILD_DIR
set -uo pipefail

readonly build_dir=${1:?usage: socket_activation_test.sh BUILD_DIR}
root=$(mktemp -d "${TMPDIR:-/tmp}/skylark-activation.XXXXXX") || exit 1
service_pid=""
cleanup() {
    [ -n "$service_pid" ] && kill "$service_pid" 2>/dev/null && wait "$service_pid" 2>/dev/null
    rm -rf "$root"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -s "$root/service.log" ] && { echo "---- service log"; cat "$root/service.log"; }
    exit 1
}

for tool in systemd-socket-activate curl python3; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup-debian.sh installs it)"
done
DESTDIR="$root/tree" cmake --install "$build_dir" --prefix /usr >"$root/install.log" 2>&1 ||
    fail "cmake --install: $(cat "$root/install.log")"

unit=$root/tree/usr/lib/systemd/user/skylark-directory.service
exec_start=$(sed -n 's/^ExecStart=//p' "$unit")
[ -n "$exec_start" ] || fail "no ExecStart in $unit"
# The unit's absolute paths, inside the temporary tree.
read -r -a command <<<"${exec_start//\/usr\//$root/tree/usr/}"

# The unit's address with a free port, as 8642 may be taken on this machine.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
systemd-socket-activate --listen="127.0.0.1:$port" "${command[@]}" >"$root/service.out" 2>"$root/service.log" &
service_pid=$!
# systemd-socket-activate listens at once and starts the service on the first connection.
for ((i = 0; i < 100; ++i)); do grep -qs "Listening on 127.0.0.1:$port" "$root/service.log" && break; sleep 0.1; done
grep -qs "Listening on 127.0.0.1:$port" "$root/service.log" || fail "systemd-socket-activate did not listen"
[ ! -s "$root/service.out" ] || fail "the service started before the first connection"

# A service that ignored the handed-over socket would leave these connections unanswered.
fetch() { curl -fsS --max-time 20 "http://127.0.0.1:$port$1" 2>&1; }
page=$(fetch /redirect.asp) || fail "GET /redirect.asp: $page"
[[ $page == "127.0.0.1:$port"* ]] || fail "/redirect.asp did not name the address asked: $page"
page=$(fetch '/search.asp?V=3&P=L&T1=jazz&F=1&MA=1&LIVE=1') || fail "GET /search.asp: $page"
grep -qi 'fipjazz' <<<"$page" || fail "the search for jazz did not list Fip Jazz from the installed catalog"
page=$(fetch /nowhere.htm) && fail "an unknown page was answered: $page"
grep -q '404' <<<"$page" || fail "an unknown page did not give 404: $page"

# The service reports the handed-over socket's address (the port it was handed, not 8642).
[ "$(head -n 1 "$root/service.out")" = "listening 127.0.0.1:$port" ] ||
    fail "the service did not serve the handed-over socket: $(head -n 1 "$root/service.out")"
echo "socket activation: pages served through the handed-over socket on 127.0.0.1:$port"
