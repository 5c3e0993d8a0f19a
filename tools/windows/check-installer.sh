#!/usr/bin/env bash
# check-installer.sh [SETUP | --dummy]: the Windows installer under Wine, in a
# throwaway Wine prefix under /tmp (Wine's user is an administrator):
#   - installed silently for the current user (/S /CurrentUser): every file of
#     the portable folder in AppData\Local\Programs\TAVO, the Start-menu entry,
#     the entry of the list of installed programs in HKCU;
#   - installed again over the earlier install (with --dummy, an older
#     version with a file the new one has not: gone after): one entry, the
#     newer version, the user's documents and settings as they were;
#   - uninstalled silently: the program, its entry and its menu item gone, the
#     documents in Documents\TAVO and the settings in HKCU\Software\TAVO kept;
#   - installed for every user (/S as administrator): Program Files, HKLM, the
#     all-users Start menu; uninstalled, a file of the user's in the program's
#     folder keeps the folder and is kept.
# SETUP is build-windows/tavo-VERSION-setup.exe by default; --dummy makes
# installers of a small stand-in program instead, so that the installer can be
# checked before tavo.exe exists. One line per check, the install and
# uninstall times, then a summary.
set -uo pipefail
cd "$(dirname "$0")/../.."
. tools/windows/check-common.sh
work=$(mktemp -d /tmp/tavo-installer-check.XXXXXX)

if [ "${1:-}" = --dummy ]; then
    # A console program standing in for tavo.exe, and folders shaped as the
    # portable one: the older version has a file the newer one dropped.
    version=9.9.9
    printf '#include <stdio.h>\nint main(void) { puts("TAVO"); return 0; }\n' >"$work/stand-in.c"
    for v in 9.9.8 $version; do
        f=$work/tavo-$v-windows
        mkdir -p "$f/platforms" "$f/fonts"
        x86_64-w64-mingw32-gcc -O2 -s "$work/stand-in.c" -o "$f/tavo.exe" || exit 1
        cp "$f/tavo.exe" "$f/platforms/qwindows.dll"
        cp /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf "$f/fonts/"
        echo "TAVO $v" >"$f/README.md"
    done
    echo "dropped in $version" >"$work/tavo-9.9.8-windows/old.dll"
    tools/windows/make-icon.sh packaging/tavo.svg "$work/tavo.ico" || exit 1
    for v in 9.9.8 $version; do
        tools/windows/make-installer.sh "$work/tavo-$v-windows" "$work/tavo.ico" \
            "$work/tavo-$v-setup.exe" >/dev/null || exit 1
    done
    setup=$work/tavo-$version-setup.exe
    older=$work/tavo-9.9.8-setup.exe
    folder=$work/tavo-$version-windows
else
    version=$(sed -nE 's/^project\(tavo VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
    out=${WINDOWS_BUILD:-build-windows}
    setup=${1:-$out/tavo-$version-setup.exe}
    setup=$(realpath "$setup")
    version=$(basename "$setup" | sed -nE 's/^tavo-([0-9.]+)-setup\.exe$/\1/p')
    older=$setup  # installed twice: the second install replaces the first
    folder=$(dirname "$setup")/tavo-$version-windows
fi
[ -f "$setup" ] && [ -d "$folder" ] || { echo "no $setup or $folder: run make windows first"; exit 1; }

export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine64 wineboot -i >/dev/null 2>&1 || { echo "SKIPPED: Wine cannot make a prefix here"; exit 0; }
wineserver -p
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
c=$WINEPREFIX/drive_c
user_dir=$c/users/$(id -un)
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\TAVO'
entry='TAVO – ordine de plată'

now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }
# The value NAME of the uninstall entry under ROOT (HKCU or HKLM), as text:
# `reg export` writes UTF-16, which keeps the en dash of the name.
value() {
    rm -f "$work/key.reg"
    wine64 reg export "$1\\$key" 'C:\key.reg' >/dev/null 2>&1 && mv "$c/key.reg" "$work/key.reg" ||
        return 1
    iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r' | sed -nE "s/^\"$2\"=(.*)$/\1/p"
}
# The files of a folder, relative, one a line.
files() { (cd "$1" && find . -type f | sort); }
same_files() { diff <(files "$folder"; echo ./uninstall.exe) <(files "$1" | sort) | sed 's/^/    /'; }
# Waits (up to a minute) until PATH is gone: the uninstaller goes on in a copy of itself.
gone() {
    for _ in $(seq 600); do [ -e "$1" ] || return 0; sleep 0.1; done
    return 1
}
# The shortcut names tavo.exe of FOLDER (Windows path) in its target.
shortcut_to() { { strings -a "$1"; strings -a -el "$1"; } | grep -iF "$2\\tavo.exe" >/dev/null; }

# --- tavo.exe's own resources (the real program only) ---
if [ "${1:-}" != --dummy ] && command -v wrestool >/dev/null; then
    resources=$(wrestool -l "$folder/tavo.exe" 2>/dev/null)
    check "tavo.exe carries its icon (IDI_ICON1)" grep -q "name='IDI_ICON1'.*group_icon" <<<"$resources"
    strings=$(wrestool -x --raw --type=16 "$folder/tavo.exe" 2>/dev/null |
        iconv -f UTF-16LE -t UTF-8 2>/dev/null | tr '\0' '\n')
    check "tavo.exe carries its version $version" \
        grep -qzE "ProductVersion.*$version" <<<"$strings"
    check "tavo.exe's description is \"$entry\"" grep -qF "$entry" <<<"$strings"
