#!/usr/bin/env bash
# Puts Wine's own faces into the Fonts folder of the prefix in WINEPREFIX, where this Wine
# finds them: it looks for them in a folder beside its programs where the package does not
# put them. Tahoma sets dialogs and message boxes ("MS Shell Dlg"); Marlett holds the
# symbols that Wine draws from a font, among them the caption buttons (minimize, maximize,
# restore, close), which a window whose frame Wine draws itself shows as the letters
# "0 1 2 r" without it. A face already there as it is is left alone, so this costs nothing when run
# again; it starts no Wine program.
fonts="${WINEPREFIX:-$HOME/.wine}/drive_c/windows/Fonts"
[ -d "$fonts" ] || exit 0
for face in tahoma.ttf tahomabd.ttf marlett.ttf; do
  for dir in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine/share/wine/fonts; do
    if [ -f "$dir/$face" ]; then cmp -s "$dir/$face" "$fonts/$face" || cp "$dir/$face" "$fonts/"; break; fi
  done
done
