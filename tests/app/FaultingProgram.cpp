// A program whose main window's handler touches memory it must not: the structured
// exception is reported the way the game reports it.
#include <windows.h>

#include "Application.h"
#include "FrameWindow.h"

namespace {
const UINT kFault = WM_USER + 50;

class FaultingWindow : public FrameWindow {
public:
    FaultingWindow() {
        BindMessage(kFault, this, &FaultingWindow::Fault);
        SetStyle(WS_OVERLAPPEDWINDOW);
        SetRect(RECT{0, 0, 200, 100});
    }
    int OnCreate() override { return 1; }
    void OnDestroy() override { PostQuitMessage(0); }
    LRESULT Fault(WPARAM, LPARAM) {
        volatile int* nowhere = nullptr;
        *nowhere = 1;
        return 0;
    }
};

class FaultingApplication : public Application {
public:
    using Application::Application;
    Window* CreateMainWindow() override { return new FaultingWindow; }
    void OnMainWindowCreated(Window* window) override { ::PostMessageA(window->GetHandle(), kFault, 0, 0); }
};
}  // namespace

int main() {
    char line[1] = "";
    FaultingApplication application(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr), line);
    return application.Run();
}
