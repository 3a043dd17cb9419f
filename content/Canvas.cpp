#include "Canvas.h"

#include <stdexcept>

namespace content {

COLORREF Blend(COLORREF a, COLORREF b, double t) {
    auto mix = [t](int x, int y) { return BYTE(x + (y - x) * t + 0.5); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

namespace {
// A colour's brightness as the eye weighs it, its channels squared for their gamma: near
// enough to tell which of two inks stands out more.
double Brightness(COLORREF c) {
    auto linear = [](int v) { return (v / 255.0) * (v / 255.0); };
    return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) + 0.0722 * linear(GetBValue(c));
}

double Standout(COLORREF a, COLORREF b) {
    const double x = Brightness(a) + 0.05, y = Brightness(b) + 0.05;
    return x > y ? x / y : y / x;
}
}  // namespace

COLORREF ReadableOn(COLORREF ink, COLORREF behind) {
    if (Standout(ink, behind) >= 3.5) return ink;
    const COLORREF light = RGB(245, 240, 230), dark = RGB(25, 20, 15);
    return Standout(light, behind) >= Standout(dark, behind) ? light : dark;
}

Canvas::Canvas(int32_t width, int32_t height, COLORREF background)
    : bitmap_(width, height, 24, true), dc_(CreateCompatibleDC(nullptr)) {
    if (!bitmap_.IsValid() || !dc_) throw std::runtime_error("Canvas: no DIB section");
    oldBitmap_ = SelectObject(dc_, bitmap_.Handle());
    SetBkMode(dc_, TRANSPARENT);
    Fill(RECT{0, 0, width, height}, background);
}

Canvas::~Canvas() {
    SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
}

const Bitmap& Canvas::Picture() const {
    GdiFlush();
    return bitmap_;
}

void Canvas::Fill(const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc_, &r, brush);
    DeleteObject(brush);
}

void Canvas::Gradient(const RECT& r, COLORREF from, COLORREF to, bool vertical) {
    const LONG span = vertical ? r.bottom - r.top : r.right - r.left;
    for (LONG i = 0; i < span; ++i) {
        const COLORREF c = Blend(from, to, span > 1 ? double(i) / (span - 1) : 0);
        const RECT line = vertical ? RECT{r.left, r.top + i, r.right, r.top + i + 1}
                                   : RECT{r.left + i, r.top, r.left + i + 1, r.bottom};
        Fill(line, c);
    }
}

void Canvas::Shape(COLORREF fill, COLORREF edge, int pen) {
    oldPen_ = SelectObject(dc_, CreatePen(PS_SOLID, pen, edge));
    oldBrush_ = SelectObject(dc_, CreateSolidBrush(fill));
}

void Canvas::Unshape() {
    DeleteObject(SelectObject(dc_, oldPen_));
    DeleteObject(SelectObject(dc_, oldBrush_));
}

void Canvas::Ellipse(const RECT& r, COLORREF fill, COLORREF edge, int pen) {
    Shape(fill, edge, pen);
    ::Ellipse(dc_, r.left, r.top, r.right, r.bottom);
    Unshape();
}

void Canvas::RoundBox(const RECT& r, int radius, COLORREF fill, COLORREF edge, int pen) {
    Shape(fill, edge, pen);
    ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, radius, radius);
    Unshape();
}

void Canvas::Polygon(const POINT* points, int count, COLORREF fill, COLORREF edge, int pen) {
    Shape(fill, edge, pen);
    ::Polygon(dc_, points, count);
    Unshape();
}

void Canvas::Line(POINT from, POINT to, COLORREF colour, int pen) {
    HGDIOBJ old = SelectObject(dc_, CreatePen(PS_SOLID, pen, colour));
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
    DeleteObject(SelectObject(dc_, old));
}

namespace {
TextWatch* textWatch = nullptr;
}

TextWatch* Canvas::SetTextWatch(TextWatch* watch) {
    TextWatch* previous = textWatch;
    textWatch = watch;
    return previous;
}

void Canvas::Text(const std::string& text, RECT r, const FontSpec& font, COLORREF colour, UINT format) {
    if (textWatch) textWatch->BeforeText(*this, r);
    DrawLabel(text, r, font, colour, format);
    if (textWatch) textWatch->AfterText(*this, r, text, colour, nullptr);
}

void Canvas::DrawLabel(const std::string& text, RECT r, const FontSpec& font, COLORREF colour, UINT format) {
    HFONT f = CreateFontA(-font.height, 0, 0, 0, font.weight, font.italic, FALSE, FALSE, ANSI_CHARSET,
                          OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, font.face);
    HGDIOBJ old = SelectObject(dc_, f);
    SetTextColor(dc_, colour);
    DrawTextA(dc_, text.c_str(), int(text.size()), &r, format | DT_NOPREFIX);
    DeleteObject(SelectObject(dc_, old));
}

int Canvas::TextWidth(const std::string& text, const FontSpec& font) const {
    HFONT f = CreateFontA(-font.height, 0, 0, 0, font.weight, font.italic, FALSE, FALSE, ANSI_CHARSET, OUT_TT_PRECIS,
                          CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, font.face);
    HGDIOBJ old = SelectObject(dc_, f);
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.c_str(), int(text.size()), &size);
    DeleteObject(SelectObject(dc_, old));
    return int(size.cx);
}

void Canvas::ShadowText(const std::string& text, RECT r, const FontSpec& font, COLORREF colour, COLORREF shadow,
                        int offset, UINT format) {
    RECT s = r;
    OffsetRect(&s, offset, offset);
    RECT both;
    UnionRect(&both, &r, &s);
    if (textWatch) textWatch->BeforeText(*this, both);
    DrawLabel(text, s, font, shadow, format);
    DrawLabel(text, r, font, colour, format);
    if (textWatch) textWatch->AfterText(*this, both, text, colour, &shadow);
}

COLORREF Canvas::PixelAt(int32_t x, int32_t y) const {
    GdiFlush();
    const uint8_t* p = bitmap_.Pixels() + size_t(y) * bitmap_.RowBytes() + size_t(x) * 3;
    return RGB(p[2], p[1], p[0]);
}

void Canvas::Dim(COLORREF toward, double t) {
    GdiFlush();
    for (int32_t y = 0; y < Height(); ++y) {
        uint8_t* p = bitmap_.Pixels() + size_t(y) * bitmap_.RowBytes();
        for (int32_t x = 0; x < Width(); ++x, p += 3) {
            const COLORREF colour = RGB(p[2], p[1], p[0]);
            if (colour == kKeyColour) continue;
            const COLORREF dimmed = Blend(colour, toward, t);
            p[0] = GetBValue(dimmed), p[1] = GetGValue(dimmed), p[2] = GetRValue(dimmed);
        }
    }
}

}  // namespace content
