// Sizing the editor window to its page and placing it beside the main window.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "EditorPlacement.h"
#include "EditorWindow.h"

namespace {
int StatusFontHeight() {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return std::abs(metrics.lfStatusFont.lfHeight);
}

ScreenBox BoxOf(const RECT& r) { return ScreenBox{r.left, r.top, r.right, r.bottom}; }
}  // namespace

void EditorWindow::FitToWorkArea(Window* parent) {
    if (statusBar_) {
        RECT status = {};
        GetWindowRect(statusBar_, &status);
        statusHeight_ = status.bottom - status.top;
    } else {
        statusHeight_ = StatusFontHeight();
    }
    RECT frame = {0, 0, pageSize_.cx, EditorClientHeight(pageSize_.cy, statusHeight_)};
    AdjustWindowRectEx(&frame, GetStyle() | WS_VSCROLL, FALSE, WS_EX_TOOLWINDOW);
    const int width = frame.right - frame.left + GetSystemMetrics(SM_CXVSCROLL);
    const int height = frame.bottom - frame.top;
    RECT parentRect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (parent && parent->GetHandle()) GetWindowRect(parent->GetHandle(), &parentRect);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const ScreenBox box = PlaceEditor(width, height, BoxOf(parentRect), BoxOf(work));
    SetRect(RECT{box.left, box.top, box.right, box.bottom});
    if (!GetHandle()) return;
    MoveWindow(GetHandle(), box.left, box.top, box.right - box.left, box.bottom - box.top, TRUE);
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    for (Window* page : pages_)
        if (page && page->GetHandle())
            MoveWindow(page->GetHandle(), client.left, client.top + kEditorTabHeight, client.right - client.left,
                       client.bottom - statusHeight_ - client.top - kEditorTabHeight, TRUE);
    if (tabControl_) MoveWindow(tabControl_, client.left, client.top, client.right - client.left, kEditorTabHeight, TRUE);
    if (statusBar_)
        MoveWindow(statusBar_, client.left, client.bottom - statusHeight_, client.right - client.left, statusHeight_,
                   TRUE);
}
