#!/usr/bin/env bash
# Configures and builds the whole tree in build/, runs every test case with CTest (one process per case), then
# every test program whole once, in a shuffled order. Arguments go to CMake's configure step, e.g.
#   scripts/test.sh -DORUPIM_WERROR=ON
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j"$(nproc)"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
scripts/test-programs-whole.sh build
