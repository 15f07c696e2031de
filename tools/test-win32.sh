#!/bin/sh
# The 32-bit layer: the 32-bit release programs run for real. These machines refuse 32-bit code, so
# they run in an emulated x86_64 guest with 32-bit Wine (tools/guest-image.sh, tools/guest-run.sh):
# the Windows tests and the end-to-end tests built for i686 (posix threads, as GoogleTest needs),
# against the release Korvale.exe and KorvaleReport.exe (win32 threads), in one guest boot and
# one Wine prefix, with Windows XP among the versions Wine is set to. As root:
#   tools/test-win32.sh
# KORVALE_SKIP_32BIT=1 skips the layer, for a quick local run; CI never sets it.
set -eu
cd "$(dirname "$0")/.."
if [ -n "${KORVALE_SKIP_32BIT:-}" ]; then
  echo "test-win32: the 32-bit layer is skipped (KORVALE_SKIP_32BIT is set)"
  exit 0
fi
sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo # mmdebstrap builds the guest's root as root
started=$(date +%s)
tools/install-deps.sh guest
$sudo tools/guest-image.sh
for preset in win32 win32-tests; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

# The project's test tree at the same absolute path in the guest, as ctest's files name it: the
# scripts, the JSON report's schema, and the 32-bit test build's lists, homes and programs, with
# the release programs in place of the test build's own.
job=$(mktemp -d "${TMPDIR:-/tmp}/korvale-job.XXXXXX")
trap 'rm -rf "$job"' EXIT
tree=$job/tree$PWD
build=build/win32-tests
mkdir -p "$tree/$build" "$tree/docs"
cp -R tools tests "$tree/"
cp docs/report.schema.json "$tree/docs/"
cp -R "$build/bin" "$build/home" "$tree/$build/"
find "$build" -name CTestTestfile.cmake | while read -r list; do
  mkdir -p "$tree/$(dirname "$list")"
  cp "$list" "$tree/$list"
done
cp build/win32/bin/Korvale.exe build/win32/bin/KorvaleReport.exe "$tree/$build/bin/"
tar -cf "$job/tree.tar" -C "$job/tree" .
rm -rf "$job/tree"
cp tools/guest/test-job.sh "$job/run.sh"
echo "$PWD" >"$job/source-dir"

status=0
tools/guest-run.sh "$job" "$build/guest-results" || status=$?
echo "test-win32: the 32-bit layer took $(( $(date +%s) - started )) s in all (status $status)"
exit $status
