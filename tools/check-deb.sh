#!/usr/bin/env bash
# Installs build/tavo_*_amd64.deb on a fresh Debian 12 (a debootstrap folder),
# starts TAVO the way a desktop menu does (gio launch of its .desktop entry) as
# an ordinary user in a bare X server, and checks that the main window opens in
# ~/TAVO. Leaves a picture of the screen in build/deb-check.png. Needs root and
# the Debian 12 package sources this machine's apt is configured with; the
# packages are installed without recommends, so only what the package itself
# depends on is there.
set -euo pipefail
deb=$(ls build/tavo_*_amd64.deb 2>/dev/null | tail -1)
[ -n "$deb" ] || { echo "no package: run make deb first"; exit 1; }
root=${DEB_CHECK_ROOT:-build/deb-check-root}
# "deb URI SUITE COMPONENT" for each Debian 12 source of this machine, as apt
# itself reads them (one-line and deb822 files alike).
sources=$(apt-get indextargets --no-release-info 'Identifier: Packages' \
    --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' |
    grep -E '^deb [^ ]+ bookworm(-updates|-security)? ' | sort -u || true)
mirror=$(awk '$3 == "bookworm" { print $2; exit }' <<<"$sources")
[ -n "$mirror" ] || { echo "apt on this machine has no source of Debian 12 (bookworm)"; exit 1; }
# An apt proxy of this machine serves debootstrap and the new root too.
eval "$(apt-config shell apt_proxy Acquire::http::Proxy)"
[ -z "${apt_proxy:-}" ] || export http_proxy=$apt_proxy
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
if [ ! -x "$root/usr/bin/apt-get" ]; then
    debootstrap --variant=minbase bookworm "$root" "$mirror"
fi
printf '%s\n' "$sources" > "$root/etc/apt/sources.list"
[ -z "${apt_proxy:-}" ] ||
    echo "Acquire::http::Proxy \"$apt_proxy\";" > "$root/etc/apt/apt.conf.d/01proxy"
mountpoint -q "$root/proc" || mount -t proc proc "$root/proc"
mountpoint -q "$root/dev" || mount --bind /dev "$root/dev"
trap 'umount "$root/dev" "$root/proc" 2>/dev/null || true' EXIT
cp "$deb" "$root/tmp/tavo.deb"
in_root() { chroot "$root" /usr/bin/env DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends /tmp/tavo.deb
# Tools of the check itself, not of the package: an X server, a menu launcher.
in_root apt-get install -y -qq --no-install-recommends \
    xvfb x11-utils x11-apps netpbm libglib2.0-bin desktop-file-utils
in_root desktop-file-validate /usr/share/applications/tavo.desktop
in_root id -u ana >/dev/null 2>&1 || in_root useradd -m ana
cat > "$root/tmp/menu-start.sh" <<'EOF'
#!/bin/bash
export HOME=/home/ana DISPLAY=:57 LANG=C.UTF-8
rm -rf "$HOME/TAVO"
Xvfb :57 -screen 0 1024x768x24 >/dev/null 2>&1 & xvfb=$!
sleep 2
gio launch /usr/share/applications/tavo.desktop
for _ in $(seq 20); do
    xwininfo -root -tree | grep -q '"TAVO - vers' && break
    sleep 0.5
done
sleep 1
xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng > /tmp/deb-check.png
title=$(xwininfo -root -tree | grep -o '"TAVO - vers[^"]*"' || true)
kill $(pidof tavo) 2>/dev/null
[ -n "$title" ] || { echo "FAIL: no TAVO window"; exit 1; }
[ -f "$HOME/TAVO/tavo.lock" ] || [ -f "$HOME/TAVO/instr.txt" ] \
    || { echo "FAIL: ~/TAVO was not made the working folder"; exit 1; }
echo "OK: window $title in $HOME/TAVO"
# A working folder that cannot be made is told in a window, not on a terminal.
rm -rf "$HOME/TAVO"; touch "$HOME/TAVO"
sleep 1
gio launch /usr/share/applications/tavo.desktop
box=""
for _ in $(seq 20); do
    box=$(xwininfo -root -tree | grep -o '"TAVO": ("tavo"' || true)
    [ -n "$box" ] && break
    sleep 0.5
done
kill $(pidof tavo) $xvfb 2>/dev/null || true
rm -f "$HOME/TAVO"
[ -n "$box" ] || { echo "FAIL: no message for a folder that cannot be made"; exit 1; }
echo "OK: a folder that cannot be made is told in a message box"
EOF
chmod +x "$root/tmp/menu-start.sh"
chroot --userspec=ana:ana "$root" /tmp/menu-start.sh
cp "$root/tmp/deb-check.png" build/deb-check.png
