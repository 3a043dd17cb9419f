// A framework window that shows a bitmap of its own on a display of any depth: pictures
// go to 15-bit displays (and below 8 bits) as they are, to the others through the window
// picture conversion, on 8-bit displays with a palette made on the first paint.
#pragma once
#include <windows.h>

#include "Bitmap.h"
#include "Window.h"

class BitmapView : public Window {
public:
    BitmapView();
    ~BitmapView() override;

    Bitmap& GetBitmap() { return bitmap_; }
    // Paints the update rectangle as the display of the given depth needs it.
    void Paint(HDC dc, const RECT& update, int screenDepth);

protected:
    // The picture that painting shows: the view's own bitmap.
    virtual Bitmap& PaintedBitmap() { return bitmap_; }

private:
    LRESULT OnPaintMessage(WPARAM, LPARAM);
    void PaintConverted(HDC dc, Bitmap& picture, int screenDepth);

    Bitmap bitmap_;
    HPALETTE palette_ = nullptr;
};
