#!/usr/bin/env bash
# Builds Qt (qtbase 6.4.2, the host's version) and zint (2.11.1) for 64-bit
# Windows from Debian's own source packages, once, into a cache outside the
# checkout ($TAVO_WINDOWS_CACHE, by default ~/.cache/tavo-windows). A cache
# whose stamp matches the versions and this script is reused as it is.
#   qt-6.4.2/     Qt's modules for the program (Core, Gui, Widgets, PrintSupport,
#                 Network, Test), the windows and offscreen platform plugins,
#                 the Windows styles
#   zint-2.11.1/  the barcode library
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${TAVO_WINDOWS_CACHE:-$HOME/.cache/tavo-windows}
jobs=${JOBS:-$(nproc)}
qt_version=$(dpkg-query -W -f '${Version}' qt6-base-dev | sed -E 's/^([0-9.]+).*/\1/')
zint_version=2.11.1
qt_prefix=$cache/qt-$qt_version
zint_prefix=$cache/zint-$zint_version
stamp_of() { sha256sum "$0" "$here/mingw-toolchain.cmake" | sha256sum | cut -c1-16; }
stamp=$(stamp_of)

fetch() {  # fetch PACKAGE: Debian's source of PACKAGE, unpacked with its patches, in src/
    mkdir -p "$cache/src"
    local dir
    dir=$(find "$cache/src" -maxdepth 1 -type d -name "$1-*" | head -1)
    if [ -z "$dir" ]; then
        (cd "$cache/src" && apt-get source -qq "$1" >/dev/null)
        dir=$(find "$cache/src" -maxdepth 1 -type d -name "$1-*" | head -1)
    fi
    [ -n "$dir" ] || { echo "apt-get source $1 gave no source folder" >&2; exit 1; }
    echo "$dir"
}

if [ "$(cat "$qt_prefix/.stamp" 2>/dev/null)" != "$stamp" ]; then
    src=$(fetch qt6-base)
    echo "== Qt $qt_version for Windows from $src (about 30 minutes on 2 cores, once)"
    rm -rf "$cache/build-qt" "$qt_prefix"
    cmake -G Ninja -S "$src" -B "$cache/build-qt" \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" -DCMAKE_BUILD_TYPE=Release \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_openssl=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl_dynamic=ON \
        -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF \
        > "$cache/qt-configure.log" 2>&1 ||
        { tail -40 "$cache/qt-configure.log"; exit 1; }
    cmake --build "$cache/build-qt" -j "$jobs" > "$cache/qt-build.log" 2>&1 ||
        { grep -E "error|FAILED" "$cache/qt-build.log" | head -40; exit 1; }
    cmake --install "$cache/build-qt" > /dev/null
    echo "$stamp" > "$qt_prefix/.stamp"
    rm -rf "$cache/build-qt"
fi

if [ "$(cat "$zint_prefix/.stamp" 2>/dev/null)" != "$stamp" ]; then
    src=$(fetch zint)
    echo "== zint $zint_version for Windows from $src"
    rm -rf "$cache/build-zint" "$zint_prefix"
    # The library only: no front end, no Qt designer plugin, no PNG support
    # (the program draws the symbol itself from its rows).
    cmake -G Ninja -S "$src" -B "$cache/build-zint" \
        -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$zint_prefix" -DCMAKE_BUILD_TYPE=Release \
        -DZINT_SHARED=ON -DZINT_STATIC=OFF -DZINT_FRONTEND=OFF -DZINT_QT=OFF \
        -DZINT_USE_PNG=OFF -DZINT_USE_QT=OFF -DZINT_UNINSTALL=OFF \
        > "$cache/zint-configure.log" 2>&1 ||
        { tail -40 "$cache/zint-configure.log"; exit 1; }
    cmake --build "$cache/build-zint" -j "$jobs" > "$cache/zint-build.log" 2>&1 ||
        { grep -E "error|FAILED" "$cache/zint-build.log" | head -40; exit 1; }
    cmake --install "$cache/build-zint" > /dev/null
    echo "$stamp" > "$zint_prefix/.stamp"
    rm -rf "$cache/build-zint"
fi
echo "$qt_prefix"
