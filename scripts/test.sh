#!/usr/bin/env bash
# Installs the build dependencies, runs the fuzz targets for a few seconds each
# (scripts/fuzz.sh), then builds and runs the whole test suite twice: a normal build with
# warnings as errors, and a build with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "=== fuzz targets"
bash scripts/fuzz.sh

for variant in normal sanitize; do
    dir=build-ci-$variant
    options=(-DSKYLARK_WERROR=ON)
    [ "$variant" = sanitize ] && options+=(-DSKYLARK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
    echo "=== $variant build"
    cmake -S . -B "$dir" -G Ninja "${options[@]}"
    cmake --build "$dir" -j "$jobs"
    echo "=== $variant tests"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs"
done
