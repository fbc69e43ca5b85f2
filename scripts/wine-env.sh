# Sourced by the run, test and benchmark scripts: which Windows builds this machine
# can run, a Wine prefix of the project's own for each, an Xvfb display, and the
# Japanese ANSI code page (932).
#   LUMAPLAY_PREFIX   base of the Wine prefixes (default: build/wineprefix; the
#                     32-bit one is <base>-win32, the 64-bit one <base>-win64)
#   LUMAPLAY_DISPLAY  the X display number for Xvfb (default: 93)
#   LUMAPLAY_SCREEN   the size of the Xvfb screen it starts (default: 1024x768)
#   LUMAPLAY_BUILDS   "win32", "win64" or "win32 win64": test only these of the
#                     builds this machine can run (default: all of them)
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64
export WINEDEBUG=fixme-all
export WINEDLLOVERRIDES="mscoree=;winemenubuilder.exe=d"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
# A desktop's own display is used when LUMAPLAY_DESKTOP=1; otherwise a private Xvfb.
if [ "${LUMAPLAY_DESKTOP:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=":${LUMAPLAY_DISPLAY:-93}"
fi

# Prints what failed and what to do, then ends the script with status 1.
die() {
    echo "ERROR: $1" >&2
    [ -z "${2:-}" ] || echo "  What to do: $2" >&2
    exit 1
}

# A command's complaint in one line, without the shell's "file: line N:" prefix.
one_line() {
    tr '\n' ' ' <<<"$1" | sed -E 's/^.*line [0-9]+: //; s/ *$//'
}

# Sets RUNNABLE_BUILDS to the Windows builds whose Wine runs on this machine, the
# 32-bit one first, and WHY to one line that says what was found. Some kernels refuse
# every 32-bit program, so 32-bit Wine is tried for real: its loader is itself a
# 32-bit program, and the machine's architecture name tells nothing about this.
detect_builds() {
    RUNNABLE_BUILDS=""
    local why32 why64 out
    if [ ! -x "$WINE32_LOADER" ]; then
        why32="32-bit Wine is not installed"
    elif out=$(export LC_ALL=C; "$WINE32_LOADER" --version 2>&1); then
        RUNNABLE_BUILDS="win32"
        why32="32-bit Wine runs ($out)"
    else
        why32="32-bit Wine cannot start here ($(one_line "$out")): this kernel refuses 32-bit programs"
    fi
    if [ ! -x "$WINE64_LOADER" ]; then
        why64="64-bit Wine is not installed"
    elif out=$(export LC_ALL=C; "$WINE64_LOADER" --version 2>&1); then
        RUNNABLE_BUILDS="${RUNNABLE_BUILDS:+$RUNNABLE_BUILDS }win64"
        why64="64-bit Wine runs"
    else
        why64="64-bit Wine cannot start here ($(one_line "$out"))"
    fi
    WHY="$why32; $why64"
    if [ -n "${LUMAPLAY_BUILDS:-}" ]; then
        local chosen="" b
        for b in $RUNNABLE_BUILDS; do
            [[ " $LUMAPLAY_BUILDS " == *" $b "* ]] && chosen="${chosen:+$chosen }$b"
        done
        RUNNABLE_BUILDS="$chosen"
        WHY="$WHY; LUMAPLAY_BUILDS=\"$LUMAPLAY_BUILDS\" asked for"
    fi
    [ -n "$RUNNABLE_BUILDS" ] ||
        die "no Windows build can run on this machine ($WHY)." \
            "run 'bash scripts/setup.sh' as root; it installs 32-bit and 64-bit Wine."
}

# Makes one of the builds current: its Wine loader, prefix and architecture.
use_build() {
    BUILD="$1"
    export WINEPREFIX="${LUMAPLAY_PREFIX:-$ROOT/build/wineprefix}-$BUILD"
    if [ "$BUILD" = win32 ]; then
        export WINEARCH=win32 WINELOADER="$WINE32_LOADER"
    else
        export WINEARCH=win64 WINELOADER="$WINE64_LOADER"
    fi
}

# Wine of the current build: the generic wine command would take the 32-bit loader
# whenever it is installed, even where it cannot run.
wine() {
    "$WINELOADER" "$@"
}

# Starts Xvfb on $DISPLAY unless a live server already runs there. A server that
# was killed leaves its lock file and socket behind; those are cleared first, or
# every window would fail to open on a display nobody serves.
start_display() {
    local n="${DISPLAY#:}" lock="/tmp/.X${DISPLAY#:}-lock" pid
    if [ -f "$lock" ]; then
        pid=$(tr -d ' \n' <"$lock" 2>/dev/null || true)
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
            return 0
        fi
        rm -f "$lock" "/tmp/.X11-unix/X$n" 2>/dev/null ||
            die "display $DISPLAY has a stale lock $lock that cannot be removed." \
                "remove it by hand, or choose another display number with LUMAPLAY_DISPLAY=N."
    fi
    command -v Xvfb >/dev/null || die "Xvfb is not installed." "run 'bash scripts/setup.sh' as root."
    Xvfb "$DISPLAY" -screen 0 "${LUMAPLAY_SCREEN:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && return 0
        sleep 0.1
    done
    die "Xvfb did not start on display $DISPLAY." \
        "choose a free display number with LUMAPLAY_DISPLAY=N, or remove a stale /tmp/.X$((${DISPLAY#:}))-lock."
}

# Makes the current build's prefix once: Japanese fonts for the dialog font, no
# window-manager stalls.
prepare_prefix() {
    if [ -f "$WINEPREFIX/.lumaplay-ready" ]; then
        return 0
    fi
    mkdir -p "$WINEPREFIX" || die "cannot create the Wine prefix $WINEPREFIX." "check that the folder is writable."
    local log="$WINEPREFIX.boot.log"
    # A 64-bit prefix without 32-bit Wine reports a missing syswow64 helper: harmless.
    if ! wine wineboot -i >"$log" 2>&1 || ! wineserver -w; then
        tail -n 5 "$log" >&2
        die "wineboot could not make the $BUILD Wine prefix $WINEPREFIX (its output: $log)." \
            "delete that folder and run again; if it fails again, reinstall Wine with 'bash scripts/setup.sh'."
    fi
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 ||
        die "could not write the Wine prefix's registry ($WINEPREFIX)." "delete that folder and run again."
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    for face in 'ＭＳ Ｐゴシック' 'ＭＳ ゴシック' 'MS PGothic' 'MS Gothic' 'MS UI Gothic'; do
        wine reg add "$key" /v "$face" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1 ||
            die "could not map the dialog font in the Wine prefix ($WINEPREFIX)." "delete that folder and run again."
    done
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wineserver -w
    touch "$WINEPREFIX/.lumaplay-ready"
}

# One Wine server for the current prefix, with its background services started here,
# their output sent nowhere: started by a test, they would hold the test's output pipe
# open.
start_wine_services() {
    # Fails harmlessly when a server of this prefix runs already; the program run
    # below tells whether Wine works.
    wineserver -p >/dev/null 2>&1 || true
    wine cmd.exe /c exit </dev/null >/dev/null 2>&1 ||
        die "Wine could not run a program in $WINEPREFIX." "delete that folder and run again."
}

# Ends the current prefix's Wine server.
stop_wine_server() {
    [ -n "${WINEPREFIX:-}" ] || return 0
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}

stop_wine() {
    stop_wine_server
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
}

# A small disk of its own for the end-to-end row that fills one: a 1 MiB tmpfs at
# build/<build>/e2e-work/small-disk, where this user may mount one (CI runs as root).
# Where none can be mounted the row says so and is skipped.
mount_small_disk() {
    SMALL_DISK="$ROOT/build/$BUILD/e2e-work/small-disk"
    mkdir -p "$SMALL_DISK"
    mountpoint -q "$SMALL_DISK" || mount -t tmpfs -o size=1m tmpfs "$SMALL_DISK" 2>/dev/null || true
}
unmount_small_disk() {
    [ -n "${SMALL_DISK:-}" ] && mountpoint -q "$SMALL_DISK" && umount "$SMALL_DISK" 2>/dev/null
    SMALL_DISK=""
}
