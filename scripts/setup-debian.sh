#!/usr/bin/env bash
# Installs what building and testing Skylark! Broadcast needs on Debian 12.
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    qt6-base-dev qt6-websockets-dev qt6-webengine-dev qt6-svg-dev libglib2.0-dev libmicrohttpd-dev libsimdjson-dev
    # The translations: lupdate and lrelease, and Qt's own translations for the standard dialogs.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    desktop-file-utils shared-mime-info
    # The pictures are drawn at build time with the font their texts name.
    fonts-dejavu-core
    # Packaging checks: AppStream and unit validators, socket activation, the .deb's dependencies.
    appstream systemd dpkg-dev file curl python3
    # The desktop tests: an X server, a window manager, keys and clicks, screen and clipboard reads,
    # and pgrep for the scan's processes.
    xvfb openbox xdotool x11-utils x11-apps xclip procps
    # The accessibility test: a session bus, the AT-SPI registry and its Python client.
    dbus at-spi2-core python3-pyatspi
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
