#!/usr/bin/env bash
# What the offscreen platform cannot show, checked on a real X server: Xvfb with a window manager,
# the program driven by xdotool, screenshots taken of the whole screen and kept for a person to
# look at. Usage: real_x_checks.sh TALUVIN_BINARY OUTPUT_FOLDER
# Exit 77 (skipped) when no X server can be started here.
set -uo pipefail
player="$1"
out="$2"
for tool in Xvfb xdotool openbox import; do
  command -v "$tool" >/dev/null || { echo "no $tool: the real-X checks are skipped"; exit 77; }
done
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number of its own, chosen by the server, so checks running side by side never meet.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1920x1080x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 30 -u "$fd" number || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 77; }
export DISPLAY=":$number"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# Polls until the command succeeds: a loaded machine may be many times slower than this one.
wait_for() {
  local deadline=$((SECONDS + 60))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.2
  done
}

visible_window() { xdotool search --onlyvisible --name "$1" | head -1; }

# Starts the player in the background; its process id is in $player_pid.
start_player() {
  "$player" "$@" >"$work/player.log" 2>&1 &
  player_pid=$!
  pids+=("$player_pid")
}

stop_player() {
  kill "$player_pid" 2>/dev/null
  wait "$player_pid" 2>/dev/null
}

# The template of a game that opens in model 4 shows its monitor window over the whole screen.
"$player" --new "$work/monitor" --model 4 >/dev/null
start_player "$work/monitor" --start
if wait_for visible_window '^Monitor$'; then
  geometry=$(xdotool getwindowgeometry "$(visible_window '^Monitor$')" | awk '/Geometry/ {print $2}')
  import -window root "$out/monitor-template.png"
  if [ "$geometry" = 1920x1080 ]; then pass "the model-4 template shows its Monitor window ($geometry)"
  else fail "the Monitor window is $geometry, not the whole screen"; fi
else
  fail "the model-4 template never showed its Monitor window"
  cat "$work/player.log"
fi
stop_player

echo "screenshots in $out"
[ "$failures" -eq 0 ]
