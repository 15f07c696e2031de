#!/bin/sh
# Both windows at the DPIs of today's screens (the end-to-end tests' DPI tests), each DPI in a
# Wine prefix of its own whose display is set to it before any program runs there (a DPI changed
# later does not reliably reach the programs started after: the 32-bit Wine kept the first); on a
# screen as large at 200 percent as the usual one at 100. Then the DPI changes, at 96 DPI, and the
# main window at 144 DPI with Wine pretending to be Windows XP to Korvale.exe alone:
#   dpi.sh <wine> <EndToEndTests.exe>
set -u
here=$(dirname "$0")
wine=$1
tests=$2
status=0

# run <DPI> <command...>: the command in a fresh prefix whose display is at DPI.
run() {
  # shellcheck disable=SC2016 # the inner shell's variables
  KORVALE_SCREEN=2048x1536 "$here/../../tools/with-wine.sh" sh -c '
    "$WINE" reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$1" /f \
      >/dev/null 2>&1 || { echo "dpi.sh: the display DPI could not be set"; exit 1; }
    shift
    "$@"' sh "$@" || status=1
}

index=0
for dpi in 96 120 144 192; do # the order of kScreenDpis
  run "$dpi" "$wine" "$tests" --gtest_filter="Dpi/*StartsAt/$index:Dpi/*OpensAt/$index"
  index=$((index + 1))
done
run 96 "$wine" "$tests" --gtest_filter='Dpi/*DpiChanges/*'
run 144 sh "$here/../windows/as-windows-version.sh" "$wine" winxp Korvale.exe \
  "$wine" "$tests" --gtest_filter='*OnWindowsXp'
exit $status
