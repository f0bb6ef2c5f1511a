# Sourced by the scripts that run the installed Windows edition under Wine on an X display of
# their own (wine-e2e.sh, bench-wine.sh). Before it: win (build-win64), work (their folder)
# and display (":N"). It installs the build into $work/Vortan2, makes the Wine prefix
# $work/wine once, and stops Wine and the processes in `pids` at the exit.
# shellcheck shell=bash
mkdir -p "$work" && rm -rf "$work/Vortan2"
cmake --install "$win/build" --prefix "$work/Vortan2" >/dev/null

export WINEPREFIX="$work/wine" WINEDEBUG=-all
pids=()
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
[ -f "$WINEPREFIX/system.reg" ] || WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Vortan2"

# A fresh settings folder whose Vortan2.ini names port $1 (0: none).
fresh_settings() {
    rm -rf "$appdata" && mkdir -p "$appdata"
    printf '[FORM_HLAV]\r\nComPort=%s\r\n' "$1" >"$appdata/Vortan2.ini"
}

start_xvfb() {
    Xvfb "$display" -screen 0 1400x1000x24 >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    export DISPLAY=$display
}
