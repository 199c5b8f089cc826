#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the address and undefined-behaviour sanitizers in
# build-fuzz/, then runs each for a short while (FUZZ_SECONDS, 15 by default) from a seed corpus taken from
# tests/data. Prints the executions of each target; fails on any crash, sanitizer report or broken property.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-15}
jobs=${FUZZ_JOBS:-$(nproc)}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORUPIM_FUZZ=ON -DORUPIM_BUILD_TESTS=OFF >/dev/null

declare -A seeds=(
    [fuzz_ini]="tests/data/profile tests/data/setup tests/data/fuzz/ini"
    [fuzz_regedit]="tests/data/registry"
    [fuzz_engineconfig]="tests/data/fuzz/engineconfig"
    [fuzz_package]="tests/data/setup tests/data/profile"
    [fuzz_sql]="tests/data/fuzz/sql"
    [fuzz_ddecommands]="tests/data/fuzz/ddecommands"
    [fuzz_commandline]="tests/data/fuzz/commandline"
)
targets=(fuzz_ini fuzz_regedit fuzz_engineconfig fuzz_package fuzz_sql fuzz_ddecommands fuzz_commandline)
cmake --build build-fuzz -j"$jobs" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
    corpus="$work/$target"
    mkdir -p "$corpus"
    for dir in ${seeds[$target]}; do
        cp "$dir"/* "$corpus"/
    done
    # The corpus grows in the temporary directory only; the seeds in the tree are never changed.
    if ! "build-fuzz/fuzz/$target" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/" >"$work/$target.log" 2>&1; then
        tail -n 60 "$work/$target.log"
        mkdir -p build-fuzz/artifacts
        cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* build-fuzz/artifacts/ 2>/dev/null || true
        echo "$target failed; the input is kept in build-fuzz/artifacts/" >&2
        exit 1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/$target.log")
    echo "$target: $runs executions in ${seconds} s, no crash"
done
