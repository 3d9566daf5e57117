#!/usr/bin/env bash
# The Windows tests under Wine, in a Wine prefix of their own where COM1 leads
# to the radio simulator on a pseudo-terminal and no other COM name leads
# anywhere: the whole run is in a mount namespace whose /dev has no serial
# device (without-serial-devices.sh), and every COM link of the prefix is
# checked before each program that may open a port.
#   tests/windows/run.sh <cross build> <staged package> <Qt for Windows> <host build>
# Exits non-zero naming the first check that failed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${RK_NO_SERIAL_NAMESPACE:-}" != 1 ]; then
    exec "$here/without-serial-devices.sh" "$0" "$@"
fi
cross=$1 stage=$2 qt=$3 host=$4

rig=$cross/wine-rig
export WINEPREFIX=$cross/wine-prefix
# shellcheck source=wine-prefix.sh
. "$here/wine-prefix.sh"
# Wine hands the Windows program QT_* variables only with this prefix.
export WINEQT_QPA_PLATFORM=offscreen WINEQT_LOGGING_RULES="qt.qpa.*=false"
simulator=$host/tests/support/radio_simulator
linux_rkradio=$host/src/cli/rkradio
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
winpath() { winepath -w "$1" 2>/dev/null; }

rm -rf "$rig" && mkdir -p "$rig/bin"
# The programs as the package ships them, with the offscreen platform and the
# test programs beside them.
cp -r "$stage"/. "$rig/bin/"
cp "$qt/plugins/platforms/qoffscreen.dll" "$rig/bin/platforms/"
cp "$qt/bin/Qt6Test.dll" "$cross/win_serial_port_tests.exe" "$cross/win_program_transfer_tests.exe" "$rig/bin/"
mapfile -t test_programs <"$cross/windows-tests.txt"
for name in "${test_programs[@]}"; do cp "$cross/$name.exe" "$rig/bin/"; done
# Wine has no pdftotext: the build host's, as the pdftotext.exe a Windows
# machine would have beside the tests (Poppler's Windows build).
x86_64-w64-mingw32-gcc-posix -std=c11 -O2 -Wall -Wextra -Werror -municode -o "$rig/bin/pdftotext.exe" "$here/WinePdfToText.c"

make_wine_prefix

trap 'stop_radio; wineserver -k 2>/dev/null || true' EXIT

in_bin() { (cd "$rig/bin" && "$@"); }

# A Qt Test program. Without a console of its own it writes its results to
# the debugger output, which WINEDEBUG=+debugstr shows (every test object of
# the program: a file named by -o would keep only the last one's).
run_qt_test() {
    local name=$1
    shift
    check_ports
    if env "$@" WINEDEBUG=+debugstr timeout 300 wine "$rig/bin/$name.exe" >/dev/null 2>"$rig/$name.debug"; then
        pass "$name"
    else
        fail "$name"
    fi
    # Wine cuts a long string short with "...
    sed -n 's/^[0-9a-f]*:warn:debugstr:OutputDebugStringA "\(.*\)"\(\.\.\.\)\{0,1\}$/\1\2/p' "$rig/$name.debug" |
        sed 's/\\n/\n/g; s/\\"/"/g' >"$rig/$name.txt"
    grep -E '^(FAIL!|XPASS|SKIP|QFATAL|Totals|   [A-Z]|\.\./)' "$rig/$name.txt" | sed 's/^/    /' || true
}

# Seconds since $1 (date +%s%N).
since() { local ns=$(( $(date +%s%N) - $1 )); printf '%d.%03d' $((ns / 1000000000)) $((ns / 1000000 % 1000)); }

start_radio "" "$rig/radio-read"
map_com1
wine reg query 'HKLM\HARDWARE\DEVICEMAP\SERIALCOMM' 2>/dev/null | tr -d '\r' | awk '/REG_SZ/ { print $NF }' >"$rig/serialcomm.txt" || true
[ "$(cat "$rig/serialcomm.txt")" = "COM1" ] && pass "the serial-port map holds COM1 only" ||
    fail "the serial-port map holds: $(tr '\n' ' ' <"$rig/serialcomm.txt")"

# The test programs of the core, the editor and the programs' windows, each
# with fresh settings (the registry key of the programs' organisation goes)
# and its own fresh data folders (Qt's test folders, see TestRunner.h).
for name in "${test_programs[@]}"; do
    wine reg delete 'HKCU\Software\Local AppWizard-Generated Applications' /f >/dev/null 2>&1 || true
    run_qt_test "$name"
