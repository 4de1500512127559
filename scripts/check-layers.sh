#!/bin/bash
# Lists every include from one folder of src/ into another and fails on one that goes against the
# order of the layers: a folder may include only the folders below it.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top/src"
# Lowest first.
layers=(win config imaging actions menus screens prefs app)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}
bad=0
edges=0
while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -n 's/.*#include "\([a-z_]*\)\/.*/\1/p' <<<"$line")
    from=${file%%/*}
    [ -z "$target" ] || [ "$target" = "$from" ] && continue
    [ -d "$target" ] || continue
    edges=$((edges + 1))
    from_rank=$(rank "$from")
    to_rank=$(rank "$target")
    if [ "$from_rank" -lt 0 ] || [ "$to_rank" -lt 0 ]; then
        echo "layers: $from or $target is not in the order (scripts/check-layers.sh): $line"
        bad=$((bad + 1))
    elif [ "$to_rank" -ge "$from_rank" ]; then
        echo "layers: $from may not include $target: $line"
        bad=$((bad + 1))
    fi
done < <(grep -rn '^[[:space:]]*#[[:space:]]*include "' --include='*.h' --include='*.cpp' .  | sed 's#^\./##')
echo "layers: $edges includes between folders, $bad against the order ${layers[*]}"
[ "$bad" -eq 0 ]
