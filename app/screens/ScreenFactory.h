// What ShowScreen opens: a factory makes the new screen window and may animate towards it
// before it is shown.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

class ScreenWindow;
class Window;

class ScreenFactory {
public:
    virtual ~ScreenFactory() = default;
    // A new screen window (not yet created), or null.
    virtual ScreenWindow* Make(Window* mainWindow) = 0;
    // Animates in the window towards the rectangle (its client coordinates).
    virtual void Transition(HWND window, const RECT& to);
};

// The screen window of a machine file.
class NamedScreenFactory : public ScreenFactory {
public:
    explicit NamedScreenFactory(std::string machineFile) : machineFile_(std::move(machineFile)) {}
    ScreenWindow* Make(Window* mainWindow) override;

private:
    std::string machineFile_;
};

// The screen window of a screen number.
class PlainScreenFactory : public ScreenFactory {
public:
    explicit PlainScreenFactory(int32_t number) : number_(number) {}
    ScreenWindow* Make(Window* mainWindow) override;

protected:
    int32_t number_;
};

// The screen window of a screen number, zoomed to from a rectangle.
class ZoomScreenFactory : public PlainScreenFactory {
public:
    ZoomScreenFactory(int32_t number, const RECT& from) : PlainScreenFactory(number), from_(from) {}
    void Transition(HWND window, const RECT& to) override;

private:
    RECT from_;
};
