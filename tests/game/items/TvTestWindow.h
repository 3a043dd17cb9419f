// A black popup window at the display's top-left corner filled by an engine TV window, for
// the item tests and demos that read back what the engine drew.
#pragma once
#include <windows.h>

inline LRESULT CALLBACK TvTestFrameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

// The frame window; the TV goes to `tv` (null when it could not be made).
inline HWND OpenTvTestWindow(int width, int height, HWND* tv) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = TvTestFrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ItemTvTestFrame";
    wc.hbrBackground = HBRUSH(GetStockObject(BLACK_BRUSH));
    RegisterClassA(&wc);
    HWND frame = CreateWindowA(wc.lpszClassName, "items", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                               wc.hInstance, nullptr);
    *tv = CreateWindowA("BraskQUOR_TV", "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, frame, nullptr, wc.hInstance,
                        nullptr);
    return frame;
}
