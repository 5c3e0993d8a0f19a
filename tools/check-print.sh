#!/usr/bin/env bash
# Prints stored documents through a real CUPS queue and reads back what came
# out. The queue TAVO_PDF (cups-pdf: every job becomes a PDF file) is made the
# default; `tavo print N --printer default` prints one document, and the main
# window's "Listare OP/ FV", driven with key presses on a virtual display
# (Xvfb, openbox, xdotool), prints another with two copies a page. Every
# barcode on the pages the queue wrote must carry the payload the program
# wrote to OPCB.txt for that document. Then the queue is stopped, and then set
# to refuse jobs: printing must fail with a clear line, send nothing and change
# nothing. Needs root (it installs CUPS and adds a queue); starts the CUPS
# daemon when none runs and stops it at the end, and removes the queue
# whatever happens. Pictures of the screen and the files the queue wrote go to
# build/print-check/.
set -euo pipefail
tavo=$PWD/build/tavo
decoder=$PWD/build/tools/decode_barcodes
pictures=$PWD/build/print-check
queue=TAVO_PDF
wait_seconds=120
if [ ! -x "$tavo" ] || [ ! -x "$decoder" ]; then
    echo "no build/tavo or build/tools/decode_barcodes: run make build first"
    exit 1
fi
[ "$(id -u)" -eq 0 ] || { echo "make print-check needs root (it installs CUPS and adds a queue)"; exit 1; }
unset CUPS_SERVER

fail() {
    echo "FAIL: $*"
    exit 1
}

# --- packages, the CUPS daemon, the queue ---

