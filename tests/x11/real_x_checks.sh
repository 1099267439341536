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

# The first visible window of that name; fails while there is none, so wait_for can wait on it.
visible_window() {
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
  [ -n "$id" ] && echo "$id"
}
# A window of that name is shown at that size (asked again each time: a window may be remade).
visible_at() {
  local id
  id=$(visible_window "$1") && size_is "$id" "$2"
}

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

window_size() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
size_is() { [ "$(window_size "$1")" = "$2" ]; }
# Full screen at a fractional factor: the design height times the factor may come out a pixel or two
# short of the screen's, which the window manager may or may not round up.
fills_screen() {
  local size
  size=$(window_size "$1")
  [ "${size%x*}" = 1920 ] && [ "${size#*x}" -ge 1076 ] && [ "${size#*x}" -le 1080 ]
}
visible_full() {
  local id
  id=$(visible_window "$1") && fills_screen "$id"
}
# The colour of one pixel of a screenshot, as "R,G,B".
pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
press_f11() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus "$1"
  xdotool key --window "$1" F11
}

# The default window on a 1920 x 1080 screen is 1.5 times the design size; F11 fills the screen
# with the game centred on black, and F11 again brings the window back.
"$player" --new "$work/sala" >/dev/null
start_player "$work/sala" --start
if wait_for visible_window '^Taluvin$'; then
  main=$(visible_window '^Taluvin$')
  if wait_for size_is "$main" 1350x630; then pass "the default window is 1350x630 at 1.5"
  else fail "the default window is $(window_size "$main"), not 1350x630"; fi
  import -window root "$out/window-1.5.png"
  press_f11 "$main"
  if wait_for fills_screen "$main"; then
    sleep 1  # the repaint after the resize has no event a script can wait on
    import -window root "$out/fullscreen.png"
    corner=$(pixel "$out/fullscreen.png" 5 5)
    bottom=$(pixel "$out/fullscreen.png" 960 1075)
    middle=$(pixel "$out/fullscreen.png" 960 540)
    if [ "$corner" = 0,0,0 ] && [ "$bottom" = 0,0,0 ] && [ "$middle" != 0,0,0 ]; then
      pass "F11 fills the screen with the game centred on black bars"
    else fail "full screen: corner $corner, bottom $bottom, middle $middle (want black bars around the game)"; fi
  else
    fail "after F11 the window is $(window_size "$main"), not the whole 1920x1080 screen"
  fi
  press_f11 "$main"
  if wait_for size_is "$main" 1350x630; then pass "F11 again brings back the 1350x630 window"
  else fail "after a second F11 the window is $(window_size "$main"), not 1350x630"; fi
  # Left full screen, the game starts full screen again.
  press_f11 "$main"
  wait_for fills_screen "$main"
  stop_player
  start_player "$work/sala" --start
  if wait_for visible_full '^Taluvin$'; then
    pass "a game left full screen starts full screen"
  else fail "a game left full screen started at $(window_size "$(visible_window '^Taluvin$')")"; fi
  stop_player
  # The command line wins over what was remembered.
  start_player "$work/sala" --start --scale 1
  if wait_for visible_at '^Taluvin$' 900x420; then
    pass "--scale 1 opens the 900x420 window over the remembered full screen"
  else fail "--scale 1 opened $(window_size "$(visible_window '^Taluvin$')")"; fi
  stop_player
else
  fail "the template game never showed its window"
  cat "$work/player.log"
fi

# What a script drew is the same picture full screen as at 1x.
# The window manager makes the window full screen in its own time: the replay gives it two seconds.
printf 'start\nkey F11\nwait 2000\nscreenshot %s\nscreenshot %s Tela\nquit\n' "$out/replay-fullscreen.png" "$work/tela-fullscreen.png" \
  >"$work/fullscreen.replay"
printf 'start\nscreenshot %s Tela\nquit\n' "$work/tela-1.png" >"$work/plain.replay"
"$player" "$work/sala" --headless --replay "$work/plain.replay" >"$work/player.log" 2>&1
"$player" "$work/sala" --replay "$work/fullscreen.replay" >>"$work/player.log" 2>&1
if [ -f "$work/tela-fullscreen.png" ] && [ "$(compare -metric AE "$work/tela-1.png" "$work/tela-fullscreen.png" null: 2>&1)" = 0 ]; then
  pass "the picture screen full screen is the same picture as at 1x"
else fail "the picture screen full screen differs from 1x"; cat "$work/player.log"; fi
# The window is 506.25 design pixels high at 1920 / 900, which Qt keeps as 506 when it saves it.
replay_size=$(identify -format '%wx%h' "$out/replay-fullscreen.png" 2>/dev/null)
if [ "$replay_size" = 1920x1080 ] || [ "$replay_size" = 1920x1079 ]; then pass "the replay's key F11 fills the screen"
else fail "after the replay's key F11 the window was saved at ${replay_size:-nothing}"; fi

echo "screenshots in $out"
[ "$failures" -eq 0 ]
