#include "ShowScreen.h"

#include "Application.h"
#include "ScreenErrorBox.h"
#include "ScreenFactory.h"
#include "ScreenSlots.h"
#include "ScreenWindow.h"
#include "TvPane.h"

namespace {
// A window left over by a creation that failed goes, and so does its object.
void DiscardNewWindow(Window* window) {
    try {
        if (window->GetHandle()) window->Destroy();
    } catch (...) {
    }
    if (GetCurrentScreen() == window) {
        SetCurrentScreen(nullptr);
        delete window;
    }
}

// The screen rectangle of the window in the client coordinates of the main view.
RECT MapToMainView(HWND window, HWND mainView) {
    RECT r = {0, 0, 0, 0};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, mainView, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool MakeAndShow(ScreenFactory& factory) {
    Window* main = GetMainWindow();
    ScreenWindow* window = factory.Make(main);
    if (!window) return false;
    SetCurrentScreen(window);
    try {
        if (!window->Create()) {
            DiscardNewWindow(window);
            return false;
        }
        window->ResizePane();
        HWND mainView = main ? GetDlgItem(main->GetHandle(), TvPane::kControlId) : nullptr;
        if (mainView) factory.Transition(mainView, MapToMainView(window->GetHandle(), mainView));
        window->Show();
    } catch (...) {
        DiscardNewWindow(window);
        throw;
    }
    return true;
}
}  // namespace

bool ShowScreen(ScreenFactory& factory) {
    if (!CloseCurrentScreen()) return false;
    if (Window* current = GetCurrentScreen()) {
        // It did not park itself when its window went.
        if (current->GetHandle()) current->Destroy();
        ParkCurrentScreen();
    }
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    bool shown = false;
    try {
        shown = MakeAndShow(factory);
    } catch (...) {
        SetCursor(previous);
        ReportScreenError();
        return false;
    }
    SetCursor(previous);
    return shown;
}

bool ShowNamedScreen(const std::string& machineFile) {
    NamedScreenFactory factory(machineFile);
    return ShowScreen(factory);
}

bool ShowPlainScreen(int32_t number) {
    PlainScreenFactory factory(number);
    return ShowScreen(factory);
}

bool ShowScreenZoomed(int32_t number, const RECT& from) {
    ZoomScreenFactory factory(number, from);
    return ShowScreen(factory);
}
