// The separate screen window (as a rule a slot machine) that floats over the main window:
// at most one exists, the current screen window. Its window procedure keeps what its
// creation throws for the caller, and when its window is destroyed it parks itself.
#pragma once
#include <cstdint>
#include <string>

#include "Window.h"

class ScreenWindow : public Window {
public:
    // Fits the window's TV pane to its client area.
    virtual void ResizePane() {}
    // The creation of the window's content; zero fails the window's creation.
    virtual int OnCreateScreen() { return 1; }

    // Runs OnCreateScreen; what it throws is raised again by the Create that made the window.
    int OnCreate() final;
    // The current screen window moves into the parked slot.
    void OnDestroy() override;
};

// How screen windows are made: the game's machine tool window puts its makers here.
struct ScreenWindowMakers {
    ScreenWindow* (*byNumber)(Window* mainWindow, int32_t number) = nullptr;
    ScreenWindow* (*byFile)(Window* mainWindow, const std::string& machineFile) = nullptr;
};

// The makers in force; the previous ones are returned.
ScreenWindowMakers SetScreenWindowMakers(const ScreenWindowMakers& makers);
const ScreenWindowMakers& GetScreenWindowMakers();
