#!/usr/bin/env bash
# Plays the bundled demo from a copy, so playing never rewrites the files in the repository.
# Scripts, pictures and sounds are refreshed from the repository on every start; the player's
# saved state (settings, registers, objects) is kept once it exists.
# With --headless there is no window to click in: the demo's walkthrough plays itself and ends.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
player="${TALUVIN_PLAYER:-$here/build/taluvin}"  # another build of the player may be named here
headless=no
replay=no
for arg in "$@"; do
  case "$arg" in
    --headless) headless=yes ;;
    --replay) replay=yes ;;
  esac
done
if [ ! -x "$player" ]; then
  echo "play-demo.sh: no player at $player; build it first: cmake -S . -B build -G Ninja && cmake --build build --target taluvin" >&2
  exit 1
fi
# Without a display Qt would abort with a message about platform plugins that says little.
if [ "$headless" = no ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "play-demo.sh: the demo needs a display (neither DISPLAY nor WAYLAND_DISPLAY is set); use --headless to watch its walkthrough play without one" >&2
  exit 1
fi
save="${XDG_DATA_HOME:-$HOME/.local/share}/taluvin/demo"
mkdir -p "$save"
for f in "$here"/games/demo/*; do
  case "$f" in
    *.ini|*.rgs|*.obx|*.obz) cp -n "$f" "$save/" ;;
    *) cp -r "$f" "$save/" ;;
  esac
done
if [ "$headless" = yes ] && [ "$replay" = no ]; then
  # The walkthrough with a screenshot at the end of each scene (a scene starts at a comment), so
  # what it did can be looked at afterwards.
  shots="$save/screenshots"
  rm -rf "$shots"
  mkdir -p "$shots"
  awk -v shots="$shots" '
    /^#/ && acted { n++; printf "screenshot %s/%02d.png\n", shots, n; acted = 0 }
    { print }
    /^[a-z]/ { acted = 1 }
  ' "$save/walkthrough.replay" >"$save/walkthrough-shots.replay"
  echo "Playing the demo's walkthrough without a display ($save)"
  status=0
  "$player" "$save" --replay "$save/walkthrough-shots.replay" --verbose "$@" || status=$?
  count=$(find "$shots" -name '*.png' | wc -l)
  if [ "$status" -ne 0 ]; then
    echo "play-demo.sh: the walkthrough stopped with exit code $status" >&2
    exit "$status"
  fi
  echo "The walkthrough finished: $count screenshots are in $shots"
  exit 0
fi
exec "$player" "$save" "$@"
