// The Graphics page's popup menu: replacing the backdrop and adding regions, indicators
// and buttons where the menu was opened.
#include "EditorPageIds.h"
#include "GraphicsPage.h"

#include "ButtonElement.h"
#include "IndicatorElement.h"
#include "MachineScript.h"
#include "PageDialogs.h"
#include "Quor2_5.h"
#include "RelativePath.h"
#include "ThreadSyncToken.h"

namespace {
const char kBackdropFilter[] = "Bitmaps (*.bmp;*.jpg)\0*.bmp;*.jpg\0";

std::string CurrentDirectory() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}
}  // namespace

LRESULT GraphicsPage::OnMenuRequest(WPARAM, LPARAM screenPoint) {
    POINT point = {short(LOWORD(screenPoint)), short(HIWORD(screenPoint))};
    if (point.x == -1 && point.y == -1) GetCursorPos(&point);
    const POINT screen = point;
    ScreenToClient(GetHandle(), &point);
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_GRAPHICS_POPUP));
    if (!menu) return 0;
    HMENU popup = GetSubMenu(menu, 0);
    const int command = TrackPopupMenu(popup, TPM_RETURNCMD, screen.x, screen.y, 0, GetHandle(), nullptr);
    DestroyMenu(menu);
    if (command) RunMenuCommand(command, point);
    return 0;
}

void GraphicsPage::RunMenuCommand(int command, POINT client) {
    if (command == ID_CHOOSE_BACKDROP)
        ChooseBackdrop();
    else
        AddElementAt(command, client);
}

// The clicked point is in the page's client area; the element goes where the author saw
// it, on the backdrop as far down as the page is scrolled.
void GraphicsPage::AddElementAt(int command, POINT client) {
    if (!GetStage()) return;
    const POINT at = {client.x + GetCamera().x, client.y + GetCamera().y};
    EditableElement* element = nullptr;
    {
        ThreadSyncToken token;
        if (command == ID_ADD_REGION) element = layout_.AddRegion(*GetStage(), at);
        if (command == ID_ADD_INDICATOR) element = layout_.AddIndicator(*GetStage(), at);
        if (command == ID_ADD_BUTTON) element = layout_.AddButton(*GetStage(), at, CurrentDirectory());
    }
    if (!element) return;
    if ((command == ID_ADD_BUTTON || command == ID_ADD_INDICATOR) && !ChooseNewPicture(element)) return;
    AddElement(element, false);
    layout_.NotifyChanged();
}

namespace {
bool HasPicture(const EditableElement* element) {
    if (const auto* button = dynamic_cast<const ButtonElement*>(element)) return button->HasPicture();
    if (const auto* indicator = dynamic_cast<const IndicatorElement*>(element)) return indicator->HasPicture();
    return true;
}
}  // namespace

// A button or an indicator is saved with its picture: the Properties box of a new one
// chooses it, and a box cancelled or left without one takes the add back.
bool GraphicsPage::ChooseNewPicture(EditableElement* added) {
    added->EditProperties(this);
    if (HasPicture(added)) return true;
    ThreadSyncToken token;
    layout_.TakeBack(added);
    return false;
}

void GraphicsPage::ChooseBackdrop() {
    std::string path;
    if (!GetPageDialogs().chooseFile(this, path, kBackdropFilter, "Choose Backdrop")) return;
    // A picture that is not read is refused before the script or the page changes.
    const std::string problem = MachineLayout::BackdropFileProblem(path);
    if (!problem.empty()) {
        MessageBoxA(GetHandle(), problem.c_str(), "Error loading file", MB_OK | MB_ICONSTOP);
        return;
    }
    path = MakeRelativePath(CurrentDirectory(), path);
    if (script_) script_->SetBackdrop(path);
    {
        ThreadSyncToken token;
        layout_.ReplaceBackdrop(path);
        if (engineBackdrop_) DeleteUserBackdrop(engineBackdrop_);
        engineBackdrop_ = 0;
        CreateBackdrop(RECT{});
    }
    if (editor_ && editor_->GetHandle()) ::SendMessageA(editor_->GetHandle(), WM_USER, 0, 0);
    SetScrollBar(SIF_ALL);
    MoveCamera(GetCamera().camera, 0, 0);
}
