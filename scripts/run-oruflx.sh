#!/usr/bin/env bash
# The main job: builds OruFLX (and only what it needs) in build/ and starts it on its staged program directory
# (build/stage/OruFLX/, with its empty table and lookup lists). On a fresh Debian machine, run as root, it
# first installs the build's packages, the same ones as .ci/run.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v cmake >/dev/null || ! dpkg -s qt6-base-dev libsqlite3-dev libgtest-dev >/dev/null 2>&1; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "run-oruflx: the build's packages are missing; run this script as root once to install them" >&2
        exit 1
    fi
    scripts/install-packages.sh
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target stage_flx
exec build/stage/OruFLX/OruFLX
