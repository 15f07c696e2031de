#!/bin/sh
# Checks that the release is reproducible: builds it a second time from a copy of the sources in
# another folder, under another umask, and compares the zips, byte for byte, with those of
# build/release/ (made by tools/release.sh before this runs):
#   check-reproducible.sh
set -u
cd "$(dirname "$0")/../.." || exit 1
[ -s build/release/SHA256SUMS ] || { echo "FAIL: no release in build/release (tools/release.sh)"; exit 1; }
scratch=$(mktemp -d "${TMPDIR:-/tmp}/korvale-reproduce.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
tar --exclude=./build -cf - . | tar -xf - -C "$scratch"
if ! (umask 077 && cd "$scratch" && tools/release.sh) >"$scratch.log" 2>&1; then
  echo "FAIL: the second release build failed:"
  cat "$scratch.log"
  rm -f "$scratch.log"
  exit 1
fi
rm -f "$scratch.log"
failed=0
for zip in build/release/*.zip; do
  if cmp -s "$zip" "$scratch/$zip"; then
    echo "ok:   $(basename "$zip") is the same, byte for byte, built in $scratch under umask 077"
  else
    echo "FAIL: $(basename "$zip") differs when built in another folder, under another umask"
    failed=1
  fi
done
exit $failed
