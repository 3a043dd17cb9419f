// A scrolling view: a child window whose content pane scrolls under both scroll bars,
// with two header bands in the view's own client area, one that follows the vertical
// scrolling only (row headers) and one that follows the horizontal scrolling only
// (column headers). Derived views give the content's size, item rectangles and line
// size and make the content pane; UpdateScrollRanges sets the bars to match.
#pragma once
#include <windows.h>

#include "Window.h"

class ScrollView : public Window {
public:
    ScrollView();

    // The rectangle of item (a, b) in content coordinates; the base has none (empty).
    virtual void GetItemRect(int a, int b, RECT* rect);
    // The content's size in pixels; the base has none.
    virtual void GetContentSize(SIZE* size);
    // One line of the scroll bars' arrows; the base answers 1 x 1.
    virtual void GetLineSize(SIZE* size);

    // Scrolls to the content position (x, y); with `updateBars` the scroll bars follow.
    void ScrollBy(int x, int y, bool updateBars);
    // Scrolls as little as needed to show the content rectangle.
    void ScrollIntoView(const RECT& rect);
    void ScrollTo(int a, int b);
    // Scroll ranges from 0 to the content size with a page of the pane's size, at the
    // current position, moved back when the content no longer reaches it; a bar that is
    // not needed is disabled.
    void UpdateScrollRanges();

    int GetScrollX() const { return scrollX_; }
    int GetScrollY() const { return scrollY_; }
    Window& GetContentPane() { return contentPane_; }

protected:
    // Called when the user moves a scroll bar, before the view scrolls.
    virtual void OnScrollBar() {}

    int scrollY_ = 0;
    int scrollX_ = 0;
    Window contentPane_;
    RECT rowHeaderBand_ = {0, 0, 0, 0};     // scrolls only vertically
    RECT columnHeaderBand_ = {0, 0, 0, 0};  // scrolls only horizontally

private:
    LRESULT OnVScrollBar(WPARAM wParam, LPARAM lParam);
    LRESULT OnHScrollBar(WPARAM wParam, LPARAM lParam);
    // Where a scroll-bar request moves the position along one axis.
    int BarPosition(bool vertical, WPARAM wParam);
    SIZE ClientSize();
    void ScrollBand(HDC dc, const RECT& band, int dx, int dy, RECT* uncovered);
};
