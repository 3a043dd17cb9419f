// The splash screen (screen 0): one picture for up to five seconds, or until the player
// clicks or presses a key; then the Front Desk on the very first run of the program and
// the lobby on every later run.
#pragma once
#include <windows.h>

#include <cstdint>

#include "FaceElement.h"
#include "Screen.h"
#include "Win32Event.h"

// What the face of a screen may ask of the screen.
class ScreenEvents {
public:
    virtual ~ScreenEvents() = default;
    virtual void Skip() = 0;
};

// Covers the whole window; any key that reaches it runs its action.
class SplashElement : public FaceElement {
public:
    void OnKeyDown(WPARAM key, LPARAM flags) override;
};

class SplashScreen : public Screen, public ScreenEvents {
public:
    explicit SplashScreen(int32_t number = 0) : Screen(number) {}
    // Stops the wait thread, closes the asset file, takes the element from the host and
    // marks that the program has run before.
    ~SplashScreen() override;

    // Asset 2 of "lobbyAssets.ast".
    bool CreateBackdrop(const RECT& area) override;
    bool Build() override;
    int GetMenuId() override;
    // Starts the wait thread.
    bool OnEnter() override;
    // Ends the wait at once.
    void Skip() override;

    static Screen* Make(int32_t number) { return new SplashScreen(number); }

private:
    static unsigned __stdcall WaitThread(void* screen);
    void StopWaitThread();

    Win32Event skipEvent_;
    uint32_t assetFile_ = 0;
    // The engine's file handles start at 0: the handle alone cannot tell that it is open.
    bool assetFileOpen_ = false;
    SplashElement element_;
    bool moreThanOnce_ = false;
    HANDLE waitThread_ = nullptr;
    // Set when the screen goes: the wait thread then leaves without switching.
    volatile LONG leaving_ = 0;
};

// Puts the splash screen in the screen table, unless the table has a splash screen of its own.
void InstallIntroScreens();