done

check_ports
ports=$(in_bin timeout 60 wine rkradio.exe ports 2>&1 | tr -d '\r')
[ "$ports" = "COM1  COM1" ] && pass "rkradio.exe ports: COM1 only" || fail "rkradio.exe ports said: $ports"

# A read on Linux and one under Wine from the same radio.
wineserver -w
RK_COM1=$pty XDG_DATA_HOME=$rig/linux-data "$linux_rkradio" read --model rk520 --port COM1 --quiet -o "$rig/linux-read.rkd"
check_ports
start=$(date +%s%N)
if in_bin timeout 120 wine rkradio.exe read --model rk520 --port COM1 --quiet -o "$(winpath "$rig/wine-read.rkd")" >"$rig/read.out" 2>&1; then
    read_time=$(since "$start")
    cmp -s "$rig/linux-read.rkd" "$rig/wine-read.rkd" && pass "rkradio.exe read: the same bytes as on Linux, in $read_time s" ||
        fail "rkradio.exe read: other bytes than on Linux"
else
    fail "rkradio.exe read failed: $(tr -d '\r' <"$rig/read.out")"
fi

# A port that leads nowhere fails as the radio or the port failing (4).
check_ports
status=0
in_bin timeout 60 wine rkradio.exe read --model rk520 --port COM2 --quiet -o "$(winpath "$rig/none.rkd")" >"$rig/com2.out" 2>&1 || status=$?
[ "$status" = 4 ] && grep -q COM2 "$rig/com2.out" && pass "rkradio.exe read --port COM2: exit status 4" ||
    fail "rkradio.exe read --port COM2: status $status, $(tr -d '\r' <"$rig/com2.out")"

run_qt_test win_serial_port_tests RK_EXPECTED_IMAGE="$(winpath "$rig/linux-read.rkd")"
stop_radio

# rk520's window reads a radio of its own through the Win32 adapter and
# writes one change back; the same image written from Linux reaches another
# radio as the same bytes.
start_radio "" "$rig/radio-program"
start=$(date +%s%N)
run_qt_test win_program_transfer_tests RK_EXPECTED_IMAGE="$(winpath "$rig/linux-read.rkd")" \
    RK_WRITTEN_IMAGE="$(winpath "$rig/program-written.rkd")"
program_time=$(since "$start")
stop_radio
if [ -f "$rig/program-written.rkd" ]; then
    start_radio "" "$rig/radio-program-linux"
    RK_COM1=$pty XDG_DATA_HOME=$rig/linux-data "$linux_rkradio" write --model rk520 --port COM1 --no-backup --no-verify --quiet "$rig/program-written.rkd" >/dev/null
    stop_radio
    cmp -s "$rig/radio-program/written.bin" "$rig/radio-program-linux/written.bin" &&
        pass "rk520.exe's window: read, backup, preview, write and check in $program_time s; the radio got the same bytes as from Linux" ||
        fail "rk520.exe's window: the radio got other bytes than from Linux"
fi

# The same write on Linux and under Wine, each to a radio of its own: the
# radios receive the same bytes. The image is the one read above, with the
# derived fields the write refreshes.
cp "$rig/linux-read.rkd" "$rig/new.rkd"
start_radio "" "$rig/radio-linux-write"
wineserver -w
RK_COM1=$pty XDG_DATA_HOME=$rig/linux-data "$linux_rkradio" write --model rk520 --port COM1 --no-backup --no-verify --quiet "$rig/new.rkd" >/dev/null
stop_radio
start_radio "" "$rig/radio-wine-write"
check_ports
start=$(date +%s%N)
if in_bin timeout 120 wine rkradio.exe write --model rk520 --port COM1 --no-backup --no-verify --quiet "$(winpath "$rig/new.rkd")" >"$rig/write.out" 2>&1; then
    write_time=$(since "$start")
    stop_radio
    cmp -s "$rig/radio-linux-write/written.bin" "$rig/radio-wine-write/written.bin" &&
        pass "rkradio.exe write: the radio got the same bytes as from Linux, in $write_time s" ||
        fail "rkradio.exe write: the radio got other bytes than from Linux"
else
    fail "rkradio.exe write failed: $(tr -d '\r' <"$rig/write.out")"
fi
stop_radio

[ "$failures" = 0 ] || { echo "$failures Windows test(s) failed" >&2; exit 1; }
echo "All Windows tests passed"
