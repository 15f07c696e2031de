#!/bin/sh
# Builds all three builds and runs every test:
#   native       unit tests of the portable code, then again under AddressSanitizer and UBSan
#   win32        static checks of the 32-bit release Korvale.exe
#   set-up       tools/with-wine.sh itself: exit statuses, signals, nothing left behind
#   win64        static checks, Windows tests and end-to-end tests of the 64-bit build under Wine
#   32-bit       the same Windows and end-to-end suites against the 32-bit release programs, in an
#                emulated machine with 32-bit Wine (tools/test-win32.sh; KORVALE_SKIP_32BIT=1
#                skips it for a quick local run)
# Installs what it needs first. Leaves screenshots of the main window and of the information
# window in build/win64/.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

for preset in native native-asan win32 win64; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset native-asan
ctest --preset win32
sh tests/setup/check-with-wine.sh
HOME=$PWD/build/win64/home/null-alsa tools/with-wine.sh sh -c '
  ctest --preset win64 &&
  tools/screenshot.sh build/win64/bin/Korvale.exe Form1 build/win64/main-window.png &&
  tools/screenshot.sh build/win64/bin/Korvale.exe Form1 build/win64/info-window.png \
    "$WINE" build/win64/bin/KorvalePilot.exe open-info'
tools/test-win32.sh
