#!/usr/bin/env bash
# Uses the built program as a person would, under Xvfb with the keyboard through xdotool: go to an
# entry by number, type into its text, WRITE, leave by the File menu. Then the table on disk and its
# backup are compared byte for byte with what they must hold.
set -euo pipefail
program=$1
languages=$2

work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

le32() {
  local v=$1
  # shellcheck disable=SC2059 # the format is the four escaped bytes
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255)))"
}
# A table of the given texts, back to back, with a sound resref on every entry.
table() {
  local count=$# offset=0 index=0 text
  printf 'TLK V1  \x00\x00'; le32 "$count"; le32 $((18 + 26 * count))
  for text in "$@"; do
    printf '\x01\x00SOUND%03d' "$index"; le32 0; le32 0; le32 "$offset"; le32 ${#text}
    offset=$((offset + ${#text})); index=$((index + 1))
  done
  for text in "$@"; do printf '%s' "$text"; done
}

mkdir "$work/program" "$work/game"
cp "$program" "$languages/english.ini" "$languages/japanese.ini" "$work/program/"
printf '[ProgramOption]\r\nPath=%s/\r\n' "$work/game" > "$work/program/talkwarden.INI"
table "Greetings." "The innkeeper nods." "Farewell, friend." "Last words." > "$work/game/dialog.tlk"
cp "$work/game/dialog.tlk" "$work/original.tlk"

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
read -r -t 20 number <&"$display_fd"
export DISPLAY=":$number"

TALKWARDEN_CODEPAGE=1252 QT_QPA_PLATFORM=xcb "$work/program/talkwarden" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Talkwarden$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
keys ctrl+a                       # the reference number box has the focus at start
xdotool type --delay 60 "2"
keys Return                       # entry 2 is shown
keys Tab Tab Tab                  # RELOAD, JUMP, the text box (WRITE is disabled and passed over)
keys ctrl+End
xdotool type --delay 60 " Safe travels."
keys shift+Tab shift+Tab shift+Tab space   # back to WRITE and press it
keys alt+f x                      # File, Exit
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$app" 2>/dev/null; then echo "the program did not end"; exit 1; fi
app=

table "Greetings." "The innkeeper nods." "Farewell, friend. Safe travels." "Last words." > "$work/expected.tlk"
# The offsets of the entries after the edited one move by the 14 bytes typed.
cmp "$work/expected.tlk" "$work/game/dialog.tlk"
cmp "$work/original.tlk" "$work/game/dialog.bak"
grep -q "^Path=$work/game/" "$work/program/talkwarden.INI"
echo "dialog.tlk and dialog.bak hold exactly what they must"
