#!/bin/bash
# Compares two folders written by build/bench/istantanee, file by file:
# screenshots and saved temperaments must be byte-identical.
# Usage: scripts/confronta_istantanee.sh BEFORE AFTER
set -euo pipefail
prima=$1 dopo=$2
diversi=0
for f in "$prima"/* "$dopo"/*; do
    n=$(basename "$f")
    if [ ! -e "$prima/$n" ] || [ ! -e "$dopo/$n" ]; then
        echo "only in one folder: $n"; diversi=1
    elif ! cmp -s "$prima/$n" "$dopo/$n"; then
        echo "differs: $n"; diversi=1
    fi
done | sort -u
n=$(ls "$prima" | wc -l)
if [ "$diversi" = 0 ] && [ -z "$(diff <(ls "$prima") <(ls "$dopo"))" ] && cmp -s <(cd "$prima" && cat ./*) <(cd "$dopo" && cat ./*); then
    echo "all $n files identical"
else
    exit 1
fi
