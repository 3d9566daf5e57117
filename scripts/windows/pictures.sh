#!/usr/bin/env bash
# Pictures of rk520.exe and rk7400.exe as Windows draws them under Wine: the
# windows platform on a virtual X display (Xvfb), each program in its own
# language and in English: the main window with its channel table, a message
# box (a file that is not a radio image) and the write preview (a write to
# the radio simulator on COM1, which holds a new document's image). In a Wine prefix of its own, in a mount
# namespace without serial devices, COM1 checked before each program starts.
#   scripts/windows/pictures.sh <staged package> <host build> <out dir>
# scripts/windows.sh stages the package in build/windows/stage/<name>; the
# host build is the one that made the simulator (build/test).
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
if [ "${RK_NO_SERIAL_NAMESPACE:-}" != 1 ]; then
    exec "$repo/tests/windows/without-serial-devices.sh" "$0" "$@"
fi
stage=$(cd "$1" && pwd) host=$(cd "$2" && pwd)
mkdir -p "$3" && out=$(cd "$3" && pwd)
rig=$(dirname "$(dirname "$stage")")/wine-pictures
simulator=$host/tests/support/radio_simulator
export WINEPREFIX=$rig/prefix
# shellcheck source=../../tests/windows/wine-prefix.sh
. "$repo/tests/windows/wine-prefix.sh"
mkdir -p "$rig/images"
make_wine_prefix

display_file=$rig/display
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb=$!
trap 'stop_radio; wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$display_file")

# The images: what the radio simulator serves, read by the Linux rkradio as
# each model, and a file that is no image at all.
start_radio "" "$rig/radio"
RK_COM1=$pty XDG_DATA_HOME=$rig/linux-data "$host/src/cli/rkradio" read --model rk520 --port COM1 --quiet -o "$rig/images/sample.rkd"
RK_COM1=$pty XDG_DATA_HOME=$rig/linux-data "$host/src/cli/rkradio" read --model rk7400 --port COM1 --quiet -o "$rig/images/sample.zu1"
# The radio the write goes to holds a new document's image, so that the
# preview has changes to list.
"$host/src/cli/rkradio" new --model rk520 --band 400 -o "$rig/images/radio.rkd"
"$host/src/cli/rkradio" new --model rk7400 --band 400 -o "$rig/images/radio.zu1"
printf 'not a radio image\n' >"$rig/images/bad.rkd"
cp "$rig/images/bad.rkd" "$rig/images/bad.zu1"
map_com1
images=$(winepath -w "$rig/images" 2>/dev/null)

# The program's main window (its largest), once it shows.
program_window() {
    local window best= area largest=0 WIDTH HEIGHT
    for _ in $(seq 60); do
        for window in $(xdotool search --onlyvisible --classname "$1" 2>/dev/null); do
            WIDTH=0 HEIGHT=0
            eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
            area=$((WIDTH * HEIGHT))
            [ "$area" -gt "$largest" ] && { largest=$area; best=$window; }
        done
        [ -n "$best" ] && { echo "$best"; return 0; }
        sleep 0.5
    done
    echo "pictures.sh: $1 shows no window" >&2
    return 1
}

# picture NAME PROGRAM [ARGS...]: starts the program; $ACTION (keys, or
# "write" for the Radio menu's Write) is done once its window shows, and
# the screen is taken $WAIT seconds later.
picture() {
    local name=$1 program=$2 window
    shift 2
    # Each picture from a first start: no window layout kept from the last.
    wine reg delete 'HKCU\Software\Local AppWizard-Generated Applications' /f >/dev/null 2>&1 || true
    check_ports
    (cd "$stage" && exec wine "$program" "$@" >/dev/null 2>&1) &
    window=$(program_window "$program")
    sleep 4
    case "${ACTION:-}" in
        "") ;;
        write)
            # Radio (the fifth menu), its first item: Write.
            xdotool windowfocus "$window" 2>/dev/null || true
            xdotool key alt; sleep 1
            xdotool key Right Right Right Right Down; sleep 1
            xdotool key Return ;;
        *)
            xdotool windowfocus "$window" 2>/dev/null || true
            # shellcheck disable=SC2086
            xdotool key $ACTION ;;
    esac
    sleep "${WAIT:-3}"
    xwd -root -silent | convert xwd:- "$out/$name.png"
    wineserver -k 2>/dev/null || true
    wineserver -w
}

for pair in "rk520 zh rkd" "rk520 en rkd" "rk7400 ru zu1" "rk7400 en zu1"; do
    read -r model language suffix <<<"$pair"
    lang=()
    [ "$language" = en ] && lang=(--lang en)
    ACTION=ctrl+t picture "$model-$language-table" "$model.exe" "${lang[@]}" "$images\\sample.$suffix"
    picture "$model-$language-message" "$model.exe" "${lang[@]}" "$images\\bad.$suffix"
    stop_radio
    start_radio "$rig/images/radio.$suffix" "$rig/radio-$model-$language"
    # The backup read before the preview takes about 11 s at the protocol's periods.
    ACTION=write WAIT=30 picture "$model-$language-preview" "$model.exe" "${lang[@]}" "$images\\sample.$suffix"
done
echo "pictures.sh: $(find "$out" -name '*.png' | wc -l) pictures in $out"
