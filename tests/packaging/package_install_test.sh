#!/usr/bin/env bash
# Installs the Debian package with apt, starts the program from its desktop entry under Xvfb,
# purges the package and checks nothing of it is left. Only as root on Debian with
# SKYLARK_PACKAGE_INSTALL_TEST=chroot (a fresh Debian 12 root, mirror SKYLARK_DEBIAN_MIRROR) or 1
# (this machine); else skipped (77). SKYLARK_PACKAGE_DEB names a built package, else cpack builds one.
# Usage: package_install_test.sh BUILD_DIR APP_ID
set -uo pipefail

readonly build_dir=${1:?usage: package_install_test.sh BUILD_DIR APP_ID}
readonly app_id=${2:?usage: package_install_test.sh BUILD_DIR APP_ID}
readonly main_title='^Skylark! Broadcast v3\.0$'
readonly watched=(/usr /etc /lib/systemd)

skip() { echo "SKIP: $*"; exit 77; }
readonly mode=${SKYLARK_PACKAGE_INSTALL_TEST:-}
[ "$mode" = 1 ] || [ "$mode" = chroot ] ||
    skip "installs into a real system; set SKYLARK_PACKAGE_INSTALL_TEST=chroot (a fresh root) or 1 (this machine)"
[ "$(id -u)" -eq 0 ] || skip "needs root for apt"
[ -f /etc/debian_version ] || skip "not Debian"
if [ "$mode" = 1 ]; then
    [[ $(dpkg-query -W -f='${Status}' skylark-broadcast 2>/dev/null) == *" installed" ]] &&
        skip "skylark-broadcast is already installed here; the test would replace it"
else
    command -v debootstrap >/dev/null || skip "debootstrap is not installed"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/skylark-apt.XXXXXX") || exit 1
