#!/bin/sh
# Boots the emulated guest (tools/guest-image.sh), runs a job in it and brings its results back:
#   tools/guest-run.sh [--keep-changes] <job folder> <results folder>
# The job folder is unpacked into /job in the guest and its run.sh run there as root, its output
# shown here as it comes. <results folder> receives log (that output), status and whatever the job
# put in /results. Exits with run.sh's exit status (125: the job could not be run). The guest's
# disk is thrown away after the boot unless --keep-changes is given. QEMU's full-system emulation
# (TCG, no KVM): the guest's kernel runs 32-bit programs, which this host refuses.
# shellcheck disable=SC2317 # stop() runs from the EXIT trap
set -eu
keep_changes=
if [ "${1:-}" = --keep-changes ]; then
  keep_changes=1
  shift
fi
[ $# -eq 2 ] || { echo "usage: tools/guest-run.sh [--keep-changes] <job folder> <results folder>" >&2; exit 2; }
job=$1
results=$2
guest=${KORVALE_GUEST_DIR:-${KORVALE_GUEST_CACHE:-/var/cache/korvale-guest}}
limit=${KORVALE_GUEST_TIMEOUT:-3600} # seconds

work=$(mktemp -d "${TMPDIR:-/tmp}/korvale-guest.XXXXXX")
qemu_pid=
stop() {
  if [ -n "$qemu_pid" ]; then
    kill "$qemu_pid" 2>/dev/null
    wait "$qemu_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap stop EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

tar -cf "$work/job.tar" -C "$job" .
truncate -s 256M "$work/results.img"
snapshot=on
[ -z "$keep_changes" ] || snapshot=off

started=$(date +%s)
timeout "$limit" qemu-system-x86_64 -accel tcg,thread=multi -cpu qemu64 -smp 2 -m 3072 \
  -nodefaults -display none -serial stdio -nic none -no-reboot \
  -kernel "$guest/vmlinuz" -initrd "$guest/initrd.img" \
  -append 'console=ttyS0 root=/dev/vda rw init=/sbin/korvale-init quiet panic=-1 mitigations=off' \
  -drive "file=$guest/root.img,format=raw,if=virtio,snapshot=$snapshot" \
  -drive "file=$work/job.tar,format=raw,if=virtio,readonly=on" \
  -drive "file=$work/results.img,format=raw,if=virtio" </dev/null &
qemu_pid=$!
qemu_status=0
wait "$qemu_pid" || qemu_status=$?
qemu_pid=
echo "guest-run: the guest ran for $(( $(date +%s) - started )) s"

mkdir -p "$results"
if ! tar -xf "$work/results.img" -C "$results" 2>/dev/null || [ ! -s "$results/status" ]; then
  echo "guest-run: the guest brought no results back (qemu exit status $qemu_status)" >&2
  exit 125
fi
exit "$(cat "$results/status")"
