// Shows the progress dialog with its Cancel button over a task that advances by itself,
// with the animation of a test "itchy.ast", for a screenshot. Writes the file named on its
// command line once the bar has passed a third and the animation is playing, and ends
// after the given milliseconds (8000 by default) or when Cancel is pressed.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

#include "ItchyFile.h"
#include "ProgressDialog.h"

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(atoi(argv[2])) : 8000;
    InitCommonControls();
    ItchyFile itchy(3);
    ProgressDialog dialog(itchy.Path(), 6, 1, 1);
    if (!dialog.CreateFromResource(nullptr, IDD_PROGRESS_CANCEL)) return 2;
    dialog.BeginStep(100);
    bool ready = false;
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < lifetime && !dialog.IsClosed()) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(dialog.GetHandle(), &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        // The bar stops short of the end so that the animation keeps playing.
        dialog.SetStepPercent(int32_t(std::min<DWORD>((GetTickCount() - start) / 20, 45)));
        if (!ready && readyFile && dialog.GetPosition() >= 40 && dialog.IsAnimating()) {
            if (FILE* f = std::fopen(readyFile, "w")) {
                RECT placed = {0, 0, 0, 0};
                GetWindowRect(dialog.GetHandle(), &placed);
                std::fprintf(f, "progress at %d percent\ndialog %ldx%ld+%ld+%ld\n", dialog.GetPosition(),
                             placed.right - placed.left, placed.bottom - placed.top, placed.left, placed.top);
                std::fclose(f);
            }
            ready = true;
        }
        Sleep(10);
    }
    return ready ? 0 : 1;
}
