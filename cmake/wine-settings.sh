#!/usr/bin/env bash
# Settings of the project's Wine prefix. Windows are not handed to an X window manager
# (there is none under Xvfb): Wine draws their frames itself and does not wait for a
# manager when they close.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
