#!/bin/bash
# Runs the full-disk tests of a test exe with drive Q: of the Wine prefix on a
# disk of 64 KiB, the tmpfs a root user may mount. Skipped (77) where no such
# disk can be made.
set -u
source "$(dirname "$0")/../../tools/lib.sh"
exe=$1
[ "$(id -u)" = 0 ] || { echo "skipped: mounting a small disk needs root"; exit 77; }
disk=$(mktemp -d)
if ! mount -t tmpfs -o size=64k tmpfs "$disk" 2>/dev/null; then
  rmdir "$disk"
  echo "skipped: this machine mounts no tmpfs"
  exit 77
fi
drive="$WINEPREFIX/dosdevices/q:"
ln -sfn "$disk" "$drive"
BREVANT_FULL_DISK='Q:\' wine "$exe" --gtest_filter='FullDisk*'
status=$?
rm -f "$drive"
umount "$disk"
rmdir "$disk"
exit $status
