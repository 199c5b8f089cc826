#!/usr/bin/env bash
# Builds the tree with the address and undefined-behaviour sanitizers in build-sanitize/ and runs every test
# case there; the first report a sanitizer makes fails its case.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DORUPIM_SANITIZE=ON "$@"
cmake --build build-sanitize -j"$(nproc)"
cd build-sanitize
export ASAN_OPTIONS=abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
