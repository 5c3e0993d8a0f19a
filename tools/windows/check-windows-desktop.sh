#!/usr/bin/env bash
# check-windows-desktop.sh: the installed tavo.exe's real windows under Wine,
# driven by keys as a user would (Xvfb + openbox + xdotool), as the Linux
# real-window test drives build/tavo:
#   - installed silently for the current user in a fresh Wine prefix; started
#     as its Start-menu entry starts it, on a working folder of one document;
#   - the document opened from the main window, its amount typed over, printed
#     without a printer (the PDF's barcode read back as OPCB.txt's payload);
#   - Escape on "Salvati ?" calls it off, Da writes only the amount;
#   - a second start brings the first window forward and ends;
#   - the close box ends the program and frees tavo.lock;
#   - uninstalled silently: the program's folder gone, the working folder kept.
# A screenshot of each step in build-windows/check/desktop/NN-step.png, and the
# time from start to main window, tavo.exe under Wine against build/tavo.
# One OK/FAILED line per step, then a summary; status 0 when all passed.
set -uo pipefail
cd "$(dirname "$0")/../.."
. tools/windows/check-common.sh
out=$(realpath -m "${WINDOWS_BUILD:-build-windows}")
build=$(realpath -m "${BUILD:-build}")
version=$(sed -nE 's/^project\(tavo VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
setup=$out/tavo-$version-setup.exe
check=$out/check
shots=$check/desktop
linux_tavo=$build/tavo
decode=$build/tools/decode_barcodes
[ -f "$setup" ] || { echo "no $setup: run make windows first"; exit 1; }
for tool in Xvfb openbox xdotool wmctrl import pdftoppm; do
    command -v $tool >/dev/null || { echo "SKIPPED: no $tool"; exit 0; }
done

rm -rf "$shots" "$check/desktop-prefix" "$check/desktop-work"
mkdir -p "$shots"
work=$check/desktop-work
mkdir -p "$work"
pids=()
cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
}
trap cleanup EXIT

# --- a display of our own: the first free number from 90 ---
n=90
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
export DISPLAY=:$n
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

shot_number=0
read_back=
shot() { # shot STEP: the whole screen as NN-STEP.png
    shot_number=$((shot_number + 1))
    import -window root "$shots/$(printf %02d $shot_number)-$1.png" 2>/dev/null
}
main_title='^TAVO - vers\.'
entry_title='^Incarcare/actualizare OP/FV$'
windows_titled() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }
# Every visible window with a title; the program's questions have one too
# (the program's name), the windows of openbox none.
all_windows() { xdotool search --onlyvisible --name '.' 2>/dev/null | sort; }
dialogs() {
    comm -23 <(all_windows) <({ windows_titled "$main_title"; windows_titled "$entry_title"; } | sort)
}
wait_for() { # wait_for SECONDS COMMAND...: until the command succeeds
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
    return 1
}
has_window() { [ -n "$(windows_titled "$1")" ]; }
one_dialog() { [ "$(dialogs | wc -l)" -eq 1 ]; }
no_dialog() { [ -z "$(dialogs)" ]; }
activate() { xdotool windowactivate --sync "$(windows_titled "$1" | head -1)" 2>/dev/null; }
keys() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 0.5; }
type_text() { xdotool type --delay 80 "$1"; sleep 0.5; }
now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

# The stored document, as the Linux real-window test has it (CP1250, CR LF).
stored='1,45,1500.00,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,FIRMA X,4221306,RO46RNCB0089000000000001,,,SERVICII,15/01/2023,,,,,OP'
printf '%s\r\n' "$stored" | iconv -f UTF-8 -t CP1250 >"$work/ordine.txt"
expected=$(awk -F, -v OFS=, '{ $3 = "2345.67"; print }' <<<"$stored")

