#!/usr/bin/env bash
# make-icon.sh SVG ICO: the Windows icon of the program, drawn from the same
# picture as the Linux menu entry's, at 16, 32, 48 and 256 pixels (the sizes
# Explorer, the Start menu and the taskbar ask for). librsvg draws each size
# from the SVG; icoutils puts them in one .ico, the largest kept as PNG.
set -euo pipefail
svg=$1
ico=$2
for tool in rsvg-convert icotool; do
    command -v "$tool" >/dev/null ||
        { echo "make-icon.sh: $tool is missing (tools/windows/install-cross-deps.sh)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 32 48 256; do
    rsvg-convert --width "$size" --height "$size" --keep-aspect-ratio "$svg" -o "$work/$size.png"
done
icotool --create --output="$work/icon.ico" "$work/16.png" "$work/32.png" "$work/48.png" \
    --raw="$work/256.png"
mv "$work/icon.ico" "$ico"
