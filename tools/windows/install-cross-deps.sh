#!/usr/bin/env bash
# Installs what the Windows build needs, only what is missing: the MinGW-w64
# cross compilers (POSIX threads, as Qt needs), the host Qt tools the cross Qt
# build runs (moc, rcc, uic of the same 6.4.2), Wine to run what is built, NSIS
# for the installer, librsvg and icoutils for the program's icon, and a
# deb-src entry for each Debian 12 package source this machine's apt already
# has, so that `apt-get source` can fetch Debian's own qt6-base and zint. No
# other place is named: the sources come from the same archive as every
# package of this machine.
set -euo pipefail
packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev mingw-w64-tools dpkg-dev
    cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-l10n-tools
    wine64 nsis zip fonts-dejavu-core librsvg2-bin icoutils
)
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

# deb-src entries made from the Debian 12 sources apt reads, options kept
# (Signed-By must match the deb entry of the same place): each deb822 stanza
# and each one-line entry of bookworm is copied with its type changed.
src_list=/etc/apt/sources.list.d/tavo-deb-src.sources
if ! apt-get indextargets --no-release-info 'Identifier: Sources' 2>/dev/null | grep -q .; then
    stanzas=$(
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] && [ "$f" != "$src_list" ] || continue
            # One stanza a paragraph; keep those with deb and a bookworm suite.
            awk -v RS= -v ORS='\n\n' '/(^|\n)Types:[^\n]*deb/ && /(^|\n)Suites:[^\n]*bookworm/ {
                sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$f"
        done
        for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$f" ] || continue
            grep -E '^deb [^#]*bookworm' "$f" |
                sed -E 's/^deb (\[([^]]*)\] )?([^ ]+) (.*)$/Types: deb-src\nURIs: \3\nSuites: \4\n#OPTIONS \2\n/'
        done
    )
    [ -n "$stanzas" ] || { echo "apt on this machine has no source of Debian 12 (bookworm)"; exit 1; }
    printf '%s\n' "$stanzas" | $sudo_cmd tee "$src_list" >/dev/null
    need_update=1
fi

missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ] || [ -n "${need_update:-}" ]; then
    $sudo_cmd apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
