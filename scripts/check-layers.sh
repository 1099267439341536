#!/bin/sh
# Fails when a file under src/ includes a header of a folder above its own. The folders stack
# bottom to top as listed; a folder may include itself and anything below it.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
layers="base state script world services present interact app"

rank() {
  i=0
  for l in $layers; do
    [ "$l" = "$1" ] && { echo $i; return; }
    i=$((i + 1))
  done
  echo -1
}

bad=0
for file in $(cd "$root" && find src -name '*.h' -o -name '*.cpp' | sort); do
  own=$(echo "$file" | cut -d/ -f2)
  own_rank=$(rank "$own")
  grep -n '^#include "' "$root/$file" | while IFS= read -r line; do
    target=$(echo "$line" | sed 's/.*#include "\([^/"]*\)\/.*/\1/')
    target_rank=$(rank "$target")
    if [ "$target_rank" -gt "$own_rank" ]; then
      echo "$file:${line%%:*}: includes $target/ from $own/ (${line#*:})"
    fi
  done
done | tee /tmp/layers.$$
[ -s /tmp/layers.$$ ] && bad=1
count=$(wc -l < /tmp/layers.$$)
rm -f /tmp/layers.$$
if [ "$bad" -ne 0 ]; then
  echo "$count include(s) point up the layers: $layers" >&2
  exit 1
fi
echo "layers: every include points down ($layers)"
