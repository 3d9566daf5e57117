#!/usr/bin/env bash
# Cross-builds Qt 6.4.2's qtbase for 64-bit Windows from Debian's source
# package, with the build host's Qt tools, into a cache outside the tree:
# $RK_QT_WINDOWS (default ~/.cache/rk-radio-programs/qt-6.4.2-mingw64).
# A stamp of the version and the options keeps a finished build; it is built
# again only when they change. Runs at the lowest priority: it is long.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

qt_version=6.4.2
cache_root=${RK_CACHE:-$HOME/.cache/rk-radio-programs}
prefix=${RK_QT_WINDOWS:-$cache_root/qt-$qt_version-mingw64}
work=$cache_root/qt-$qt_version-mingw64-work
jobs=${RK_JOBS:-2}

# What the programs and their tests use, and nothing else: no network, SQL,
# XML, D-Bus, OpenGL, Vulkan, JPEG or ICU. Debian's source lacks the Wintab
# headers, so no tablet events. Direct2D stays on: without it the print
# support and the windows platform plugin still call the DirectWrite engine.
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_direct2d=ON -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
)
stamp_text="qtbase $qt_version $(x86_64-w64-mingw32-g++-posix -dumpfullversion 2>/dev/null || echo none) ${options[*]} $(sha256sum "$repo/cmake/windows/mingw64-toolchain.cmake" | cut -c1-16)"
stamp=$prefix/.rk-build-stamp
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ]; then
    echo "Qt $qt_version for Windows: cached in $prefix"
    exit 0
fi

source_dir=$work/source
if [ ! -f "$source_dir/.rk-unpacked" ]; then
    rm -rf "$work/fetch" && mkdir -p "$work/fetch"
    (cd "$work/fetch" && apt-get source -qq qt6-base)
    unpacked=$(find "$work/fetch" -mindepth 1 -maxdepth 1 -type d -name "qt6-base-$qt_version*" | head -n1)
    [ -n "$unpacked" ] || { echo "qt.sh: apt-get source qt6-base gave no $qt_version" >&2; exit 1; }
    rm -rf "$source_dir" && mv "$unpacked" "$source_dir" && rm -rf "$work/fetch"
    touch "$source_dir/.rk-unpacked"
fi

# The toolchain file is kept beside the Qt it built: Qt's own toolchain file
# chain-loads it when the programs are built.
rm -rf "$prefix" && mkdir -p "$prefix/lib/cmake"
cp "$repo/cmake/windows/mingw64-toolchain.cmake" "$prefix/lib/cmake/rk-mingw64-toolchain.cmake"
build_dir=$work/build
start=$(date +%s)
nice -n 19 ionice -c3 cmake -G Ninja -S "$source_dir" -B "$build_dir" \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/rk-mingw64-toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${options[@]}"
nice -n 19 ionice -c3 cmake --build "$build_dir" -j"$jobs"
nice -n 19 ionice -c3 cmake --install "$build_dir" >/dev/null
echo "$stamp_text" >"$stamp"
echo "Qt $qt_version for Windows built in $(( $(date +%s) - start )) s into $prefix"
