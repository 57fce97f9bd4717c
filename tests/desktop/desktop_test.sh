#!/usr/bin/env bash
# Runs the built program under Xvfb with openbox and drives it through the X server with real
# keys and mouse clicks, as a person would: the first-run prompt and the connection choice, a
# search typed into the search box and answered by the bundled directory service, playing the
# first result with a recording stand-in player, and Esc in the search box to quit.
#
# Usage: desktop_test.sh BIN_DIR CATALOG
# Exit status 0 passed, 1 failed, 77 skipped (no X server can be started here).
# On failure the screen is saved as desktop_test-failure.xwd in the working folder.
set -uo pipefail

readonly bin_dir=${1:?usage: desktop_test.sh BIN_DIR CATALOG}
readonly catalog=${2:?usage: desktop_test.sh BIN_DIR CATALOG}
readonly skip_status=77
# The catalog lists Fip Jazz first of several stations matching "jazz".
readonly keywords=jazz
readonly first_link=https://stream.radiofrance.fr/fipjazz/fipjazz_hifi.m3u8
readonly connection=Cable/DSL
# The speed in kbit/s that the search asks for with that connection.
readonly connection_speed=300
# Down presses that move the connection list from its placeholder to $connection.
readonly connection_downs=6
readonly prompt_title='^Skylark$'
readonly setup_title='^Skylark! Broadcast - Setup$'
readonly main_title='^Skylark! Broadcast v3\.0$'

step="preparing"
work=$(mktemp -d "${TMPDIR:-/tmp}/skylark-desktop.XXXXXX") || exit 1
started=()
program_pid=""

cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
rm -f desktop_test-failure.xwd

skip() {
    echo "SKIP: no X server can be started: $*"
    exit "$skip_status"
}

show_log() {
    [ -s "$2" ] || return 0
    echo "---- $1"
    cat "$2"
}

fail() {
    echo "FAIL at step '$step': $*"
    if [ -n "${DISPLAY:-}" ] && command -v xwd >/dev/null; then
        xwd -root -silent >desktop_test-failure.xwd 2>/dev/null &&
            echo "screen saved as $PWD/desktop_test-failure.xwd"
    fi
    show_log "directory service log" "$work/directory.log"
    show_log "program output" "$work/program.log"
    show_log "settings file" "$settings_file"
    exit 1
}

begin() {
    step=$1
    echo "== $step"
}

need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup-debian.sh installs it)"
    done
}

# Runs the command every 0.1 s until it succeeds, for at most $1 seconds. Fails at once when the
# program ends while it is awaited.
wait_until() {
    local tries=$(($1 * 10)) i
    shift
    for ((i = 0; i < tries; ++i)); do
        "$@" && return 0
        if [ -n "$program_pid" ] && ! program_running; then
            fail "the program ended unexpectedly"
        fi
        sleep 0.1
    done
    return 1
}

visible_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1
}

has_window() {
    [ -n "$(visible_window "$1")" ]
}

# Sets "found" to the visible window whose title matches $1, waiting up to $2 seconds.
await_window() {
    wait_until "$2" has_window "$1" || fail "no window titled /$1/ appeared within $2 s"
    found=$(visible_window "$1")
}

no_window() {
    ! has_window "$1"
}

# An ended child stays a zombie until it is waited for, and kill -0 still finds a zombie.
running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

program_running() {
    running "$program_pid"
}

program_ended() {
    ! program_running
}

focus_window() {
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || fail "could not bring window $1 to the front"
}

setting_is() {
    grep -qxF "$1=$2" "$settings_file"
}

# True once the server has written its display number, or once it has given up.
x_server_ready() {
    grep -qs '^[0-9]' "$work/display" || ! running "$1"
}

start_x_server() {
    command -v Xvfb >/dev/null || skip "Xvfb is not installed"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    local server=$!
    started+=("$server")
    wait_until 10 x_server_ready "$server"
    grep -qs '^[0-9]' "$work/display" || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(head -n 1 "$work/display")"
    export DISPLAY
    echo "display $DISPLAY"
}

