// The zoom: the rectangles of its steps, and on a real window the inverted outlines it
// draws from the given rectangle, one per pause, with nothing left afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestScreens.h"
#include "ZoomRectTransition.h"

namespace {

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

TEST(ZoomStepRect, MovesEachCoordinateFifteenthsOfTheWayTruncatingTowardsZero) {
    const RECT from = {10, 100, 10, 100}, to = {0, 20, 310, 221};
    EXPECT_TRUE(SameRect(from, ZoomStepRect(from, to, 0)));
    EXPECT_TRUE(SameRect(to, ZoomStepRect(from, to, 15)));
    // -10 / 15 is 0 and -80 * 1 / 15 is -5, not -6.
    EXPECT_TRUE(SameRect((RECT{10, 95, 30, 108}), ZoomStepRect(from, to, 1)));
    EXPECT_TRUE(SameRect((RECT{1, 26, 290, 212}), ZoomStepRect(from, to, 14)));
}

struct Drawn {
    std::vector<RECT> rects;
    std::vector<bool> inverted;
};

// White, and black where an outline inverts it.
bool IsInvertedAt(HWND window, const RECT& r) {
    HDC dc = GetDC(window);
    const COLORREF corner = GetPixel(dc, r.left, r.top);
    const COLORREF edge = GetPixel(dc, (r.left + r.right) / 2, r.bottom - 1);
    ReleaseDC(window, dc);
    return corner == RGB(0, 0, 0) && edge == RGB(0, 0, 0);
}

TEST(ZoomRectTransition, DrawsSixteenInvertedOutlinesGrowingFromTheGivenRectangleAndLeavesNoTrace) {
    RegisterMainWindowClass(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HostFrame window(RECT{0, 0, 400, 300}, WS_POPUP | WS_VISIBLE);
    ASSERT_EQ(1, window.Create());
    HWND handle = window.GetHandle();
    HDC dc = GetDC(handle);
    RECT client;
    GetClientRect(handle, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(handle, dc);
    GdiFlush();

    const RECT from = {150, 100, 190, 130}, to = {20, 10, 380, 290};
    Drawn drawn;
    ZoomRectTransition(
        handle, from, to,
        [](HWND w, const RECT& r, void* context) {
            auto* seen = static_cast<Drawn*>(context);
            seen->rects.push_back(r);
            seen->inverted.push_back(IsInvertedAt(w, r));
        },
        &drawn);

    ASSERT_EQ(16u, drawn.rects.size());
    EXPECT_TRUE(SameRect(from, drawn.rects[0]));
    for (int i = 0; i < 15; ++i) EXPECT_TRUE(SameRect(ZoomStepRect(from, to, i), drawn.rects[size_t(i) + 1])) << i;
    for (size_t i = 0; i < drawn.inverted.size(); ++i) EXPECT_TRUE(drawn.inverted[i]) << i;
    // Every outline was drawn a second time: the window is white again.
    HDC after = GetDC(handle);
    for (const RECT& r : drawn.rects) {
        EXPECT_EQ(RGB(255, 255, 255), GetPixel(after, r.left, r.top));
        EXPECT_EQ(RGB(255, 255, 255), GetPixel(after, (r.left + r.right) / 2, r.bottom - 1));
    }
    ReleaseDC(handle, after);
}

}  // namespace
