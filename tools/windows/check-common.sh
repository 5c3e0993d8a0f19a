# Sourced by the Windows checks (check-windows.sh, check-installer.sh,
# check-windows-desktop.sh): Wine on PATH and the tally of their checks.
# Debian's wine64 package keeps its loader and server in /usr/lib/wine (the
# wine package would put wrappers on PATH).
export PATH=/usr/lib/wine:$PATH
passed=0
failed=0
ok() { echo "OK: $*"; passed=$((passed + 1)); }
bad() { echo "FAILED: $*"; failed=$((failed + 1)); }
check() { # check WHAT COMMAND...: OK when the command succeeds
    local what=$1
    shift
    if "$@" >/dev/null 2>&1; then ok "$what"; else bad "$what"; fi
}
