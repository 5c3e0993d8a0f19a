#!/usr/bin/env bash
# Builds Qt (qtbase, the host's version: 6.4.2) and zint (2.11.1) for 64-bit
# Windows from Debian's own source packages, once, into a cache outside the
# checkout ($TAVO_WINDOWS_CACHE, by default ~/.cache/tavo-windows):
#   qt-6.4.2/     Core, Gui, Widgets, PrintSupport, Network and Test; the
#                 windows and offscreen platform plugins; the Windows styles
#   zint-2.11.1/  the barcode library
# A library whose stamp matches its version and build options is kept as it is.
# Prints the cache folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=${TAVO_WINDOWS_CACHE:-$HOME/.cache/tavo-windows}
jobs=${JOBS:-$(nproc)}
qt_version=$(dpkg-query -W -f '${Version}' qt6-base-dev | sed -E 's/^([0-9.]+).*/\1/')
zint_version=2.11.1
mkdir -p "$cache/src"
# The cached Qt names its toolchain file: a copy in the cache outlives the checkout.
cmp -s "$here/mingw-toolchain.cmake" "$cache/mingw-toolchain.cmake" ||
    cp "$here/mingw-toolchain.cmake" "$cache/mingw-toolchain.cmake"

qt_options=(
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_openssl=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_opengl_dynamic=ON
    # Debian's source leaves out the Wintab header the Windows plugin needs for tablets.
    -DFEATURE_tabletevent=OFF
    # Qt's own copies of these libraries, so that nothing else is cross-built.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_md4c=OFF
)
# The library only: no front end, no Qt parts, no PNG output (the program
# draws the symbol from its rows).
zint_options=(
    -DZINT_SHARED=ON -DZINT_STATIC=OFF -DZINT_FRONTEND=OFF -DZINT_QT=OFF
    -DZINT_USE_PNG=OFF -DZINT_USE_QT=OFF -DZINT_UNINSTALL=OFF
)

# fetch PACKAGE: the folder of Debian's source of PACKAGE, with its patches.
fetch() {
    local dir
    dir=$(find "$cache/src" -maxdepth 1 -type d -name "$1-*" | head -1)
    if [ -z "$dir" ]; then
        (cd "$cache/src" && apt-get source -qq "$1" >/dev/null 2>&1)
        dir=$(find "$cache/src" -maxdepth 1 -type d -name "$1-*" | head -1)
    fi
    [ -n "$dir" ] || { echo "apt-get source $1 gave no source folder" >&2; exit 1; }
    echo "$dir"
}

# build NAME VERSION PACKAGE OPTIONS...: NAME-VERSION in the cache, unless its stamp matches.
build() {
    local name=$1 version=$2 package=$3
    shift 3
    local prefix=$cache/$name-$version stamp
    stamp=$(printf '%s\n' "$version" "$@" | sha256sum | cut -c1-16)
    [ "$(cat "$prefix/.stamp" 2>/dev/null)" = "$stamp" ] && return 0
    local src
    src=$(fetch "$package")
    echo "== $name $version for Windows, from Debian's $package source" >&2
    rm -rf "$cache/build-$name" "$prefix"
    cmake -G Ninja -S "$src" -B "$cache/build-$name" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$cache/mingw-toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        "$@" > "$cache/$name-configure.log" 2>&1 ||
        { tail -40 "$cache/$name-configure.log" >&2; exit 1; }
    cmake --build "$cache/build-$name" -j "$jobs" > "$cache/$name-build.log" 2>&1 ||
        { grep -E "error|FAILED" "$cache/$name-build.log" | head -40 >&2; exit 1; }
    cmake --install "$cache/build-$name" > /dev/null
    echo "$stamp" > "$prefix/.stamp"
    rm -rf "$cache/build-$name"
}

# Qt takes about an hour of processor time: 30 minutes on 2 cores, once.
build qt "$qt_version" qt6-base "${qt_options[@]}"
build zint "$zint_version" zint "${zint_options[@]}"
echo "$cache"