# --- installed silently for the current user, in a fresh prefix ---
export WINEPREFIX=$check/desktop-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine64 wineboot -i >/dev/null 2>&1 || { echo "SKIPPED: Wine cannot make a prefix here"; exit 0; }
wineserver -p
user_dir=$WINEPREFIX/drive_c/users/$(id -un)
menu=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs
lnk="$menu/TAVO – ordine de plată.lnk"
wine64 "$setup" /S /CurrentUser >/dev/null 2>&1
check "tavo-$version-setup.exe /S /CurrentUser installs" test -f "$lnk"
shot installed
# The program the Start-menu entry starts: the .lnk keeps its target's Windows
# path as text (ANSI and UTF-16); that path, in Unix terms. When it cannot be
# read, the folder the installer installs a current user's programs in.
target=$({ strings -a "$lnk"; strings -a -el "$lnk"; } 2>/dev/null | grep -iE '^[A-Z]:\\.*\\tavo\.exe$' | head -1)
if [ -n "$target" ]; then
    exe=$(wine64 winepath -u "$target" 2>/dev/null | tr -d '\r')
else
    exe=$user_dir/AppData/Local/Programs/TAVO/tavo.exe
fi
check "the Start-menu entry opens the installed tavo.exe ($target)" test -f "$exe"
programs=$(dirname "$exe")

# --- started, on the working folder ---
export TAVO_DIR
TAVO_DIR=$(wine64 winepath -w "$work" 2>/dev/null | tr -d '\r')
start=$(now)
(cd "$user_dir" && exec wine64 "$exe") >"$check/desktop-tavo.log" 2>&1 &
tavo=$!
if wait_for 120 has_window "$main_title"; then
    wine_time=$(seconds "$start" "$(now)")
    ok "tavo.exe shows its main window ($(xdotool getwindowname "$(windows_titled "$main_title" | head -1)")) in $wine_time s"
else
    wine_time=none
    bad "tavo.exe shows no main window in 120 s"
fi
shot main-window
activate "$main_title"
sleep 1

# --- the document opened with keys: NrO 1, Enter to "Incarcare", Enter ---
keys ctrl+a
type_text 1
keys Return Return
if wait_for 60 has_window "$entry_title"; then
    ok "1, Enter, Enter opens the document in \"Incarcare/actualizare OP/FV\""
else
    bad "the entry window did not open"
fi
activate "$entry_title"
sleep 1
shot entry-window

