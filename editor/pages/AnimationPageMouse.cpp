// The Animations page under the mouse: a click selects a frame; a press on a frame that
// moves more than 3 pixels drags a copy of it, which is dropped before the frame under
// the pointer. The drag runs its own message loop until the button comes up or the page
// loses the mouse capture (another window took it, or the system cancelled the mode).
#include "AnimationPage.h"
#include "AnimationSet.h"
#include "Bitmap.h"

namespace {
POINT PointOf(LPARAM lParam) { return POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}; }

bool IsThumb(const std::vector<AnimationRow>& rows, const ThumbIndex& at) {
    return at.row >= 0 && at.thumb < int(rows[at.row].thumbs.size());
}
}  // namespace

LRESULT AnimationPage::OnPress(WPARAM, LPARAM point) {
    ::SetFocus(GetHandle());
    const POINT pane = PointOf(point);
    const ThumbIndex at = HitTest(ToContent(pane));
    if (!IsThumb(rows_, at)) return 0;
    pressPoint_ = pane;
    dragged_ = at;
    captureLost_ = false;
    SetCapture(GetPane());
    dragState_ = kPressed;
    return 0;
}

LRESULT AnimationPage::OnMove(WPARAM, LPARAM point) {
    if (dragState_ != kPressed) return 0;
    const POINT pane = PointOf(point);
    const int dx = pane.x - pressPoint_.x, dy = pane.y - pressPoint_.y;
    if (dx * dx + dy * dy <= 9) return 0;
    dragState_ = kDragging;
    RunDragLoop(pane);
    return 0;
}

LRESULT AnimationPage::OnRelease(WPARAM, LPARAM point) {
    if (dragState_ == kPressed) {
        dragState_ = kIdle;
        ReleaseCapture();
    }
    const ThumbIndex at = HitTest(ToContent(PointOf(point)));
    if (!IsThumb(rows_, at)) ClearSelection();
    else if (!(at == selection_)) Select(at);
    return 0;
}

LRESULT AnimationPage::OnCaptureChanged(WPARAM, LPARAM) {
    if (dragState_ != kIdle) captureLost_ = true;
    return 0;
}

// Moves draw the feedback, the button's release drops, and a lost capture (or the end of
// the program) gives the drag up without a drop.
void AnimationPage::RunDragLoop(POINT pointer) {
    dropTarget_ = ThumbIndex();
    DrawDragFeedback(pointer);
    MSG message;
    while (dragState_ == kDragging) {
        if (captureLost_ || GetCapture() != GetPane()) return EndDrag(false, pointer);
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(int(message.wParam));
            return EndDrag(false, pointer);
        }
        if (message.hwnd == GetPane() && message.message == WM_MOUSEMOVE) {
            pointer = PointOf(message.lParam);
            DrawDragFeedback(pointer);
        } else if (message.hwnd == GetPane() && message.message == WM_LBUTTONUP) {
            return EndDrag(true, PointOf(message.lParam));
        } else {
            TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
}

void AnimationPage::EraseDragFeedback() {
    InvalidateRect(GetPane(), &dragImageRect_, TRUE);
    InvalidateRect(GetPane(), &markRect_, TRUE);
    UpdateWindow(GetPane());
    SetRectEmpty(&dragImageRect_);
    SetRectEmpty(&markRect_);
}

void AnimationPage::DrawDragFeedback(POINT pointer) {
    EraseDragFeedback();
    const AnimationThumb& thumb = rows_[dragged_.row].thumbs[dragged_.thumb];
    ClientDC dc(GetPane());
    if (thumb.image && thumb.image->Handle()) {
        HDC images = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(images, thumb.image->Handle());
        BitBlt(dc, pointer.x, pointer.y, thumb.width, thumb.height, images, 0, 0, SRCCOPY);
        SelectObject(images, old);
        DeleteDC(images);
    }
    dragImageRect_ = RECT{pointer.x, pointer.y, pointer.x + thumb.width, pointer.y + thumb.height};
    dropTarget_ = HitTest(ToContent(pointer));
    if (dropTarget_.row < 0) return;
    const AnimationRow& row = rows_[dropTarget_.row];
    RECT target = IsThumb(rows_, dropTarget_) ? ThumbRect(dropTarget_) : row.rect;
    if (!IsThumb(rows_, dropTarget_)) target.left = target.right;
    markRect_ = ToPane(RECT{target.left - 2, target.top, target.left - 1, target.bottom});
    FillRect(dc, &markRect_, GetSysColorBrush(COLOR_HIGHLIGHT));
}

// A drop on a frame inserts a copy of the dragged frame before it: from its image file
// again when it is one, else sharing its picture. The dragged frame stays.
void AnimationPage::EndDrag(bool drop, POINT pointer) {
    dragState_ = kIdle;
    if (GetCapture() == GetPane()) ReleaseCapture();
    EraseDragFeedback();
    if (!drop) return;
    const ThumbIndex target = HitTest(ToContent(pointer));
    if (!IsThumb(rows_, target)) return;
    const AnimationFrame* frame = rows_[dragged_.row].thumbs[dragged_.thumb].framePointer;
    if (frame->GetSource() == FrameSource::ImageFile)
        InsertFrameBefore(target, frame->GetFileName(), nullptr);
    else
        InsertFrameBefore(target, std::string(), frame->GetImage());
}
