#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test against the real windows
# (Qt's offscreen platform, SDL's dummy audio driver); builds the .deb and plays the demo with the
# program it installs; then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and every fuzz target for a short while.
#   TALUVIN_FUZZ_SECONDS  seconds per fuzz target (default 20; 0 skips fuzzing)
#   TALUVIN_SANITIZE=0    skips the sanitizer suite and the fuzzing
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bash "$here/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

cmake -S "$here" -B "$here/build" -G Ninja
cmake --build "$here/build"
(cd "$here/build" && ctest --output-on-failure -j2)

# The package as a user gets it: built, unpacked into an empty root, and the program found there
# playing the installed demo's walkthrough headless on a fresh copy, leaving the installed demo as
# it was.
rm -f "$here"/build/taluvin_*.deb
(cd "$here/build" && cpack -G DEB >/dev/null)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$here"/build/taluvin_*.deb "$root/tree"
dpkg-deb -f "$here"/build/taluvin_*.deb Depends
demo="$root/tree/usr/share/taluvin/games/demo"
listDemo() { (cd "$demo" && find . -type f -exec md5sum {} + | sort); }
listDemo >"$root/before"
XDG_DATA_HOME="$root/data" XDG_CONFIG_HOME="$root/config" \
  "$root/tree/usr/bin/taluvin" "$demo" --fresh --headless --replay "$demo/walkthrough.replay"
listDemo | cmp -s - "$root/before" || { echo "the installed demo was changed by playing it" >&2; exit 1; }
echo "the installed package played the demo's walkthrough"

[ "${TALUVIN_SANITIZE:-1}" = 0 ] && exit 0

# A sanitizer finding stops the process at once, so the test that caused it fails.
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp"
cmake -S "$here" -B "$here/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTALUVIN_SANITIZE=ON -DTALUVIN_BENCH=OFF
cmake --build "$here/build-asan"
(cd "$here/build-asan" && ctest --output-on-failure -j2)

seconds="${TALUVIN_FUZZ_SECONDS:-20}"
[ "$seconds" = 0 ] && exit 0
# A fixed seed makes a CI finding repeatable from the log. The full report of a finding is printed;
# a clean run prints its final statistics only.
for target in "$here"/fuzz/corpus/*/; do
  name=$(basename "$target")
  log="$here/build-fuzz/$name.log"
  mkdir -p "$here/build-fuzz"
  echo "fuzzing $name for $seconds s"
  if ! bash "$here/scripts/fuzz.sh" "$name" "$seconds" -seed=1 >"$log" 2>&1; then
    grep -a -v "^QStandardPaths" "$log" || true
    echo "fuzz target $name found a fault; the input is in build-fuzz/findings/$name/" >&2
    exit 1
  fi
  grep -a -E "^(Done|stat::number_of_executed_units|stat::peak_rss_mb)" "$log" || true
done
