// The window that shows screens: an engine TV child window (control id 1) over the whole
// client area of its parent, with the ScreenHost that installs and switches the screens.
// The main window's main view is one; each screen window holds another.
#pragma once
#include <windows.h>

#include <cstdint>

#include "ScreenHost.h"
#include "Window.h"

class Screen;

class TvPane : public Window {
public:
    static constexpr int kControlId = 1;

    TvPane(Window* parent, int32_t startNumber);
    // The pane owns the screen until it is installed, the host afterwards.
    TvPane(Window* parent, Screen* startScreen);
    ~TvPane() override;

    // Shows the start screen in the parent's client area (see ScreenHost::SetScreen).
    void InstallScreen();
    // The current screen's answer to whether it may end.
    int CanClose() override;
    ScreenHost& GetHost() { return host_; }

    LRESULT ShowArrowCursor(WPARAM, LPARAM);
    LRESULT WantAllKeys(WPARAM, LPARAM);
    LRESULT OnActivate(WPARAM, LPARAM window);
    // The TV window itself must hear of the new size too.
    int OnSizeMessage(WPARAM, LPARAM, LRESULT* result);

private:
    void CreateTvWindow();
    RECT ParentClientRect() const;

    ScreenHost host_;
    int32_t startNumber_ = 0;
    Screen* startScreen_ = nullptr;
    Window* parent_;
};
