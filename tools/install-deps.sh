#!/bin/sh
# Installs the Debian packages that building and testing Korvale need, once: when every package
# is already there it changes nothing and asks the network nothing:
#   tools/install-deps.sh [guest]
# 64-bit Wine only: these machines run no 32-bit code. With "guest", also what the 32-bit layer
# needs: QEMU and mmdebstrap, which build and boot an emulated machine that has 32-bit Wine inside
# (the host never gets the i386 architecture), and the i686 compilers of the posix thread model.
set -eu

packages="cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 fonts-wine fonts-ipafont-gothic fonts-liberation xvfb x11-utils imagemagick locales
  clang-format shellcheck zip jq python3-jsonschema pulseaudio pulseaudio-utils
  clang libfuzzer-14-dev nlohmann-json3-dev"
[ "${1:-}" != guest ] || packages="$packages qemu-system-x86 mmdebstrap e2fsprogs
  g++-mingw-w64-i686-posix"

sudo=
[ "$(id -u)" -eq 0 ] || sudo=sudo

missing=
for package in $packages; do
  dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' \
    || missing="$missing $package"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  $sudo apt-get update
  # shellcheck disable=SC2086 # $sudo may be empty, $missing is a list of words
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

# A German locale, whose decimal comma the JSON report must not pick up.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