start_window_manager() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    started+=($!)
    wait_until 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not take over the screen: $(cat "$work/openbox.log")"
}

start_directory() {
    "$bin_dir/skylark-directory" --listen 127.0.0.1 --port 0 --catalog "$catalog" \
        >"$work/directory.out" 2>"$work/directory.log" &
    started+=($!)
    wait_until 10 grep -qs '^listening ' "$work/directory.out" || fail "the directory service did not start"
    directory_address=$(sed -n '1s/^listening //p' "$work/directory.out")
    echo "directory service on $directory_address"
}

# The stand-in player writes its argument count and arguments, one a line, to a file of its own
# per launch, renamed into place so that a reader never sees half of it.
make_player() {
    player="$work/player"
    cat >"$player" <<EOF
#!/bin/sh
{ echo "\$#"; printf '%s\n' "\$@"; } >"$work/launch.tmp.\$\$" && mv "$work/launch.tmp.\$\$" "$work/launch.\$\$"
EOF
    chmod +x "$player"
}

# No "ConSpeed": the program takes the run for a first run and asks for the connection type.
write_settings() {
    mkdir -p "$(dirname "$settings_file")"
    printf '[Settings]\nServiceHost=%s\nReal=%s\nNetshow=%s\nWinamp=%s\nStreamWorks=%s\n' \
        "$directory_address" "$player" "$player" "$player" "$player" >"$settings_file"
}

start_program() {
    QT_QPA_PLATFORM=xcb "$bin_dir/skylark-broadcast" >"$work/program.log" 2>&1 &
    program_pid=$!
    started+=("$program_pid")
}

# Reads an XWD dump of the main window on standard input and prints what a person sees in its
# left-most pixel columns: "band TOP HEIGHT" for each dark title band (the "Search" and "Search
# Results" bars) and "row TOP HEIGHT TEXT" for the first highlighted row below the second band,
# TEXT 1 when light text is drawn on it (an empty highlighted row has none).
read_screen() {
    perl -e '
        local $/;
        my $data = <STDIN>;
        my @h = unpack("N25", $data);
        my ($size, $width, $height, $order, $bpp, $line, $colours) = @h[0, 4, 5, 7, 11, 12, 19];
        die "unexpected XWD layout\n" unless $bpp == 32;
        my $pixels = $size + 12 * $colours;
        my $rgb = sub {
            my ($x, $y) = @_;
            my $p = substr($data, $pixels + $y * $line + 4 * $x, 4);
            my $v = $order ? unpack("N", $p) : unpack("V", $p);
            return (($v >> 16) & 255, ($v >> 8) & 255, $v & 255);
        };
        my $dark = sub { my ($r, $g, $b) = @_; $r + $g + $b < 300 };
        my $blue = sub { my ($r, $g, $b) = @_; $b > $r + 80 && $r + $g + $b >= 300 };
        my @bands;
        my $y = 0;
        while ($y < $height) {
            my $start = $y;
            ++$y while $y < $height && $dark->($rgb->(2, $y));
            if ($y - $start >= 8) { push @bands, [$start, $y - $start]; print "band $start ", $y - $start, "\n"; }
            ++$y if $y == $start;
        }
        exit 0 if @bands < 2;
        $y = $bands[1][0] + $bands[1][1];
        ++$y while $y < $height && !$blue->($rgb->(2, $y));
        my $start = $y;
        ++$y while $y < $height && $blue->($rgb->(2, $y));
        exit 0 if $y - $start < 6;
        my $text = 0;
        for my $ty ($start .. $y - 1) {
            for my $tx (2 .. $width / 3) {
                my ($r, $g, $b) = $rgb->($tx, $ty);
                $text = 1 if $r > 200 && $g > 200 && $b > 200;
            }
        }
        print "row $start ", $y - $start, " $text\n";
    '
}

player_started() {
    compgen -G "$work/launch.[0-9]*" >/dev/null
}

