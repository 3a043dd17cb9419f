#include <windows.h>

#include "ScriptErrorSink.h"

namespace {

// The window the player is looking at, when it is one of ours. A window of another
// program (or another of our threads) is not ours to disable: disabling it sends that
// thread a message and waits for it to be answered.
HWND OurForegroundWindow() {
    HWND foreground = GetForegroundWindow();
    if (foreground && GetWindowThreadProcessId(foreground, nullptr) == GetCurrentThreadId()) return foreground;
    return nullptr;
}

}  // namespace

void ScriptErrorBox::ShowScriptError(const std::string& text) {
    HWND foreground = OurForegroundWindow();
    if (foreground) EnableWindow(foreground, FALSE);
    MessageBoxA(foreground ? GetWindow(foreground, GW_OWNER) : nullptr, text.c_str(), "Script Error", MB_OK);
    if (foreground) EnableWindow(foreground, TRUE);
    OutputDebugStringA((text + "\n").c_str());
}
