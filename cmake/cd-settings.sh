#!/usr/bin/env bash
# cd-settings.sh: points the game's "Movie Path", "Ambient Path" and "Clip Art Path" at
# the folders of our CD on drive D: in the prefix in WINEPREFIX, unless the player has
# already chosen them (the options dialog and the CD prompt rewrite them). The keys are the
# 64-bit view's (/reg:64), where a 64-bit game reads them, whichever reg.exe `wine` starts.
set -u
key='HKLM\Software\Tarrowind\Vellmoor Slots\1.0\General'
for pair in 'Movie Path=D:\movies' 'Ambient Path=D:\ambient' 'Clip Art Path=D:\clipart'; do
  name=${pair%%=*}
  if ! wine reg query "$key" /v "$name" /reg:64 >/dev/null 2>&1; then
    wine reg add "$key" /v "$name" /d "${pair#*=}" /f /reg:64 >/dev/null 2>&1
  fi
done
