#include "BitmapEditView.h"

#include <commctrl.h>

#include <algorithm>

namespace {
const int kIdOffset = 10000;
const uint16_t kRed = 0x7C00;
const int32_t kBorderWidth = 2;

uint16_t* Pixel(const Bitmap& b, int32_t x, int32_t y) {
    return reinterpret_cast<uint16_t*>(b.View().Row(y)) + x;
}

void Fill(const Bitmap& b, uint16_t value, RECT r) {
    r.left = std::max<LONG>(r.left, 0), r.top = std::max<LONG>(r.top, 0);
    r.right = std::min<LONG>(r.right, b.Width()), r.bottom = std::min<LONG>(r.bottom, b.Height());
    for (int32_t y = r.top; y < r.bottom; ++y)
        for (int32_t x = r.left; x < r.right; ++x) *Pixel(b, x, y) = value;
}

void FillAll(const Bitmap& b, uint16_t value) { Fill(b, value, RECT{0, 0, b.Width(), b.Height()}); }
}  // namespace

BitmapEditView::BitmapEditView(Window& parent, int controlId) {
    HWND control = GetDlgItem(parent.GetHandle(), controlId);
    GetWindowRect(control, &viewRect_);
    MapWindowPoints(nullptr, parent.GetHandle(), reinterpret_cast<POINT*>(&viewRect_), 2);
    DestroyWindow(control);
    SetStyle(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    SetRect(viewRect_);
    SetMenuOrId(UINT_PTR(controlId + kIdOffset));
    BindMessage(WM_LBUTTONDOWN, this, &BitmapEditView::OnLButtonDown);
    BindMessage(WM_LBUTTONUP, this, &BitmapEditView::OnLButtonUp);
    BindMessage(WM_MOUSEMOVE, this, &BitmapEditView::OnMouseMove);
    BindMessage(WM_MOUSELEAVE, this, &BitmapEditView::OnMouseLeave);
    if (!Create(&parent)) return;
    RECT client;
    GetClientRect(GetHandle(), &client);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    if (!viewBuffer_.Create(clientWidth_, clientHeight_, 15, true) ||
        !overlay_.Create(clientWidth_, clientHeight_, 15, true))
        return;
    viewBuffer_.FillWhite();
    overlay_.FillWhite();
    Redraw();
}

void BitmapEditView::Tell(BitmapMouseListener* listener, WPARAM keys, LPARAM position) {
    if (listener) listener->OnMouse(short(LOWORD(position)), short(HIWORD(position)), keys);
}

LRESULT BitmapEditView::OnLButtonDown(WPARAM keys, LPARAM position) {
    Tell(down_, keys, position);
    return 0;
}

LRESULT BitmapEditView::OnLButtonUp(WPARAM keys, LPARAM position) {
    Tell(up_, keys, position);
    return 0;
}

LRESULT BitmapEditView::OnMouseMove(WPARAM keys, LPARAM position) {
    // The leave notice ends with every leave: ask for the next one.
    TRACKMOUSEEVENT track = {sizeof track, TME_CANCEL | TME_LEAVE, GetHandle(), 0};
    _TrackMouseEvent(&track);
    track.dwFlags = TME_LEAVE;
    _TrackMouseEvent(&track);
    Tell(move_, keys, position);
    return 0;
}

LRESULT BitmapEditView::OnMouseLeave(WPARAM keys, LPARAM position) {
    Tell(leave_, keys, position);
    return 0;
}

void BitmapEditView::DrawBorder() {
    if (!overlay_.IsValid()) return;
    GdiFlush();
    FillAll(overlay_, 0);
    const LONG w = overlay_.Width(), h = overlay_.Height();
    Fill(overlay_, kRed, RECT{0, 0, w, kBorderWidth});
    Fill(overlay_, kRed, RECT{0, h - kBorderWidth, w, h});
    Fill(overlay_, kRed, RECT{0, 0, kBorderWidth, h});
    Fill(overlay_, kRed, RECT{w - kBorderWidth, 0, w, h});
    borderDrawn_ = true;
}

void BitmapEditView::Redraw() {
    if (!viewBuffer_.IsValid()) return;
    viewBuffer_.FillWhite();  // flushes GDI's drawing first
    DrawPicture();
    if (showOverlay_) DrawOverlay();
    if (dim_) DimViewBuffer();
    InvalidateAll();
}

void BitmapEditView::DrawPicture() {
    Bitmap& picture = GetBitmap();
    if (!picture.IsValid() || !picture.StretchInto(15)) return;
    if (zoom_) {
        DrawZoomed(picture);
        return;
    }
    const POINT place = {(viewBuffer_.Width() - picture.Width()) / 2, 0};
    picture.BlitClipped(viewBuffer_, place, picture.Bounds());
}

// The zoomed picture fills the view as far as its proportions allow, centred.
void BitmapEditView::DrawZoomed(Bitmap& picture) {
    const int64_t vw = viewBuffer_.Width(), vh = viewBuffer_.Height();
    const int64_t pw = picture.Width(), ph = picture.Height();
    const bool byWidth = vw * ph <= vh * pw;
    const int32_t w = int32_t(byWidth ? vw : std::max<int64_t>(1, pw * vh / ph));
    const int32_t h = int32_t(byWidth ? std::max<int64_t>(1, ph * vw / pw) : vh);
    Bitmap scaled(picture);
    if (!scaled.Resize(w, h) || !scaled.StretchInto(15)) return;
    const POINT place = {(viewBuffer_.Width() - w) / 2, (viewBuffer_.Height() - h) / 2};
    scaled.BlitClipped(viewBuffer_, place, scaled.Bounds());
}

// The overlay's pixels of value 0 let the picture show through.
void BitmapEditView::DrawOverlay() {
    for (int32_t y = 0; y < viewBuffer_.Height(); ++y)
        for (int32_t x = 0; x < viewBuffer_.Width(); ++x) {
            const uint16_t over = *Pixel(overlay_, x, y);
            if (over) *Pixel(viewBuffer_, x, y) = over;
        }
}

void BitmapEditView::DimViewBuffer() {
    for (int32_t y = 0; y < viewBuffer_.Height(); ++y)
        for (int32_t x = 0; x < viewBuffer_.Width(); ++x) {
            uint16_t* p = Pixel(viewBuffer_, x, y);
            *p = uint16_t((*p >> 1) & 0x3DEF);
        }
}
