#!/bin/sh
# Builds the release packages into build/release/:
#   Korvale-<version>-win32.zip   the 32-bit Korvale.exe and KorvaleReport.exe (the release users
#                                 get), README.txt and SHA256SUMS of the three
#   Korvale-<version>-win64.zip   the same for 64-bit Windows
#   SHA256SUMS                    of the two zips, to check a download against
# Two builds of the same commit give the same bytes, wherever they are built: the programs carry
# no time stamp and no build path, and the zips list their files in one order with the commit's
# time. Usage: tools/release.sh
set -eu
cd "$(dirname "$0")/.."
# shellcheck source=tools/build-lock.sh
. tools/build-lock.sh
tools/install-deps.sh

# Every file's time: the commit's, or SOURCE_DATE_EPOCH's when it is set (the reproducible-builds
# convention); 1980-01-01, the first time a zip can hold, outside a Git checkout.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 315532800)}

out=build/release
rm -rf "$out"
mkdir -p "$out"
for bits in 32 64; do
  preset=win$bits
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target Korvale KorvaleReport
  version=$(cat "build/$preset/generated/version.txt") # as the build gives it to the programs
  package=Korvale-$version-win$bits
  mkdir "$out/$package"
  cp "build/$preset/bin/Korvale.exe" "build/$preset/bin/KorvaleReport.exe" "$out/$package/"
  sed 's/$/\r/' docs/README.txt >"$out/$package/README.txt" # Windows line ends
  (cd "$out/$package" && sha256sum Korvale.exe KorvaleReport.exe README.txt >SHA256SUMS)
  # The zip keeps Unix mode bits: set them, so that no umask shows in the bytes.
  chmod 0755 "$out/$package"
  chmod 0644 "$out/$package"/*
  touch -d "@$epoch" "$out/$package" "$out/$package"/*
  (cd "$out" && TZ=UTC zip -q -X -D "$package.zip" "$package/Korvale.exe" "$package/KorvaleReport.exe" \
    "$package/README.txt" "$package/SHA256SUMS")
  rm -rf "${out:?}/$package"
done
(cd "$out" && sha256sum "Korvale-$version-win32.zip" "Korvale-$version-win64.zip" >SHA256SUMS)
echo "release: $out"
(cd "$out" && cat SHA256SUMS)
