// The numbered screens: CreateScreenByNumber and the makers it draws on. The machine
// screens, the credits and the screens of the table are made by their own code, which
// puts its makers here (tests put small screens of their own).
#pragma once
#include <cstdint>

class Screen;

using ScreenMaker = Screen* (*)(int32_t number);

// One row of the table of numbered screens; the table ends with {-1, nullptr}.
struct NumberedScreen {
    int32_t number;
    ScreenMaker make;
};

struct ScreenMakers {
    // Negative numbers (custom machine -n) and built-in machine numbers.
    ScreenMaker machine = nullptr;
    // Screen 25, the credits.
    ScreenMaker credits = nullptr;
    // True for the numbers of the built-in machines.
    bool (*isBuiltInMachine)(int32_t number) = nullptr;
    // Splash, lobby and Front Desk.
    const NumberedScreen* table = nullptr;
};

// The makers in force; the previous ones are returned.
ScreenMakers SetScreenMakers(const ScreenMakers& makers);
const ScreenMakers& GetScreenMakers();

// A new screen for the number, or null when the number has none. Negative numbers are
// machines and 25 is always the credits; then the built-in machines, then the table.
Screen* CreateScreenByNumber(int32_t number);