chmod 755 "$work"
started=()
installed=0
cleanup() {
    [ ${#started[@]} -eq 0 ] || kill "${started[@]}" 2>/dev/null
    wait 2>/dev/null
    [ "$installed" = 1 ] && DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq skylark-broadcast >/dev/null 2>&1
    # Never into a mount left in the fresh root (its /dev is the machine's).
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    [ -s "$work/program.log" ] && { echo "---- program output"; cat "$work/program.log"; }
    exit 1
}

# Runs the command every 0.1 s until it succeeds, for at most $1 seconds.
wait_until() {
    local i
    for ((i = 0; i < $1 * 10; ++i)); do
        "${@:2}" && return 0
        sleep 0.1
    done
    return 1
}

build_package() {
    if [ -n "${SKYLARK_PACKAGE_DEB:-}" ]; then
        deb=$SKYLARK_PACKAGE_DEB
        return
    fi
    echo "== building the package"
    command -v cpack >/dev/null || fail "cpack is not installed"
    cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
        fail "cpack: $(cat "$work/cpack.log")"
    deb=$(ls "$work"/pkg/*.deb) || fail "no package built"
}

# Runs this script on the package inside a fresh Debian 12 root, in a mount namespace of its
# own so that the root's /proc and /dev mounts end with it.
run_in_fresh_root() {
    local root=$work/root mirror=${SKYLARK_DEBIAN_MIRROR:-http://deb.debian.org/debian}
    echo "== debootstrap bookworm $mirror"
    debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 ||
        fail "debootstrap: $(tail -n 20 "$work/debootstrap.log")"
    cp "$deb" "$root/tmp/" && cp "$0" "$root/tmp/package_install_test.sh" && cp /etc/resolv.conf "$root/etc/" ||
        fail "could not copy into the fresh root"
    local inner="/tmp/$(basename "$deb")"
    unshare --mount --propagation private bash -c '
        set -e
        root=$1
        mount -t proc proc "$root/proc"
        mount --rbind /dev "$root/dev"
        mount -t sysfs sys "$root/sys"
        chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
            DEBIAN_FRONTEND=noninteractive sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends xvfb xauth xdotool openbox x11-utils >/dev/null"
        chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
            SKYLARK_PACKAGE_INSTALL_TEST=1 SKYLARK_PACKAGE_DEB="$2" bash /tmp/package_install_test.sh - "$3"
    ' - "$root" "$inner" "$app_id"
}

if [ "$mode" = chroot ]; then
    build_package
    run_in_fresh_root
    exit $?
fi
for tool in apt-get Xvfb xdotool openbox xprop; do
    command -v "$tool" >/dev/null || fail "$tool is not installed (scripts/setup-debian.sh installs it)"
done
build_package

snapshot() {
    find "${watched[@]}" -xdev \( -type f -o -type l \) 2>/dev/null | grep -v '/__pycache__/' | sort
}
apt_run() {
    DEBIAN_FRONTEND=noninteractive apt-get "$1" -y -qq "$2" >"$work/apt.log" 2>&1 ||
        fail "apt-get $1: $(cat "$work/apt.log")"
}
apt_install() { installed=1; apt_run install "$(realpath "$deb")"; }
apt_purge() { apt_run purge skylark-broadcast; installed=0; }

# A first round brings in the dependencies (and whatever their triggers write), so the file
# lists compared around the second round differ only by what the package leaves behind.
echo "== apt install ./$(basename "$deb") with its dependencies, then apt purge"
apt_install
apt_purge
snapshot >"$work/before"

echo "== apt install ./$(basename "$deb")"
apt_install
dpkg-query -L skylark-broadcast >"$work/owned"
grep -qx /usr/bin/skylark-broadcast "$work/owned" || fail "the package did not install the program"
[ -L /etc/systemd/user/sockets.target.wants/skylark-directory.socket ] ||
    fail "the directory's user socket is not enabled for all users"

echo "== the program started from its desktop entry"
desktop=/usr/share/applications/$app_id.desktop
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -n "$exec_line" ] || fail "no Exec line in $desktop"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
started+=($!)
wait_until 10 grep -qs '^[0-9]' "$work/display" || skip "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
started+=($!)
wait_until 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
# A user who has chosen a connection already, so the main window opens without the prompt.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
mkdir -p "$XDG_CONFIG_HOME/Skylark! Broadcast"
printf '[Settings]\nConSpeed=Cable/DSL\n' >"$XDG_CONFIG_HOME/Skylark! Broadcast/Skylark! Broadcast.ini"
# The Exec line as the desktop runs it: split at blanks, no field codes in it.
read -r -a command <<<"$exec_line"
QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1 "${command[@]}" >"$work/program.log" 2>&1 &
program=$!
started+=("$program")
wait_until 30 sh -c "xdotool search --onlyvisible --name '$main_title' | grep -q ." ||
    fail "the main window did not appear within 30 s"
window=$(xdotool search --onlyvisible --name "$main_title" | head -n 1)
[ "$(readlink /proc/$program/exe)" = /usr/bin/skylark-broadcast ] || fail "the window is not the installed program's"
# (grep reads all of xprop's output: the icon's picture is long, and -q would cut it off.)
xprop -id "$window" _NET_WM_ICON | grep '_NET_WM_ICON(CARDINAL)' >/dev/null || fail "the main window has no icon"
# On X11 the desktop matches the window to the entry through its class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[[ $(xprop -id "$window" WM_CLASS) == *"\"$wm_class\""* ]] ||
    fail "the window's class is not the desktop entry's StartupWMClass $wm_class: $(xprop -id "$window" WM_CLASS)"
echo "main window shown by /usr/bin/skylark-broadcast"
kill "$program"
wait "$program" 2>/dev/null

echo "== apt purge skylark-broadcast"
apt_purge
snapshot >"$work/after"
while read -r path; do
    [ -f "$path" ] || [ -L "$path" ] || continue
    fail "$path is still there after removal"
done <"$work/owned"
left=$(comm -13 "$work/before" "$work/after")
[ -z "$left" ] || fail "files left after removal: $left"
[ ! -e /etc/systemd/user/sockets.target.wants ] || [ -n "$(ls -A /etc/systemd/user/sockets.target.wants)" ] ||
    fail "an empty /etc/systemd/user/sockets.target.wants is left behind"
echo "package installed, started from its desktop entry, and removed without a trace"
