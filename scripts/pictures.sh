#!/usr/bin/env bash
# Makes the user guide's pictures from the real windows, offscreen: each
# program in its own language and in English. Fails when any picture cannot
# be made.
#   scripts/pictures.sh [build-dir] [out-dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/test}
out=${2:-$build/guide/html/pictures}
program=$build/guide/window_pictures
[ -x "$program" ] || { echo "pictures.sh: no $program; build the target window_pictures first" >&2; exit 1; }
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
start=$(date +%s%N)
for pair in "rk520 zh" "rk520 en" "rk7400 ru" "rk7400 en"; do
    # shellcheck disable=SC2086
    # The offscreen platform's remarks on what it cannot do are left out.
    "$program" $pair "$out" 2>&1 >/dev/null | { grep -v -e 'This plugin does not support' -e 'XDG_RUNTIME_DIR' >&2 || true; }
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "pictures.sh: window_pictures $pair failed" >&2; exit 1; }
done
count=$(find "$out" -name '*.png' | wc -l)
elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
echo "pictures.sh: $count pictures in $out, $((elapsed / 1000)).$(printf '%03d' $((elapsed % 1000))) s"
