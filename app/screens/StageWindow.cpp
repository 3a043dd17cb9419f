#include "StageWindow.h"

#include <commctrl.h>

#include "StageSetup.h"

StageWindow::StageWindow(Window* parent, int controlId, COLORREF colour) : parent_(parent), colour_(colour) {
    AttachItem(parent, controlId);
    BindMessage(WM_LBUTTONDOWN, this, &StageWindow::OnLButtonDown);
    BindMessage(WM_RBUTTONDOWN, this, &StageWindow::OnRButtonDown);
    BindMessage(WM_MOUSEMOVE, this, &StageWindow::OnMouseMove);
    BindMessage(WM_MOUSELEAVE, this, &StageWindow::OnMouseLeave);
}

StageWindow::~StageWindow() {
    // The control belongs to its dialog: it gets its procedure back and stays.
    Unsubclass();
    DeleteStageAndCamera(stage_, camera_);
}

bool StageWindow::CreateBackdrop(const RECT& area) {
    return SelectBrushBackdrop(stage_, CreateSolidBrush(colour_), true, area);
}

bool StageWindow::Layout() {
    GetClientRect(GetHandle(), &area_);
    return SetUpStage(stage_, camera_, GetHandle(), area_, [this](const RECT& r) { return CreateBackdrop(r); });
}

void StageWindow::Tell(StageMouseListener* listener, WPARAM keys, LPARAM point) {
    if (listener) listener->OnMouse(short(LOWORD(point)), short(HIWORD(point)), keys);
}

LRESULT StageWindow::OnLButtonDown(WPARAM keys, LPARAM point) {
    Tell(leftDown_, keys, point);
    return 0;
}

LRESULT StageWindow::OnRButtonDown(WPARAM keys, LPARAM point) {
    Tell(rightDown_, keys, point);
    return 0;
}

LRESULT StageWindow::OnMouseMove(WPARAM keys, LPARAM point) {
    Tell(move_, keys, point);
    TRACKMOUSEEVENT track = {sizeof track, TME_CANCEL | TME_LEAVE, GetHandle(), 0};
    _TrackMouseEvent(&track);
    track.dwFlags = TME_LEAVE;
    _TrackMouseEvent(&track);
    return 0;
}

LRESULT StageWindow::OnMouseLeave(WPARAM keys, LPARAM point) {
    Tell(leave_, keys, point);
    return 0;
}
