#!/bin/sh
# Runs a command with Wine pretending to be another Windows version for one program only (an
# AppDefaults entry of the running prefix), then removes the setting:
#   as-windows-version.sh <wine> <version: win98, nt40, win2k, winxp, win7, ...> <program.exe> <command...>
# <program.exe> is the file name of the program that is to see that version; <command> runs it,
# directly or through a script.
set -u
wine=$1
version=$2
program=$3
shift 3
key="HKCU\\Software\\Wine\\AppDefaults\\$program"
"$wine" reg add "$key" /v Version /d "$version" /f >/dev/null 2>&1 || { echo "cannot set $key"; exit 1; }
"$@"
status=$?
"$wine" reg delete "$key" /f >/dev/null 2>&1
exit $status
