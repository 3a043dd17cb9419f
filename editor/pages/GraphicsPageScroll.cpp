// Scrolling the Graphics page: the camera moves over a backdrop taller than the page, and
// the element host follows the camera's position.
#include <algorithm>

#include "GraphicsPage.h"
#include "PageScroll.h"

int32_t GraphicsPage::ClientHeight() const {
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    return client.bottom;
}

void GraphicsPage::SetScrollBar(UINT mask) {
    SCROLLINFO scroll = {sizeof scroll, mask, 0, int(layout_.GetSize().cy), UINT(ClientHeight()), GetScrollY(), 0};
    SetScrollInfo(GetHandle(), SB_VERT, &scroll, TRUE);
}

void GraphicsPage::ScrollTo(int32_t y) {
    const int32_t dy = y - GetScrollY();
    if (!dy) return;
    CameraParent& camera = GetCamera();
    if (MoveCamera(camera.camera, 0, dy)) camera.y += dy;
    SetScrollBar(SIF_POS);
}

LRESULT GraphicsPage::OnScrollBar(WPARAM request, LPARAM) {
    ScrollTo(PageScrollTarget(LOWORD(request), short(HIWORD(request)), GetScrollY(), ClientHeight(),
                              layout_.GetSize().cy));
    return 0;
}

// A page grown past the scrolled-to part of the backdrop scrolls back, so that no
// position beyond the backdrop's bottom edge stays.
int GraphicsPage::OnPageSize(WPARAM, LPARAM, LRESULT*) {
    SetScrollBar(SIF_ALL);
    const int32_t maximum = std::max<int32_t>(0, layout_.GetSize().cy - ClientHeight());
    if (GetScrollY() > maximum) {
        CameraParent& camera = GetCamera();
        const POINT at = {camera.x, maximum};
        if (PlaceCamera(camera.camera, &at)) camera.y = maximum;
        SetScrollBar(SIF_POS);
    }
    return kNotHandled;
}
