#include "SequencePreviewWindow.h"

#include <mmsystem.h>

#include <algorithm>

#include "Bitmap.h"

SequencePreviewWindow::SequencePreviewWindow(const std::vector<AnimationThumb>& frames, POINT place)
    : frames_(frames), place_(place) {
    for (const AnimationThumb& frame : frames_) {
        area_.cx = std::max(area_.cx, LONG(frame.width));
        area_.cy = std::max(area_.cy, LONG(frame.height));
    }
    SetExStyle(WS_EX_TOOLWINDOW);
    SetStyle(WS_OVERLAPPEDWINDOW);
    BindMessage(kTick, this, &SequencePreviewWindow::OnTick);
    BindMessage(WM_PAINT, this, &SequencePreviewWindow::OnPaintMessage);
    BindDecidingMessage(WM_DESTROY, this, &SequencePreviewWindow::OnClosing);
}

// The timer goes first: its callback must not post to a window that is going.
SequencePreviewWindow::~SequencePreviewWindow() {
    StopTimer();
    if (GetHandle()) Destroy();
    frames_.clear();
}

void SequencePreviewWindow::StopTimer() {
    if (timer_) timeKillEvent(timer_);
    timer_ = 0;
}

// Closed by the author: the preview stops; the page deletes the object later.
int SequencePreviewWindow::OnClosing(WPARAM, LPARAM, LRESULT*) {
    StopTimer();
    return kNotHandled;
}

int SequencePreviewWindow::Create() {
    RECT rect = {0, 0, area_.cx, area_.cy};
    AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_TOOLWINDOW);
    OffsetRect(&rect, place_.x - rect.left, place_.y - rect.top);
    SetRect(rect);
    if (!Window::Create(nullptr)) return 0;
    Show();
    timer_ = timeSetEvent(100, 10, &SequencePreviewWindow::OnTimer, DWORD_PTR(GetHandle()), TIME_PERIODIC);
    return 1;
}

void CALLBACK SequencePreviewWindow::OnTimer(UINT, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR) {
    ::PostMessageA(HWND(user), kTick, 0, 0);
}

LRESULT SequencePreviewWindow::OnTick(WPARAM, LPARAM) {
    if (frames_.empty()) return 0;
    current_ = (current_ + 1) % frames_.size();
    InvalidateRect(GetHandle(), nullptr, FALSE);
    return 0;
}

// The frame centred in the client area, the strips around it in the window colour; the
// area under the frame is not erased first.
LRESULT SequencePreviewWindow::OnPaintMessage(WPARAM, LPARAM) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(GetHandle(), &paint);
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    if (!frames_.empty()) {
        const AnimationThumb& frame = frames_[current_];
        const int left = (area_.cx - frame.width) / 2, top = (area_.cy - frame.height) / 2;
        const RECT image = {left, top, left + frame.width, top + frame.height};
        HBRUSH window = GetSysColorBrush(COLOR_WINDOW);
        const RECT strips[4] = {{0, 0, client.right, image.top}, {0, image.bottom, client.right, client.bottom},
                                {0, image.top, image.left, image.bottom},
                                {image.right, image.top, client.right, image.bottom}};
        for (const RECT& strip : strips) FillRect(dc, &strip, window);
        if (frame.image && frame.image->Handle()) {
            HDC images = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(images, frame.image->Handle());
            BitBlt(dc, left, top, frame.width, frame.height, images, 0, 0, SRCCOPY);
            SelectObject(images, old);
            DeleteDC(images);
        }
    }
    EndPaint(GetHandle(), &paint);
    return 0;
}