look_at_main_window() {
    xwd -id "$main_window" -silent 2>/dev/null | read_screen >"$work/screen" 2>"$work/screen.err"
}

first_row_has_text() {
    look_at_main_window && grep -q '^row .* 1$' "$work/screen"
}

# Presses Return in the search box to start the search.
submit_search() {
    xdotool key Return
}

# Presses Esc in the search box to end the program.
quit_program() {
    xdotool key Escape
}

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
settings_file="$XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini"

begin "starting the X server, window manager and directory service"
start_x_server
need xdotool openbox xprop xwd perl timeout
start_window_manager
start_directory
make_player
write_settings

begin "first-run prompt"
start_program
# The splash shows for two seconds before the prompt.
await_window "$prompt_title" 10
prompt=$found
has_window "$setup_title" && fail "the setup dialog is open before the prompt was answered"
has_window "$main_title" && fail "the main window is open before a connection was chosen"
focus_window "$prompt"
xdotool key Return
wait_until 5 no_window "$prompt_title" ||
    fail "Return did not close the prompt"

begin "connection choice in the setup dialog"
await_window "$setup_title" 5
setup=$found
focus_window "$setup"
# The tab bar has the focus; Tab moves it to the connection list on the "Select Speed" tab.
xdotool key Tab
for ((i = 0; i < connection_downs; ++i)); do
    xdotool key Down
done
wait_until 5 setting_is ConSpeed "$connection" ||
    fail "choosing '$connection' in the connection list did not store ConSpeed=$connection"
xdotool key Return
wait_until 5 no_window "$setup_title" ||
    fail "Return (OK) did not close the setup dialog"

begin "search typed into the search box"
await_window "$main_title" 5
main_window=$found
focus_window "$main_window"
# The search box has the keyboard focus when the main window opens.
xdotool type --delay 30 "$keywords"
submit_search
wait_until 5 grep -q "^GET /search.asp?.*T1=$keywords&.* 200\$" "$work/directory.log" ||
    fail "Return in the search box sent no search for '$keywords' to the directory service"
grep -q "&SPD=$connection_speed\( \|&\)" "$work/directory.log" ||
    fail "the search did not ask for the speed of '$connection' ($connection_speed)"
wait_until 5 first_row_has_text || fail "no results appeared in the grid (seen: $(tr '\n' ' ' <"$work/screen"))"

begin "playing the first row"
read -r _ band_top band_height < <(grep '^band' "$work/screen")
read -r _ row_top row_height _ < <(grep '^row' "$work/screen")
xdotool mousemove --window "$main_window" 40 $((row_top + row_height / 2)) click --repeat 2 --delay 80 1
wait_until 5 player_started || fail "double-clicking the first row started no player"
sleep 0.3 # a second launch, were there one, would show up here
launches=("$work"/launch.[0-9]*)
[ ${#launches[@]} -eq 1 ] || fail "the player was started ${#launches[@]} times"
printf -v expected '1\n%s' "$first_link"
[ "$(cat "${launches[0]}")" = "$expected" ] ||
    fail "the player got '$(tr '\n' ' ' <"${launches[0]}")' instead of the one argument $first_link"

begin "Esc in the search box"
# The search box lies 330 twips below the 255-twip "Search" band, 330 twips high, from 120 to
# 3020 twips across; the click goes into its text part. The band's height gives the pixels per twip.
box_x=$((band_height * 1000 / 255))
box_y=$((band_top + band_height * (255 + 330 + 165) / 255))
xdotool mousemove --window "$main_window" "$box_x" "$box_y" click 1
quit_program
wait_until 5 program_ended || fail "Esc in the search box did not end the program within 5 s"
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

begin "settings saved"
for expected in "ConSpeed=$connection" "LastSearch=$keywords" "Version=3.0"; do
    grep -qxF "$expected" "$settings_file" || fail "the settings file lacks $expected"
done
for key in Width Height Top Left; do
    grep -q "^$key=[0-9]" "$settings_file" || fail "the settings file lacks the window's $key"
done

echo "PASS"
