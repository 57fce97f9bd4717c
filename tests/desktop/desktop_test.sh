#!/usr/bin/env bash
# Drives the built program under Xvfb and openbox with real keys and clicks, as a person would,
# against the directory service (the bundled catalog with the test's own live stations and clips
# in front) and recording stand-in players: first run, searches, playing by mouse and keys, the
# row menu, the clipboard, presets by drag and click, bookmarks, the mini-browser, a station
# scan, quitting, and a German run that must send and store what the English one did.
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
readonly first_name='Fip Jazz'
# Message boxes carry the product name as their caption.
readonly message_title='^Skylark! Broadcast$'
readonly bookmarks_title='^Bookmarks$'
readonly browser_title='^Mini-browser$'
readonly scan_title='^Skylark! Broadcast - Station Scan$'
# The test's clips, found by this word; archive results are sorted by title.
readonly clip_keywords=skylarkclip

step="preparing"
work=$(mktemp -d "${TMPDIR:-/tmp}/skylark-desktop.XXXXXX") || exit 1
# Part of every stream link the scanner gets, so the companions of this run can be told apart.
readonly token="t${work##*.}"
started=()
program_pid=""

# The scan's stand-in players and their helpers sleep on after the test when it fails half-way;
# each one is known by the record it wrote, named after its process id.
stop_scan_players() {
    local record pid
    [ -n "${scan_player:-}" ] || return 0
    for record in "$work"/scan.[0-9]* "$work"/helper.[0-9]*; do
        [ -e "$record" ] || continue
        pid=${record##*.}
        grep -qF "$scan_player" "/proc/$pid/cmdline" 2>/dev/null && kill "$pid" 2>/dev/null
    done
}

cleanup() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    stop_scan_players
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
    local record
    for record in "$work"/launch.[0-9]* "$work"/scan.[0-9]*; do
        [ -e "$record" ] && echo "---- player record ${record##*/}: $(tr '\n' ' ' <"$record")"
    done
    show_log "bookmarks file" "$bookmarks_file"
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
            # It may have ended just after the check, as awaited.
            "$@" && return 0
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

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# One catalog line: kind, name, title, additional, stream, site, format, styles, bit rate, seconds.
catalog_line() {
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\tTestville\tTestland\t%s\t\t%s\t%s\t0\n' "$@"
}

# The bundled catalog with the test's entries first: the scanner lists stations in catalog order.
write_catalog() {
    local base="http://$directory_address" site="http://$directory_address/skylark.htm" name
    test_catalog="$work/catalog.tsv"
    {
        grep '^#' "$catalog"
        grep -v '^#' "$catalog" | head -n 1
        for name in one two three four; do
            catalog_line live "Skylark Scan $name" "" "" "$base/scan/$token-$name.ram" "$site" RealAudio Test 32 0
        done
        catalog_line clip "" "Skylarkclip Alpha" "Part 1" "$base/clips/$token-alpha.mp3" "$site" MP3 Test 0 60
        catalog_line clip "" "Skylarkclip Beta" "Part 2" "$base/clips/$token-beta.mp3" "$site" MP3 Test 0 90
        grep -v '^#' "$catalog" | tail -n +2
    } >"$test_catalog"
}

directory_settled() {
    grep -qs '^listening ' "$work/directory.out" || ! running "$1"
}

# The site links name the service's own address, so the port is chosen before it starts; a port
# taken in between is tried again with another.
start_directory() {
    local attempt pid
    for attempt in 1 2 3; do
        directory_address="127.0.0.1:$(free_port)" || fail "no free port"
        write_catalog
        "$bin_dir/skylark-directory" --listen 127.0.0.1 --port "${directory_address#*:}" \
            --catalog "$test_catalog" >"$work/directory.out" 2>"$work/directory.log" &
        pid=$!
        started+=("$pid")
        wait_until 10 directory_settled "$pid"
        grep -qs '^listening ' "$work/directory.out" && break
    done
    grep -qxF "listening $directory_address" "$work/directory.out" ||
        fail "the directory service did not start on $directory_address"
    echo "directory service on $directory_address"
}

# The stand-in player writes its argument count and arguments, one a line, to a file of its own
# per launch, renamed into place so that a reader never sees half of it. The file's name starts
# with the time, so the records sort in launch order.
make_player() {
    player="$work/player"
    cat >"$player" <<EOF
#!/bin/sh
{ echo "\$#"; printf '%s\n' "\$@"; } >"$work/launch.tmp.\$\$" && mv "$work/launch.tmp.\$\$" "$work/launch.\$(date +%s%N).\$\$"
EOF
    chmod +x "$player"
}

# The RealPlayer stand-in the companion starts: it records the same way, starts a helper in a
# session of its own (as players that hand off to a running instance do), then keeps running as a
# player does until it is ended, under its own path so that it can be found.
make_scan_player() {
    scan_player="$work/scanplayer"
    cat >"$scan_player" <<EOF
#!/bin/bash
{ echo "\$#"; printf '%s\n' "\$@"; } >"$work/scan.tmp.\$\$" && mv "$work/scan.tmp.\$\$" "$work/scan.\$(date +%s%N).\$\$"
setsid bash -c ': >"\$1/helper.\$\$"; exec -a "\$0-helper" sleep 60' "$scan_player" "$work" &
exec -a "$scan_player" sleep 60
EOF
    chmod +x "$scan_player"
}

# No "ConSpeed": the program takes the run for a first run and asks for the connection type.
# The mini-browser starts switched off; a step switches it on from the File menu.
write_settings() {
    mkdir -p "$(dirname "$settings_file")"
    printf '[Settings]\nServiceHost=%s\nReal=%s\nNetshow=%s\nWinamp=%s\nStreamWorks=%s\nMiniB=False\n' \
        "$directory_address" "$scan_player" "$player" "$player" "$player" >"$settings_file"
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

# Sets "records" to the records of the player launches named by $1 (launch or scan), oldest first.
list_records() {
    records=()
    local record
    for record in "$work/$1".[0-9]*; do
        [ -e "$record" ] && records+=("$record")
    done
}

records_at_least() {
    list_records "$1"
    [ ${#records[@]} -ge "$2" ]
}

# Waits for launch number $1 of the recording player and checks it got the one argument $2.
expect_launch() {
    wait_until 5 records_at_least launch "$1" || fail "no player was started for $2 (launch $1)"
    sleep 0.3 # a further launch, were there one, would show up here
    list_records launch
    [ ${#records[@]} -eq "$1" ] || fail "the player was started ${#records[@]} times, expected $1"
    printf -v expected '1\n%s' "$2"
    [ "$(cat "${records[-1]}")" = "$expected" ] ||
        fail "the player got '$(tr '\n' ' ' <"${records[-1]}")' instead of the one argument $2"
}

clipboard() {
    timeout 3 xclip -o -selection clipboard 2>/dev/null
}

clipboard_filled() {
    [[ $(clipboard) == "Name : "* ]]
}

# Pixels for twips on the main window, from the height of its 255-twip "Search" band.
px() {
    echo $(($1 * band_height / 255))
}

click_main() {
    xdotool mousemove --window "$main_window" "$1" "$2" click 1
}

# True once the bookmarks file lists both clips in grid order: title, " [ ", additional text, "]",
# a tab and the link.
bookmarks_saved() {
    local expected
    printf -v expected 'SkylarkBookmarks 1\nSkylarkclip Alpha [ Part 1]\t%s\nSkylarkclip Beta [ Part 2]\t%s' \
        "$alpha_link" "$beta_link"
    [ "$(cat "$bookmarks_file" 2>/dev/null)" = "$expected" ]
}

# Opens the Search menu by keys: Alt+S is shared with "Select Format", so the way goes through the
# Edit menu and one step right; then the entries' own letters.
search_menu() {
    focus_window "$main_window"
    xdotool key alt+e
    sleep 0.3
    xdotool key Right
    sleep 0.3
    xdotool key "$@"
}

no_scan_processes() {
    ! pgrep -f "$scan_player" >/dev/null && ! pgrep -f "$bin_dir/projModr .*$token" >/dev/null
}

# True when at most $1 helpers of the stand-in players run.
helpers_at_most() {
    [ "$(pgrep -fc "^$scan_player-helper")" -le "$1" ]
}

first_row_has_text() {
    xwd -id "$main_window" -silent 2>/dev/null | read_screen >"$work/screen" 2>"$work/screen.err" &&
        grep -q '^row .* 1$' "$work/screen"
}

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
export XDG_RUNTIME_DIR="$work/runtime"
# The companions mark a station playing after this delay; the stand-in players start at once.
export SKYLARK_COMPANION_PLAY_DELAY_MS=200
mkdir -m 700 "$XDG_RUNTIME_DIR"
settings_file="$XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini"
bookmarks_file="$XDG_DATA_HOME/Skylark! Broadcast/Bookmarks.lst"

begin "starting the X server, window manager and directory service"
start_x_server
need xdotool openbox xprop xwd xclip perl python3 timeout pgrep
start_window_manager
start_directory
make_player
make_scan_player
alpha_link="http://$directory_address/clips/$token-alpha.mp3"
beta_link="http://$directory_address/clips/$token-beta.mp3"
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
xdotool key Return
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
expect_launch 1 "$first_link"

begin "Enter on the grid plays the current row"
# The double-click left the focus in the grid.
xdotool key Return
expect_launch 2 "$first_link"

begin "Tab leaves the grid for the toolbar; setup opens and closes by keys"
# After the grid the reading order starts again at the toolbar's first button, Setup.
xdotool key Tab space
await_window "$setup_title" 5
focus_window "$found"
xdotool key Escape
wait_until 5 no_window "$setup_title" || fail "Esc did not close the setup dialog"
focus_window "$main_window"
# Back into the grid, whose current row has not moved.
xdotool key shift+Tab Return
expect_launch 3 "$first_link"

begin "the row menu assigns preset 2 by keys"
# The Menu key opens the current row's menu; "Assi&gn to Preset" and "&2: empty" follow.
xdotool key Menu
sleep 0.3
xdotool key g
sleep 0.3
xdotool key 2
await_window "$message_title" 5
focus_window "$found"
xdotool key Return
wait_until 5 no_window "$message_title" || fail "Return did not close the preset message"
wait_until 5 grep -aq "^Preset1=$first_name" "$settings_file" ||
    fail "the row menu's preset entry stored no preset 2 ($first_name)"

begin "Ctrl+C copies the current row's link block"
focus_window "$main_window"
xdotool key ctrl+c
wait_until 5 clipboard_filled || fail "the clipboard holds '$(clipboard)' after Ctrl+C, no link block"
copied=$(clipboard)
[[ $copied == "Name : $first_name"$'\r\n'* ]] || fail "the link block does not start with the row's name: '$copied'"
for expected in "Link : $first_link"$'\r\n' "This link courtesy Skylark! Broadcast - https://skylark-broadcast.example.org/"; do
    [[ $copied == *"$expected"* ]] || fail "the link block lacks '$expected': '$copied'"
done

begin "Shift-drag of the first row onto preset 1"
# The side frame stands 200 twips from the right edge, 2880 twips wide, under the "Search" band;
# preset 1 is its first button, 60 twips in, 330 down, 520 by 330.
main_width=$(xdotool getwindowgeometry --shell "$main_window" | sed -n 's/^WIDTH=//p')
preset_x=$((main_width - $(px 3080) + $(px 320)))
preset_y=$((band_top + band_height + $(px 495)))
row_x=40
row_y=$((row_top + row_height / 2))
xdotool mousemove --window "$main_window" "$row_x" "$row_y"
xdotool keydown shift
xdotool mousedown 1
sleep 0.3
for ((i = 1; i <= 12; ++i)); do
    xdotool mousemove --window "$main_window" $((row_x + (preset_x - row_x) * i / 12)) \
        $((row_y + (preset_y - row_y) * i / 12))
    sleep 0.05
done
sleep 0.3
xdotool mouseup 1
xdotool keyup shift
await_window "$message_title" 5
focus_window "$found"
xdotool key Return
wait_until 5 no_window "$message_title" || fail "Return did not close the preset message"

begin "a click on preset 1 plays it"
focus_window "$main_window"
click_main "$preset_x" "$preset_y"
expect_launch 4 "$first_link"

begin "bookmarks from an archive search, by keys"
# The drag began in the grid, which kept the focus (a click on a preset does not take it).
# Before the grid in reading order come the ten presets, the mode buttons (an arrow picks the
# other mode) and the search box.
xdotool key --delay 40 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
    shift+Tab shift+Tab shift+Tab Right shift+Tab ctrl+a
xdotool type --delay 30 "$clip_keywords"
xdotool key Return
wait_until 5 grep -q "^GET /search.asp?.*T1=$clip_keywords&.* 200\$" "$work/directory.log" ||
    fail "Return in the search box sent no search for '$clip_keywords'"
grep "T1=$clip_keywords&" "$work/directory.log" | grep -q "LIVE=1" && fail "the clip search asked for live stations"
sleep 1
[ "$(grep -c "^GET /search.asp?.*T1=$clip_keywords&" "$work/directory.log")" -eq 1 ] ||
    fail "one Return in the search box sent more than one search"
wait_until 5 first_row_has_text || fail "no clips appeared in the grid (seen: $(tr '\n' ' ' <"$work/screen"))"
read -r _ row_top row_height _ < <(grep '^row' "$work/screen")
# After the search box come the mode buttons (one stop), the ten presets and the grid, whose
# first row becomes current; Shift+Down takes the second row into the selection.
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab shift+Down
search_menu b a
wait_until 5 bookmarks_saved ||
    fail "Search > Bookmarks > Add Selected Items did not save both selected clips to $bookmarks_file"
search_menu b s
await_window "$bookmarks_title" 5
bookmarks_window=$found
focus_window "$bookmarks_window"
# The list fills the window from its top; its first item is the first clip.
xdotool mousemove --window "$bookmarks_window" 40 8 click --repeat 2 --delay 80 1
expect_launch 5 "$alpha_link"
focus_window "$bookmarks_window"
# The double-click left the first bookmark current in the list: Enter plays it again.
xdotool key Return
expect_launch 6 "$alpha_link"
focus_window "$bookmarks_window"
xdotool key Escape
wait_until 5 no_window "$bookmarks_title" || fail "Esc did not close the bookmarks window"

begin "mini-browser on a row click"
focus_window "$main_window"
# "Open Mini-Browser on Preview" is the File menu's first entry.
xdotool key alt+f
sleep 0.3
xdotool key Return
sleep 0.3
click_main "$row_x" $((row_top + row_height / 2))
await_window "$browser_title" 20
browser_window=$found
wait_until 20 grep -q "^GET /skylark.htm 200\$" "$work/directory.log" ||
    fail "the mini-browser did not load the clip's site from the directory service"
focus_window "$browser_window"
xdotool key alt+F4
wait_until 5 no_window "$browser_title" || fail "the mini-browser did not close"

begin "station scan"
search_menu c
# First comes the notice to close the players.
await_window "$message_title" 5
focus_window "$found"
xdotool key Return
await_window "$scan_title" 5
scan_window=$found
focus_window "$scan_window"
# The style list has the focus; after it come the player list, which Alt+Down opens, and the
# dwell box.
xdotool key Tab Tab ctrl+a
xdotool type 2
xdotool key shift+Tab alt+Down
sleep 0.5
xdotool key Home Return
wait_until 5 grep -q "^GET /search.asp?.*T1=R&GS=1.* 200\$" "$work/directory.log" ||
    fail "choosing RealPlayer asked the directory for no RealPlayer station"
wait_until 10 records_at_least scan 1 || fail "the companion started no player for the first station"
printf -v expected '1\n%s' "http://$directory_address/scan/$token-one.ram"
[ "$(cat "${records[0]}")" = "$expected" ] ||
    fail "the first station's player got '$(tr '\n' ' ' <"${records[0]}")'"
pgrep -f "$bin_dir/projModr .*$token-one" >/dev/null || fail "no projModr plays the first station"
focus_window "$scan_window"
xdotool key alt+n
wait_until 10 records_at_least scan 2 || fail "Next did not move the scan to a second station"
printf -v expected '1\n%s' "http://$directory_address/scan/$token-two.ram"
[ "$(cat "${records[1]}")" = "$expected" ] ||
    fail "the second station's player got '$(tr '\n' ' ' <"${records[1]}")'"
first_player=${records[0]##*.}
running "$first_player" && fail "the first station's player still runs after Next"
wait_until 5 helpers_at_most 1 || fail "the first station's helper still runs after Next"
# The dwell of two seconds moves on by itself.
wait_until 10 records_at_least scan 3 || fail "the scan did not move on after the dwell of 2 seconds"
focus_window "$scan_window"
xdotool key Escape
wait_until 5 no_window "$scan_title" || fail "Esc did not close the scan window"
wait_until 8 no_scan_processes ||
    fail "a stand-in player or projModr still runs after the scan window closed: $(pgrep -af "$token|$scan_player")"

begin "Esc in the search box"
focus_window "$main_window"
# The row click of the mini-browser step left the focus in the grid; the search box lies
# twelve stops back.
xdotool key --delay 40 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab \
    shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
xdotool key Escape
wait_until 5 program_ended || fail "Esc in the search box did not end the program within 5 s"
wait "$program_pid"
status=$?
program_pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

begin "settings saved"
for expected in "ConSpeed=$connection" "LastSearch=$clip_keywords" "Version=3.0" "MiniB=True" "optArch=True"; do
    grep -qxF "$expected" "$settings_file" || fail "the settings file lacks $expected"
done
grep -aq "^Preset0=$first_name.*$first_link\$" "$settings_file" || fail "the settings file lacks preset 1 ($first_name)"
grep -q "^RScan=[0-9]" "$settings_file" || fail "the settings file lacks the scan's resume point"
for key in Width Height Top Left WWidth WHeight WTop WLeft; do
    grep -q "^$key=[0-9]" "$settings_file" || fail "the settings file lacks the window's $key"
done

# The program once more in German: the File menu opens by its German access key, the setup
# dialog's title reads German, and a search sends the same request bytes and leaves the same stored
# values as the English run before it.
# Prints the first clip search the directory service logged after its line $1.
clip_search_after() {
    tail -n +$(($1 + 1)) "$work/directory.log" | grep -m 1 "^GET /search.asp?.*T1=$clip_keywords&"
}

german_pass() {
    local stored_keys='^(ConSpeed|LastSearch|optLive|optArch|MiniB|Preset[0-9]|RScan|ServiceHost|Version)='
    local english_request english_values logged
    begin "German: menus, request and stored values as in English"
    english_request=$(grep -m 1 "^GET /search.asp?.*T1=$clip_keywords&" "$work/directory.log")
    english_values=$(grep -aE "$stored_keys" "$settings_file")
    logged=$(wc -l <"$work/directory.log")
    LANGUAGE=de start_program
    await_window "$main_title" 10
    main_window=$found
    focus_window "$main_window"
    # "&Datei": its first entry switches the mini-browser off and, the second time, on again.
    xdotool key alt+d
    sleep 0.3
    xdotool key Return
    wait_until 5 setting_is MiniB False || fail "Alt+D did not open the File menu as \"&Datei\""
    focus_window "$main_window"
    xdotool key alt+d
    sleep 0.3
    xdotool key Return
    wait_until 5 setting_is MiniB True || fail "Alt+D did not open the File menu a second time"
    focus_window "$main_window"
    xdotool key F2
    await_window '^Skylark! Broadcast - Einstellungen$' 5
    focus_window "$found"
    xdotool key Escape
    wait_until 5 no_window '^Skylark! Broadcast - Einstellungen$' || fail "Esc did not close the German setup dialog"
    # The search box has had the focus since the window opened.
    focus_window "$main_window"
    xdotool key ctrl+a
    xdotool type --delay 30 "$clip_keywords"
    xdotool key Return
    wait_until 5 clip_search_after "$logged" >/dev/null || fail "Return in the German search box sent no search"
    [ "$(clip_search_after "$logged")" = "$english_request" ] ||
        fail "the German search sent '$(clip_search_after "$logged")', the English one '$english_request'"
    xdotool key Escape
    wait_until 5 program_ended || fail "Esc in the search box did not end the German program"
    program_pid=""
    [ "$(grep -aE "$stored_keys" "$settings_file")" = "$english_values" ] ||
        fail "the German run stored other values than the English one"
}
german_pass

echo "PASS"
