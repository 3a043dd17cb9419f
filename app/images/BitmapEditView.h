// The image editor's view: it takes the place of a placeholder control in a dialog, shows
// its bitmap centred through an off-screen view buffer, can lay an overlay (a red border)
// over it and dim it, and hands mouse input to listeners.
#pragma once
#include <windows.h>

#include "BitmapView.h"

// Hears one kind of mouse message of the view: the point in client coordinates and the
// key state.
class BitmapMouseListener {
public:
    virtual void OnMouse(int x, int y, WPARAM keys) = 0;
    virtual ~BitmapMouseListener() = default;
};

class BitmapEditView : public BitmapView {
public:
    // Destroys the parent's control and stands in its place with the id control + 10000.
    BitmapEditView(Window& parent, int controlId);

    // Listeners stay their owners'; a null one lets the message go unheard.
    void SetMouseDownHandler(BitmapMouseListener* listener) { down_ = listener; }
    void SetMouseUpHandler(BitmapMouseListener* listener) { up_ = listener; }
    void SetMouseMoveHandler(BitmapMouseListener* listener) { move_ = listener; }
    void SetMouseLeaveHandler(BitmapMouseListener* listener) { leave_ = listener; }

    // Draws the view buffer again from the bitmap and invalidates the window.
    void Redraw();
    // Clears the overlay and draws a red frame two pixels wide along its edges.
    void DrawBorder();
    void SetShowOverlay(bool show) { showOverlay_ = show; }
    void SetDim(bool dim) { dim_ = dim; }
    void SetZoom(bool zoom) { zoom_ = zoom; }

    const RECT& GetViewRect() const { return viewRect_; }
    const Bitmap& GetViewBuffer() const { return viewBuffer_; }
    const Bitmap& GetOverlay() const { return overlay_; }
    bool IsBorderDrawn() const { return borderDrawn_; }

protected:
    Bitmap& PaintedBitmap() override { return viewBuffer_; }

private:
    LRESULT OnLButtonDown(WPARAM keys, LPARAM position);
    LRESULT OnLButtonUp(WPARAM keys, LPARAM position);
    LRESULT OnMouseMove(WPARAM keys, LPARAM position);
    LRESULT OnMouseLeave(WPARAM keys, LPARAM position);
    static void Tell(BitmapMouseListener* listener, WPARAM keys, LPARAM position);
    void DrawPicture();
    void DrawZoomed(Bitmap& picture);
    void DrawOverlay();
    void DimViewBuffer();

    RECT viewRect_ = {};
    int32_t clientWidth_ = 0, clientHeight_ = 0;
    Bitmap viewBuffer_;
    Bitmap overlay_;
    bool borderDrawn_ = false;
    bool showOverlay_ = false, dim_ = false, zoom_ = false;
    BitmapMouseListener* down_ = nullptr;
    BitmapMouseListener* up_ = nullptr;
    BitmapMouseListener* move_ = nullptr;
    BitmapMouseListener* leave_ = nullptr;
};
