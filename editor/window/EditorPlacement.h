// Where the editor window goes on the screen, free of any window: vertically centred on
// the main window and kept inside the work area, its right edge 64 pixels left of the main
// window's right edge; and the client height its pages need.
#pragma once
#include <cstdint>

struct ScreenBox {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ScreenBox& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

const int32_t kEditorTabHeight = 24;
const int32_t kEditorRightInset = 64;

// The client height for a page of the given height: the tab strip, the page, the status bar.
int32_t EditorClientHeight(int32_t pageHeight, int32_t statusHeight);

// The window's box for a window of the given outer size.
ScreenBox PlaceEditor(int32_t width, int32_t height, const ScreenBox& parent, const ScreenBox& workArea);
