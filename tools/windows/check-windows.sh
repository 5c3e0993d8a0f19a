#!/usr/bin/env bash
# `make windows-check`: tavo.exe of `make windows` under Wine, in a fresh Wine
# prefix under the build folder, checked with the Linux side's own tests:
#   - every end-to-end case of tests/e2e, with the same expected bytes;
#   - the unit and widget tests built for Windows;
#   - a document printed without a printer, its barcode read back as the payload;
#   - saves killed at random moments, the orders file whole every time;
#   - the installer: installed and uninstalled silently (check-installer.sh);
#   - the installed program's windows driven by keys on a virtual display
#     (check-windows-desktop.sh): each of its steps one more check here.
# One line per check, then a summary. Not part of `make test`.
set -uo pipefail
cd "$(dirname "$0")/../.."
. tools/windows/check-common.sh
out=${WINDOWS_BUILD:-build-windows}
build=${BUILD:-build}
version=$(sed -nE 's/^project\(tavo VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
folder=$PWD/$out/tavo-$version-windows
check=$PWD/$out/check
skip() { echo "SKIPPED: $*"; exit 0; }

[ -f "$folder/tavo.exe" ] || { echo "no $folder/tavo.exe: run make windows first"; exit 1; }
find_wine() {
    wine=$(command -v wine64) && wineserver=$(command -v wineserver64 || command -v wineserver)
}
if ! find_wine; then
    apt-get install -y -qq --no-install-recommends wine64 >/dev/null 2>&1 ||
        skip "wine64 is not installed and cannot be"
    find_wine || skip "wine64 is installed but its loader is not found"
fi
export TAVO_WINE=$wine
rm -rf "$check"
mkdir -p "$check"
export WINEPREFIX=$check/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot -i >/dev/null 2>&1 || skip "Wine cannot make a prefix here"
# A persistent server: each start of tavo.exe then takes a fraction of a second.
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null' EXIT
started=$(date +%s)

# --- the end-to-end cases ---
log=$check/e2e.log
TAVO_EXE=$folder/tavo.exe "$build/tests/tavo_e2e_tests" --gtest_brief=1 >"$log" 2>&1
cases=$("$build/tests/tavo_e2e_tests" --gtest_list_tests | grep -c '^  ')
failing=$(grep -cE '^\[  FAILED  \] Cases/.*ms\)$' "$log" || true)
if [ "$failing" -eq 0 ] && grep -q '^\[  PASSED  \]' "$log"; then
    ok "end-to-end cases under Wine: $cases of $cases"
else
    bad "end-to-end cases under Wine: $((cases - failing)) of $cases (see $log)"
    grep -E '^\[  FAILED  \] Cases/.*ms\)$' "$log" | sed 's/^/    /'
fi

# --- the unit and widget tests built for Windows, beside the program's DLLs ---
tests=$check/tests
cp -r "$folder" "$tests"
cp "$out"/build/tests/*.exe "$tests"/
qt=$(ls -d "${TAVO_WINDOWS_CACHE:-$HOME/.cache/tavo-windows}"/qt-*/ | head -1)
cp "$qt/bin/Qt6Test.dll" "$tests"/
for exe in "$tests"/*_test*.exe; do
    name=$(basename "$exe" .exe)
    result=$check/$name.log
    if [ "$name" = tavo_unit_tests ]; then
        (cd "$tests" && "$wine" "$exe" --gtest_brief=1 >"$result" 2>&1)
        status=$?
        ran=$(sed -nE 's/^\[==========\] ([0-9]+) tests? from .* ran.*/\1/p' "$result")
        skipped=$(sed -nE 's/^\[  SKIPPED \] ([0-9]+) tests?, listed below.*/\1/p' "$result")
        summary="${ran:-0} run, ${skipped:-0} skipped"
    else
        (cd "$tests" && "$wine" "$exe" -platform offscreen -o "$name.txt,txt" >/dev/null 2>&1)
        status=$?
        cp "$tests/$name.txt" "$result" 2>/dev/null
        summary=$(sed -nE 's/^Totals: ([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped.*/\1 passed, \3 skipped/p' "$result")
    fi
    if [ $status -eq 0 ]; then ok "$name under Wine: $summary"; else bad "$name under Wine: $summary (see $result)"; fi
done

# --- a printed page read back ---
documents=$check/documents
mkdir -p "$documents"
printf '1,745,1500.50,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,,BUGETUL DE STAT,4221306,RO21TREZ13120A010101XXXX,,,IMPOZIT PE PROFIT,15/01/2025,,,,,OP\r\n' \
    >"$documents/ordine.txt"
if (cd "$documents" && "$wine" "$folder/tavo.exe" --dir . print 1 >"$check/print.log" 2>&1) &&
    [ -f "$documents/listari/print-0001.pdf" ]; then
    pdftoppm -q -r 300 -gray -aa no -aaVector no -png "$documents/listari/print-0001.pdf" "$check/page"
    read_back=$("$build/tools/decode_barcodes" "$check"/page*.png | head -1)
    payload=$(tr -d '\r' <"$documents/OPCB.txt" | head -1)
    if [ -n "$payload" ] && [ "$read_back" = "$payload" ]; then
        ok "tavo.exe print 1: the barcode of listari/print-0001.pdf reads back as the payload"
    else
        bad "tavo.exe print 1: barcode '$read_back', payload '$payload'"
    fi
else
    bad "tavo.exe print 1 wrote no PDF (see $check/print.log)"
fi

# --- killed saves ---
kills=${TAVO_KILLS:-60}
if TAVO_EXE=$folder/tavo.exe TAVO_KILLS=$kills "$build/tests/tavo_crash_tests" \
    --gtest_filter='Kills.*' >"$check/kills.log" 2>&1; then
    ok "tavo.exe killed $kills times while it saves: the orders file whole every time"
else
    bad "killed saves (see $check/kills.log)"
fi

# --- the installer, in a Wine prefix of its own ---
setup=$PWD/$out/tavo-$version-setup.exe
if [ -f "$setup" ]; then
    if tools/windows/check-installer.sh "$setup" >"$check/installer.log" 2>&1; then
        ok "installer: $(grep '^installer ' "$check/installer.log" | cut -d' ' -f2-)"
    else
        bad "installer: $(tail -1 "$check/installer.log") (see $check/installer.log)"
    fi
else
    bad "no installer $setup"
fi

# --- the installed program's windows, driven by keys ---
if [ -f "$setup" ]; then
    desktop_log=$check/desktop.log
    WINDOWS_BUILD=$out BUILD=$build tools/windows/check-windows-desktop.sh >"$desktop_log" 2>&1
    grep -E '^(OK|FAILED|SKIPPED): ' "$desktop_log"
    passed=$((passed + $(grep -c '^OK: ' "$desktop_log")))
    failed=$((failed + $(grep -c '^FAILED: ' "$desktop_log")))
    grep -q '^\(OK\|FAILED\|SKIPPED\): ' "$desktop_log" ||
        bad "the windows under Wine: $(tail -1 "$desktop_log") (see $desktop_log)"
    grep '^start to main window' "$desktop_log"
fi

echo "windows-check: $passed passed, $failed failed in $(($(date +%s) - started)) s"
[ "$failed" -eq 0 ]
