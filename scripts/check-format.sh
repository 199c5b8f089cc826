#!/usr/bin/env bash
# Checks that every C++ file git tracks is formatted by the tree's .clang-format; lists those that are not.
# To format them: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
off=()
while IFS= read -r file; do
    if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then
        off+=("$file")
    fi
done < <(git ls-files '*.cpp' '*.h')
if ((${#off[@]})); then
    printf 'not formatted by .clang-format: %s\n' "${off[@]}" >&2
    exit 1
fi
echo "check-format: every C++ file is formatted"
