#include "TvWindow.h"

namespace {
LRESULT CALLBACK TvWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
}  // namespace

void RegisterTvWindowClass(HINSTANCE instance) {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const UINT style = CS_GLOBALCLASS | CS_BYTEALIGNWINDOW | CS_BYTEALIGNCLIENT | CS_DBLCLKS;
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = TvWindowProc;
        wc.cbWndExtra = 4;
        wc.hInstance = instance;
        wc.lpszClassName = "BraskQUOR_TV";
        RegisterClassExA(&wc);
    } else {
        WNDCLASSA wc = {};
        wc.style = style;
        wc.lpfnWndProc = TvWindowProc;
        wc.cbWndExtra = 4;
        wc.hInstance = instance;
        wc.lpszClassName = "BraskQUOR_TV";
        RegisterClassA(&wc);
    }
}

void RepaintTvs() {}
