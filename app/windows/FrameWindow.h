// A top-level window of the main class "Y7". A bare FrameWindow cannot be created: a
// frame window class makes its window only when it overrides OnCreate itself.
#pragma once
#include "Window.h"

class FrameWindow : public Window {
public:
    // WM_ERASEBKGND goes through the message map to OnEraseBackground.
    explicit FrameWindow(Window* parent = nullptr);

    int Create() override { return CreateTopLevel(parent_); }
    int OnCreate() override { return 0; }
    // Waits (non-zero) exactly while the program is not the active application.
    int OnIdle() override;
    bool GetFixedTracking(MINMAXINFO* info) override;

    // Fills the client rectangle with the selected brush; answers 1.
    virtual int OnEraseBackground(DCHolder& dc);

    // Fixes the tracking sizes reported for WM_GETMINMAXINFO.
    void SetFixedTracking(const MINMAXINFO& info) {
        fixedTracking_ = true;
        minMax_ = info;
    }
    Window* GetParentWindow() const { return parent_; }

private:
    LRESULT HandleEraseBackground(WPARAM wParam, LPARAM);

    bool fixedTracking_ = false;
    MINMAXINFO minMax_ = {};
    Window* parent_;
};
