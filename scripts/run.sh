#!/usr/bin/env bash
# Installs the build dependencies, builds the program, the directory service and the companion
# programs (not the tests), starts the bundled directory service, runs Skylark! Broadcast
# against it and stops the service when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build -j "$(nproc)" --target skylark-broadcast skylark-directory projModr projModm
build/bin/skylark-directory --listen 127.0.0.1 --port 8642 &
service=$!
trap 'kill $service 2>/dev/null || true' EXIT
sleep 0.5
build/bin/skylark-broadcast
