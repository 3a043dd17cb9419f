#include "ScreenSlots.h"

#include "Window.h"

namespace {
Window* currentScreen = nullptr;
Window* parkedScreen = nullptr;
}  // namespace

Window* GetCurrentScreen() { return currentScreen; }
void SetCurrentScreen(Window* window) { currentScreen = window; }
Window* GetParkedScreen() { return parkedScreen; }

bool CloseCurrentScreen() {
    if (!currentScreen) return true;
    if (!currentScreen->CanClose()) return false;
    currentScreen->Destroy();
    return true;
}

void ParkCurrentScreen() {
    if (parkedScreen != currentScreen) delete parkedScreen;
    parkedScreen = currentScreen;
    currentScreen = nullptr;
}

void DeleteParkedScreen() {
    Window* parked = parkedScreen;
    parkedScreen = nullptr;
    delete parked;
}
