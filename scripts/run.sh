#!/usr/bin/env bash
# Builds the programs and starts one: scripts/run.sh [rk520|rk7400] [image-file]
set -euo pipefail
cd "$(dirname "$0")/.."

program=rk520
if [ $# -gt 0 ] && { [ "$1" = rk520 ] || [ "$1" = rk7400 ]; }; then
    program=$1
    shift
fi

scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DRK_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target "$program"
exec "build/release/src/models/$program" "$@"
