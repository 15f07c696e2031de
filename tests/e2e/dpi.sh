#!/bin/sh
# Both windows at the DPIs of today's screens (the end-to-end tests' DPI tests), in a Wine prefix of
# their own, as they set the display's DPI for every program started there; on a screen as large at
# 200 percent as the usual one at 100. Then the main window with Wine pretending to be Windows XP
# to Korvale.exe alone:
#   dpi.sh <wine> <EndToEndTests.exe>
set -u
here=$(dirname "$0")
[ "${1:-}" = --in-prefix ] ||
  KORVALE_SCREEN=2048x1536 exec "$here/../../tools/with-wine.sh" sh "$0" --in-prefix "$@"
shift
wine=$1
tests=$2
status=0
"$wine" "$tests" --gtest_filter='Dpi/*' || status=1
sh "$here/../windows/as-windows-version.sh" "$wine" winxp Korvale.exe \
  "$wine" "$tests" --gtest_filter='*OnWindowsXp' || status=1
exit $status
