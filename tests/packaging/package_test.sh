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
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb: ${debs[*]}"; exit 1; }
deb=${debs[0]}
echo "package: $(basename "$deb")"
[[ $(basename "$deb") == skylark-broadcast_3.0_*.deb ]] || fail "unexpected package file name $(basename "$deb")"

# --- Contents ("MODE OWNER SIZE DATE TIME ./PATH"): the files check-install.sh lists, as cpack runs
# the same install rules; here their number, place, owner and modes (programs executable only).
dpkg-deb -c "$deb" >"$work/contents" || { echo "FAIL: dpkg-deb -c"; exit 1; }
files=$(awk '$1 !~ /^d/' "$work/contents")
[ "$(wc -l <<<"$files")" -eq 21 ] || fail "the package holds other files than the 21 installed: $files"
wrong=$(awk '{ mode = $6 ~ /^\.\/usr\/(bin|libexec)\// ? "-rwxr-xr-x" : "-rw-r--r--"
               if ($1 != mode || $2 != "root/root" || $6 !~ /^\.\/usr\//) print }' <<<"$files")
[ -z "$wrong" ] || fail "files of the wrong mode, owner or place: $wrong"
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

# --- Maintainer scripts, run with systemctl recording its arguments: they enable the user socket
# for everyone, disable it on removal, and do nothing on the other steps.
dpkg-deb -e "$deb" "$work/control"
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
