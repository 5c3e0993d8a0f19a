#!/usr/bin/env bash
# `make windows`: tavo.exe cross-built for 64-bit Windows against the Qt and
# zint of the cache (built once from Debian's sources by build-qt.sh), the
# portable folder build-windows/tavo-VERSION-windows with everything it needs,
# that folder zipped (tavo-VERSION-windows.zip) and its installer
# (tavo-VERSION-setup.exe, make-installer.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
out=${WINDOWS_BUILD:-build-windows}
cache=$(tools/windows/build-qt.sh | tail -1)
qt=$(ls -d "$cache"/qt-*/ | head -1)
zint=$(ls -d "$cache"/zint-*/ | head -1)
version=$(sed -nE 's/^project\(tavo VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
folder=$out/tavo-$version-windows

if [ ! -f "$out/build/build.ninja" ]; then
    cmake -G Ninja -S . -B "$out/build" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$cache/mingw-toolchain.cmake" \
        -DCMAKE_FIND_ROOT_PATH="$zint" -DCMAKE_INSTALL_PREFIX="$PWD/$folder" >/dev/null
fi
cmake --build "$out/build" -j "${JOBS:-$(nproc)}"
rm -rf "$folder"
cmake --install "$out/build" --strip >/dev/null
echo "$folder: $(du -sh "$folder" | cut -f1)"
# The zip holds the folder itself, so that it unpacks into one folder; -X
# leaves out the Unix owners and times extra fields Windows has no use for.
rm -f "$folder.zip"
(cd "$out" && zip -qr -X "tavo-$version-windows.zip" "tavo-$version-windows")
echo "$folder.zip: $(du -h "$folder.zip" | cut -f1)"
tools/windows/make-installer.sh "$folder" "$out/build/tavo.ico" "$out/tavo-$version-setup.exe"
