#!/usr/bin/env bash
# Runs a command in a mount namespace whose /dev holds no serial device: only
# the null, zero and random devices, the terminal, the pseudo-terminals and
# shared memory of the real one. Wine started in there finds no /dev/ttyS*,
# /dev/ttyUSB* or /dev/ttyACM* to put on a COM name, so the only ports a test
# program can reach are the pseudo-terminals the rig maps itself.
# Needs root (or unshare's user namespace); refuses to run the command when
# the namespace cannot be made.
set -euo pipefail
if [ "${RK_NO_SERIAL_NAMESPACE:-}" != 1 ]; then
    exec unshare --mount --propagation private env RK_NO_SERIAL_NAMESPACE=1 "$0" "$@"
fi

host_dev=$(mktemp -d /tmp/rk-host-dev.XXXXXX)
mount --rbind /dev "$host_dev"
mount -t tmpfs -o mode=755,size=1m rk-dev /dev
for node in null zero random urandom tty full; do
    [ -e "$host_dev/$node" ] || continue
    touch "/dev/$node"
    mount --bind "$host_dev/$node" "/dev/$node"
done
for dir in pts shm mqueue; do
    [ -d "$host_dev/$dir" ] || continue
    mkdir "/dev/$dir"
    mount --rbind "$host_dev/$dir" "/dev/$dir"
done
ln -s pts/ptmx /dev/ptmx
ln -s /proc/self/fd /dev/fd
ln -s /proc/self/fd/0 /dev/stdin
ln -s /proc/self/fd/1 /dev/stdout
ln -s /proc/self/fd/2 /dev/stderr
umount --lazy "$host_dev" && rmdir "$host_dev"

if compgen -G "/dev/tty[SUA]*" >/dev/null; then
    echo "without-serial-devices: a serial device is still visible" >&2
    exit 1
fi
exec "$@"
