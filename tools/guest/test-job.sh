#!/bin/sh
# The 32-bit layer inside the emulated guest (handed in by tools/test-win32.sh as the job's
# run.sh, beside tree.tar and source-dir): unpacks the project's test tree at the path it has on
# the host, then in one Wine environment, on a copy of the prefix made when the image was built:
# checks that 32-bit code runs, and runs the 32-bit build's Windows and end-to-end suites.
set -u
if [ "${1:-}" != --inside ]; then
  started=$(date +%s)
  source_dir=$(cat /job/source-dir)
  tar -xf /job/tree.tar -C /
  cd "$source_dir" || exit 125
  export KORVALE_WINE_PREFIX_TEMPLATE=/root/prefix TMPDIR=/var/tmp
  tools/with-wine.sh sh tools/guest/test-job.sh --inside
  status=$?
  echo "test-job: the 32-bit suites ended with status $status after $(( $(date +%s) - started )) s"
  exit $status
fi

build=build/win32-tests
wine32=/usr/lib/wine/wine
failed=0

# Proof that the programs ran as 32-bit code: the loader is a 32-bit ELF program, and it loads the
# executable and the system's kernel32.dll at 32-bit addresses (8 hex digits; a 64-bit process
# shows 16).
started=$(date +%s)
WINEDEBUG=+loaddll "$wine32" "$build/bin/KorvaleReport.exe" --help >/dev/null 2>/results/loaddll.log
if grep -q 'Loaded L".*KorvaleReport\.exe" at [0-9A-Fa-f]\{8\}:' /results/loaddll.log &&
  grep -qi 'Loaded L"C:\\\\windows\\\\system32\\\\kernel32\.dll" at [0-9A-Fa-f]\{8\}:' /results/loaddll.log &&
  [ "$(od -An -tx1 -j4 -N1 "$wine32" | tr -d ' ')" = 01 ]; then
  echo "ok:   32-bit code ran: $(grep -o 'KorvaleReport\.exe" at [0-9A-Fa-f]*' /results/loaddll.log)," \
    "and kernel32.dll at 8-digit addresses, loader $wine32 is a 32-bit ELF program"
else
  echo "FAIL: no proof that 32-bit code ran; the loader's log:"
  head -20 /results/loaddll.log
  failed=1
fi
echo "test-job: the proof took $(( $(date +%s) - started )) s"

# The suites, as on the host, but for the static checks (made on the host) and the soak (a
# thousand cycles would take hours under emulation).
started=$(date +%s)
ctest --test-dir "$build" --output-on-failure -E '^static\.|soak' || failed=1
echo "test-job: the suites took $(( $(date +%s) - started )) s"
exit $failed
