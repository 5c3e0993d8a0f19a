#!/usr/bin/env bash
# make-installer.sh FOLDER ICON SETUP: the installer SETUP (tavo-VERSION-setup.exe)
# of the portable folder FOLDER (tavo-VERSION-windows), made by NSIS from
# packaging/windows/tavo.nsi, with ICON as its own icon. The version is the
# folder's. Prints the installer and its size.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(cd "$1" && pwd)
icon=$(realpath "$2")
setup=$(realpath -m "$3")
version=$(basename "$folder" | sed -nE 's/^tavo-([0-9.]+)-windows$/\1/p')
[ -n "$version" ] || { echo "make-installer.sh: $folder is not a tavo-VERSION-windows folder" >&2; exit 1; }
[ -f "$folder/tavo.exe" ] || { echo "make-installer.sh: no tavo.exe in $folder" >&2; exit 1; }
command -v makensis >/dev/null ||
    { echo "make-installer.sh: makensis is missing (tools/windows/install-cross-deps.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# What the uninstaller removes: each file the installer writes, then each
# folder, the deepest first (RMDir leaves a folder that is not empty).
{
    (cd "$folder" && find . -type f | sort) | while IFS= read -r f; do
        printf 'Delete "$INSTDIR\\%s"\n' "$(printf '%s' "${f#./}" | tr / '\\')"
    done
    (cd "$folder" && find . -mindepth 1 -type d | sort -r) | while IFS= read -r d; do
        printf 'RMDir "$INSTDIR\\%s"\n' "$(printf '%s' "${d#./}" | tr / '\\')"
    done
} > "$work/remove.nsh"
size_kb=$(du -sk --apparent-size "$folder" | cut -f1)

mkdir -p "$(dirname "$setup")"
makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DSOURCE="$folder" -DICON="$icon" -DREMOVE_LIST="$work/remove.nsh" \
    -DSIZE_KB="$size_kb" -DOUTFILE="$setup" "$here/../../packaging/windows/tavo.nsi" >"$work/makensis.log" 2>&1 ||
    { cat "$work/makensis.log" >&2; exit 1; }
echo "$setup: $(du -h "$setup" | cut -f1) ($(stat -c %s "$setup") bytes)"
