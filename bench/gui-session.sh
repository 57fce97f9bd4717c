# Shared by the benchmarks that drive the built program under Xvfb; sourced, not run.
# gui_session_start: a work folder ($work, removed on exit with every process in $pids), an X
# server and openbox. gui_start PROGRAM PORT: starts the program on a fresh settings file that
# names the server on PORT as its directory and waits for its window, with "x" typed into the
# search box; $program_pid is the program's process. gui_search PROGRAM PORT: the same, then
# Return starts the search.

gui_session_start() {
    for tool in Xvfb openbox xdotool xwininfo python3; do
        command -v "$tool" >/dev/null || { echo "$(basename "$0"): $tool is missing" >&2; exit 1; }
    done
    work=$(mktemp -d)
    pids=()
    trap gui_session_end EXIT
    Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>/dev/null &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$work/display")"
    openbox >/dev/null 2>&1 &
    pids+=($!)
}

gui_session_end() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}

gui_start() {
    export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    mkdir -p "$XDG_CONFIG_HOME/Skylark! Broadcast"
    printf '[Settings]\nServiceHost=127.0.0.1:%s\nConSpeed=Cable/DSL\nReal=/bin/true\nNetshow=/bin/true\nWinamp=/bin/true\nStreamWorks=/bin/true\nMiniB=False\n' \
        "$2" >"$XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini"
    "$1" >"$work/log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    local window=""
    # A search ends with an X error when a window it reads closes meanwhile (the splash).
    while [ -z "$window" ]; do
        window=$(xdotool search --sync --onlyvisible --name '^Skylark! Broadcast v3.0$' 2>/dev/null | head -1)
    done
    xdotool windowfocus --sync "$window"
    xdotool type "x"
}

gui_search() {
    gui_start "$@"
    xdotool key Return
}

# Starts the server script $work/server.py with the given arguments and sets $port to the port
# it prints.
gui_server() {
    python3 "$work/server.py" "$@" >"$work/port" &
    gui_await_port
}

# Serves the results page in file $1 (bench/page_server.py) and sets $port.
gui_page_server() {
    python3 "$(dirname "${BASH_SOURCE[0]}")/page_server.py" "$1" >"$work/port" &
    gui_await_port
}

gui_await_port() {
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
    port=$(head -1 "$work/port")
}
