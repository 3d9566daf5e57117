#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless.
# RK_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build_dir=build/test
flags=()
if [ "${RK_SANITIZE:-0}" = 1 ]; then
    build_dir=build/sanitize
    flags+=(-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
            -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined")
fi

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DRK_WARNINGS_AS_ERRORS=ON "${flags[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
# One test at a time: the serial-link tests measure real time.
ctest --test-dir "$build_dir" --output-on-failure
