#!/usr/bin/env bash
# Builds the Debian package with CPack from the build folder's install rules and checks it:
# the files it holds, their modes, the control fields (dependencies worked out from the
# binaries) and the maintainer scripts that enable the directory's user socket.
# Usage: package_test.sh BUILD_DIR APP_ID
set -uo pipefail

readonly build_dir=${1:?usage: package_test.sh BUILD_DIR APP_ID}
readonly app_id=${2:?usage: package_test.sh BUILD_DIR APP_ID}
work=$(mktemp -d "${TMPDIR:-/tmp}/skylark-package.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup-debian.sh installs it)"; exit 1; }
done
if ! cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb: ${debs[*]}"; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"
[[ $(basename "$deb") == skylark-broadcast_3.0_*.deb ]] || fail "unexpected package file name $(basename "$deb")"

# --- Contents: "MODE OWNER SIZE DATE TIME ./PATH" per line; files only.
dpkg-deb -c "$deb" >"$work/contents" || { echo "FAIL: dpkg-deb -c"; exit 1; }
mode_of() { awk -v path="./usr/$1" '$6 == path { print $1 }' "$work/contents"; }
doc=share/doc/skylark-broadcast
expected_files=(
    bin/skylark-broadcast:-rwxr-xr-x
    bin/skylark-directory:-rwxr-xr-x
    libexec/skylark-broadcast/projModr:-rwxr-xr-x
    libexec/skylark-broadcast/projModm:-rwxr-xr-x
    share/skylark-directory/catalog.tsv:-rw-r--r--
    "share/applications/$app_id.desktop:-rw-r--r--"
    "share/metainfo/$app_id.metainfo.xml:-rw-r--r--"
    "share/icons/hicolor/scalable/apps/$app_id.svg:-rw-r--r--"
    lib/systemd/user/skylark-directory.socket:-rw-r--r--
    lib/systemd/user/skylark-directory.service:-rw-r--r--
    "$doc/README.md:-rw-r--r--"
    "$doc/skylark-directory.md:-rw-r--r--"
    "$doc/copyright:-rw-r--r--"
    "$doc/examples/skylark-directory-public.socket:-rw-r--r--"
    "$doc/examples/skylark-directory-public.service:-rw-r--r--"
)
for size in 16 32 48 64 128 256; do
    expected_files+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png:-rw-r--r--")
done
for entry in "${expected_files[@]}"; do
    path=${entry%:*}
    mode=$(mode_of "$path")
    [ -n "$mode" ] || { fail "the package lacks /usr/$path"; continue; }
    [ "$mode" = "${entry##*:}" ] || fail "/usr/$path has mode $mode, not ${entry##*:}"
done
files_in_package=$(awk '$1 !~ /^d/' "$work/contents" | wc -l)
[ "$files_in_package" -eq ${#expected_files[@]} ] ||
    fail "the package holds $files_in_package files, expected ${#expected_files[@]}: $(awk '$1 !~ /^d/ { print $6 }' "$work/contents")"
awk '$6 !~ /^\.\/usr\// && $6 != "./"' "$work/contents" | grep . && fail "the package installs outside /usr"
[ -n "$(awk '$2 != "root/root"' "$work/contents")" ] && fail "files not owned by root"
# Stripped binaries: the debug information of a RelWithDebInfo build stays out of the package.
dpkg-deb -x "$deb" "$work/tree"
file_output=$(file "$work/tree/usr/bin/skylark-broadcast" 2>/dev/null || true)
[[ -z $file_output || $file_output == *"stripped"* && $file_output != *"not stripped"* ]] ||
    fail "skylark-broadcast is not stripped: $file_output"

# --- Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
for expected in Package=skylark-broadcast Version=3.0 "Architecture=$(dpkg --print-architecture)"; do
    [ "$(field "${expected%%=*}")" = "${expected#*=}" ] || fail "${expected%%=*}: $(field "${expected%%=*}")"
done
[[ $(field Maintainer) == *"<"*"@"*">" ]] || fail "Maintainer: $(field Maintainer)"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "Depends: $depends"
# The libraries the programs link, as dpkg-shlibdeps names their packages.
for package in libc6 libstdc++6 libqt6core6 libqt6network6 libqt6gui6 libqt6widgets6 \
    libqt6webenginewidgets6 libqt6webenginecore6 libglib2.0-0 libmicrohttpd12; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package"
done
# Only the build tool draws the SVG; the program needs no SVG library.
[[ $depends == *libqt6svg* ]] && fail "Depends names the SVG library the program does not use"

# --- Maintainer scripts: enable the user socket for everyone, disable it on removal.
dpkg-deb -e "$deb" "$work/control"
for script in postinst prerm; do
    [ -x "$work/control/$script" ] || { fail "no executable $script"; continue; }
    sh -n "$work/control/$script" || fail "$script is not a valid shell script"
done
grep -q 'systemctl --global enable skylark-directory.socket' "$work/control/postinst" ||
    fail "postinst does not enable skylark-directory.socket"
grep -q 'systemctl --global disable skylark-directory.socket' "$work/control/prerm" ||
    fail "prerm does not disable skylark-directory.socket"
# Dry runs of the scripts: with systemctl recording its arguments, each acts only on its step.
mkdir -p "$work/fakebin"
printf '#!/bin/sh\necho "$*" >>"%s/systemctl.log"\n' "$work" >"$work/fakebin/systemctl"
chmod +x "$work/fakebin/systemctl"
run_script() {
    : >"$work/systemctl.log"
    PATH="$work/fakebin:$PATH" "$work/control/$1" "$2" || fail "$1 $2 failed"
    cat "$work/systemctl.log"
}
[ "$(run_script postinst configure)" = "--global enable skylark-directory.socket" ] || fail "postinst configure"
[ "$(run_script prerm remove)" = "--global disable skylark-directory.socket" ] || fail "prerm remove"
[ -z "$(run_script prerm upgrade)" ] || fail "prerm upgrade disabled the socket"
[ -z "$(run_script postinst abort-upgrade)" ] || fail "postinst abort-upgrade acted"

[ "$failures" -eq 0 ] || { echo "package test: $failures failure(s)"; exit 1; }
echo "package test: contents, control fields and maintainer scripts checked"
