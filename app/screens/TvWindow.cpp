#include "TvWindow.h"

#include "AppState.h"
#include "StageSetup.h"
#include "ThreadSyncToken.h"

namespace {
const DWORD kShownChildStyle = 0x54000000;  // child, visible, clip siblings
}  // namespace

TvWindow::TvWindow(Window* parent, const RECT& area, DWORD style)
    : stage_(std::make_unique<StageParent>()), area_(area), parent_(parent) {
    SetStyle(style | WS_CHILD);
    SetMenuOrId(kControlId);
}

TvWindow::~TvWindow() {
    elements_.ClearElements();
    if (stage_) DeleteStageAndCamera(*stage_, camera_);
}

int TvWindow::Create() {
    RECT rect = area_;
    AdjustWindowRect(&rect, GetStyle(), FALSE);
    SetStyle(GetStyle() | kShownChildStyle);
    if (GetHandle()) {
        SetWindowLongA(GetHandle(), GWL_STYLE, LONG(GetStyle()));
        MoveWindow(GetHandle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        return 1;
    }
    HWND window = CreateWindowExA(0, "BraskQUOR_TV", "", GetStyle(), rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top, parent_ ? parent_->GetHandle() : nullptr,
                                  reinterpret_cast<HMENU>(kControlId), GetAppInstance(), nullptr);
    if (!window) return 0;
    if (!Attach(window)) {
        DestroyWindow(window);
        return 0;
    }
    BindMessage(WM_SETCURSOR, this, &TvWindow::ShowArrowCursor);
    BindMessage(WM_ACTIVATE, this, &TvWindow::OnActivate);
    Attach(static_cast<MessageTarget*>(&elements_));
    elements_.SetOwnerWindow(this);
    return 1;
}

bool TvWindow::OnStageCreated() { return true; }

bool TvWindow::CreateBackdrop(const RECT& area) { return stage_ && SelectBlackBackdrop(*stage_, area); }

bool TvWindow::BuildStage() {
    if (!stage_) return false;
    ThreadSyncToken token;
    if (!SetUpStage(*stage_, camera_, GetHandle(), area_, [this](const RECT& r) { return CreateBackdrop(r); }))
        return false;
    elements_.SetRootElement(&camera_);
    return OnStageCreated();
}

void TvWindow::AddElement(FaceElement* element, bool windowCoordinates) {
    elements_.AddElement(element, windowCoordinates);
}

LRESULT TvWindow::ShowArrowCursor(WPARAM, LPARAM) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    return 0;
}

LRESULT TvWindow::OnActivate(WPARAM, LPARAM window) {
    if (HWND(window) == GetHandle()) ::SetFocus(GetHandle());
    return 0;
}
