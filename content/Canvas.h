// A picture that the content generator draws with GDI: a 24-bit top-down `Bitmap` selected
// into a memory device context, with the few shapes the art is made of.
#pragma once
#include <windows.h>

#include <string>

#include "Bitmap.h"

namespace content {

// Magenta, the colour key of every transparent picture the generator makes.
const COLORREF kKeyColour = RGB(255, 0, 255);
// How far a disabled button's picture is dimmed towards what lies around it (Canvas::Dim):
// its label then stands out from its face by less than half as much as at rest.
const double kDisabledDim = 0.6;

struct FontSpec {
    const char* face = "Arial";
    int height = 24;
    int weight = FW_NORMAL;
    bool italic = false;
};

class Canvas;

// Hears of every text a canvas draws: before, with the rectangle it goes in, and after,
// with its colour and, for a shadowed text, its shadow's colour (drawn first). A check of
// what the labels read against listens; the generator itself sets none.
class TextWatch {
public:
    virtual void BeforeText(const Canvas& c, const RECT& r) = 0;
    virtual void AfterText(const Canvas& c, const RECT& r, const std::string& text, COLORREF ink,
                           const COLORREF* shadow) = 0;

protected:
    ~TextWatch() = default;
};

class Canvas {
public:
    // The watch of every canvas's texts from now on (null: none); the previous one is returned.
    static TextWatch* SetTextWatch(TextWatch* watch);

    Canvas(int32_t width, int32_t height, COLORREF background = RGB(0, 0, 0));
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    const Bitmap& Picture() const;
    HDC Dc() const { return dc_; }
    int32_t Width() const { return bitmap_.Width(); }
    int32_t Height() const { return bitmap_.Height(); }

    void Fill(const RECT& r, COLORREF colour);
    // Rows (or columns when not vertical) blend from `from` to `to`.
    void Gradient(const RECT& r, COLORREF from, COLORREF to, bool vertical = true);
    void Ellipse(const RECT& r, COLORREF fill, COLORREF edge, int pen = 1);
    void RoundBox(const RECT& r, int radius, COLORREF fill, COLORREF edge, int pen = 1);
    void Polygon(const POINT* points, int count, COLORREF fill, COLORREF edge, int pen = 1);
    void Line(POINT from, POINT to, COLORREF colour, int pen);
    // Text in a real font, laid out by DrawText's `format` in the rectangle.
    void Text(const std::string& text, RECT r, const FontSpec& font, COLORREF colour,
              UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // How wide the text is in the font, in pixels.
    int TextWidth(const std::string& text, const FontSpec& font) const;
    // The same text drawn first offset in the shadow colour.
    void ShadowText(const std::string& text, RECT r, const FontSpec& font, COLORREF colour, COLORREF shadow,
                    int offset = 2, UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    // The pixel's colour (after any drawing still queued).
    COLORREF PixelAt(int32_t x, int32_t y) const;
    // Every pixel but those of the colour key moves the fraction t of the way to the colour:
    // a picture dimmed, its texts with it (a disabled button is its normal picture dimmed).
    void Dim(COLORREF toward, double t);

private:
    void DrawLabel(const std::string& text, RECT r, const FontSpec& font, COLORREF colour, UINT format);
    void Shape(COLORREF fill, COLORREF edge, int pen);
    void Unshape();

    Bitmap bitmap_;
    HDC dc_;
    HGDIOBJ oldBitmap_;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
};

// A colour between two, `t` from 0 to 1.
COLORREF Blend(COLORREF a, COLORREF b, double t);
// The ink itself where it stands out well from the colour behind it, else a near white or a
// near black, whichever stands out more: the colour a label is written in.
COLORREF ReadableOn(COLORREF ink, COLORREF behind);

}  // namespace content
