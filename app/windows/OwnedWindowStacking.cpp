#include "OwnedWindowStacking.h"

#include <algorithm>
#include <cstring>

namespace {
const UINT kOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;

struct ModalSearch {
    const std::vector<HWND>* disabled;
    HWND found;
};

BOOL CALLBACK TakeModal(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<ModalSearch*>(lParam);
    if (!IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
    const std::vector<HWND>& skipped = *search->disabled;
    if (std::find(skipped.begin(), skipped.end(), window) != skipped.end()) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK TakeMenu(HWND window, LPARAM lParam) {
    char name[16] = {};
    if (!IsWindowVisible(window) || !GetClassNameA(window, name, sizeof name) || std::strcmp(name, "#32768") != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
}
}  // namespace

HWND FindThreadMenu() {
    HWND menu = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeMenu, reinterpret_cast<LPARAM>(&menu));
    return menu;
}

HWND FindThreadModal(const std::vector<HWND>& windows) {
    ModalSearch search{&windows, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), TakeModal, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsAboveInZOrder(HWND window, HWND other) {
    for (HWND above = GetWindow(other, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
        if (above == window) return true;
    return false;
}

void RaiseOverOwner(HWND owned, HWND modal) {
    // Through the topmost band and back: the window ends at the top of the ordinary windows,
    // and on the display above every one of them. A box the window owns would be taken along
    // ahead of it, and the window would go just below the box, not to the top: the box is
    // disowned while its owner passes it, then goes over it again.
    HWND box = modal && modal != owned && GetWindow(modal, GW_OWNER) == owned ? modal : nullptr;
    if (box) SetWindowLongPtrA(box, GWLP_HWNDPARENT, 0);
    SetWindowPos(owned, HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly | SWP_NOOWNERZORDER);
    SetWindowPos(owned, HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly | SWP_NOOWNERZORDER);
    if (box) SetWindowLongPtrA(box, GWLP_HWNDPARENT, LONG_PTR(owned));
    if (!modal || modal == owned || !IsWindowVisible(modal)) return;
    const bool topmost = (GetWindowLongA(modal, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(modal, topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, kOrderOnly);
}
