#!/usr/bin/env bash
# Drives the built program under Xvfb and openbox with real keys and clicks against the directory
# service and recording stand-in players (the README lists the paths); on failure the screen is
# saved as desktop_test-failure.xwd. Usage: desktop_test.sh BIN_DIR CATALOG; 77: no X server here.
set -uo pipefail
shopt -s nullglob

readonly bin_dir=${1:?usage: desktop_test.sh BIN_DIR CATALOG}
readonly catalog=${2:?usage: desktop_test.sh BIN_DIR CATALOG}
# The catalog lists Fip Jazz first of several stations matching "jazz".
readonly keywords=jazz
readonly first_link=https://stream.radiofrance.fr/fipjazz/fipjazz_hifi.m3u8
# Six Down presses choose it in the connection list; its speed is 300 kbit/s.
readonly connection=Cable/DSL
readonly prompt_title='^Skylark$'
readonly setup_title='^Skylark! Broadcast - Setup$'
readonly main_title='^Skylark! Broadcast v3\.0$'
readonly first_name='Fip Jazz'
readonly message_title='^Skylark! Broadcast$'
readonly bookmarks_title='^Bookmarks$'
readonly browser_title='^Mini-browser$'
readonly scan_title='^Skylark! Broadcast - Station Scan$'
# The test's clips; archive results are sorted by title.
readonly clip_keywords=skylarkclip

step="preparing"
work=$(mktemp -d "${TMPDIR:-/tmp}/skylark-desktop.XXXXXX") || exit 1
# Part of every stream link the scanner gets, so the companions of this run can be told apart.
readonly token="t${work##*.}"
started=()
program_pid=""

