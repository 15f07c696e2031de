#!/bin/sh
# Checks that the release is reproducible: builds it a second time from a copy of the sources in
# another folder, under another umask, and compares the zips, byte for byte, with those of
# build/release/ (made by tools/release.sh before this runs). Checks too that the zips name the
# commit (in their comment, README.txt and Korvale.exe) and that changed sources are refused:
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

# The commit, as tools/release.sh names it: in each zip's comment, in its README.txt, and in its
# Korvale.exe's version resource (as UTF-16).
commit=unknown
[ ! -e .git ] || commit=$(git rev-parse HEAD)
hex() { od -An -tx1 -v | tr -d ' \n'; }
commit_hex=$(printf '%s' "$commit" | iconv -f UTF-8 -t UTF-16LE | hex)
for zip in build/release/*.zip; do
  name=$(basename "$zip")
  for part in comment README.txt Korvale.exe; do
    case $part in
      comment) unzip -z "$zip" | grep -q "built from commit $commit" ;;
      README.txt) unzip -p "$zip" '*/README.txt' | grep -q "built from commit $commit" ;;
      Korvale.exe) case $(unzip -p "$zip" '*/Korvale.exe' | hex) in *"$commit_hex"*) ;; *) false ;; esac ;;
    esac || {
      echo "FAIL: $name: the $part does not name commit $commit"
      failed=1
    }
  done
done
[ $failed -eq 0 ] && echo "ok:   the zips name commit $commit in their comment, README.txt and Korvale.exe"

# Changed sources are refused, before anything is built, unless asked for.
echo "a change" >>"$scratch/docs/README.txt"
if (cd "$scratch" && env -u KORVALE_RELEASE_DIRTY tools/release.sh) >"$scratch.log" 2>&1; then
  echo "FAIL: a release was built from changed sources"
  failed=1
elif ! grep -q "release: refused" "$scratch.log"; then
  echo "FAIL: a release from changed sources failed without saying why:"
  cat "$scratch.log"
  failed=1
else
  echo "ok:   a release from changed sources is refused"
fi
rm -f "$scratch.log"
exit $failed
