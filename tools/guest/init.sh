#!/bin/sh
# PID 1 of the emulated guest (see tools/guest-run.sh): mounts what programs need, unpacks the job
# handed in as a tar on the second disk, runs its run.sh with the output on the console and in
# the results, writes the results as a tar to the third disk and powers the machine off.
PATH=/usr/sbin:/usr/bin:/sbin:/bin
export PATH HOME=/root LANG=C.UTF-8
# The initramfs may have mounted some of these already.
mountpoint -q /proc || mount -t proc proc /proc
mountpoint -q /sys || mount -t sysfs sysfs /sys
mountpoint -q /dev || mount -t devtmpfs devtmpfs /dev
mkdir -p /dev/pts /dev/shm
mountpoint -q /dev/pts || mount -t devpts devpts /dev/pts
mount -t tmpfs tmpfs /dev/shm
mount -t tmpfs tmpfs /tmp
mount -t tmpfs tmpfs /run
hostname korvale-guest

mkdir -p /job /results
if tar -xf /dev/vdb -C /job; then
  cd /job && { sh ./run.sh; echo $? >/results/status; } 2>&1 | tee /results/log
else
  echo "guest: the job could not be unpacked" | tee /results/log
  echo 125 >/results/status
fi
tar -cf /dev/vdc -C /results .
sync
echo o >/proc/sysrq-trigger
sleep 60