cleanup() {
    local record
    [ ${#started[@]} -eq 0 ] || kill "${started[@]}" 2>/dev/null
    wait 2>/dev/null
    # Stand-in players and helpers left by a failed scan, known by the records named after their ids.
    for record in "$work"/scan.[0-9]* "$work"/helper.[0-9]*; do
        grep -qF "$scan_player" "/proc/${record##*.}/cmdline" 2>/dev/null && kill "${record##*.}" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT
rm -f desktop_test-failure.xwd

skip() {
    echo "SKIP: no X server can be started: $*"
    exit 77
}

show_log() { [ -s "$2" ] && echo "---- $1" && cat "$2"; }

fail() {
    echo "FAIL at step '$step': $*"
    [ -n "${DISPLAY:-}" ] && xwd -root -silent >desktop_test-failure.xwd 2>/dev/null &&
        echo "screen saved as $PWD/desktop_test-failure.xwd"
    show_log "directory service log" "$work/directory.log"
    show_log "program output" "$work/program.log"
    show_log "settings file" "$settings_file"
    local record
    for record in "$work"/launch.[0-9]* "$work"/scan.[0-9]*; do
        echo "---- player record ${record##*/}: $(tr '\n' ' ' <"$record")"
    done
    show_log "bookmarks file" "$bookmarks_file"
    exit 1
}

begin() {
    step=$1
    echo "== $step"
}

# Runs the command every 0.1 s until it succeeds, for at most $1 seconds; fails if the program ends.
wait_until() {
    local tries=$(($1 * 10)) i
    shift
    for ((i = 0; i < tries; ++i)); do
        "$@" && return 0
        if [ -n "$program_pid" ] && program_ended; then
            # It may have ended just after the check, as awaited.
            "$@" && return 0
            fail "the program ended unexpectedly"
        fi
        sleep 0.1
    done
    return 1
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

has_window() { [ -n "$(visible_window "$1")" ]; }

# Sets "found" to the visible window whose title matches $1, waiting up to $2 seconds (5).
await_window() {
    wait_until "${2:-5}" has_window "$1" || fail "no window titled /$1/ appeared within ${2:-5} s"
    found=$(visible_window "$1")
}

no_window() { ! has_window "$1"; }

# Presses the keys $2... in the window titled $1 once it shows, a moment apart as menus need.
keys_in() {
    await_window "$1"
    focus_window "$found"
    xdotool key --delay 300 "${@:2}"
}

closed() { wait_until 5 no_window "$1" || fail "the window titled /$1/ did not close"; }

# Prints the key $2 $1 times, for runs of Tab.
repeat_key() { printf "$2 %.0s" $(seq "$1"); }

# An ended child stays a zombie until it is waited for, and kill -0 still finds a zombie.
running() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

program_ended() { ! running "$program_pid"; }

# Esc in the search box ends the program with status 0.
quit_by_escape() {
    xdotool key Escape
    wait_until 5 program_ended || fail "Esc in the search box did not end the program within 5 s"
    wait "$program_pid"
    local status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

focus_window() {
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || fail "could not bring window $1 to the front"
}

setting_is() { grep -qxF "$1=$2" "$settings_file"; }

# True once the server has written its display number, or once it has given up.
x_server_ready() { grep -qs '^[0-9]' "$work/display" || ! running "$1"; }

# One catalog line: kind, name, title, additional, stream, site, format, styles, bit rate, seconds.
catalog_line() { printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\tTestville\tTestland\t%s\t\t%s\t%s\t0\n' "$@"; }

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

directory_settled() { grep -qs '^listening ' "$work/directory.out" || ! running "$1"; }

# A stand-in player at $1 writing its argument count and arguments, one a line, to $2.TIME.PID.
make_player() {
    cat >"$1" <<EOF
#!/bin/bash
{ echo "\$#"; printf '%s\n' "\$@"; } >"$work/$2.tmp.\$\$" && mv "$work/$2.tmp.\$\$" "$work/$2.\$(date +%s%N).\$\$"
EOF
    chmod +x "$1"
}

start_program() {
    QT_QPA_PLATFORM=xcb "$bin_dir/skylark-broadcast" >"$work/program.log" 2>&1 &
    program_pid=$!
    started+=("$program_pid")
}

# Reads an XWD dump of the main window and prints "band TOP HEIGHT" for each dark title band at its
# left edge ("Search", "Search Results") and "row TOP HEIGHT TEXT" for the first highlighted row
# below the second, TEXT 1 when light text is drawn on it.
read_screen() {
    perl -e '
        local $/;
        my $data = <STDIN>;
        my ($size, $width, $height, $order, $bpp, $line, $colours) = (unpack("N25", $data))[0, 4, 5, 7, 11, 12, 19];
        die "unexpected XWD layout\n" unless $bpp == 32;
        my $pixels = $size + 12 * $colours;
        my $rgb = sub {
            my $v = unpack($order ? "N" : "V", substr($data, $pixels + $_[1] * $line + 4 * $_[0], 4));
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
            $text ||= 3 == grep { $_ > 200 } $rgb->($_, $ty) for 2 .. $width / 3;
        }
        print "row $start ", $y - $start, " ", $text ? 1 : 0, "\n";
    '
}

# Sets "records" to the records of the player launches named by $1 (launch or scan), oldest first.
records_at_least() {
    records=("$work/$1".[0-9]*)
    [ ${#records[@]} -ge "$2" ]
}

# Waits for launch number $1 of the recording player and checks it got the one argument $2.
expect_launch() {
    wait_until 5 records_at_least launch "$1" || fail "no player was started for $2 (launch $1)"
    sleep 0.3 # a further launch, were there one, would show up here
    records_at_least launch "$1"
    [ ${#records[@]} -eq "$1" ] || fail "the player was started ${#records[@]} times, expected $1"
    printf -v expected '1\n%s' "$2"
    [ "$(cat "${records[-1]}")" = "$expected" ] ||
        fail "the player got '$(tr '\n' ' ' <"${records[-1]}")' instead of the one argument $2"
}

# Checks that scan player record $1 (from 1) is there and was given the station named $2.
expect_scan_station() {
    wait_until 10 records_at_least scan "$1" || fail "no player started for scan station $1"
    printf -v expected '1\n%s' "http://$directory_address/scan/$token-$2.ram"
    [ "$(cat "${records[$1 - 1]}")" = "$expected" ] ||
        fail "scan station $1's player got '$(tr '\n' ' ' <"${records[$1 - 1]}")'"
}

clipboard() { timeout 3 xclip -o -selection clipboard 2>/dev/null; }

clipboard_filled() { [[ $(clipboard) == "Name : "* ]]; }

# Pixels for twips on the main window, from the height of its 255-twip "Search" band.
px() { echo $(($1 * band_height / 255)); }

click_main() { xdotool mousemove --window "$main_window" "$1" "$2" click 1; }

# True once the bookmarks file lists both clips in grid order.
bookmarks_saved() {
    local expected
    printf -v expected 'SkylarkBookmarks 1\nSkylarkclip Alpha [ Part 1]\t%s\nSkylarkclip Beta [ Part 2]\t%s' \
        "$alpha_link" "$beta_link"
    [ "$(cat "$bookmarks_file" 2>/dev/null)" = "$expected" ]
}

# Opens the Search menu (Alt+S is "Select Format") from the Edit menu, then the entries' letters.
search_menu() {
    focus_window "$main_window"
    xdotool key --delay 300 alt+e Right "$@"
}

no_scan_processes() {
    ! pgrep -f "$scan_player" >/dev/null && ! pgrep -f "$bin_dir/projModr .*$token" >/dev/null
}

# True when at most $1 helpers of the stand-in players run.
helpers_at_most() { [ "$(pgrep -fc "^$scan_player-helper")" -le "$1" ]; }

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
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
wait_until 10 x_server_ready $!
grep -qs '^[0-9]' "$work/display" || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
for tool in xdotool openbox xprop xwd xclip perl python3 timeout pgrep; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup-debian.sh installs it)"
done
openbox --sm-disable >"$work/openbox.log" 2>&1 &
started+=($!)
wait_until 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    fail "openbox did not take over the screen: $(cat "$work/openbox.log")"
# The site links name the service's address, so the port is chosen first; a taken one is retried.
for attempt in 1 2 3; do
    directory_address="127.0.0.1:$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
    write_catalog
    "$bin_dir/skylark-directory" --listen 127.0.0.1 --port "${directory_address#*:}" \
        --catalog "$test_catalog" >"$work/directory.out" 2>"$work/directory.log" &
    started+=($!)
    wait_until 10 directory_settled $!
    grep -qs '^listening ' "$work/directory.out" && break
done
grep -qxF "listening $directory_address" "$work/directory.out" ||
    fail "the directory service did not start on $directory_address"
player=$work/player
make_player "$player" launch
# The RealPlayer stand-in then starts a helper in a session of its own, as players do, and runs on.
scan_player=$work/scanplayer
make_player "$scan_player" scan
cat >>"$scan_player" <<EOF
setsid bash -c ': >"\$1/helper.\$\$"; exec -a "\$0-helper" sleep 60' "$scan_player" "$work" &
exec -a "$scan_player" sleep 60
EOF
alpha_link="http://$directory_address/clips/$token-alpha.mp3"
beta_link="http://$directory_address/clips/$token-beta.mp3"
# No "ConSpeed": a first run. The mini-browser starts off; a step switches it on.
mkdir -p "$(dirname "$settings_file")"
printf '[Settings]\nServiceHost=%s\nReal=%s\nNetshow=%s\nWinamp=%s\nStreamWorks=%s\nMiniB=False\n' \
    "$directory_address" "$scan_player" "$player" "$player" "$player" >"$settings_file"

begin "first-run prompt"
start_program
# The splash shows for two seconds before the prompt.
await_window "$prompt_title" 10
keys_in "$prompt_title" Return
closed "$prompt_title"

begin "connection choice in the setup dialog"
# The tab bar has the focus; Tab moves it to the connection list on the "Select Speed" tab.
keys_in "$setup_title" Tab $(repeat_key 6 Down)
wait_until 5 setting_is ConSpeed "$connection" ||
    fail "choosing '$connection' in the connection list did not store ConSpeed=$connection"
xdotool key Return
closed "$setup_title"

begin "search typed into the search box"
await_window "$main_title"
main_window=$found
focus_window "$main_window"
# The search box has the keyboard focus when the main window opens.
xdotool type --delay 30 "$keywords"
xdotool key Return
wait_until 5 grep -q "^GET /search.asp?.*T1=$keywords&.* 200\$" "$work/directory.log" ||
    fail "Return in the search box sent no search for '$keywords' to the directory service"
grep -q "&SPD=300\( \|&\)" "$work/directory.log" || fail "the search did not ask for the speed of '$connection'"
wait_until 5 first_row_has_text || fail "no results appeared in the grid (seen: $(tr '\n' ' ' <"$work/screen"))"

begin "playing the first row by a double-click and by Enter"
read -r _ band_top band_height < <(grep '^band' "$work/screen")
read -r _ row_top row_height _ < <(grep '^row' "$work/screen")
row_x=40
row_y=$((row_top + row_height / 2))
xdotool mousemove --window "$main_window" "$row_x" "$row_y" click --repeat 2 --delay 80 1
expect_launch 1 "$first_link"
# The double-click left the focus in the grid.
xdotool key Return
expect_launch 2 "$first_link"

begin "Tab leaves the grid for the toolbar; setup opens and closes by keys"
# After the grid the reading order starts again at the toolbar's first button, Setup.
xdotool key Tab space
keys_in "$setup_title" Escape
closed "$setup_title"
focus_window "$main_window"
# Back into the grid, whose current row has not moved.
xdotool key shift+Tab Return
expect_launch 3 "$first_link"

begin "the row menu assigns preset 2 by keys"
# The Menu key opens the current row's menu; "Assi&gn to Preset" and "&2: empty" follow.
xdotool key --delay 300 Menu g 2
keys_in "$message_title" Return
closed "$message_title"
wait_until 5 grep -aq "^Preset1=$first_name" "$settings_file" ||
    fail "the row menu's preset entry stored no preset 2 ($first_name)"

begin "Ctrl+C copies the current row's link block"
focus_window "$main_window"
xdotool key ctrl+c
wait_until 5 clipboard_filled || fail "the clipboard holds '$(clipboard)' after Ctrl+C, no link block"
[[ $(clipboard) == "Name : $first_name"$'\r\n'"Link : $first_link"$'\r\n'*$'\r\n'"This link courtesy Skylark! Broadcast - https://skylark-broadcast.example.org/"$'\r\n'* ]] ||
    fail "the link block is not the first row's: '$(clipboard)'"

begin "Shift-drag of the first row onto preset 1, a click on it plays it"
# The side frame stands 200 twips from the right edge, 2880 twips wide, under the "Search" band;
# preset 1 is its first button, 60 twips in, 330 down, 520 by 330.
main_width=$(xdotool getwindowgeometry --shell "$main_window" | sed -n 's/^WIDTH=//p')
preset_x=$((main_width - $(px 3080) + $(px 320)))
preset_y=$((band_top + band_height + $(px 495)))
xdotool mousemove --window "$main_window" "$row_x" "$row_y" keydown shift mousedown 1
sleep 0.3
for ((i = 1; i <= 12; ++i)); do
    xdotool mousemove --window "$main_window" $((row_x + (preset_x - row_x) * i / 12)) \
        $((row_y + (preset_y - row_y) * i / 12))
    sleep 0.05
done
sleep 0.3
xdotool mouseup 1 keyup shift
keys_in "$message_title" Return
closed "$message_title"
focus_window "$main_window"
click_main "$preset_x" "$preset_y"
expect_launch 4 "$first_link"

begin "bookmarks from an archive search, by keys"
# The grid kept the focus (a click on a preset does not take it). Before it in reading order come
# the ten presets, the mode buttons (an arrow picks the other mode) and the search box.
xdotool key --delay 40 $(repeat_key 11 shift+Tab) Right shift+Tab ctrl+a
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
xdotool key --delay 40 $(repeat_key 12 Tab) shift+Down
search_menu b a
wait_until 5 bookmarks_saved ||
    fail "Search > Bookmarks > Add Selected Items did not save both selected clips to $bookmarks_file"
search_menu b s
await_window "$bookmarks_title"
focus_window "$found"
# The list fills the window from its top; its first item is the first clip.
xdotool mousemove --window "$found" 40 8 click --repeat 2 --delay 80 1
expect_launch 5 "$alpha_link"
# The double-click left the first bookmark current in the list: Enter plays it again.
keys_in "$bookmarks_title" Return
expect_launch 6 "$alpha_link"
keys_in "$bookmarks_title" Escape
closed "$bookmarks_title"

begin "mini-browser on a row click"
focus_window "$main_window"
# "Open Mini-Browser on Preview" is the File menu's first entry.
xdotool key --delay 300 alt+f Return
sleep 0.3
click_main "$row_x" $((row_top + row_height / 2))
await_window "$browser_title" 20
wait_until 20 grep -q "^GET /skylark.htm 200\$" "$work/directory.log" ||
    fail "the mini-browser did not load the clip's site from the directory service"
keys_in "$browser_title" alt+F4
closed "$browser_title"

begin "station scan"
search_menu c
# First comes the notice to close the players. In the scan window the style list has the focus;
# after it come the player list, which Alt+Down opens, and the dwell box.
keys_in "$message_title" Return
keys_in "$scan_title" Tab Tab ctrl+a 2 shift+Tab alt+Down
sleep 0.5
xdotool key Home Return
wait_until 5 grep -q "^GET /search.asp?.*T1=R&GS=1.* 200\$" "$work/directory.log" ||
    fail "choosing RealPlayer asked the directory for no RealPlayer station"
expect_scan_station 1 one
pgrep -f "$bin_dir/projModr .*$token-one" >/dev/null || fail "no projModr plays the first station"
keys_in "$scan_title" alt+n
expect_scan_station 2 two
running "${records[0]##*.}" && fail "the first station's player still runs after Next"
wait_until 5 helpers_at_most 1 || fail "the first station's helper still runs after Next"
# The dwell of two seconds moves on by itself.
wait_until 10 records_at_least scan 3 || fail "the scan did not move on after the dwell of 2 seconds"
keys_in "$scan_title" Escape
closed "$scan_title"
wait_until 8 no_scan_processes ||
    fail "a stand-in player or projModr still runs after the scan window closed: $(pgrep -af "$token|$scan_player")"

begin "Esc in the search box"
focus_window "$main_window"
# The row click of the mini-browser step left the focus in the grid, twelve stops after the box.
xdotool key --delay 40 $(repeat_key 12 shift+Tab)
quit_by_escape

begin "settings saved"
# The connection, the last search, the mode, the mini-browser, preset 1, the scan's resume point and
# the window's place and size.
for expected in "ConSpeed=$connection" "LastSearch=$clip_keywords" Version=3.0 MiniB=True optArch=True \
    "Preset0=$first_name.*$first_link" $(printf '%s=[0-9]+ ' RScan Width Height Top Left WWidth WHeight WTop WLeft); do
    grep -aqxE "$expected" "$settings_file" || fail "the settings file lacks $expected"
done

# In German the File menu opens by "&Datei", setup's title is German, and a search sends and stores
# what the English run did.
begin "German: menus, request and stored values as in English"
stored_keys='^(ConSpeed|LastSearch|optLive|optArch|MiniB|Preset[0-9]|RScan|ServiceHost|Version)='
english_request=$(grep -m 1 "^GET /search.asp?.*T1=$clip_keywords&" "$work/directory.log")
english_values=$(grep -aE "$stored_keys" "$settings_file")
logged=$(wc -l <"$work/directory.log")
# Prints the first clip search the directory service logged in this run.
german_search() {
    tail -n +$((logged + 1)) "$work/directory.log" | grep -m 1 "^GET /search.asp?.*T1=$clip_keywords&"
}
LANGUAGE=de start_program
await_window "$main_title" 10
main_window=$found
# The File menu's first entry switches the mini-browser off, the second time on again.
for value in False True; do
    focus_window "$main_window"
    xdotool key --delay 300 alt+d Return
    wait_until 5 setting_is MiniB "$value" || fail "Alt+D did not open the File menu as \"&Datei\""
done
focus_window "$main_window"
xdotool key F2
keys_in '^Skylark! Broadcast - Einstellungen$' Escape
closed '^Skylark! Broadcast - Einstellungen$'
# The search box has had the focus since the window opened.
focus_window "$main_window"
xdotool key ctrl+a
xdotool type --delay 30 "$clip_keywords"
xdotool key Return
wait_until 5 german_search >/dev/null || fail "Return in the German search box sent no search"
[ "$(german_search)" = "$english_request" ] ||
    fail "the German search sent '$(german_search)', the English one '$english_request'"
quit_by_escape
[ "$(grep -aE "$stored_keys" "$settings_file")" = "$english_values" ] ||
    fail "the German run stored other values than the English one"

echo "PASS"
