#!/bin/sh
# Measures how long Korvale.exe (64-bit, under Wine) takes to show a working main window, next to
# a floor program with the same ingredients (bench/FloorWindow.cpp) and a bare Win32 window, the
# three started in turn in one run:  tools/measure-startup.sh [runs]
set -eu
cd "$(dirname "$0")/.."
runs=${1:-20}
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target StartupTimer
HOME=$PWD/build/win64/home/null-alsa tools/with-wine.sh \
  sh -c "\"\$WINE\" build/win64/bin/StartupTimer.exe $runs Korvale.exe FloorWindow.exe MinimalWindow.exe"
