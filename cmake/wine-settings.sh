#!/usr/bin/env bash
# Settings of the project's Wine prefixes. Windows are not handed to an X window manager
# (there is none under Xvfb): Wine draws their frames itself and does not wait for a
# manager when they close. With VSL_MANAGED_WINDOWS=1 (the game played on the player's own
# display) the prefix keeps Wine's default instead: the desktop's manager frames, moves,
# minimizes and stacks the windows. The fonts that the program and its content ask for by name are
# replaced by the free fonts-liberation faces of the same measures. With VSL_CD set to a
# folder, that folder is the prefix's CD-ROM drive D: (see mount-cd.sh). Documents (.doc) open
# in the word processor, as rich text, the form of our release notes. Dialogs and message
# boxes are set in Wine's own Tahoma ("MS Shell Dlg"): without it they fall back to a face
# that Wine measures up to two pixels narrower than it draws at 8 points, so a box sized to
# its text cut off the text's last character. Tahoma and Wine's symbol font Marlett go into
# the prefix's Fonts folder (wine-fonts.sh).
here=$(cd "$(dirname "$0")" && pwd)
reg=$(mktemp --suffix=.reg)
# "=-" removes the value: a prefix that was once set to "N" goes back to the default.
managed='"Managed"="N"'
[ "${VSL_MANAGED_WINDOWS:-}" = 1 ] && managed='"Managed"=-'
cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
$managed

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
"Times New Roman"="Liberation Serif"
"Courier New"="Liberation Mono"
"MS Sans Serif"="Liberation Sans"

[HKEY_CLASSES_ROOT\.doc]
@="rtffile"
REG
wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
rm -f "$reg"
"$here/wine-fonts.sh"
if [ -n "${VSL_CD:-}" ]; then
  "$here/mount-cd.sh" "$VSL_CD"
fi
