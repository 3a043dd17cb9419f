#include "EditorPlacement.h"

int32_t EditorClientHeight(int32_t pageHeight, int32_t statusHeight) {
    return pageHeight + kEditorTabHeight + statusHeight;
}

ScreenBox PlaceEditor(int32_t width, int32_t height, const ScreenBox& parent, const ScreenBox& workArea) {
    ScreenBox box;
    box.top = (parent.top + parent.bottom) / 2 - height / 2;
    box.bottom = box.top + height;
    if (box.top < workArea.top) {
        box.bottom += workArea.top - box.top;
        box.top = workArea.top;
    }
    if (box.bottom > workArea.bottom) box.bottom = workArea.bottom;
    box.right = parent.right - kEditorRightInset;
    box.left = box.right - width;
    return box;
}
