#include "ScreenFactory.h"

#include "ScreenWindow.h"
#include "ZoomRectTransition.h"

void ScreenFactory::Transition(HWND, const RECT&) {}

ScreenWindow* NamedScreenFactory::Make(Window* mainWindow) {
    const ScreenWindowMakers& makers = GetScreenWindowMakers();
    return makers.byFile ? makers.byFile(mainWindow, machineFile_) : nullptr;
}

ScreenWindow* PlainScreenFactory::Make(Window* mainWindow) {
    const ScreenWindowMakers& makers = GetScreenWindowMakers();
    return makers.byNumber ? makers.byNumber(mainWindow, number_) : nullptr;
}

void ZoomScreenFactory::Transition(HWND window, const RECT& to) { ZoomRectTransition(window, from_, to); }
