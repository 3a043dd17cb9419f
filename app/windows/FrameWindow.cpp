#include "FrameWindow.h"

#include "AppState.h"

FrameWindow::FrameWindow(Window* parent) : parent_(parent) {
    BindMessage(WM_ERASEBKGND, this, &FrameWindow::HandleEraseBackground);
}

int FrameWindow::OnIdle() { return GetApplicationActive() == 0 ? 1 : 0; }

bool FrameWindow::GetFixedTracking(MINMAXINFO* info) {
    if (!fixedTracking_) return false;
    *info = minMax_;
    return true;
}

int FrameWindow::OnEraseBackground(DCHolder& dc) {
    RECT client;
    GetClientRect(handle_, &client);
    PatBlt(dc.Get(), client.left, client.top, client.right - client.left, client.bottom - client.top,
           PATCOPY);
    return 1;
}

LRESULT FrameWindow::HandleEraseBackground(WPARAM wParam, LPARAM) {
    DCHolder dc(reinterpret_cast<HDC>(wParam));
    return OnEraseBackground(dc);
}