# --- the amount d1(1): 12 Tabs from d1(0), typed over ---
for _ in $(seq 12); do keys Tab; done
keys ctrl+a
type_text 2345,67
keys Tab
shot amount-typed
check "leaving the amount asks nothing" wait_for 3 no_dialog
# "Listare" (Command7): from d1(11), on past d1(14) d1(15) d1(17) and "Iesire".
for _ in $(seq 5); do keys Tab; done
keys space
if wait_for 60 one_dialog; then
    shot no-printer
    keys Return
    wait_for 20 no_dialog
    pdf=$(ls "$work"/listari/*.pdf 2>/dev/null | head -1)
    read_back=
    if [ -n "$pdf" ]; then
        pdftoppm -q -r 300 -gray -aa no -aaVector no -png -singlefile "$pdf" "$check/desktop-page"
        read_back=$("$decode" "$check/desktop-page.png" | head -1)
    fi
    check "\"Listare\" without a printer writes a PDF in listari/ ($(basename "${pdf:-none}"))" test -n "$pdf"
else
    shot no-printer
    bad "\"Listare\" showed no message"
fi
check "printing wrote nothing to ordine.txt yet" cmp -s "$work/ordine.txt" <(printf '%s\r\n' "$stored")

# --- the close box: "Salvati ?", Escape calls it off ---
wmctrl -i -c "$(windows_titled "$entry_title" | head -1)"
if wait_for 30 one_dialog; then
    shot salvati
    keys Escape
    wait_for 20 no_dialog
    shot after-escape
    if has_window "$entry_title" && cmp -s "$work/ordine.txt" <(printf '%s\r\n' "$stored"); then
        ok "Escape on \"Salvati ?\" calls it off: the entry window stays, nothing written"
    else
        bad "Escape on \"Salvati ?\": the entry window gone or ordine.txt changed"
    fi
else
    shot salvati
    bad "the close box asked no \"Salvati ?\""
fi
# Again, and Da (Enter): only the amount changed.
wmctrl -i -c "$(windows_titled "$entry_title" | head -1)"
if wait_for 30 one_dialog; then
    shot salvati-again
    keys Return
    wait_for 30 eval '! has_window "$entry_title"'
    shot saved
    if cmp -s "$work/ordine.txt" <(printf '%s\r\n' "$expected" | iconv -f UTF-8 -t CP1250); then
        ok "Da on \"Salvati ?\" writes the amount 2345.67 and nothing else (CP1250, CR LF)"
    else
        bad "ordine.txt after Da: $(od -c "$work/ordine.txt" | head -3 | tr -s ' ')"
    fi
else
    bad "the close box asked no \"Salvati ?\" the second time"
fi

# --- a second start brings the first window forward and ends ---
activate "$main_title"
xdotool windowminimize "$(windows_titled "$main_title" | head -1)" 2>/dev/null
sleep 1
(cd "$user_dir" && exec wine64 "$exe") >"$check/desktop-second.log" 2>&1 &
second=$!
if wait_for 60 eval '! kill -0 $second'; then
    sleep 1
    shot second-start
    count=$(windows_titled "$main_title" | wc -l)
    active=$(xdotool getactivewindow getwindowname 2>/dev/null)
    if [ "$count" -eq 1 ] && [[ $active =~ $main_title ]]; then
        ok "a second start ends and brings the first main window forward"
    else
        bad "a second start: $count main windows, the active one '$active'"
    fi
else
    kill "$second" 2>/dev/null
    shot second-start
    bad "a second start did not end in 60 s"
fi

# --- the close box ends the program and frees the folder ---
wmctrl -i -c "$(windows_titled "$main_title" | head -1)"
if wait_for 60 eval '! kill -0 $tavo'; then
    wait "$tavo"
    status=$?
    shot closed
    check "the main window's close box ends tavo.exe (status $status) and frees tavo.lock" \
        test "$status" -eq 0 -a ! -e "$work/tavo.lock"
else
    shot closed
    bad "tavo.exe did not end at the close box"
fi

# --- the printed barcode against the payload of the saved document ---
# The entry window's "Listare" writes no OPCB.txt; the program's print command
# writes it for the stored document, now saved with the amount as printed.
payload=
if [ -x "$linux_tavo" ]; then
    rm -rf "$check/desktop-payload"
    mkdir -p "$check/desktop-payload"
    cp "$work/ordine.txt" "$check/desktop-payload/"
    "$linux_tavo" --dir "$check/desktop-payload" print 1 >/dev/null 2>&1
    payload=$(tr -d '\r' <"$check/desktop-payload/OPCB.txt" 2>/dev/null | head -1)
fi
if [ -n "$payload" ] && [ "$read_back" = "$payload" ]; then
    ok "the printed page's barcode reads back as OPCB.txt's payload of the saved document"
else
    bad "the printed page's barcode '${read_back:-}', OPCB.txt's payload '$payload'"
fi

# --- the same start under Linux, on the same folder ---
if [ -x "$linux_tavo" ]; then
    start=$(now)
    (cd "$work" && QT_QPA_PLATFORM=xcb exec "$linux_tavo") >"$check/desktop-linux.log" 2>&1 &
    linux=$!
    if wait_for 60 has_window "$main_title"; then
        linux_time=$(seconds "$start" "$(now)")
        shot linux-main-window
        wmctrl -i -c "$(windows_titled "$main_title" | head -1)"
        wait_for 30 eval '! kill -0 $linux'
    else
        linux_time=none
        kill "$linux" 2>/dev/null
    fi
fi

# --- uninstalled silently: the program gone, the working folder kept ---
before=$(cd "$work" && find . -type f | sort | xargs md5sum)
wine64 "$programs/uninstall.exe" /S >/dev/null 2>&1
wait_for 60 eval '[ ! -e "$programs" ]'
shot uninstalled
check "silent uninstall removes $(basename "$programs")'s folder" test ! -e "$programs"
check "the working folder untouched by the uninstall" \
    test "$before" = "$(cd "$work" && find . -type f | sort | xargs md5sum)"

echo "start to main window: tavo.exe under Wine ${wine_time} s, build/tavo ${linux_time:-none} s"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
