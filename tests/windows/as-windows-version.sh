#!/bin/sh
# Runs a Windows program under Wine with Wine pretending to be another Windows version for that
# program only (an AppDefaults entry of the running prefix), then removes the setting:
#   as-windows-version.sh <wine> <version: win98, nt40, win2k, winxp, win7, ...> <program.exe> [arguments...]
set -u
wine=$1
version=$2
program=$3
shift 3
key="HKCU\\Software\\Wine\\AppDefaults\\$(basename "$program")"
"$wine" reg add "$key" /v Version /d "$version" /f >/dev/null 2>&1 || { echo "cannot set $key"; exit 1; }
"$wine" "$program" "$@"
status=$?
"$wine" reg delete "$key" /f >/dev/null 2>&1
exit $status
