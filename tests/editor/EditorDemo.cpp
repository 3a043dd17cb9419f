// The machine editor on foxfire (or the script VSL_EDITOR_DEMO_SCRIPT names) with the
// first reel's area selected. The file named first
// on the command line gets the status bar's text once that is on screen; the program ends
// after the number of milliseconds given second. A third argument shows another page:
// "animations" (with Glow's second frame selected and its sequence playing in a preview)
// "pasted" (Glow's second frame copied and pasted as a third, the status bar counting it)
// or "sounds" (with the second sound selected); "scrolled" shows the Graphics page
// shortened and scrolled down by 100 pixels, with a region added where it was clicked.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "AnimationPage.h"
#include "AnimationSet.h"
#include "EditorDriver.h"
#include "EditorPageIds.h"
#include "SoundPage.h"
#include "TestScreens.h"

namespace {
void CALLBACK OnEnd(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

void ShowScrolled(EditorWindow& editor) {
    GraphicsPage* page = editor.GetGraphicsPage();
    RECT client;
    GetClientRect(page->GetHandle(), &client);
    MoveWindow(page->GetHandle(), 0, 24, client.right, 360, TRUE);
    SendMessageA(page->GetHandle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 100), 0);
    page->RunMenuCommand(ID_ADD_REGION, POINT{100, 150});
    PageDriver mouse(page);
    mouse.Press(100, 155);
    mouse.Release(100, 155);
}

void ShowAnimations(EditorWindow& editor, bool paste = false) {
    SendDlgItemMessageA(editor.GetHandle(), EditorWindow::kTabControlId, TCM_SETCURSEL, EditorWindow::AnimationsTab, 0);
    editor.ShowPage(EditorWindow::AnimationsTab);
    auto* page = static_cast<AnimationPage*>(editor.GetPage(EditorWindow::AnimationsTab));
    for (size_t r = 0; r < page->GetRows().size(); ++r) {
        if (page->GetRows()[r].set->GetName() != "Glow") continue;
        const RECT thumb = page->ThumbRect(ThumbIndex{int(r), 1});
        const LPARAM at = MAKELPARAM((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
        SendMessageA(page->GetPane(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(page->GetPane(), WM_LBUTTONUP, 0, at);
        if (!paste) {
            page->RunCommand(ID_PLAY_ITEM);
            continue;
        }
        page->RunCommand(ID_COPY_FRAME);
        page->RunCommand(ID_PASTE_NEW_FRAME);
    }
}

void ShowSounds(EditorWindow& editor) {
    SendDlgItemMessageA(editor.GetHandle(), EditorWindow::kTabControlId, TCM_SETCURSEL, EditorWindow::SoundsTab, 0);
    editor.ShowPage(EditorWindow::SoundsTab);
    auto* page = static_cast<SoundPage*>(editor.GetPage(EditorWindow::SoundsTab));
    const int y = page->GetRowHeight() + page->GetRowHeight() / 2;
    SendMessageA(page->GetPane(), WM_LBUTTONUP, 0, MAKELPARAM(20, y));
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    RegisterMainWindowClass(nullptr);
    InitCommonControls();
    const std::string folder = DemoMachineFolder("editor_demo");
    // VSL_EDITOR_DEMO_SCRIPT names another script to open in foxfire's place.
    const char* other = std::getenv("VSL_EDITOR_DEMO_SCRIPT");
    EditorWindow editor(nullptr, other && *other ? std::string(other) : folder + "\\foxfire.txt");
    if (!editor.Create()) return 1;
    editor.Show();
    PageDriver mouse(editor.GetGraphicsPage());
    mouse.Press(200, 200);
    mouse.Release(200, 200);
    const std::string page = argc > 3 ? argv[3] : "";
    if (page == "scrolled") ShowScrolled(editor);
    if (page == "animations") ShowAnimations(editor);
    if (page == "pasted") ShowAnimations(editor, true);
    if (page == "sounds") ShowSounds(editor);
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
