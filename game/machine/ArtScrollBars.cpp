#include "ArtScrollBars.h"

#include <algorithm>

namespace {
const int kLine = 16;  // pixels an arrow scrolls

int Bar(HWND window, int bar, int extent, int page, int at) {
    SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    info.nMax = extent - 1;
    info.nPage = UINT(std::max(page, 0));
    info.nPos = std::clamp(at, 0, std::max(extent - page, 0));
    SetScrollInfo(window, bar, &info, TRUE);
    return info.nPos;
}

// The position the request asks for, within the bar's range.
int Requested(const SCROLLINFO& info, WPARAM request) {
    const int page = int(info.nPage);
    int at = info.nPos;
    switch (LOWORD(request)) {
        case SB_LINEUP: at -= kLine; break;
        case SB_LINEDOWN: at += kLine; break;
        case SB_PAGEUP: at -= page; break;
        case SB_PAGEDOWN: at += page; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: at = info.nTrackPos; break;
        case SB_TOP: at = info.nMin; break;
        case SB_BOTTOM: at = info.nMax; break;
        default: break;
    }
    return std::clamp(at, info.nMin, std::max(info.nMin, info.nMax - page + 1));
}
}  // namespace

void ArtScrollBars::Fit(HWND window, SIZE art, POINT at) {
    RECT before = {0, 0, -1, -1};
    for (int round = 0; round < 3; ++round) {
        RECT client;
        GetClientRect(window, &client);
        if (EqualRect(&client, &before)) break;
        before = client;
        at.x = Bar(window, SB_HORZ, art.cx, client.right, at.x);
        at.y = Bar(window, SB_VERT, art.cy, client.bottom, at.y);
    }
}

POINT ArtScrollBars::Scroll(HWND window, int bar, WPARAM request) {
    SCROLLINFO info = {sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    if (GetScrollInfo(window, bar, &info)) {
        info.fMask = SIF_POS;
        info.nPos = Requested(info, request);
        SetScrollInfo(window, bar, &info, TRUE);
    }
    return Position(window);
}

POINT ArtScrollBars::Position(HWND window) {
    POINT at = {0, 0};
    SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    if ((GetWindowLongA(window, GWL_STYLE) & WS_HSCROLL) && GetScrollInfo(window, SB_HORZ, &info)) at.x = info.nPos;
    if ((GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL) && GetScrollInfo(window, SB_VERT, &info)) at.y = info.nPos;
    return at;
}
