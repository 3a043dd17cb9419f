#include "ScreenWindow.h"

#include "PendingException.h"
#include "ScreenSlots.h"

namespace {
ScreenWindowMakers& Makers() {
    static ScreenWindowMakers makers;
    return makers;
}
}  // namespace

int ScreenWindow::OnCreate() {
    try {
        return OnCreateScreen();
    } catch (...) {
        KeepPendingException();
        return 0;
    }
}

void ScreenWindow::OnDestroy() {
    if (GetCurrentScreen() == this) ParkCurrentScreen();
}

ScreenWindowMakers SetScreenWindowMakers(const ScreenWindowMakers& makers) {
    ScreenWindowMakers previous = Makers();
    Makers() = makers;
    return previous;
}

const ScreenWindowMakers& GetScreenWindowMakers() { return Makers(); }
