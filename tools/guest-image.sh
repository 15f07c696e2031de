#!/bin/sh
# Builds the emulated guest in which the 32-bit Korvale runs: an x86_64 Debian 12 root with 32-bit
# Wine beside 64-bit Wine, made from Debian's packages by mmdebstrap (which sets up the i386
# packages inside its own root: the host never gets the i386 architecture or wine32), and a Wine
# prefix made once inside the running guest. As root:
#   tools/guest-image.sh
# The image lives in a cache folder outside the work tree, $KORVALE_GUEST_CACHE (by default
# /var/cache/korvale-guest): root.img, vmlinuz, initrd.img, and the .deb files for the next
# build. A stamp of this recipe (the package list, the guest's own scripts and the Wine
# environment its prefix is made in, tools/wine-env.sh) decides whether the image is built again;
# with an up-to-date image the script does nothing.
set -eu
cd "$(dirname "$0")/.."
cache=${KORVALE_GUEST_CACHE:-/var/cache/korvale-guest}
mirror=${KORVALE_GUEST_MIRROR:-http://deb.debian.org/debian}

# What Wine needs to run both kinds of program on an X display of its own, with ALSA's null
# device or a PulseAudio server of the test's own; the X extensions Wine's X11 driver loads, in
# both architectures; ctest to run the suites; jq and python3-jsonschema to check the JSON
# report; and a kernel with its initrd.
x11_libraries="libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3"
packages="linux-image-cloud-amd64 initramfs-tools mount procps util-linux
  wine wine64 libwine wine32:i386 libwine:i386 libasound2 libasound2:i386
  pulseaudio pulseaudio-utils libpulse0 libpulse0:i386
  fonts-wine fonts-liberation fonts-ipafont-gothic xvfb x11-utils cmake jq python3-jsonschema
  $x11_libraries $(for library in $x11_libraries; do printf '%s:i386 ' "$library"; done)"

stamp=$(printf '%s\n' "$packages" "$mirror" | cat - tools/guest-image.sh tools/guest/init.sh \
  tools/guest/make-prefix.sh tools/wine-env.sh | sha256sum | cut -d' ' -f1)
if [ -f "$cache/stamp" ] && [ "$(cat "$cache/stamp")" = "$stamp" ] && [ -f "$cache/root.img" ]; then
  echo "guest-image: $cache is up to date"
  exit 0
fi

started=$(date +%s)
mkdir -p "$cache/debs"
rm -rf "$cache/build"
mkdir -p "$cache/build"
trap 'rm -rf "$cache/build"' EXIT
root=$cache/build/root

# A mirror caught in the middle of a sync serves indexes and packages that do not match their
# checksums or sizes, or lacks some; minutes later it is whole again. Runs the command (mmdebstrap,
# which fetches everything) up to three times while it fails that way, and says that the mirror
# failed, not the recipe: any other failure ends the build at once.
mirror_failures='Hash Sum mismatch|File has unexpected size|Size mismatch|Failed to fetch'
mirror_failures="$mirror_failures|Mirror sync in progress|Some index files failed to download"
mirror_failures="$mirror_failures|Clearsigned file isn.t valid|is not valid yet"
with_mirror_retries() {
  attempt=1
  while :; do
    rm -rf "$root" # mmdebstrap wants an empty target
    { code=0 && "$@" 2>&1 || code=$?; echo "$code" >"$cache/build/status"; } |
      tee "$cache/build/fetch.log"
    status=$(cat "$cache/build/status")
    [ "$status" -ne 0 ] || return 0
    if ! grep -Eq "$mirror_failures" "$cache/build/fetch.log"; then
      echo "guest-image: building the guest root failed (exit status $status)" >&2
      return 1
    fi
    if [ $attempt -ge 3 ]; then
      echo "guest-image: the Debian mirror $mirror failed $attempt times in a row (see above): a" \
        "fault of the mirror, not of this project; try later, or name another mirror in" \
        "KORVALE_GUEST_MIRROR" >&2
      return 1
    fi
    echo "guest-image: the Debian mirror $mirror (or the way to it) served a damaged," \
      "incomplete or missing file (see above; it may be in the middle of a sync): a fault of the mirror, not of this" \
      "project; trying again in $((attempt * 60)) s (attempt $((attempt + 1)) of 3)" >&2
    sleep $((attempt * 60))
    attempt=$((attempt + 1))
  done
}

echo "guest-image: building the guest root (Debian packages, amd64 and i386)"
# shellcheck disable=SC2086 # the list is words
include=$(echo $packages | tr ' ' ',')
# Documentation and translations are left out, and so is PulseAudio's hook into ALSA's
# configuration: its plugin is 64-bit only here, and the hook failing would undo every 32-bit ALSA
# configuration, the null device's included (Wine's PulseAudio driver needs no hook). The .debs
# are kept for the next build. Apt itself tries a failed download again first.
with_mirror_retries mmdebstrap --quiet --variant=essential --architectures=amd64,i386 --include="$include" \
  --aptopt='APT::Install-Recommends "false"' --aptopt='Acquire::Retries "3"' \
  --dpkgopt='path-exclude=/usr/share/doc/*' --dpkgopt='path-exclude=/usr/share/man/*' \
  --dpkgopt='path-exclude=/usr/share/info/*' \
  --dpkgopt='path-exclude=/etc/alsa/conf.d/99-pulse.conf' \
  --setup-hook="mkdir -p \"\$1/var/cache/apt/archives\"" \
  --setup-hook="sync-in $cache/debs /var/cache/apt/archives" \
  --customize-hook="sync-out /var/cache/apt/archives $cache/debs" \
  --customize-hook="upload tools/guest/init.sh /sbin/korvale-init" \
  --customize-hook="chmod 755 \"\$1/sbin/korvale-init\"" \
  bookworm "$root" "$mirror"
# ALSA's null device as the default: Wine's winmm then shows two mixer devices.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$root/root/.asoundrc"
cp "$root"/boot/vmlinuz-* "$cache/build/vmlinuz"
cp "$root"/boot/initrd.img-* "$cache/build/initrd.img"
rm -rf "${root:?}/boot"/* "${root:?}/var/cache/apt/archives"/*.deb
echo "guest-image: root built in $(( $(date +%s) - started )) s"

# Room for the Wine prefix and what the tests write; the file is sparse.
size_mb=$(( $(du -sm "$root" | cut -f1) + 2048 ))
mke2fs -q -t ext4 -L korvale-root -d "$root" "$cache/build/root.img" "${size_mb}M"
rm -rf "$root"

# The Wine prefix, made once inside the guest (32-bit Wine cannot run on the host) and kept in
# the image: each test boot then uses it on a throw-away overlay.
echo "guest-image: making the Wine prefix inside the guest"
mkdir -p "$cache/build/job"
cp tools/guest/make-prefix.sh "$cache/build/job/run.sh"
cp tools/wine-env.sh "$cache/build/job/"
KORVALE_GUEST_DIR=$cache/build tools/guest-run.sh --keep-changes "$cache/build/job" \
  "$cache/build/prefix-results"

mv "$cache/build/root.img" "$cache/build/vmlinuz" "$cache/build/initrd.img" "$cache/"
echo "$stamp" >"$cache/stamp"
echo "guest-image: $cache built in $(( $(date +%s) - started )) s ($(du -sh "$cache/root.img" | cut -f1) on disk, $(du -sh "$cache/debs" | cut -f1) of packages)"
