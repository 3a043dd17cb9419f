// A page of the editor window that shows nothing yet: a plain child window that may always
// close.
#pragma once
#include "Window.h"

class EmptyPage : public Window {
public:
    EmptyPage(Window* editor, const RECT& area);
    int Create() override;
    int CanClose() override { return 1; }

private:
    Window* editor_;
};