fi

# --- for the current user ---
programs=$user_dir/AppData/Local/Programs/TAVO
menu=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
mkdir -p "$user_dir/Documents/TAVO"
printf 'document of the user\r\n' >"$user_dir/Documents/TAVO/ordine.txt"
wine64 reg add 'HKCU\Software\TAVO' /v Kept /d yes /f >/dev/null 2>&1

start=$(now)
wine64 "$older" /S /CurrentUser >/dev/null 2>&1
first_time=$(seconds "$start" "$(now)")
start=$(now)
wine64 "$setup" /S /CurrentUser >/dev/null 2>&1
status=$?
install_time=$(seconds "$start" "$(now)")
check "silent install for the current user ends with status 0" test "$status" -eq 0
if [ -z "$(same_files "$programs")" ]; then
    ok "AppData\\Local\\Programs\\TAVO holds exactly the portable folder and uninstall.exe"
else
    bad "AppData\\Local\\Programs\\TAVO is not the portable folder:"
    same_files "$programs"
fi
check "Start-menu entry \"$entry\" opens tavo.exe" \
    shortcut_to "$menu/$entry.lnk" 'AppData\Local\Programs\TAVO'
check "HKCU uninstall entry: DisplayName \"$entry\"" \
    test "$(value HKCU DisplayName)" = "\"$entry\""
check "HKCU uninstall entry: DisplayVersion $version" \
    test "$(value HKCU DisplayVersion)" = "\"$version\""
for name in Publisher EstimatedSize DisplayIcon UninstallString QuietUninstallString; do
    check "HKCU uninstall entry: $name" test -n "$(value HKCU $name)"
done
check "no entry for every user" test -z "$(value HKLM DisplayName)"
if [ "${1:-}" != --dummy ]; then
    # The program runs from where it was installed, with what was installed beside it.
    mkdir -p "$c/check"
    printf '1,745,1500.50,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,BUGETUL DE STAT,4221306,RO21TREZ13120A010101XXXX,,,IMPOZIT PE PROFIT,15/01/2025,,,,,OP\r\n' \
        >"$c/check/ordine.txt"
    listed=$(wine64 "$programs/tavo.exe" --dir 'C:\check' list 2>/dev/null | tr -d '\r')
    check "the installed tavo.exe lists a document" grep -qx '(s-au incarcat 1 OP/FV-uri)' <<<"$listed"
fi
check "the user's documents in Documents\\TAVO kept by the install" \
    test -f "$user_dir/Documents/TAVO/ordine.txt"
check "the user's settings (HKCU\\Software\\TAVO) kept by the install" \
    wine64 reg query 'HKCU\Software\TAVO' /v Kept

start=$(now)
wine64 "$programs/uninstall.exe" /S >/dev/null 2>&1
gone "$programs"
status=$?
uninstall_time=$(seconds "$start" "$(now)")
check "silent uninstall removes AppData\\Local\\Programs\\TAVO" test "$status" -eq 0
check "silent uninstall removes the Start-menu entry" test ! -e "$menu/$entry.lnk"
check "silent uninstall removes the HKCU uninstall entry" test -z "$(value HKCU DisplayName)"
check "the user's documents in Documents\\TAVO kept by the uninstall" \
    grep -q 'document of the user' "$user_dir/Documents/TAVO/ordine.txt"
check "the user's settings (HKCU\\Software\\TAVO) kept by the uninstall" \
    wine64 reg query 'HKCU\Software\TAVO' /v Kept

# --- for every user (Wine's user is an administrator) ---
programs=$c/Program\ Files/TAVO
menu=$c/ProgramData/Microsoft/Windows/Start\ Menu/Programs
wine64 "$setup" /S >/dev/null 2>&1
check "silent install as administrator goes to Program Files\\TAVO" test -f "$programs/tavo.exe"
check "all-users Start-menu entry \"$entry\"" shortcut_to "$menu/$entry.lnk" 'Program Files\TAVO'
check "HKLM uninstall entry: DisplayVersion $version" \
    test "$(value HKLM DisplayVersion)" = "\"$version\""
echo "a note of the user's" >"$programs/notes.txt"
wine64 "$programs/uninstall.exe" /S >/dev/null 2>&1
gone "$programs/tavo.exe"
sleep 1
check "all-users uninstall removes its files, its menu entry and its HKLM entry" \
    test ! -e "$programs/uninstall.exe" -a ! -e "$menu/$entry.lnk" -a -z "$(value HKLM DisplayName)"
check "a file of the user's in the program's folder is kept, and the folder with it" \
    test "$(files "$programs")" = ./notes.txt

echo "installer $(basename "$setup"): $(du -h "$setup" | cut -f1)," \
    "silent install ${first_time} s (over an earlier install ${install_time} s)," \
    "silent uninstall ${uninstall_time} s under Wine"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
