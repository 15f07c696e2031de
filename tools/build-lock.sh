# shellcheck shell=sh
# Sourced, from the clone's top folder, by the scripts that build and then use what they built
# (tools/test.sh, tools/release.sh): one at a time in a clone. Two at once would write the same
# build tree, and a library cut short there counts as up to date for good. The script runs again
# under flock, which holds build/.lock until it ends and passes it on to nothing it starts; what
# it starts sees KORVALE_BUILD_LOCK and does not wait for itself. A second one waits.
[ -n "${KORVALE_BUILD_LOCK:-}" ] || {
  mkdir -p build
  KORVALE_BUILD_LOCK=1 exec flock -o build/.lock "$PWD/tools/${0##*/}" "$@"
}
