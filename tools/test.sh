#!/bin/sh
# Builds every build and runs every test:
#   style        C++ layout (clang-format) and shell scripts (ShellCheck)
#   native       unit tests of the portable code, then again under AddressSanitizer and UBSan
#   fuzz         the fuzz targets (clang, libFuzzer): each replays its committed corpus, then runs
#                for 20 s from a scratch copy of it (tests/fuzz/; tools/fuzz.sh runs them longer)
#   win32        static checks of the 32-bit release Korvale.exe
#   set-up       tools/with-wine.sh itself: exit statuses, signals, nothing left behind; and the
#                build lock (tools/build-lock.sh) that makes builds in one clone take turns
#   win64        static checks, Windows tests and end-to-end tests of the 64-bit build under Wine
#   release      the release zips (tools/release.sh), built twice in two folders: the same bytes
#   32-bit       the same Windows and end-to-end suites against the 32-bit release programs, in an
#                emulated machine with 32-bit Wine (tools/test-win32.sh; KORVALE_SKIP_32BIT=1
#                skips it for a quick local run)
# Installs what it needs first. Leaves screenshots of the main window and of the information
# window in build/win64/, at 96 DPI and at 144.
set -eu
cd "$(dirname "$0")/.."
# shellcheck source=tools/build-lock.sh
. tools/build-lock.sh
tools/install-deps.sh
sh tests/static/check-style.sh

for preset in native native-asan fuzz win32 win64; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset native-asan
ctest --preset fuzz
ctest --preset win32
sh tests/setup/check-with-wine.sh
sh tests/setup/check-build-lock.sh
# shellcheck disable=SC2016 # $WINE is the inner shell's, set by with-wine.sh
HOME=$PWD/build/win64/home/null-alsa tools/with-wine.sh sh -c '
  ctest --preset win64 &&
  tools/screenshot.sh build/win64/bin/Korvale.exe Form1 build/win64/main-window.png &&
  tools/screenshot.sh build/win64/bin/Korvale.exe Form1 build/win64/info-window.png \
    "$WINE" build/win64/bin/KorvalePilot.exe open-info'
# The same at 144 DPI (150 percent), on a screen as much larger.
# shellcheck disable=SC2016
KORVALE_SCREEN=1536x1152 KORVALE_DPI=144 tools/with-wine.sh sh -c '
  tools/screenshot.sh build/win64/bin/Korvale.exe Form1 build/win64/main-window-144dpi.png &&
  tools/screenshot.sh build/win64/bin/Korvale.exe Form1 build/win64/info-window-144dpi.png \
    "$WINE" build/win64/bin/KorvalePilot.exe open-info'
# Work in progress is tested too: its release zips are marked "-dirty" (a published release comes
# from tools/release.sh alone, which refuses it).
KORVALE_RELEASE_DIRTY=1 tools/release.sh
KORVALE_RELEASE_DIRTY=1 sh tests/static/check-reproducible.sh
tools/test-win32.sh
