#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for a bounded time on a copy of its seed corpus in fuzz/corpus/<target>; fails if any
# target finds a crash, a sanitizer report or a broken property. Inputs that fail are kept in
# <build>/fuzz-failures/. The repository's corpus is never written to.
#   SKYLARK_FUZZ_SECONDS  seconds per target (default 5)
#   SKYLARK_FUZZ_SEED     the fuzzer's random seed (default 1)
#   SKYLARK_FUZZ_BUILD    build folder (default build-fuzz)
#   scripts/fuzz.sh [target...]   only these targets
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${SKYLARK_FUZZ_SECONDS:-5}
# A fixed start makes a CI run explore the same inputs each time; set another to explore further.
seed=${SKYLARK_FUZZ_SEED:-1}
dir=$root/${SKYLARK_FUZZ_BUILD:-build-fuzz}

mkdir -p "$dir"
# The build speaks only when it fails.
if ! { CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DSKYLARK_FUZZ=ON -DSKYLARK_SANITIZE=ON \
    -DSKYLARK_WERROR=ON -DCMAKE_BUILD_TYPE=Debug &&
    cmake --build "$dir" -j "$(nproc)" --target skylark-fuzzers; } >"$dir/fuzz-build.log" 2>&1; then
    cat "$dir/fuzz-build.log"
    exit 1
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in fuzz/corpus/*/; do targets+=("$(basename "$seeds")"); done
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$dir/fuzz-failures"
failed=()
for name in "${targets[@]}"; do
    mkdir -p "$work/$name"
    cp fuzz/corpus/"$name"/* "$work/$name/"
    log=$dir/fuzz-logs/$name.log
    mkdir -p "$dir/fuzz-logs"
    # One line a target; a failing target's own output and the command that repeats it follow.
    if (cd "$work" && "$dir/fuzz/$name" -max_total_time="$seconds" -seed="$seed" -rss_limit_mb=2048 -timeout=20 \
        -print_final_stats=1 -artifact_prefix="$dir/fuzz-failures/$name-" "$work/$name" >"$log" 2>&1); then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz $name: ${runs:-?} inputs in ${seconds}s, no failure"
    else
        failed+=("$name")
        echo "fuzz $name: FAILED"
        grep -v '^#[0-9]' "$log" | tail -n 60
        echo "repeat: $dir/fuzz/$name $dir/fuzz-failures/$name-*"
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing failed: ${failed[*]} (inputs in $dir/fuzz-failures)"
    exit 1
fi
echo "fuzzing: ${#targets[@]} targets, no failure"
