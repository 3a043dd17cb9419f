#!/usr/bin/env bash
# mount-cd.sh FOLDER: the folder becomes drive D: of the Wine prefix in WINEPREFIX, of the
# type CD-ROM (a dosdevices link and Wine's "Drives" key), as the game's CD would be.
set -u
cd_dir=$(cd "$1" 2>/dev/null && pwd) || { echo "mount-cd.sh: no folder $1" >&2; exit 1; }
ln -sfn "$cd_dir" "$WINEPREFIX/dosdevices/d:"
wine reg add 'HKLM\Software\Wine\Drives' /v 'd:' /d cdrom /f >/dev/null 2>&1
