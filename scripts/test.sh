#!/usr/bin/env bash
# Installs the build dependencies, runs the fuzz targets for a few seconds each
# (scripts/fuzz.sh), then builds and runs the whole test suite twice: a normal build with
# warnings as errors, and a build with AddressSanitizer and UndefinedBehaviorSanitizer (the
# packaging checks only in the normal pass). One line a phase and a test; a failing build or
# test shows its own output in full.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh >/tmp/skylark-setup.log 2>&1 || { cat /tmp/skylark-setup.log; exit 1; }
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "=== fuzz targets"
bash scripts/fuzz.sh

for variant in normal sanitize; do
    dir=build-ci-$variant
    options=(-DSKYLARK_WERROR=ON)
    skip=()
    if [ "$variant" = sanitize ]; then
        options+=(-DSKYLARK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
        skip=(-LE packaging)
    fi
    echo "=== $variant build"
    mkdir -p "$dir"
    if ! { cmake -S . -B "$dir" -G Ninja "${options[@]}" && cmake --build "$dir" -j "$jobs"; } \
        >"$dir/build.log" 2>&1; then
        cat "$dir/build.log"
        exit 1
    fi
    echo "=== $variant tests"
    # Without the "Start" lines: one line a test, then the summary.
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" "${skip[@]}" | grep -v '^ *Start '
done
