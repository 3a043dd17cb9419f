#!/usr/bin/env bash
# mount-cd.sh FOLDER: the folder becomes drive D: of the Wine prefix in WINEPREFIX, of the
# type CD-ROM (a dosdevices link and Wine's "Drives" key), as the game's CD would be.
set -u
cd_dir=$(cd "$1" 2>/dev/null && pwd) || { echo "mount-cd.sh: no folder $1" >&2; exit 1; }
ln -sfn "$cd_dir" "$WINEPREFIX/dosdevices/d:"
# /reg:64: in a 64-bit prefix `wine` may start the 32-bit reg.exe, whose HKLM\Software is
# Wow6432Node; Wine reads its drives from the 64-bit view (in a 32-bit prefix there is one).
wine reg add 'HKLM\Software\Wine\Drives' /v 'd:' /d cdrom /f /reg:64 >/dev/null 2>&1
