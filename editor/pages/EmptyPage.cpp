#include "EmptyPage.h"

EmptyPage::EmptyPage(Window* editor, const RECT& area) : editor_(editor) {
    SetStyle(WS_CHILD | WS_CLIPSIBLINGS);
    SetRect(area);
}

int EmptyPage::Create() { return Window::Create(editor_); }
