# Sourced by the Windows test and picture scripts: a Wine prefix of their own
# ($WINEPREFIX) made ready for the programs, with no COM link in it, and the
# radio simulator ($simulator) on a pseudo-terminal that COM1 leads to through
# $rig/com1.
#
# Wine's own fonts: Debian's Wine 8.0 looks for the fonts of fonts-wine
# (Tahoma, the face behind "MS Shell Dlg 2", the dialog font Qt's windows
# platform asks for) beside its data folder, not in /usr/share/wine/fonts
# where the package puts them. Without Tahoma GDI answers "MS Shell Dlg 2"
# with the first face fontconfig lists, DejaVu Math TeX Gyre, in which Latin
# text looks serif and Qt's entry fields draw no text at all. Windows always
# has Tahoma; the prefix gets Wine's own copy in its Fonts folder, where Wine
# finds it.
#
# The offscreen platform on Windows reads the font files of one folder
# (QT_QPA_FONTDIR); $WINEPREFIX/rk-fonts holds DejaVu Sans and Noto Sans CJK
# for it, so that offscreen text has the same faces as on Linux.

wine_fonts=/usr/share/wine/fonts
offscreen_fonts=(/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
                 /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
                 /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc)

make_wine_prefix() {
    export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        wineboot -i >/dev/null 2>&1
    fi
    wineserver -k 2>/dev/null || true
    wineserver -w
    local fonts=$WINEPREFIX/drive_c/windows/Fonts font
    [ -f "$wine_fonts/tahoma.ttf" ] || { echo "wine-prefix.sh: no $wine_fonts/tahoma.ttf (fonts-wine)" >&2; return 1; }
    mkdir -p "$fonts" "$WINEPREFIX/rk-fonts"
    for font in "$wine_fonts"/*.ttf; do
        ln -sfn "$font" "$fonts/$(basename "$font")"
    done
    for font in "${offscreen_fonts[@]}"; do
        [ -f "$font" ] || { echo "wine-prefix.sh: no $font" >&2; return 1; }
        ln -sfn "$font" "$WINEPREFIX/rk-fonts/$(basename "$font")"
    done
    WINEQT_QPA_FONTDIR=$(winepath -w "$WINEPREFIX/rk-fonts" 2>/dev/null)
    export WINEQT_QPA_FONTDIR
    rm -f "$WINEPREFIX"/dosdevices/com*
}

# Every COM link of the prefix, one a line, in name order.
wine_com_links() {
    find "$WINEPREFIX/dosdevices" -maxdepth 1 -iname 'com*' -printf '%f\n' | sort
}

# The radio simulator on a new pseudo-terminal, serving image $1 (or its
# sample), in folder $2, where it leaves written.bin when it ends.
sim_pid=
start_radio() {
    mkdir -p "$2"
    (cd "$2" && exec "$simulator" ${1:+"$1"} >stdout 2>stderr) &
    sim_pid=$!
    for _ in $(seq 50); do
        grep -q '^RK_COM1=' "$2/stdout" 2>/dev/null && break
        sleep 0.1
    done
    pty=$(sed -n 's/^RK_COM1=//p' "$2/stdout")
    [ -c "$pty" ] || { echo "the radio simulator gave no pseudo-terminal" >&2; exit 1; }
    ln -sfn "$pty" "$rig/com1"
}
stop_radio() {
    [ -n "$sim_pid" ] || return 0
    kill "$sim_pid" && wait "$sim_pid" || true
    sim_pid=
}

# Every COM link of the prefix: only com1, leading to the pseudo-terminal of
# the simulator that runs now (Unix 98 pseudo-terminals: majors 136-143).
check_ports() {
    local links
    links=$(wine_com_links | tr '\n' ' ')
    [ "$links" = "com1 " ] || { echo "COM links in the prefix: '$links', not only com1" >&2; exit 1; }
    [ "$(readlink "$WINEPREFIX/dosdevices/com1")" = "$rig/com1" ] || { echo "com1 leads elsewhere" >&2; exit 1; }
    local device major
    device=$(readlink -f "$rig/com1")
    major=$((0x$(stat -L -c %t "$device")))
    [ "$device" = "$pty" ] && [ "$major" -ge 136 ] && [ "$major" -le 143 ] ||
        { echo "COM1 leads to $device, not the simulator's pseudo-terminal" >&2; exit 1; }
}

# COM1 is $rig/com1, which each simulator points at its own pseudo-terminal;
# nothing else is mapped, and the links Wine made earlier are gone before it
# starts again.
map_com1() {
    printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Wine\\Ports]\r\n"COM1"="%s"\r\n' "$rig/com1" >"$rig/ports.reg"
    rm -f "$WINEPREFIX"/dosdevices/com*
    wine regedit /S "$(winepath -w "$rig/ports.reg" 2>/dev/null)"
    wineserver -w
    # Wine makes the COM links when it starts: once more, with the map in place.
    wine reg query 'HKLM\Software\Wine\Ports' >/dev/null 2>&1
    wineserver -w
    check_ports
}
