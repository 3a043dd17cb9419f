// A small tool window that plays one sequence of an animation: every 100 ms (a
// multimedia timer, whose callback only posts a message) it shows the next frame,
// centred, wrapping from the last to the first.
#pragma once
#include <windows.h>

#include <vector>

#include "AnimationRow.h"
#include "Window.h"

class SequencePreviewWindow : public Window {
public:
    static constexpr UINT kTick = WM_USER;
    static constexpr int kMinimumWidth = 60;

    SequencePreviewWindow(const std::vector<AnimationThumb>& frames, POINT place);
    ~SequencePreviewWindow() override;

    int Create() override;
    size_t GetCurrent() const { return current_; }
    SIZE GetImageArea() const { return area_; }

private:
    static void CALLBACK OnTimer(UINT id, UINT, DWORD_PTR user, DWORD_PTR, DWORD_PTR);
    LRESULT OnTick(WPARAM, LPARAM);
    LRESULT OnPaintMessage(WPARAM, LPARAM);
    int OnClosing(WPARAM, LPARAM, LRESULT*);
    void StopTimer();

    std::vector<AnimationThumb> frames_;
    POINT place_;
    SIZE area_ = {kMinimumWidth, 0};
    size_t current_ = 0;
    UINT timer_ = 0;
};
