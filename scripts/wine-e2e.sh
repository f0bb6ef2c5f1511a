#!/usr/bin/env bash
# End-to-end check of the Windows edition under Wine against the Linux simulated unit:
# vortan2-sim serves a pseudo-terminal, Wine maps it as COM5, the installed Windows program (on
# an X display of its own) reads the unit with F7 (Read, then its verify) and is closed with
# File › Exit. The parameter set it saved at the close (_Vortan2.ini in %APPDATA%\Vortan2) must
# then be the unit's: its identification "VRT" and a limiter the unit holds at 87 (the
# program's own default is another). Run after scripts/windows.sh; DISPLAY_NUMBER (default 17).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
win="$root/build-win64"
work="$win/e2e"
display=":${DISPLAY_NUMBER:-17}"

. scripts/packages.sh
install_missing xvfb xdotool imagemagick bc
[ -x build/sim/vortan2-sim ] || scripts/setup.sh vortan2-sim >/dev/null
mkdir -p "$work" && rm -rf "$work/Vortan2"
cmake --install "$win/build" --prefix "$work/Vortan2" >/dev/null

pids=()
cleanup() {
    WINEPREFIX="$work/wine" wineserver -k >/dev/null 2>&1 || true
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT

# The unit: limiter 1 (image position 103) held at 87.
build/sim/vortan2-sim --hold 103=87 >"$work/sim.out" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
pty=$(head -1 "$work/sim.out")
echo "unit on $pty"

export WINEPREFIX="$work/wine" WINEDEBUG=-all
[ -f "$WINEPREFIX/system.reg" ] || WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
wine reg add 'HKLM\Software\Wine\Ports' /v COM5 /t REG_SZ /d "$pty" /f >/dev/null
wineserver -k || true # the port mapping is read when Wine starts again

appdata="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Vortan2"
rm -rf "$appdata" && mkdir -p "$appdata"
printf '[FORM_HLAV]\r\nComPort=5\r\n' >"$appdata/Vortan2.ini"

Xvfb "$display" -screen 0 1400x1000x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$display
start=$(date +%s.%N)
wine "$work/Vortan2/vortan2.exe" ENGLISH &
pids+=($!)
window=""
for _ in $(seq 120); do
    window=$(xdotool search --name "Programming of Vortan 2 unit" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.25
done
[ -n "$window" ] || { echo "FAIL: the window did not appear"; exit 1; }
echo "window after $(echo "$(date +%s.%N) - $start" | bc) s"
sleep 2
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key F7
sleep 6
import -window root "$work/after-read.png"
xdotool key alt+f
sleep 0.5
xdotool key x
for _ in $(seq 80); do
    xdotool search --name "Programming of Vortan 2 unit" >/dev/null 2>&1 || break
    sleep 0.25
done
last="$appdata/_Vortan2.ini"
[ -f "$last" ] || { echo "FAIL: no _Vortan2.ini written at the close"; exit 1; }
mapfile -t values < <(tr -s ' \r\n' '\n' <"$last" | grep -v '^$')
echo "saved: ${values[0]} ${values[1]} ${values[2]} ... position 103 = ${values[103]}"
if [ "${values[0]}" = 86 ] && [ "${values[1]}" = 82 ] && [ "${values[2]}" = 84 ] &&
    [ "${values[103]}" = 87 ]; then
    echo "PASS: the program read the unit on COM5 (screen: $work/after-read.png)"
else
    echo "FAIL: the saved set is not the unit's"
    exit 1
fi
