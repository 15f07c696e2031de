#!/bin/sh
# Builds the release packages into build/release/:
#   Korvale-<version>-win32.zip   the 32-bit Korvale.exe and KorvaleReport.exe (the release users
#                                 get), README.txt and SHA256SUMS of the three
#   Korvale-<version>-win64.zip   the same for 64-bit Windows
#   SHA256SUMS                    of the two zips, to check a download against
# Two builds of the same commit give the same bytes, wherever they are built: the programs carry
# no time stamp and no build path, and the zips list their files in one order with the commit's
# time. The zips' comment, README.txt and Korvale.exe's version resource ("Comment") name the
# commit. A tree with uncommitted changes to tracked files is refused, as is a tree outside a Git
# checkout (whose commit is unknown), unless KORVALE_RELEASE_DIRTY=1: then the zips' names and
# the commit are marked "-dirty". Usage: [KORVALE_RELEASE_DIRTY=1] tools/release.sh
set -eu
cd "$(dirname "$0")/.."
# shellcheck source=tools/build-lock.sh
. tools/build-lock.sh

# The commit, checked before anything is built. Only the clone's own .git counts, not that of a
# repository the sources were unpacked in. GIT_OPTIONAL_LOCKS=0: looking does not rewrite the
# index, which a copy of a worktree shares with it (as the reproducibility check makes one).
commit=unknown
changes="the sources are not a Git checkout, so no commit can be named"
if [ -e .git ]; then
  commit=$(git rev-parse --verify HEAD)
  changes=$(GIT_OPTIONAL_LOCKS=0 git status --porcelain --untracked-files=no)
  [ -z "$changes" ] || changes="uncommitted changes to tracked files:
$changes"
fi
dirty=
if [ -n "$changes" ]; then
  if [ "${KORVALE_RELEASE_DIRTY:-}" != 1 ]; then
    echo "release: refused: $changes" >&2
    echo "release: a release must be built from a commit, to be traced to it; commit the changes," \
      "or set KORVALE_RELEASE_DIRTY=1 for packages marked \"-dirty\"" >&2
    exit 1
  fi
  dirty=-dirty
fi
source_commit=$commit$dirty
tools/install-deps.sh

# Every file's time: the commit's, or SOURCE_DATE_EPOCH's when it is set (the reproducible-builds
# convention); 1980-01-01, the first time a zip can hold, outside a Git checkout.
epoch=315532800
[ "$commit" = unknown ] || epoch=$(git log -1 --format=%ct)
epoch=${SOURCE_DATE_EPOCH:-$epoch}

out=build/release
rm -rf "$out"
mkdir -p "$out"
for bits in 32 64; do
  preset=win$bits
  # CMake puts the commit in the version resource (and again should the build configure anew).
  KORVALE_SOURCE_COMMIT=$source_commit cmake --preset "$preset" >/dev/null
  KORVALE_SOURCE_COMMIT=$source_commit cmake --build --preset "$preset" --target Korvale KorvaleReport
  version=$(cat "build/$preset/generated/version.txt") # as the build gives it to the programs
  package=Korvale-$version$dirty-win$bits
  mkdir "$out/$package"
  cp "build/$preset/bin/Korvale.exe" "build/$preset/bin/KorvaleReport.exe" "$out/$package/"
  { cat docs/README.txt && printf '\nThis release is built from commit %s.\n' "$source_commit"; } |
    sed 's/$/\r/' >"$out/$package/README.txt" # Windows line ends
  (cd "$out/$package" && sha256sum Korvale.exe KorvaleReport.exe README.txt >SHA256SUMS)
  # The zip keeps Unix mode bits: set them, so that no umask shows in the bytes.
  chmod 0755 "$out/$package"
  chmod 0644 "$out/$package"/*
  touch -d "@$epoch" "$out/$package" "$out/$package"/*
  printf 'Korvale %s for %s-bit Windows, built from commit %s\n' "$version" "$bits" "$source_commit" |
    (cd "$out" && TZ=UTC zip -q -X -D -z "$package.zip" "$package/Korvale.exe" \
      "$package/KorvaleReport.exe" "$package/README.txt" "$package/SHA256SUMS")
  rm -rf "${out:?}/$package"
done
(cd "$out" && sha256sum "Korvale-$version$dirty-win32.zip" "Korvale-$version$dirty-win64.zip" >SHA256SUMS)
echo "release: $out"
(cd "$out" && cat SHA256SUMS)
