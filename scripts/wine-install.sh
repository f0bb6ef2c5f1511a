#!/usr/bin/env bash
# Checks the Windows installer under Wine, in a Wine prefix of its own: a silent install for all
# users (Program Files\Vortan2, HKLM) and one for the current user (%LOCALAPPDATA%\Programs\
# Vortan2, HKCU). Each must hold exactly the files of the portable zip, the Start-menu entry, the
# entry among the installed apps and the .ign association in its hive. The installed program is
# started on an X display of its own in CESKY, ENGLISH and DEUTSCH (the window of that language
# appears; screenshots in build-win64/install-check/) and with --demo (the live values change on
# screen, where the window without a unit stays still); while it runs, the uninstaller and a new
# installation must refuse and leave the installation whole. The silent uninstaller must then leave
# neither the install folder, nor the Start-menu entry, nor the keys; an .ign association that
# another program took over meanwhile stays. Run after scripts/windows.sh and cpack in
# build-win64/build; DISPLAY_NUMBER (default 21). Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="$root/build-win64/build"
work="$root/build-win64/install-check"
display=":${DISPLAY_NUMBER:-21}"

. scripts/packages.sh
install_missing xvfb xdotool imagemagick unzip

setups=("$build"/vortan2-*-win64-setup.exe)
setup=${setups[0]}
zip="${setup%-setup.exe}.zip"
if [ ! -f "$setup" ] || [ ! -f "$zip" ]; then
    echo "No installer and zip in $build: run scripts/windows.sh, then cpack there" >&2
    exit 1
fi

rm -rf "$work" && mkdir -p "$work"
export WINEPREFIX="$work/wine" WINEDEBUG=-all
# No Linux menu entries or MIME types for what the installer registers.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

pids=()
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
# The display is up before Wine first starts: Wine's desktop stays without one otherwise.
Xvfb "$display" -screen 0 1400x1000x24 >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "FAIL: no X display $display"; exit 1; }
wineboot -i >/dev/null 2>&1

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

users="$WINEPREFIX/drive_c/users/$(id -un)"
appdata="$users/AppData/Roaming/Vortan2"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Vortan2'
progid=Vortan2.ParameterSet

