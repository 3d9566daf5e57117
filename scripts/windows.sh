#!/usr/bin/env bash
# Builds the Windows programs from this tree on Debian 12, by cross-compiling
# with MinGW-w64 against Qt 6.4.2's qtbase (built once into a cache outside
# the tree, see scripts/windows/qt.sh), and packages them:
#   build/windows/rk520.exe, rk7400.exe, rkradio.exe
#   build/windows/packages/rk-radio-programs-<version>-win64.zip
#   build/windows/packages/rk-radio-programs-<version>-win64-setup.exe
# `scripts/windows.sh test` also runs the Windows tests under Wine
# (tests/windows/run.sh). RK_JOBS sets the build's parallel jobs (default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mode=${1:-build}
case "$mode" in
    build | test) ;;
    *) echo "usage: scripts/windows.sh [build|test]" >&2; exit 2 ;;
esac
jobs=${RK_JOBS:-2}
qt=${RK_QT_WINDOWS:-${RK_CACHE:-$HOME/.cache/rk-radio-programs}/qt-6.4.2-mingw64}
host=build/test
cross=build/windows
low() { nice -n 19 ionice -c3 "$@"; }

scripts/windows/install-deps.sh
RK_QT_WINDOWS=$qt scripts/windows/qt.sh

# The build host's part, in the Linux build the README and scripts/test.sh
# make (configured the same way, so that either reuses the other): the icon
# renderer, the user guide with its pictures, and the radio simulator for the
# tests.
low cmake -S . -B "$host" -DCMAKE_BUILD_TYPE=Debug -DRK_WARNINGS_AS_ERRORS=ON >/dev/null
low cmake --build "$host" -j"$jobs" --target render_windows_icons guide radio_simulator rkradio

version=$(sed -n 's/^project(RadioPrograms VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
low cmake -S . -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DRK_WARNINGS_AS_ERRORS=ON -DRK_ICON_RENDERER="$root/$host/dist/render_windows_icons" \
    -DRK_HOST_GUIDE_DIR="$root/$host/guide/html" \
    -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$root/$cross" -DRK_BUILD_TESTS="$([ "$mode" = test ] && echo ON || echo OFF)" >/dev/null
low cmake --build "$cross" -j"$jobs"

# The packages, from one staged copy of what `cmake --install` lays out.
name=rk-radio-programs-$version-win64
stage=$cross/stage/$name
packages=$cross/packages
rm -rf "$cross/stage" "$packages" && mkdir -p "$packages"
cmake --install "$cross" --prefix "$stage" >/dev/null
find "$stage" \( -name '*.exe' -o -name '*.dll' \) -exec x86_64-w64-mingw32-strip --strip-unneeded {} +
(cd "$cross/stage" && rm -f "$root/$packages/$name.zip" && zip -qr -9 -X "$root/$packages/$name.zip" "$name")
low makensis -V2 -DVERSION="$version" -DSTAGE="$root/$stage" -DOUTFILE="$root/$packages/$name-setup.exe" \
    dist/windows/installer.nsi
for package in "$packages/$name.zip" "$packages/$name-setup.exe"; do
    echo "$package: $(stat -c %s "$package") bytes"
done

if [ "$mode" = test ]; then
    tests/windows/run.sh "$root/$cross" "$root/$stage" "$qt" "$root/$host"
fi
