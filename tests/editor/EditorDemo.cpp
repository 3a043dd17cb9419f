// The machine editor on foxfire with the first reel's area selected. The file named first
// on the command line gets the status bar's text once that is on screen; the program ends
// after the number of milliseconds given second.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "EditorDriver.h"
#include "TestScreens.h"

namespace {
void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    RegisterMainWindowClass(nullptr);
    InitCommonControls();
    const std::string folder = DemoMachineFolder("editor_demo");
    EditorWindow editor(nullptr, folder + "\\foxfire.txt");
    if (!editor.Create()) return 1;
    editor.Show();
    PageDriver mouse(editor.GetGraphicsPage());
    mouse.Press(200, 200);
    mouse.Release(200, 200);
    if (FILE* ready = std::fopen(argv[1], "w")) {
        std::fprintf(ready, "%s\n", StatusText(editor.GetStatusBar()).c_str());
        std::fclose(ready);
    }
    SetTimer(nullptr, 0, UINT(std::atoi(argv[2])), OnEnd);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
