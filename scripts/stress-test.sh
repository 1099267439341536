#!/usr/bin/env bash
# Runs the whole test suite several times in a row while other processes keep every core busy, to
# show that no test depends on the machine being idle.
#   scripts/stress-test.sh [ROUNDS]        (3 rounds by default)
# BUILD_DIR picks the build folder (build by default), LOAD the number of busy processes (2) and
# JOBS how many tests run at once (2).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-3}
build=${BUILD_DIR:-$here/build}
load=${LOAD:-2}
jobs=${JOBS:-2}
case "$rounds" in
  '' | *[!0-9]* | 0) echo "stress-test: ROUNDS must be a positive number, not '$rounds'" >&2; exit 2 ;;
esac

[ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -G Ninja
cmake --build "$build"

# Stopping the load: stress's workers are stopped first, so stress itself collects them, ends, and
# leaves no finished worker behind for init; a plain busy loop is stopped directly.
load_pids=()
stop_load() {
  for pid in "${load_pids[@]}"; do
    workers=$(ps -o pid= --ppid "$pid" 2>/dev/null || true)
    # shellcheck disable=SC2086
    if [ -n "$workers" ]; then kill -TERM $workers 2>/dev/null || true; else kill -TERM "$pid" 2>/dev/null || true; fi
  done
  for pid in "${load_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  load_pids=()
}
trap stop_load EXIT
trap 'exit 130' INT TERM

if command -v stress >/dev/null; then
  stress --cpu "$load" >/dev/null 2>&1 &
  load_pids+=($!)
  echo "stress-test: load from stress --cpu $load"
else
  for _ in $(seq "$load"); do
    yes >/dev/null &
    load_pids+=($!)
  done
  echo "stress-test: load from $load busy 'yes' processes (stress is not installed)"
fi

failed=0
summary=()
for round in $(seq "$rounds"); do
  echo "stress-test: round $round of $rounds"
  start=$(date +%s)
  if (cd "$build" && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j"$jobs"); then
    result=passed
  else
    result=FAILED
    failed=1
  fi
  summary+=("round $round: $result in $(($(date +%s) - start)) s")
done

stop_load
printf 'stress-test: %s\n' "${summary[@]}"
exit "$failed"
