// The answer of a dialog procedure for a message that goes to the window's message map.
#pragma once
#include <windows.h>

#include "Window.h"

// Handled (answer 0): the handler's result goes to DWLP_MSGRESULT and the procedure
// answers TRUE. Otherwise FALSE: the default dialog processing runs.
inline INT_PTR DispatchDialogMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (window.DispatchMessage(message, wParam, lParam, &result) != kHandled) return FALSE;
    SetWindowLongPtrA(window.GetHandle(), DWLP_MSGRESULT, result);
    return TRUE;
}
