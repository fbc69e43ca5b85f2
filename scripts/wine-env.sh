# Sourced by the run and test scripts: a Wine prefix of the project's own on an Xvfb
# display, with the Japanese ANSI code page (932).
#   LUMAPLAY_PREFIX   the Wine prefix (default: build/wineprefix)
#   LUMAPLAY_DISPLAY  the X display number for Xvfb (default: 93)
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${LUMAPLAY_PREFIX:-$ROOT/build/wineprefix}"
export WINEARCH=win32
export WINEDEBUG=fixme-all
export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# A desktop's own display is used when LUMAPLAY_DESKTOP=1; otherwise a private Xvfb.
if [ "${LUMAPLAY_DESKTOP:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=":${LUMAPLAY_DISPLAY:-93}"
fi

# Starts Xvfb on $DISPLAY unless a server already answers there.
start_display() {
    if [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ]; then
        return 0
    fi
    Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && return 0
        sleep 0.1
    done
    echo "Xvfb did not start on $DISPLAY" >&2
    return 1
}

# Makes the prefix once: Japanese fonts for the dialog font, no window-manager stalls.
prepare_prefix() {
    if [ -f "$WINEPREFIX/.lumaplay-ready" ]; then
        return 0
    fi
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    for face in 'ＭＳ Ｐゴシック' 'ＭＳ ゴシック' 'MS PGothic' 'MS Gothic' 'MS UI Gothic'; do
        wine reg add "$key" /v "$face" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    done
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.lumaplay-ready"
}

# One Wine server for a whole run, with its background services started here, their
# output sent nowhere: started by a test, they would hold the test's output pipe open.
start_wine_services() {
    wineserver -p >/dev/null 2>&1
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1
}

stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}
