#include "IntroMovie.h"

#include <mmsystem.h>
#include <process.h>

#include <cstdio>

#include "Application.h"
#include "AppState.h"
#include "GeneralSettings.h"
#include "PromptForCD.h"
#include "Win32Event.h"
#include "Window.h"

namespace {
const IntroMovieEntry kIntroMovies[] = {{"tarowind.avi", 1}, {nullptr, 0}};
}

HANDLE IntroMovie::stopEvent_ = INVALID_HANDLE_VALUE;
Window* IntroMovie::introWindow_ = nullptr;

IntroMovie::IntroMovie() : movieList_(kIntroMovies) {
    stopEvent_ = INVALID_HANDLE_VALUE;
    introWindow_ = nullptr;
    // Without the CD (the player went on without it) there is no movie folder.
    if (!PromptForCD(GetAppInstance(), GetMainWindow())) return;
    const std::string folder = GetMoviePathSetting().Get();
    if (folder.empty()) return;
    movieFolder_ = folder;
    if (movieFolder_.back() != '\\') movieFolder_ += '\\';
}

IntroMovie::~IntroMovie() {
    if (mainWindow_ && mainWindow_->GetAttached() == this) mainWindow_->Detach();
    if (thread_ != INVALID_HANDLE_VALUE) {
        SetEvent(stopEvent_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    if (stopEvent_ != INVALID_HANDLE_VALUE) CloseHandle(stopEvent_);
    stopEvent_ = INVALID_HANDLE_VALUE;
    introWindow_ = nullptr;
}

bool IntroMovie::Start(Window* mainWindow) {
    stopEvent_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    mainWindow_ = mainWindow;
    introWindow_ = mainWindow;
    mainWindow->Attach(this);
    GetClientRect(mainWindow->GetHandle(), &client_);
    position_ = movieList_;
    if (!GetIntroSequenceSetting().Get() && !movieFolder_.empty()) {
        BindMovieMessages();
        if (OpenDriver()) return true;
    }
    StartNoMovieThread();
    return false;
}

void IntroMovie::BindMovieMessages() {
    BindMessage(kNextMovieMessage, this, &IntroMovie::OnNextMovie);
    for (UINT message : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP, WM_CHAR})
        BindMessage(message, this, &IntroMovie::OnSkipInput);
    BindCommand(kExitCommandId, this, &IntroMovie::OnExit);
    BindMessage(WM_PALETTECHANGED, this, &IntroMovie::OnPaletteChanged);
    BindMessage(WM_ACTIVATE, this, &IntroMovie::OnActivate);
    BindMessage(WM_QUERYNEWPALETTE, this, &IntroMovie::OnQueryNewPalette);
    BindMessage(MM_MCINOTIFY, this, &IntroMovie::OnMciNotify);
}

int IntroMovie::Run(Window* mainWindow) {
    if (!Start(mainWindow)) {
        introWindow_ = nullptr;
        return 1;
    }
    SetFocus(mainWindow->GetHandle());
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    PostNext();
    MSG message;
    while (introWindow_) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
            // The quit message stays for the application's own loop.
            PostQuitMessage(int(message.wParam));
            return 0;
        }
        TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 1;
}

void IntroMovie::PostNext() { PostMessageA(mainWindow_->GetHandle(), kNextMovieMessage, 0, 0); }

LRESULT IntroMovie::OnNextMovie(WPARAM, LPARAM) {
    if (position_ && position_->file) {
        char path[MAX_PATH];
        snprintf(path, sizeof path, "%s%s", movieFolder_.c_str(), position_->file);
        if (Open(path)) {
            skippable_ = position_->skippable;
            Play();
            ++position_;
            return 0;
        }
    }
    EndIntro();
    return 0;
}

void IntroMovie::EndIntro() {
    skippable_ = 1;
    position_ = nullptr;
    CloseDriver();
    BlackOutOnPaletteDisplay();
    introWindow_ = nullptr;
}

void IntroMovie::BlackOutOnPaletteDisplay() {
    HWND window = mainWindow_->GetHandle();
    HDC dc = GetDC(window);
    if (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)
        PatBlt(dc, client_.left, client_.top, client_.right - client_.left, client_.bottom - client_.top, BLACKNESS);
    ReleaseDC(window, dc);
}

LRESULT IntroMovie::OnSkipInput(WPARAM, LPARAM) {
    if (skippable_) Skip();
    return 0;
}

void IntroMovie::Skip() {
    if (playing_) CloseMovie();
    PostNext();
    mainWindow_->Repaint();
}

void IntroMovie::OnExit(int, int) {
    if (position_) Abort();
}

void IntroMovie::Abort() {
    Skip();
    position_ = nullptr;
    BlackOutOnPaletteDisplay();
    DestroyWindow(mainWindow_->GetHandle());
}

LRESULT IntroMovie::OnMciNotify(WPARAM notification, LPARAM) {
    if (notification == MCI_NOTIFY_SUCCESSFUL) {
        playing_ = 0;
        CloseMovie();
        PostNext();
    }
    return 0;
}

LRESULT IntroMovie::OnPaletteChanged(WPARAM changer, LPARAM) {
    if (position_ && HWND(changer) != mainWindow_->GetHandle()) Realize();
    return 0;
}

LRESULT IntroMovie::OnQueryNewPalette(WPARAM, LPARAM) {
    if (position_) Realize();
    return 1;
}

LRESULT IntroMovie::OnActivate(WPARAM, LPARAM) {
    if (position_) Realize();
    return 0;
}

void IntroMovie::StartNoMovieThread() {
    unsigned id = 0;
    const uintptr_t thread = _beginthreadex(nullptr, 0, &IntroMovie::NoMovieThread, mainWindow_->GetHandle(), 0, &id);
    thread_ = thread ? HANDLE(thread) : INVALID_HANDLE_VALUE;
}

// Stands in for the movie: quiet, a short pause, then a wait that the stop event cuts
// short. Its private event is closed on every way out.
unsigned __stdcall IntroMovie::NoMovieThread(void* window) {
    Win32Event quiet;
    PlaySoundA(nullptr, nullptr, SND_PURGE);
    Sleep(175);
    PostMessageA(HWND(window), kNoMovieMessage, 0, 0);
    WaitForInputIdle(GetCurrentProcess(), 750);
    HANDLE events[2] = {quiet.Get(), stopEvent_};
    WaitForMultipleObjects(2, events, FALSE, 2500);
    return 42;
}
