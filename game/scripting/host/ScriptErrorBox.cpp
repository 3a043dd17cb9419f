#include <windows.h>

#include "ScriptErrorSink.h"

void ScriptErrorBox::ShowScriptError(const std::string& text) {
    HWND foreground = GetForegroundWindow();
    if (foreground) EnableWindow(foreground, FALSE);
    MessageBoxA(foreground ? GetWindow(foreground, GW_OWNER) : nullptr, text.c_str(), "Script Error", MB_OK);
    if (foreground) EnableWindow(foreground, TRUE);
    OutputDebugStringA((text + "\n").c_str());
}
