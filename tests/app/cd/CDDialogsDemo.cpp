// Shows the CD prompt or the options dialog (first argument "prompt", "options", or
// "options-locked" with the denomination locked as by a machine in play) with the
// settings as they are, for a screenshot; it changes none of them. Writes the file named as its second
// argument once the dialog is shown, with the dialog's screen rectangle as
// "WIDTHxHEIGHT+X+Y", and ends after the given milliseconds (8000 by default).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "NoCDDialog.h"
#include "GeneralSettings.h"
#include "OptionsDialog.h"

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const bool prompt = std::strcmp(argv[1], "prompt") == 0;
    const DWORD lifetime = argc > 3 ? DWORD(atoi(argv[3])) : 8000;
    InitCommonControls();
    std::unique_ptr<Dialog> dialog;
    if (prompt)
        dialog = std::make_unique<NoCDDialog>();
    else
        dialog = std::make_unique<OptionsDialog>();
    if (std::strcmp(argv[1], "options-locked") == 0) GetDenominationSetting().Lock();
    if (!dialog->Create()) return 2;
    ShowWindow(dialog->GetHandle(), SW_SHOW);
    bool ready = false;
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < lifetime && dialog->GetHandle()) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(dialog->GetHandle(), &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (!ready && GetTickCount() - start > 500) {
            RECT rect;
            GetWindowRect(dialog->GetHandle(), &rect);
            if (FILE* f = std::fopen(argv[2], "w")) {
                std::fprintf(f, "%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
                std::fclose(f);
            }
            ready = true;
        }
        Sleep(10);
    }
    return ready ? 0 : 1;
}