install_missing() {
    local missing=() p
    for p in cups printer-driver-cups-pdf poppler-utils xvfb openbox xdotool; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

cupsd_pid=""
xvfb_pid=""
openbox_pid=""
gui_pid=""
queue_added=""
previous_default=""
work=$(mktemp -d /tmp/tavo-print-check.XXXXXX)
started=$(date +%s)
rm -rf "$pictures"
mkdir -p "$pictures"

stop() {
    if [ -n "$1" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}

cleanup() {
    stop "$gui_pid"
    stop "$openbox_pid"
    stop "$xvfb_pid"
    # The queue goes before the daemon we started stops; one that ran before stays.
    if [ -n "$queue_added" ]; then
        cancel -a "$queue" 2>/dev/null || true
        lpadmin -x "$queue" || true
        [ -z "$previous_default" ] || lpadmin -d "$previous_default" || true
    fi
    stop "$cupsd_pid"
    # What the queue wrote and no check moved to build/print-check/ goes there too.
    touch "$work/marker" -d @"$started"
    new_outputs | while read -r file; do mv "$file" "$pictures/" || true; done
    rm -rf "$work"
    return 0
}
trap cleanup EXIT

# lpstat -r exits 0 either way: its words tell.
scheduler_runs() { lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }

start_cups() {
    if scheduler_runs; then
        echo "OK: the CUPS daemon was running already (left running)"
        return
    fi
    cupsd -f >"$work/cupsd.log" 2>&1 &
    cupsd_pid=$!
    local _
    for _ in $(seq 100); do
        scheduler_runs && break
        sleep 0.2
    done
    scheduler_runs || fail "cupsd did not start: $(cat "$work/cupsd.log")"
    echo "OK: started the CUPS daemon (pid $cupsd_pid)"
}

add_queue() {
    local driver
    driver=$(lpinfo -m | awk '$1 ~ /CUPS-PDF_opt\.ppd$/ { print $1; exit }')
    [ -n "$driver" ] || driver=$(lpinfo -m | awk '$1 ~ /CUPS-PDF/ { print $1; exit }')
    [ -n "$driver" ] || fail "lpinfo -m lists no cups-pdf driver"
    previous_default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
    queue_added=yes
    lpadmin -p "$queue" -E -v cups-pdf:/ -m "$driver" 2>"$work/lpadmin.log" ||
        fail "lpadmin: $(cat "$work/lpadmin.log")"
    lpadmin -d "$queue"
    lpstat -d | grep -qx "system default destination: $queue" || fail "$queue is not the default"
    echo "OK: queue $queue ($driver) is the default printer"
}

# The folders cups-pdf writes to, from its configuration: the submitting
# user's (Out, with ${HOME} and ${USER}) and the one for anonymous jobs.
output_folders() {
    local conf=/etc/cups/cups-pdf.conf user home out anon
    out=$(awk '$1 == "Out" { v = $2 } END { print v }' "$conf" 2>/dev/null || true)
    anon=$(awk '$1 == "AnonDirName" { v = $2 } END { print v }' "$conf" 2>/dev/null || true)
    user=$(id -un)
    home=$(getent passwd "$user" | cut -d: -f6)
    out=${out:-/var/spool/cups-pdf/\$\{USER\}}
    # shellcheck disable=SC2016 # the configuration's own ${HOME} and ${USER}
    out=${out//'${HOME}'/$home}
    # shellcheck disable=SC2016
    out=${out//'${USER}'/$user}
    printf '%s\n' "$out" "${anon:-/var/spool/cups-pdf/ANONYMOUS}"
}

# --- jobs and what they wrote ---

# The PDF files the queue wrote since the marker file was touched.
new_outputs() {
    local folder
    while read -r folder; do
        [ -d "$folder" ] && find "$folder" -maxdepth 1 -name '*.pdf' -newer "$work/marker"
    done < <(output_folders)
    return 0
}

# Waits until the queue is empty and `count` new files are there.
wait_for_outputs() {
    local count=$1 _
    for _ in $(seq $((wait_seconds * 2))); do
        if [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] &&
            [ "$(new_outputs | wc -l)" -ge "$count" ]; then
            sleep 1 # a file still being written is not read half
            return
        fi
        sleep 0.5
    done
    lpstat -o "$queue" || true
    fail "waited ${wait_seconds}s for $count file(s) from $queue; found: $(new_outputs)"
}

# Checks that the new files hold `count` barcodes in all, each the payload.
check_barcodes() {
    local count=$1 payload=$2 what=$3 file n=0 found
    : >"$work/barcodes"
    while read -r file; do
        n=$((n + 1))
        rm -f "$work"/page-*.png
        pdftoppm -q -r 300 -gray -aa no -aaVector no -png "$file" "$work/page"
        "$decoder" "$work"/page-*.png >>"$work/barcodes"
        mv "$file" "$pictures/$(echo "$what" | tr -c 'A-Za-z0-9\n' '-').pdf"
    done < <(new_outputs)
    [ "$n" -eq 1 ] || fail "$what: $n files from the queue, expected 1"
    found=$(wc -l <"$work/barcodes")
    [ "$found" -eq "$count" ] || fail "$what: $found barcode(s) on the page, expected $count"
    while IFS= read -r line; do
        [ "$line" = "$payload" ] || fail "$what: barcode '$line', expected '$payload'"
    done <"$work/barcodes"
    echo "OK: $what: $count barcode(s) on the printed page, each the payload $payload"
}

# The payload of the document printed last: OPCB.txt, without its CR.
payload_of_last_print() {
    tr -d '\r' <"$folder/OPCB.txt" | head -1
}

# --- the working folder ---

folder=$work/documents
make_documents() {
    mkdir -p "$folder" "$work/home"
    printf '%s\r\n' \
        "1,45,1500.00,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,FIRMA X,4221306,RO46RNCB0089000000000001,,,SERVICII,15/01/2023,,,,,OP" \
        "2,46,200,BETA SRL,4221306,STR. MICA 2,,,DGFP BRASOV,4221306,RO21TREZ13120A010101XXXX,,,TAXA AUTO,16/01/2025,,,,,FV" \
        >"$folder/ordine.txt"
    cp "$folder/ordine.txt" "$work/ordine.before"
}

print_from_command_line() {
    touch "$work/marker"
    "$tavo" --dir "$folder" print 1 --printer default >"$work/cli.out" 2>&1 ||
        fail "tavo print 1 --printer default: $(cat "$work/cli.out")"
    grep -qx "PRINT 1 -> printer default" "$work/cli.out" ||
        fail "no 'PRINT 1 -> printer default' line: $(cat "$work/cli.out")"
    echo "OK: tavo print 1 --printer default said: $(grep '^PRINT' "$work/cli.out")"
    local payload
    payload=$(payload_of_last_print)
    wait_for_outputs 1
    check_barcodes 1 "$payload" "tavo print 1"
}

# --- the desktop ---

screenshot() {
    command -v import >/dev/null || return 0
    DISPLAY=$display import -window root "$pictures/$1.png" 2>/dev/null || true
}

# Waits for `what` (a command) to succeed, up to 30 s.
wait_until() {
    local what=$1 _
    shift
    for _ in $(seq 150); do
        "$@" && return
        sleep 0.2
    done
    screenshot failure
    fail "waited 30s for $what"
}

x() { DISPLAY=$display "$@"; }
main_window() { x xdotool search --onlyvisible --name '^TAVO - vers\.' 2>/dev/null | head -1; }
has_main_window() { [ -n "$(main_window)" ]; }
# The program's windows other than the main one: a question or a message.
dialogs() {
    x xdotool search --onlyvisible --pid "$gui_pid" 2>/dev/null | grep -vx "$(main_window)" || true
}
has_one_dialog() { [ "$(dialogs | wc -l)" -eq 1 ]; }
has_no_dialog() { [ -z "$(dialogs)" ]; }
keys() { x xdotool key --clearmodifiers --delay 60 "$@"; }

start_desktop() {
    Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_until "Xvfb to start" grep -q '[0-9]' "$work/display"
    display=:$(tr -d '\n' <"$work/display")
    x openbox --sm-disable >"$work/openbox.log" 2>&1 &
    openbox_pid=$!
    sleep 1
    env DISPLAY="$display" HOME="$work/home" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
        "$tavo" --dir "$folder" >"$work/gui.log" 2>&1 &
    gui_pid=$!
    wait_until "the main window" has_main_window
    x xdotool windowactivate --sync "$(main_window)"
    echo "OK: the main window is open on display $display"
}

# Document 2 in NrO, Enter (to "Incărcare"), then Tab past "?", the list and
# its search field to "Listare OP/ FV", and Space presses it.
print_from_main_window() {
    touch "$work/marker"
    keys ctrl+a
    x xdotool type --delay 60 2
    keys Return Tab Tab Tab Tab
    screenshot 1-listare-focused
    keys space
    wait_until "the two-copies question" has_one_dialog
    screenshot 2-two-copies-question
    x xdotool windowactivate --sync "$(dialogs)"
    keys Return # Da: two copies a page
    wait_until "the question to close" has_no_dialog
    local payload
    payload=$(payload_of_last_print)
    wait_for_outputs 1
    screenshot 3-after-printing
    has_no_dialog || fail "a message after printing: see $pictures/3-after-printing.png"
    grep -q '^#46#,200,#BETA SRL#' <<<"$payload" ||
        fail "OPCB.txt holds '$payload', not document 2's payload"
    check_barcodes 2 "$payload" "Listare OP/ FV, 2 copies a page"
    stop "$gui_pid"
    gui_pid=""
}

# --- a queue that cannot print ---

# Stopped, then refusing jobs: `tavo print` fails with a clear line, nothing
# reaches the queue, nothing new comes out, ordine.txt is unchanged.
print_on_unready_queue() {
    local state expected
    for state in stopped refusing; do
        if [ "$state" = stopped ]; then
            cupsdisable "$queue"
            expected="tavo print: the printer '$queue' is stopped: nothing was printed"
        else
            cupsenable "$queue"
            cupsreject "$queue"
            expected="tavo print: the printer '$queue' does not accept jobs: nothing was printed"
        fi
        touch "$work/marker"
        local code=0
        "$tavo" --dir "$folder" print 1 --printer default >"$work/cli.out" 2>&1 || code=$?
        [ "$code" -eq 1 ] || fail "queue $state: tavo print exited $code: $(cat "$work/cli.out")"
        grep -qxF "$expected" "$work/cli.out" ||
            fail "queue $state: tavo print said: $(cat "$work/cli.out")"
        [ -z "$(lpstat -o "$queue")" ] || fail "queue $state: a job was sent: $(lpstat -o "$queue")"
        sleep 2
        [ -z "$(new_outputs)" ] || fail "queue $state: the queue wrote $(new_outputs)"
        cmp -s "$folder/ordine.txt" "$work/ordine.before" || fail "queue $state: ordine.txt changed"
        echo "OK: queue $state: exit 1, '$expected', no job sent, ordine.txt unchanged"
    done
    cupsaccept "$queue"
}

install_missing
start_cups
add_queue
echo "OK: cups-pdf writes to $(output_folders | paste -sd ' ')"
make_documents
print_from_command_line
start_desktop
print_from_main_window
print_on_unready_queue
cmp -s "$folder/ordine.txt" "$work/ordine.before" || fail "ordine.txt changed"
echo "OK: ordine.txt unchanged after every print"
