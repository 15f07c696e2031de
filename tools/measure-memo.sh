#!/bin/sh
# Measures how long the text boxes take to show reports, under Wine: a 1,000-line report, and the
# first and last of many presses:  tools/measure-memo.sh
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target MemoBenchmark
# shellcheck disable=SC2016 # $WINE is the inner shell's, set by with-wine.sh
tools/with-wine.sh sh -c '"$WINE" build/win64/bin/MemoBenchmark.exe'
