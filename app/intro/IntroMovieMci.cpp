// The intro movie's MCI side: the "avivideo" device, the movie in a child window of the
// main window, played with a notification to the main window.
#include <windows.h>
#include <mmsystem.h>
#include <digitalv.h>

#include "IntroMovie.h"
#include "Window.h"

void ReportMciError(DWORD error) {
    char text[130] = "";
    mciGetErrorStringA(error, text, sizeof text);
    OutputDebugStringA((std::string("MCI Says ") + text + "\r\n").c_str());
}

bool IntroMovie::OpenDriver() {
    MCI_OPEN_PARMSA open = {};
    open.lpstrDeviceType = "avivideo";
    const DWORD error = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE, DWORD_PTR(&open));
    if (error) {
        ReportMciError(error);
        return false;
    }
    driver_ = open.wDeviceID;
    return true;
}

void IntroMovie::CloseDriver() {
    if (driver_) mciSendCommandA(driver_, MCI_CLOSE, 0, 0);
    driver_ = 0;
    mainWindow_->Repaint();
}

bool IntroMovie::Open(const std::string& path) {
    if (open_) return false;
    MCI_ANIM_OPEN_PARMSA open = {};
    open.lpstrDeviceType = "avivideo";
    open.lpstrElementName = path.c_str();
    open.dwStyle = WS_CHILD;
    open.hWndParent = mainWindow_->GetHandle();
    const DWORD error = mciSendCommandA(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_ANIM_OPEN_WS | MCI_ANIM_OPEN_PARENT,
                                        DWORD_PTR(&open));
    if (error) {
        ReportMciError(error);
        return false;
    }
    open_ = 1;
    device_ = open.wDeviceID;
    MCI_ANIM_WINDOW_PARMSA window = {};
    window.hWnd = mainWindow_->GetHandle();
    mciSendCommandA(device_, MCI_WINDOW, MCI_ANIM_WINDOW_HWND | MCI_WAIT, DWORD_PTR(&window));
    MCI_ANIM_RECT_PARMS put = {};
    put.rc = client_;
    mciSendCommandA(device_, MCI_PUT, MCI_ANIM_RECT | MCI_ANIM_PUT_DESTINATION, DWORD_PTR(&put));
    return true;
}

void IntroMovie::Play() {
    playing_ = 1;
    MCI_PLAY_PARMS play = {};
    play.dwCallback = DWORD_PTR(mainWindow_->GetHandle());
    mciSendCommandA(device_, MCI_PLAY, MCI_NOTIFY, DWORD_PTR(&play));
}

void IntroMovie::CloseMovie() {
    mciSendCommandA(device_, MCI_CLOSE, 0, 0);
    playing_ = 0;
    open_ = 0;
}

void IntroMovie::Realize() {
    if (open_) mciSendCommandA(device_, MCI_REALIZE, MCI_ANIM_REALIZE_BKGD, 0);
}
