#!/usr/bin/env bash
# Plays the bundled demo from a copy, so playing never rewrites the files in the repository.
# Scripts, pictures and sounds are refreshed from the repository on every start; the player's
# saved state (settings, registers, objects) is kept once it exists.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
save="${XDG_DATA_HOME:-$HOME/.local/share}/taluvin/demo"
mkdir -p "$save"
for f in "$here"/games/demo/*; do
  case "$f" in
    *.ini|*.rgs|*.obx|*.obz) cp -n "$f" "$save/" ;;
    *) cp -r "$f" "$save/" ;;
  esac
done
exec "$here/build/taluvin" "$save" "$@"
