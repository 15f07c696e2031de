#!/bin/sh
# The house style, checked: every C++ file laid out as .clang-format says, every shell script
# clean under ShellCheck.
#   check-style.sh
set -u
cd "$(dirname "$0")/../.." || exit 1
failed=0

sources=$(find app audio bench info mixer platform tests -name '*.cpp' -o -name '*.h' | sort)
# shellcheck disable=SC2086 # a list of paths without blanks
if clang-format --dry-run -Werror $sources; then
  echo "ok:   $(echo "$sources" | wc -l) C++ files laid out as .clang-format says"
else
  echo "FAIL: the files above differ from .clang-format's layout (clang-format -i to mend)"
  failed=1
fi

scripts=$(find tools tests -name '*.sh' | sort)
# shellcheck disable=SC2086
if shellcheck -x $scripts .ci/run; then
  echo "ok:   $(echo "$scripts" | wc -l) shell scripts and .ci/run clean under ShellCheck"
else
  echo "FAIL: ShellCheck's findings above"
  failed=1
fi
exit $failed
