#include "ElementMenu.h"

#include "EditableElement.h"
#include "ElementName.h"
#include "MachineScript.h"
#include "MachineLayout.h"
#include "RenameDialog.h"
#include "Window.h"

int TrackElementMenu(int menuId, POINT point, Window* owner) {
    HWND window = owner ? owner->GetHandle() : nullptr;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId));
    if (!menu) return 0;
    if (window) ClientToScreen(window, &point);
    const int command = int(TrackPopupMenu(GetSubMenu(menu, 0), TPM_RETURNCMD, point.x, point.y, 0, window, nullptr));
    DestroyMenu(menu);
    return command;
}

bool RenameFromDialog(EditableElement& element, const std::string& kind, Window* owner) {
    MachineLayout* layout = element.GetLayout();
    const MachineScript* script = layout ? layout->GetScript() : nullptr;
    if (script && JScriptUsesName(*script, element.GetName()) &&
        MessageBoxA(owner ? owner->GetHandle() : nullptr, NameInJScriptWarning(element.GetName()).c_str(),
                    kNameInJScriptCaption, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return false;
    RenameDialog dialog(kind, element.GetName(), [layout](const std::string& name) {
        return layout && layout->IsNameUsed(name);
    });
    if (dialog.DoModal(owner) != 1) return false;
    element.SetCaption(dialog.GetName());
    element.SetDisplayText(element.GetName() + " " + kind);
    element.NotifyChanged();
    return true;
}

bool RefuseIfRequired(EditableElement& element, const std::string& kind, Window* owner) {
    const MachineLayout* layout = element.GetLayout();
    const MachineScript* script = layout ? layout->GetScript() : nullptr;
    const std::string progressive = script ? script->GetProgressive().indicator : std::string();
    const std::string refusal = RequiredElementRefusal(element.GetCaption(), kind, progressive);
    if (refusal.empty()) return false;
    MessageBoxA(owner ? owner->GetHandle() : nullptr, refusal.c_str(), kRequiredElementCaption,
                MB_OK | MB_ICONEXCLAMATION);
    return true;
}

bool RefuseIfCoinUses(EditableElement& element, Window* owner) {
    const MachineLayout* layout = element.GetLayout();
    const MachineScript* script = layout ? layout->GetScript() : nullptr;
    if (!script) return false;
    const std::string refusal = CoinUseRefusal(*script, element.GetName(), element.GetCaption());
    if (refusal.empty()) return false;
    MessageBoxA(owner ? owner->GetHandle() : nullptr, refusal.c_str(), kCoinUseCaption, MB_OK | MB_ICONEXCLAMATION);
    return true;
}
