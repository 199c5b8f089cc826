#!/usr/bin/env bash
# Runs every test program of a built tree whole, once, in a shuffled order, as CTest does not (it starts one
# process per case). A case that leaves state behind for the next one fails here. Usage:
#   scripts/test-programs-whole.sh [build-dir]   (default build/; GTEST_RANDOM_SEED picks the order)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seed=${GTEST_RANDOM_SEED:-0}
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
failed=()
while IFS= read -r program; do
    if QT_QPA_PLATFORM=offscreen timeout 600 "$program" --gtest_shuffle --gtest_random_seed="$seed" \
        --gtest_brief=1 </dev/null >"$logs/log" 2>&1; then
        echo "passed whole: $program"
    else
        echo "FAILED whole: $program"
        tail -n 40 "$logs/log"
        failed+=("$program")
    fi
done < <(find "$build/tests" -type f -executable -name '*_tests' | sort)
if ((${#failed[@]})); then
    echo "test programs that fail whole: ${failed[*]}" >&2
    exit 1
fi
