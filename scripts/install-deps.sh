#!/usr/bin/env bash
# Installs what a fresh Debian or Ubuntu machine lacks to build and test the panel.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have ninja || need+=(ninja-build)
have g++ || need+=(g++)
have clang++ || need+=(clang)
have x86_64-w64-mingw32-g++ || need+=(g++-mingw-w64-x86-64)
have x86_64-w64-mingw32-gcc || need+=(gcc-mingw-w64-x86-64)
have wine || need+=(wine wine64)
have Xvfb || need+=(xvfb)
have xauth || need+=(xauth)
have xdpyinfo || need+=(x11-utils)
have xdotool || need+=(xdotool)
have import || need+=(imagemagick)
have python3 || need+=(python3)
have chmcmd || need+=(fp-utils)
have wixl || need+=(wixl)
have msibuild || need+=(msitools)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
# GoogleTest's sources, built with mingw-w64 for the unit tests under Wine.
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
[ -f /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf ] || need+=(fonts-ipafont-gothic)

if [ ${#need[@]} -gt 0 ]; then
  echo "installing: ${need[*]}"
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${need[@]}" >/dev/null
fi
