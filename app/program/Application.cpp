#include "Application.h"

#include <commctrl.h>

#include <exception>
#include <string>

#include "AppState.h"
#include "FatalText.h"
#include "FrameWindow.h"
#include "PendingException.h"
#include "StructuredException.h"

namespace {
Application* application = nullptr;
Window* mainGameWindow = nullptr;

const UINT kFatalBoxStyle = MB_SYSTEMMODAL | MB_ICONHAND;  // 0x1010

// The plain application's main window: a frame window that may be created.
class ReadyWindow : public FrameWindow {
public:
    int OnCreate() override { return 1; }
    void OnDestroy() override { PostQuitMessage(0); }
};
}  // namespace

Application* GetApplication() { return application; }
void SetApplication(Application* app) { application = app; }
Window* GetMainWindow() { return mainGameWindow; }
void SetMainWindow(Window* window) { mainGameWindow = window; }

Application::Application(HINSTANCE instance, HMODULE module, char* commandLine)
    : instance_(instance), module_(module), commandLine_(commandLine) {
    SetAppInstance(instance);
}

Application::~Application() {
    if (application == this) application = nullptr;
}

Window* Application::CreateMainWindow() {
    auto* window = new ReadyWindow;
    const int width = 640, height = 480;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    window->SetRect(RECT{left, top, left + width, top + height});
    window->SetStyle(WS_POPUP | WS_CAPTION);
    window->SetText("Ready!");
    return window;
}

HBRUSH Application::GetBackgroundBrush() { return reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1); }

void Application::OnMainWindowCreated(Window* window) {
    window->Show();
    window->Repaint();
}

int Application::PreTranslateMessage(MSG*) { return 0; }

void Application::DestroyMainWindowHandle() {
    if (mainWindow_ && mainWindow_->GetHandle()) {
        try {
            mainWindow_->Destroy();
        } catch (...) {
        }
        // The loop is over: a quit message posted by the window's destruction is not left
        // for whatever runs a message loop next.
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }
}

int Application::Run() {
    ClearFatalText();
    RegisterMainWindowClass(GetBackgroundBrush());
    int result = 0;
    try {
        InitCommonControls();
        InstallStructuredExceptionTranslator();
        mainWindow_ = CreateMainWindow();
        if (!mainWindow_) return 3;
        if (mainWindow_->Create()) {
            OnMainWindowCreated(mainWindow_);
            result = MessageLoop();
        } else {
            if (GetMainWindow() == mainWindow_) SetMainWindow(nullptr);
            delete mainWindow_;
            mainWindow_ = nullptr;
            result = 1;
        }
        if (HasFatalText()) {
            MessageBoxA(nullptr, GetFatalText().c_str(), "Exception!", kFatalBoxStyle);
            ClearFatalText();
            result = 3;
        }
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Exception!", kFatalBoxStyle);
        DestroyMainWindowHandle();
        result = 3;
    } catch (const SE_Exception&) {
        const std::string text = DescribeStructuredCode(GetLastStructuredCode());
        MessageBoxA(nullptr, text.c_str(), "C exception!", kFatalBoxStyle);
        DestroyMainWindowHandle();
        result = 3;
    } catch (int value) {
        MessageBoxA(nullptr, std::to_string(value).c_str(), "Int exception!", kFatalBoxStyle);
        result = 3;
    } catch (...) {
        MessageBoxA(nullptr, "Something wonderful is happening!", "Exception!", kFatalBoxStyle);
        result = 3;
    }
    DropPendingException();
    // A main window whose window is gone is no longer needed.
    if (mainWindow_ && !mainWindow_->GetHandle()) {
        if (GetMainWindow() == mainWindow_) SetMainWindow(nullptr);
        delete mainWindow_;
        mainWindow_ = nullptr;
    }
    return result;
}

int Application::MessageLoop() {
    loopWindow_ = mainWindow_;
    MSG msg;
    while (!HasFatalText()) {
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!loopWindow_ || loopWindow_->OnIdle()) WaitMessage();
            RethrowPendingException();
            continue;
        }
        if (msg.message == WM_QUIT) {
            if (loopWindow_) {
                if (GetMainWindow() == loopWindow_) SetMainWindow(nullptr);
                if (mainWindow_ == loopWindow_) mainWindow_ = nullptr;
                delete loopWindow_;
                loopWindow_ = nullptr;
            }
            return 0;
        }
        if (PreTranslateMessage(&msg)) continue;
        if (loopWindow_ && loopWindow_->GetHandle() && loopWindow_->WantsDialogMessages() &&
            IsDialogMessageA(loopWindow_->GetHandle(), &msg)) {
            RethrowPendingException();
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        // An exception kept by one of our procedures is raised here, on our side.
        RethrowPendingException();
    }

    // A handler failed: the main window goes, the queue is drained up to the quit message
    // its destruction posts (or until nothing is left), then the text is shown.
    const std::string text = GetFatalText();
    if (mainWindow_ && mainWindow_->GetHandle()) {
        HWND handle = mainWindow_->GetHandle();
        DestroyWindow(handle);
        mainWindow_->SetHandle(nullptr);
        DropPendingException();
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            DropPendingException();
        }
    }
    MessageBoxA(nullptr, text.c_str(), "Exception!", kFatalBoxStyle);
    ClearFatalText();
    return 0;
}
