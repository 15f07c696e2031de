#!/bin/sh
# Checks that the scripts that build take turns in a clone (tools/build-lock.sh): in a copy of
# tools/, with the copy's build lock held, tools/release.sh and tools/test.sh are still waiting
# after two seconds, having done nothing.
set -u
cd "$(dirname "$0")/../.." || exit 1
scratch=$(mktemp -d)
holder=
trap '[ -z "$holder" ] || kill "$holder" 2>/dev/null; rm -rf "$scratch"' EXIT
cp -R tools "$scratch/"
cd "$scratch" || exit 1
mkdir build
flock build/.lock sleep 30 &
holder=$!
sleep 0.5
failed=0
for script in release.sh test.sh; do
  env -u KORVALE_BUILD_LOCK timeout 2 "tools/$script" >out 2>&1
  status=$?
  if [ $status -eq 124 ] && [ ! -s out ]; then
    echo "ok:   tools/$script waits while another build holds the lock"
  else
    echo "FAIL: tools/$script did not wait for the lock (exit $status): $(cat out)"
    failed=1
  fi
done
exit $failed
