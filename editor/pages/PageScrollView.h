// The scrolling base of the editor's list pages (Animations, Sounds): a child of the
// editor with both scroll bars and a content pane that fills its client area, and the
// pages' text font (Arial, 14 pixels) with its line height; the derived page gives the
// content size and paints the pane, offset by the scroll position.
#pragma once
#include <windows.h>

#include "ScrollView.h"

class PageScrollView : public ScrollView {
public:
    PageScrollView(Window* parent, const RECT& area, int paneId, DWORD paneStyle);
    ~PageScrollView() override;

    int Create() override;
    // The content rectangle as the pane shows it now.
    RECT ToPane(const RECT& content) const;
    POINT ToContent(POINT pane) const { return POINT{pane.x + scrollX_, pane.y + scrollY_}; }
    HWND GetPane() const { return contentPane_.GetHandle(); }
    // Content points under the screen point of a context-menu message ((-1, -1): the
    // cursor).
    POINT MenuPoint(LPARAM screenPoint, POINT* screen) const;

protected:
    HFONT GetFont() const { return font_; }
    // The font's height and 4 pixels, measured when the page is created.
    int32_t LineHeight() const { return lineHeight_; }
    // Answers WM_PAINT of the pane: begins the paint, calls PaintPane and ends it.
    LRESULT OnPanePaint(WPARAM, LPARAM);
    virtual void PaintPane(HDC dc) = 0;

private:
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnPaneSize(WPARAM, LPARAM);
    LRESULT OnEmptyPaint(WPARAM, LPARAM);

    Window* parent_;
    HFONT font_ = nullptr;
    int32_t lineHeight_ = 18;
};
