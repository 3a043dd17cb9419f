// A scroll view on screen: scroll-bar messages move the content pane and the bars, items
// scroll into view, and the ranges follow the content.
#include <gtest/gtest.h>

#include "ScrollView.h"

namespace {
// Content of 1000 x 800 pixels in cells of 50 x 40, scrolled by lines of 10 x 40.
class GridView : public ScrollView {
public:
    GridView(int width, int height) : width_(width), height_(height) {}
    void GetItemRect(int row, int column, RECT* rect) override {
        *rect = RECT{column * 50, row * 40, column * 50 + 50, row * 40 + 40};
    }
    void GetContentSize(SIZE* size) override { *size = SIZE{width_, height_}; }
    void GetLineSize(SIZE* size) override { *size = SIZE{10, 40}; }

    bool Make() {
        SetStyle(WS_POPUP | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL);
        SetRect(RECT{0, 0, 300, 240});
        if (!Create(nullptr)) return false;
        RECT client;
        GetClientRect(GetHandle(), &client);
        contentPane_.SetStyle(WS_CHILD | WS_VISIBLE);
        contentPane_.SetRect(client);
        if (!contentPane_.Create(this)) return false;
        UpdateScrollRanges();
        GetClientRect(contentPane_.GetHandle(), &client);
        clientWidth = client.right;
        clientHeight = client.bottom;
        return true;
    }
    void Bar(UINT message, int code, int thumb = 0) { SendMessage(message, MAKEWPARAM(code, thumb), 0); }
    void SetContent(int width, int height) { width_ = width, height_ = height; }
    SCROLLINFO BarInfo(int bar) {
        SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(GetHandle(), bar, &info);
        return info;
    }

    int clientWidth = 0, clientHeight = 0;

private:
    int width_, height_;
};

TEST(ScrollViewTest, ScrollBarMessagesMoveThePositionAndTheBars) {
    GridView view(1000, 800);
    ASSERT_TRUE(view.Make());
    view.Bar(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(view.GetScrollY(), 40);
    view.Bar(WM_HSCROLL, SB_LINERIGHT);
    view.Bar(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(view.GetScrollX(), 20);
    EXPECT_EQ(GetScrollPos(view.GetHandle(), SB_HORZ), 20);
    view.Bar(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(view.GetScrollY(), 40 + view.clientHeight);
    view.Bar(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(view.GetScrollY(), 800 - view.clientHeight);
    EXPECT_EQ(GetScrollPos(view.GetHandle(), SB_VERT), 800 - view.clientHeight);
    view.Bar(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(view.GetScrollY(), 0);
    view.Bar(WM_HSCROLL, SB_THUMBTRACK, 2000);
    EXPECT_EQ(view.GetScrollX(), 2000);
}

TEST(ScrollViewTest, ScrollToBringsAnItemIntoView) {
    GridView view(1000, 800);
    ASSERT_TRUE(view.Make());
    view.ScrollTo(10, 12);  // cell at (600, 400)-(650, 440)
    EXPECT_EQ(view.GetScrollX(), 650 - view.clientWidth);
    EXPECT_EQ(view.GetScrollY(), 440 - view.clientHeight);
    EXPECT_EQ(GetScrollPos(view.GetHandle(), SB_VERT), 440 - view.clientHeight);
    view.ScrollTo(1, 1);  // before the visible part: it begins at the edge
    EXPECT_EQ(view.GetScrollX(), 50);
    EXPECT_EQ(view.GetScrollY(), 40);
    view.ScrollTo(1, 2);  // already shown
    EXPECT_EQ(view.GetScrollX(), 50);
}
TEST(ScrollViewTest, UpdateScrollRangesFollowsTheContentAndPullsThePositionBack) {
    GridView view(1000, 800);
    ASSERT_TRUE(view.Make());
    SCROLLINFO vertical = view.BarInfo(SB_VERT);
    EXPECT_EQ(0, vertical.nMin);
    EXPECT_EQ(800, vertical.nMax);
    EXPECT_EQ(UINT(view.clientHeight), vertical.nPage);
    EXPECT_EQ(1000, view.BarInfo(SB_HORZ).nMax);
    view.Bar(WM_VSCROLL, SB_BOTTOM);
    view.Bar(WM_HSCROLL, SB_LINERIGHT);
    // Fewer rows: the position moves back to the new end, the columns keep theirs.
    view.SetContent(1000, 500);
    view.UpdateScrollRanges();
    EXPECT_EQ(500 - view.clientHeight, view.GetScrollY());
    EXPECT_EQ(10, view.GetScrollX());
    vertical = view.BarInfo(SB_VERT);
    EXPECT_EQ(500, vertical.nMax);
    EXPECT_EQ(500 - view.clientHeight, vertical.nPos);
    // Content smaller than the view: back to the start.
    view.SetContent(100, 100);
    view.UpdateScrollRanges();
    EXPECT_EQ(0, view.GetScrollY());
    EXPECT_EQ(0, view.GetScrollX());
    EXPECT_EQ(0, view.BarInfo(SB_HORZ).nPos);
    // More content keeps the position where it is.
    view.SetContent(1000, 800);
    view.UpdateScrollRanges();
    view.Bar(WM_VSCROLL, SB_PAGEDOWN);
    view.SetContent(1000, 1600);
    view.UpdateScrollRanges();
    EXPECT_EQ(view.clientHeight, view.GetScrollY());
    vertical = view.BarInfo(SB_VERT);
    EXPECT_EQ(1600, vertical.nMax);
    EXPECT_EQ(view.clientHeight, vertical.nPos);
}
}  // namespace
