#!/usr/bin/env bash
# Installs every Debian package that building, testing and playing Taluvin needs.
# Only what is missing is installed, so a second run costs a few seconds.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  qt6-speech-dev qt6-speech-flite-plugin qt6-speech-speechd-plugin  # speech; Flite needs no service
  qt6-declarative-dev  # the speech module's header includes QtQmlIntegration's, which only this ships
  qt6-base-private-dev  # full screen changes Qt's scale factor at run time (src/present/stage_fit.cpp)
  qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease: the player's words in other languages (translations/)
  libsdl2-dev libsdl2-mixer-dev
  libsdl2-mixer-2.0-0  # the player opens this library itself at the first sound, so it is named here
  timgm6mb-soundfont  # the General MIDI soundfont MIDI music plays through
  sox libsox-fmt-base libsox-fmt-mp3  # the tests make their Ogg and MP3 music with it
  libpng-dev libjpeg62-turbo-dev libgif-dev
  libarchive-dev  # unpacking zipped games
  desktop-file-utils appstream  # the install tests validate the desktop entry and the metainfo with them
  dpkg-dev file  # cpack's .deb: dpkg-shlibdeps finds the libraries the program links
  libgtest-dev libgmock-dev googletest libbenchmark-dev liblua5.4-dev
  fonts-liberation2 fonts-dejavu-core
  clang libclang-rt-14-dev  # the fuzz targets: clang and its libFuzzer runtime
  python3
  xvfb xdotool openbox imagemagick  # the checks on a real X server (tests/x11)
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y --no-install-recommends "${missing[@]}"
fi
