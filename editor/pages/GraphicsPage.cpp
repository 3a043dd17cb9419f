#include "GraphicsPage.h"

#include <commctrl.h>

#include <stdexcept>

#include "MachineScript.h"
#include "Quor2_5.h"

GraphicsPage::GraphicsPage(Window* editor, const RECT& area, HWND statusBar, MachineScript* script)
    : TvWindow(editor, area, WS_VSCROLL), editor_(editor), script_(script), statusBar_(statusBar) {
    BindMessage(WM_CONTEXTMENU, this, &GraphicsPage::OnMenuRequest);
    BindMessage(WM_VSCROLL, this, &GraphicsPage::OnScrollBar);
    BindDecidingMessage(WM_SIZE, this, &GraphicsPage::OnPageSize);
    layout_.LoadBackdrop(script);
}

GraphicsPage::~GraphicsPage() {
    layout_.RemoveObserver(this);
    GetElementHost().ClearElements();
    if (engineBackdrop_) DeleteUserBackdrop(engineBackdrop_);
}

// With changes, the layout queues them into the script first; a layout that cannot (a
// sequence file not written, an edit the script refuses) keeps the page open.
int GraphicsPage::CanClose() {
    if (!layout_.IsModified()) return 1;
    try {
        if (!layout_.Apply()) return 0;
    } catch (const std::exception&) {
        return 0;
    }
    if (engineBackdrop_) DeleteUserBackdrop(engineBackdrop_);
    engineBackdrop_ = 0;
    return 1;
}

bool GraphicsPage::CreateBackdrop(const RECT&) {
    painter_.SetPicture(layout_.GetBackdrop());
    const SIZE size = layout_.GetSize();
    engineBackdrop_ = CreateOwnerDrawBackdrop(BackdropPainter::Draw, size.cx, size.cy,
                                              reinterpret_cast<uintptr_t>(&painter_));
    return engineBackdrop_ && GetStage() && SelectBackdrop(GetStage()->stage, engineBackdrop_);
}

bool GraphicsPage::OnStageCreated() {
    RECT client = {};
    GetClientRect(GetHandle(), &client);
    const bool built = GetStage() && layout_.Build(*GetStage(), client);
    for (const ElementRef& element : layout_.GetElements()) AddElement(element.Get(), false);
    SetScrollBar(SIF_ALL);
    layout_.AddObserver(this);
    return built;
}

std::string GraphicsPage::StatusText(EditableElement* element) {
    if (!element) return "Ready";
    ElementRect r;
    element->CopyRect(r);
    return element->GetDisplayText() + " (" + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.Width()) + "x" + std::to_string(r.Height()) + ")";
}

void GraphicsPage::OnElementSelected(EditableElement* element) {
    if (!statusBar_) return;
    ::SendMessageA(statusBar_, SB_SIMPLE, FALSE, 0);
    const std::string text = StatusText(element);
    ::SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void GraphicsPage::OnLayoutChanged() {
    OnElementSelected(dynamic_cast<EditableElement*>(GetActiveElement()));
}
