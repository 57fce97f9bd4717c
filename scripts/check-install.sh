#!/usr/bin/env bash
# Installs the built project into a temporary DESTDIR with prefix /usr, as the package does,
# checks the installed files one by one, and runs desktop-file-validate, appstreamcli validate
# and systemd-analyze verify on what was installed.
# Usage: check-install.sh BUILD_DIR APP_ID
set -uo pipefail

readonly build_dir=${1:?usage: check-install.sh BUILD_DIR APP_ID}
readonly app_id=${2:?usage: check-install.sh BUILD_DIR APP_ID}
readonly sizes=(16 32 48 64 128 256)
root=$(mktemp -d "${TMPDIR:-/tmp}/skylark-install.XXXXXX") || exit 1
trap 'rm -rf "$root" "$root.units"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli systemd-analyze; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (scripts/setup-debian.sh installs it)"; exit 1; }
done

if ! DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log"
    rm -f "$root.log"
    echo "FAIL: cmake --install"
    exit 1
fi
rm -f "$root.log"
usr=$root/usr
doc=share/doc/skylark-broadcast

# --- Every installed file, and nothing else.
expected=(
    bin/skylark-broadcast
    bin/skylark-directory
    libexec/skylark-broadcast/projModr
    libexec/skylark-broadcast/projModm
    share/skylark-directory/catalog.tsv
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    lib/systemd/user/skylark-directory.socket
    lib/systemd/user/skylark-directory.service
    "$doc/README.md"
    "$doc/skylark-directory.md"
    "$doc/copyright"
    "$doc/examples/skylark-directory-public.socket"
    "$doc/examples/skylark-directory-public.service"
)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$usr" && find . -type f -o -type l | sed 's|^\./||' | sort) ||
    fail "installed files differ from the expected list (< expected, > installed)"
[ -z "$(find "$root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files installed outside the prefix"

for program in bin/skylark-broadcast bin/skylark-directory libexec/skylark-broadcast/projModr \
    libexec/skylark-broadcast/projModm; do
    [ -x "$usr/$program" ] || fail "$program is not executable"
done
# The program looks for its companions in this folder relative to its own.
[ -x "$usr/bin/../libexec/skylark-broadcast/projModr" ] || fail "companions not at ../libexec/skylark-broadcast"

# --- Icons: PNG files of their folder's size (width and height from the IHDR chunk).
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}
for size in "${sizes[@]}"; do
    file="$usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$file" ] || continue
    [ "$(head -c 8 "$file" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$file is not a PNG"
    [ "$(png_size "$file")" = "${size}x${size}" ] || fail "$file is $(png_size "$file"), not ${size}x${size}"
done

# --- Desktop entry: valid, starting an installed command, showing the installed icon.
desktop=$usr/share/applications/$app_id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
# Hints are advice, not faults: the categories name Network beside AudioVideo on purpose.
[ -n "$(grep -v ': hint: ' <<<"$report")" ] && fail "desktop-file-validate reports: $report"
echo "desktop-file-validate: ${report:-no findings}"
entry() { sed -n "s/^$1=//p" "$desktop"; }
exec_line=$(entry Exec)
[ -x "$usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line names no installed program"
[ "$(entry Icon)" = "$app_id" ] || fail "Icon=$(entry Icon), not $app_id"
[ "$(entry Terminal)" = false ] || fail "Terminal is not false"
# Qt names the window class after the program file, so the desktop matches it on X11.
[ "$(entry StartupWMClass)" = "${exec_line%% *}" ] || fail "StartupWMClass is not the program's name"
for category in AudioVideo Audio Player Network; do
    [[ ";$(entry Categories)" == *";$category;"* ]] || fail "Categories lack $category"
done
[ -n "$(entry Keywords)" ] || fail "no Keywords"

# --- AppStream metadata. --no-net: the screenshot's address is on the project's placeholder
# site, which the validator must not try to reach (and CI may have no network).
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $report"
echo "appstreamcli validate: $report"
# Pedantic notes are shown, not failed on (the id has capitals, like its desktop file's name).
echo "appstreamcli validate --pedantic: $(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1)"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $app_id.desktop"
grep -q '<release version="[0-9.]*"' "$metainfo" || fail "metainfo has no release"

# --- systemd units. systemd-analyze verify checks that the programs they start exist, and has
# no root folder option for it here, so it verifies copies whose /usr paths point into the
# installed tree; the paths themselves are checked against the tree first.
verify_units() {
    local mode=$1 folder=$2 unit path report
    shift 2
    local copies=$root.units/$folder files=()
    mkdir -p "$copies" "$root.units/runtime"
    chmod 700 "$root.units/runtime"
    for unit in "$@"; do
        for path in $(sed -n 's/^ExecStart=//p' "$usr/$folder/$unit"); do
            [[ $path == /usr/* ]] || continue
            [ -e "$root$path" ] || fail "$unit names $path, which is not installed"
        done
        sed "s|/usr/|$usr/|g" "$usr/$folder/$unit" >"$copies/$unit"
        files+=("$copies/$unit")
    done
    # Any finding fails: verify reports missing dependencies and unknown settings as warnings.
    report=$(XDG_RUNTIME_DIR=$root.units/runtime systemd-analyze verify "$mode" "${files[@]}" 2>&1) ||
        fail "systemd-analyze verify $folder: $report"
    [ -z "$report" ] || fail "systemd-analyze verify $folder reports: $report"
    echo "systemd-analyze verify $mode $folder: ${report:-no findings}"
}
verify_units --user lib/systemd/user skylark-directory.socket skylark-directory.service
verify_units --system "$doc/examples" skylark-directory-public.socket skylark-directory-public.service
rm -rf "$root.units"
grep -qx 'ListenStream=127.0.0.1:8642' "$usr/lib/systemd/user/skylark-directory.socket" ||
    fail "the user socket does not listen on the program's default 127.0.0.1:8642"
for setting in DynamicUser=yes ProtectSystem=strict ProtectHome=yes NoNewPrivileges=yes PrivateTmp=yes \
    'RestrictAddressFamilies=AF_INET AF_INET6 AF_UNIX'; do
    grep -qx "$setting" "$usr/$doc/examples/skylark-directory-public.service" ||
        fail "the public service example lacks $setting"
done

if [ "$failures" -gt 0 ]; then
    echo "check-install: $failures failure(s)"
    exit 1
fi
echo "check-install: all installed files checked"
