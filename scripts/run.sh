#!/usr/bin/env bash
# Builds a program, rkradio and the user guide (Help > User guide opens it),
# and starts the program:
# scripts/run.sh [rk520|rk7400] [image-file]
# The program runs in the caller's folder, so a relative image path names a
# file there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

program=rk520
if [ $# -gt 0 ] && { [ "$1" = rk520 ] || [ "$1" = rk7400 ]; }; then
    program=$1
    shift
fi

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DRK_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" -j"$(nproc)" --target "$program" rkradio guide
echo "rkradio is at $root/build/release/src/cli/rkradio" >&2
exec "$root/build/release/src/models/$program" "$@"
