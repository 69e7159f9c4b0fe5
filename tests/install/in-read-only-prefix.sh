#!/usr/bin/env bash
# Run in a mount namespace of its own by read-only-folder.sh with the folder holding prefix/ and
# the source folder.
# Makes the prefix read-only, then drives the installed program under Xvfb by keyboard: it switches
# to Japanese, which it finds as japanese.ini in its own folder, and leaves by File, Exit. Its
# settings must then be in $XDG_CONFIG_HOME/talkwarden/, naming the installed language file and
# holding the font name that only that file gives, and nothing may be written into the prefix.
source "$(dirname "$0")/installed.sh"
work=$1
source=$2
prefix=$work/prefix
program_folder=$prefix/lib/talkwarden

mount --bind "$prefix" "$prefix"
mount -o remount,bind,ro "$prefix"
if touch "$program_folder/probe" 2>/dev/null; then fail "the program folder can still be written"; fi

mkdir "$work/game" "$work/config"
empty_table > "$work/game/dialog.tlk"
cd "$work/game"

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
started+=("$!")
read -r -t 20 number <&"$display_fd"
export DISPLAY=":$number"

XDG_CONFIG_HOME=$work/config TALKWARDEN_REGISTRY=$work/none.reg TALKWARDEN_CODEPAGE=932 QT_QPA_PLATFORM=xcb \
  LSAN_OPTIONS=suppressions=$(dirname "$0")/lsan.supp "$prefix/bin/talkwarden" &
app=$!
started+=("$app")
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Talkwarden$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --delay 100 alt+l j      # Language, Japanese
sleep 0.5
xdotool key --delay 100 alt+f x      # File, Exit
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$app" 2>/dev/null; then fail "the program did not end"; fi
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"

settings=$work/config/talkwarden/talkwarden.INI
[ -f "$settings" ] || fail "no settings were written under XDG_CONFIG_HOME"
[ ! -e "$program_folder/talkwarden.INI" ] || fail "settings appeared in the read-only program folder"
grep -qxF "Language=$program_folder/japanese.ini"$'\r' "$settings" || fail "the settings do not name the installed japanese.ini"
grep -qxF "Language Number=1"$'\r' "$settings" || fail "the settings do not hold Language Number=1"
font=$(grep -a "^FontName=" "$source/resources/japanese.ini" | tr -d "\r")
grep -qaxF "$font"$'\r' "$settings" || fail "the window did not take its font from the installed japanese.ini"
echo "settings written under XDG_CONFIG_HOME naming the installed language file; nothing written into the prefix"
