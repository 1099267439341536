#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (in build-fuzz) and runs one on its corpus for a while:
#   scripts/fuzz.sh NAME SECONDS [libFuzzer options...]
# NAME is a folder of fuzz/corpus (script, settings, registers, objects, vocabulary, journal, png, jpeg, gif,
# bmp, replay, stamps, slots, volume, display, check, explain, webpage, sound, names, archive). New inputs the fuzzer finds go to build-fuzz/corpus/NAME, never into the repository; a
# finding is written to build-fuzz/findings/NAME and ends the run with a non-zero status.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh NAME SECONDS [libFuzzer options...]" >&2
  echo "targets: $(ls "$here/fuzz/corpus" | tr '\n' ' ')" >&2
  exit 2
fi
name=$1
seconds=$2
shift 2
seeds="$here/fuzz/corpus/$name"
if [ ! -d "$seeds" ]; then
  echo "fuzz.sh: no target '$name' (targets: $(ls "$here/fuzz/corpus" | tr '\n' ' '))" >&2
  exit 2
fi

build="${TALUVIN_FUZZ_BUILD:-$here/build-fuzz}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
mkdir -p "$build"
buildLog="$build/fuzz-build.log"
# The build's output is shown only when it fails, so the fuzzer's lines stay readable.
if ! { [ -f "$build/CMakeCache.txt" ] || cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
         -DCMAKE_CXX_COMPILER=clang++ -DTALUVIN_FUZZ=ON -DTALUVIN_TESTS=OFF -DTALUVIN_BENCH=OFF "${launcher[@]}"; } \
     >"$buildLog" 2>&1 || ! cmake --build "$build" --target "fuzz_$name" -- -j2 >>"$buildLog" 2>&1; then
  cat "$buildLog" >&2
  echo "fuzz.sh: building fuzz_$name failed" >&2
  exit 1
fi

corpus="$build/corpus/$name"
findings="$build/findings/$name"
mkdir -p "$corpus" "$findings"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
# One input that runs for 30 s is a hang: the targets give any script up after about a second.
# Output of the program itself (Qt's notes, the headless player's messages) is dropped so the
# fuzzer's own lines and a finding's report stay readable.
cd "$findings"
exec "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=30 \
  -close_fd_mask=1 -print_final_stats=1 -artifact_prefix="$findings/" "$@" "$corpus" "$seeds"