# The default value (or the value named by $3) of key $2 in hive $1, empty when missing.
reg_value() {
    local args=(/ve)
    [ $# -gt 2 ] && args=(/v "$3")
    wine reg query "$1\\$2" "${args[@]}" 2>/dev/null | tr -d '\r' |
        sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p' | head -1
}
reg_exists() { wine reg query "$1\\$2" >/dev/null 2>&1; }

# The files of the zip, as install-folder paths.
unzip -Z1 "$zip" | grep -v '/$' | sed 's|^[^/]*/||' | sort >"$work/zip-files"

check_installed() { # hive, install folder (Windows), install folder (Linux), Start-menu folder
    local hive=$1 windir=$2 dir=$3 menu=$4
    (cd "$dir" && find . -type f | sed 's|^\./||' | grep -vx Uninstall.exe | sort) \
        >"$work/installed-files"
    diff -u "$work/zip-files" "$work/installed-files" >"$work/files.diff" ||
        fail "$windir does not hold the zip's files ($work/files.diff)"
    [ -f "$dir/Uninstall.exe" ] || fail "no uninstaller in $windir"
    echo "installed: $(du -sb "$dir" | cut -f1) bytes in $windir"
    [ -f "$menu/Vortan2.lnk" ] || fail "no Start-menu entry in $menu"
    [ "$(reg_value "$hive" "$uninstall_key" UninstallString)" = "\"$windir\\Uninstall.exe\"" ] ||
        fail "$hive: no uninstall entry for $windir"
    [ "$(reg_value "$hive" "$uninstall_key" DisplayName)" = Vortan2 ] ||
        fail "$hive: the uninstall entry has no name"
    [ "$(reg_value "$hive" 'Software\Classes\.ign')" = $progid ] ||
        fail "$hive: .ign is not $progid"
    [ "$(reg_value "$hive" "Software\\Classes\\$progid\\shell\\open\\command")" = \
        "\"$windir\\vortan2.exe\" \"%1\"" ] || fail "$hive: $progid does not open in $windir"
    [ "$(reg_value "$hive" "Software\\Classes\\$progid\\DefaultIcon")" = "$windir\\vortan2.exe,0" ] ||
        fail "$hive: $progid has no icon"
}

check_removed() { # hive, install folder (Linux), Start-menu folder
    local hive=$1 dir=$2 menu=$3
    [ ! -e "$dir" ] || fail "left behind: $(cd "$dir" && find . | tr '\n' ' ')"
    [ ! -e "$menu/Vortan2.lnk" ] || fail "the Start-menu entry stays"
    ! reg_exists "$hive" "$uninstall_key" || fail "$hive: the uninstall entry stays"
    ! reg_exists "$hive" "Software\\Classes\\$progid" || fail "$hive: $progid stays"
}

uninstall() { # install folder (Windows)
    # The uninstaller copies itself to a temporary folder, starts that copy and returns at once:
    # wait for every process of the prefix.
    wine "$1\\Uninstall.exe" /S || fail "the uninstaller failed ($?)"
    timeout 300 wineserver -w || fail "the uninstaller did not end"
}

window_id() { xdotool search --name "^$1\$" 2>/dev/null | head -1 || true; }

# Starts the installed program with the arguments after $2 and waits for the window titled $2.
start_program() {
    local exe=$1 title=$2 window=""
    shift 2
    wine "$exe" "$@" &
    program=$!
    pids+=("$program")
    for _ in $(seq 120); do
        window=$(window_id "$title")
        [ -n "$window" ] && break
        sleep 0.25
    done
    [ -n "$window" ] || { fail "no window \"$title\" ($*)"; return 1; }
    sleep 2 # the first paint and the first live packets
}

# Closes the window as its close button does and waits until the program has ended: its
# window goes first, and its files stay in use until the process is gone.
close_program() {
    local window
    window=$(window_id "$1")
    [ -n "$window" ] && xdotool key --window "$window" alt+F4 2>/dev/null
    for _ in $(seq 120); do
        kill -0 "$program" 2>/dev/null || return 0
        sleep 0.25
    done
    fail "the program with the window \"$1\" did not end"
}

# Pixels differing between two screenshots a second apart; their bounding box in $work/$1.box.
screen_changes() {
    import -window root "$work/$1-a.png"
    sleep 1
    import -window root "$work/$1-b.png"
    compare "$work/$1-a.png" "$work/$1-b.png" -compose src -highlight-color white \
        -lowlight-color black "$work/$1-mask.png" 2>/dev/null || true
    convert "$work/$1-mask.png" -format '%@' info: >"$work/$1.box" 2>/dev/null || true
    compare -metric AE "$work/$1-a.png" "$work/$1-b.png" null: 2>&1 || true
}

settings() { # the port named in Vortan2.ini: 0 none (no device of this machine is opened)
    mkdir -p "$appdata"
    printf '[FORM_HLAV]\r\nComPort=%s\r\n' "$1" >"$appdata/Vortan2.ini"
}

# ---- for all users -----------------------------------------------------------------------
echo "install for all users: $(basename "$setup") /S"
wine "$setup" /S || fail "the installer failed ($?)"
windir='C:\Program Files\Vortan2'
dir="$WINEPREFIX/drive_c/Program Files/Vortan2"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
check_installed HKLM "$windir" "$dir" "$menu"

settings 0
for run in "CESKY|Programování jednotky Vortan 2" "ENGLISH|Programming of Vortan 2 unit" \
    "DEUTSCH|Programmierung der Vortan 2 Zündbox"; do
    language=${run%%|*} title=${run#*|}
    if start_program "$windir\\vortan2.exe" "$title" "$language"; then
        # Without a unit the window comes to rest ("No Connection" shown after some ticks):
        # the baseline of the --demo check below.
        for _ in $(seq 10); do
            changed=$(screen_changes "$language")
            [ "$changed" = 0 ] && break
        done
        [ "$changed" = 0 ] || fail "$language: the window keeps changing without a unit"
        echo "$language: window \"$title\" ($work/$language-a.png)"
        close_program "$title"
    fi
done

settings 1 # --demo takes the place of the port named
title="Programming of Vortan 2 unit"
if start_program "$windir\\vortan2.exe" "$title" ENGLISH --demo; then
    changed=$(screen_changes demo)
    window=$(window_id "$title")
    eval "$(xdotool getwindowgeometry --shell "$window")"
    box=$(cat "$work/demo.box") # WxH+X+Y
    left=$(echo "$box" | sed -n 's/^[0-9]*x[0-9]*+\([0-9]*\)+.*/\1/p')
    top=$(echo "$box" | sed -n 's/^[0-9]*x[0-9]*+[0-9]*+\([0-9]*\)$/\1/p')
    # The live values are the upper right of the window (the status label lies below them).
    if [ "${changed:-0}" -gt 0 ] 2>/dev/null && [ "${left:-0}" -gt $((X + WIDTH * 6 / 10)) ] &&
        [ "${top:-99999}" -lt $((Y + HEIGHT / 2)) ]; then
        echo "--demo: live values change ($changed pixels in $box; $work/demo-b.png)"
    else
        fail "--demo: no live values (changed: $changed, where: $box)"
    fi
    # While the program runs, neither the uninstaller nor a new installation touches its
    # files: both stop with exit code 2 and the installation stays whole. The uninstaller runs
    # in place (_?=, unquoted as it must be, hence a batch file) so that its exit code is seen.
    printf '@"%s\\Uninstall.exe" /S _?=%s\r\n@exit /b %%ERRORLEVEL%%\r\n' "$windir" "$windir" \
        >"$WINEPREFIX/drive_c/uninstall-in-place.bat"
    code=0
    wine cmd /c 'C:\uninstall-in-place.bat' || code=$?
    [ "$code" = 2 ] || fail "the uninstaller ran beside the running program (exit code $code)"
    code=0
    wine "$setup" /S || code=$?
    [ "$code" = 2 ] || fail "the installer ran beside the running program (exit code $code)"
    check_installed HKLM "$windir" "$dir" "$menu"
    echo "while the program runs: uninstaller and installer refuse, the installation stays whole"
    close_program "$title"
fi

echo "uninstall for all users"
uninstall "$windir"
check_removed HKLM "$dir" "$menu"

# ---- for the current user ----------------------------------------------------------------
echo "install for the current user: $(basename "$setup") /S /CurrentUser"
wine "$setup" /S /CurrentUser || fail "the installer failed ($?)"
windir="C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Vortan2"
dir="$users/AppData/Local/Programs/Vortan2"
menu="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
check_installed HKCU "$windir" "$dir" "$menu"
! reg_exists HKLM "$uninstall_key" || fail "HKLM holds an entry of the current user's install"

settings 0
title="Programming of Vortan 2 unit"
if start_program "$windir\\vortan2.exe" "$title" ENGLISH; then
    echo "current user: window \"$title\""
    close_program "$title"
fi

# Another program takes .ign over: the uninstaller leaves it that association.
wine reg add 'HKCU\Software\Classes\.ign' /ve /d Another.Program /f >/dev/null
echo "uninstall for the current user"
uninstall "$windir"
check_removed HKCU "$dir" "$menu"
[ "$(reg_value HKCU 'Software\Classes\.ign')" = Another.Program ] ||
    fail "the uninstaller took another program's .ign association"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "PASS: both installs, the program in three languages and with --demo, both uninstalls"
