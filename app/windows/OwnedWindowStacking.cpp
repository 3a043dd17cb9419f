#include "OwnedWindowStacking.h"

#include <algorithm>

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
}  // namespace

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
    // and on the display above every one of them. A box the window owns stays where it is
    // meanwhile, or the window would go just below it, and not to the top.
    SetWindowPos(owned, HWND_TOPMOST, 0, 0, 0, 0, kOrderOnly | SWP_NOOWNERZORDER);
    SetWindowPos(owned, HWND_NOTOPMOST, 0, 0, 0, 0, kOrderOnly | SWP_NOOWNERZORDER);
    if (!modal || modal == owned || !IsWindowVisible(modal)) return;
    const bool topmost = (GetWindowLongA(modal, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(modal, topmost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0, kOrderOnly);
}
