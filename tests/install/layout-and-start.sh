#!/usr/bin/env bash
# The installed files stand where the program and a desktop look for them, and the installed
# program starts offscreen from its link in bin/ and keeps running until it is told to end.
source "$(dirname "$0")/installed.sh"
source=$2
install_into_temporary_prefix "$1"
program_folder=$prefix/lib/talkwarden

for file in bin/talkwarden-cli lib/talkwarden/talkwarden; do
  [ -x "$prefix/$file" ] || fail "$file is not an installed program"
done
[ "$(readlink "$prefix/bin/talkwarden")" = ../lib/talkwarden/talkwarden ] || fail "bin/talkwarden is not the link"
cmp "$source/resources/english.ini" "$program_folder/english.ini"
cmp "$source/resources/japanese.ini" "$program_folder/japanese.ini"
cmp "$source/resources/icons/talkwarden.svg" "$prefix/share/icons/hicolor/scalable/apps/talkwarden.svg"
desktop=$prefix/share/applications/talkwarden.desktop
desktop-file-validate "$desktop"
for line in Name=Talkwarden Exec=talkwarden Icon=talkwarden 'Categories=Utility;TextEditor;Qt;'; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks $line"
done
"$prefix/bin/talkwarden-cli" info --help | grep -q '^Usage: talkwarden-cli info' || fail "talkwarden-cli gives no help"

# Started from the link with a table in the current folder, so that no box waits for an answer.
mkdir "$work/game"
empty_table > "$work/game/dialog.tlk"
cd "$work/game"
XDG_CONFIG_HOME=$work/config TALKWARDEN_REGISTRY=$work/none.reg QT_QPA_PLATFORM=offscreen "$prefix/bin/talkwarden" &
app=$!
started+=("$app")
sleep 3
kill -0 "$app" 2>/dev/null || fail "the installed program did not stay up"
kill -TERM "$app"
status=0
wait "$app" || status=$?
# 143 is 128 + SIGTERM: it was running its event loop when told to end, and had not crashed.
[ "$status" -eq 143 ] || fail "the installed program ended with status $status instead of by SIGTERM"
echo "installed layout as expected; the program started offscreen and ran until SIGTERM"
