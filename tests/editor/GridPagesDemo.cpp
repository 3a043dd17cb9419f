// The editor's Reels or Payouts page on foxfire, or the reel-symbol gallery over the clip
// art's gallery, on the display for a screenshot. Arguments: the ready file (it gets the
// status bar's text, or the gallery's caption, once the window is on screen), the
// lifetime in milliseconds, and "reels", "reelsymbol" (the closed symbol box on the longest
// name), "payouts", "gallery" or "backdrops" (the award-card backdrops' gallery).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "AwardBackdropPicker.h"
#include "EditorDriver.h"
#include "ModalDriver.h"
#include "PayoutPage.h"
#include "ReelStripGrid.h"
#include "ReelSymbolPicker.h"
#include "TestScreens.h"

namespace {
void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

void Ready(const char* path, const std::string& text) {
    if (FILE* ready = std::fopen(path, "w")) {
        std::fprintf(ready, "%s\n", text.c_str());
        std::fclose(ready);
    }
}

// The award-card backdrops' gallery, as it first shows.
int ShowBackdrops(const char* readyPath, int lifetime) {
    AwardBackdropPicker picker(VSL_CLIP_ART_GALLERY);
    WhenShown shown("Select Award Card Backdrop", [&](HWND dialog) {
        Sleep(500);
        Ready(readyPath, "Select Award Card Backdrop");
        Sleep(DWORD(lifetime));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    int32_t firstRow = 0;
    picker.Pick(nullptr, firstRow);
    return 0;
}

int ShowGallery(const char* readyPath, int lifetime) {
    ReelSymbolPicker picker(VSL_CLIP_ART_GALLERY);
    WhenShown shown("Select Reel Symbol", [&](HWND dialog) {
        SendMessageA(dialog, WM_VSCROLL, SB_LINEDOWN, 0);
        // The pointer over the second picture of the second row, so that the highlight stays.
        HWND view = FindWindowExA(dialog, nullptr, "BraskQUOR_TV", nullptr);
        POINT at = {110, 80};
        ClientToScreen(view, &at);
        SetCursorPos(at.x, at.y);
        SendMessageA(view, WM_MOUSEMOVE, 0, MAKELPARAM(110, 80));
        Sleep(500);
        Ready(readyPath, "Select Reel Symbol");
        Sleep(DWORD(lifetime));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    int32_t firstRow = 0;
    picker.Pick(nullptr, firstRow);
    return 0;
}

void EditPayouts(PayoutPage* page) {
    const RECT r = page->GetCell(7, 1).rect;
    SendMessageA(page->GetGrid(), WM_LBUTTONUP, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
}

// The number of reel 2's fifth stop, or the symbol of reel 1's third stop (Mushroom, the
// longest name) in the closed symbol box.
void EditReels(ReelStripGrid* grid, bool symbol) {
    const int x = symbol ? 4 : grid->GetColumnWidth() + grid->GetNameWidth() + 4;
    SendMessageA(grid->GetGrid(), WM_LBUTTONUP, 0, MAKELPARAM(x, (symbol ? 2 : 4) * grid->GetRowHeight() + 3));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    RegisterMainWindowClass(nullptr);
    InitCommonControls();
    const std::string page = argv[3];
    if (page == "gallery") return ShowGallery(argv[1], std::atoi(argv[2]));
    if (page == "backdrops") return ShowBackdrops(argv[1], std::atoi(argv[2]));
    const std::string folder = DemoMachineFolder("grid_pages_demo");
    EditorWindow editor(nullptr, folder + "\\foxfire.txt");
    if (!editor.Create()) return 1;
    editor.Show();
    const bool reels = page == "reels" || page == "reelsymbol";
    const int tab = reels ? EditorWindow::ReelsTab : EditorWindow::PayoutsTab;
    TabCtrl_SetCurSel(GetDlgItem(editor.GetHandle(), EditorWindow::kTabControlId), tab);
    editor.ShowPage(tab);
    if (reels)
        EditReels(dynamic_cast<ReelStripGrid*>(editor.GetPage(tab)), page == "reelsymbol");
    else
        EditPayouts(dynamic_cast<PayoutPage*>(editor.GetPage(tab)));
    PumpMessages();
    Ready(argv[1], StatusText(editor.GetStatusBar()));
    SetTimer(nullptr, 0, UINT(std::atoi(argv[2])), OnEnd);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
