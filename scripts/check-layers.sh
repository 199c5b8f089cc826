#!/usr/bin/env bash
# Checks the include graph against the layers of docs/ARCHITECTURE.md: every `#include "<folder>/..."` of a
# source file must name a folder that the table "Which folder may include which" allows for the file's own
# folder (a test under tests/<folder> has the rules of <folder> unless the table gives tests/<folder> a row of
# its own), and no include may climb out with "../".
# The build enforces the same per target; this check also covers files that no target builds yet.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed
while IFS= read -r row; do
    folder=$(sed -E 's/^\| `([a-z/]+)\/`.*/\1/' <<<"$row")
    allowed[$folder]=$(cut -d'|' -f3 <<<"$row" | grep -oE '`[a-z]+/`' | tr -d '`/' | tr '\n' ' ')
done < <(sed -n '/^### Which folder may include which/,/^#/p' docs/ARCHITECTURE.md | grep -E '^\| `[a-z/]+/` \|')
if ((${#allowed[@]} == 0)); then
    echo "check-layers: no layer table found in docs/ARCHITECTURE.md" >&2
    exit 2
fi

status=0
while IFS= read -r file; do
    folder=${file%%/*}
    if [[ $folder == tests ]]; then
        rest=${file#tests/}
        folder=${rest%%/*}
        [[ -v allowed[tests/$folder] ]] && folder=tests/$folder
    fi
    [[ -v allowed[$folder] ]] || continue
    while IFS=: read -r line target; do
        top=${target%%/*}
        if [[ $target == *../* ]]; then
            echo "$file:$line: include climbs out of its folder: \"$target\""
            status=1
        elif [[ -v allowed[$top] && " ${allowed[$folder]} " != *" $top "* ]]; then
            echo "$file:$line: $folder/ may not include $top/: \"$target\""
            status=1
        fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
        sed -E 's/^([0-9]+):[^"]*"([^"]*)".*/\1:\2/')
done < <(git ls-files '*.cpp' '*.h' '*.in')
if ((status == 0)); then
    echo "check-layers: every include keeps to its layer"
fi
exit $status
