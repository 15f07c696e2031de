#!/bin/sh
# Builds Korvale (the 32-bit release program and the 64-bit one) and opens the 64-bit one under
# Wine. Installs what it needs first. Without a display (no DISPLAY set) it runs Korvale on a
# private virtual display instead and saves a screenshot, whose path it prints.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

# The build holds build/.lock, as tools/test.sh and tools/release.sh do (see tools/build-lock.sh);
# Korvale's own run does not.
# shellcheck disable=SC2016 # the inner shell's variables
build='for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Korvale
done'
mkdir -p build
if [ -n "${KORVALE_BUILD_LOCK:-}" ]; then sh -ec "$build"; else flock -o build/.lock sh -ec "$build"; fi
echo "Built build/win32/bin/Korvale.exe (32-bit release) and build/win64/bin/Korvale.exe"

if [ -z "${DISPLAY:-}" ]; then
  tools/with-wine.sh tools/screenshot.sh build/win64/bin/Korvale.exe Form1 "$PWD/build/korvale.png"
  exit 0
fi
# On a desktop: a Wine prefix of Korvale's own, so the user's ~/.wine stays as it is.
# shellcheck source=tools/wine-env.sh
. tools/wine-env.sh
export WINEPREFIX="${WINEPREFIX:-$PWD/build/wine-prefix}"
export WINEDLLOVERRIDES="$KORVALE_WINEDLLOVERRIDES"
export WINEDEBUG="${WINEDEBUG:--all}"
exec "$(command -v wine64 || echo /usr/lib/wine/wine64)" build/win64/bin/Korvale.exe
