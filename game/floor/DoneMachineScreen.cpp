#include "DoneMachineScreen.h"

#include "ActionCallback.h"
#include "GeneralSettings.h"
#include "PlayFace.h"
#include "ScreenErrorBox.h"
#include "ScreenNumbers.h"

namespace {
const char* const kDoneNames[] = {"Done", "done", "DONE"};
const char kCreditsFile[] = "credits.ast";
}  // namespace

DoneMachineScreen::DoneMachineScreen(const std::string& machineFile, int32_t number) : MachineScreen(machineFile) {
    SetNumber(number);
}

bool DoneMachineScreen::Build() {
    if (!MachineScreen::Build()) return false;
    roomCents_ = GetDenominationSetting().Get();
    AttachDoneItem();
    return true;
}

bool DoneMachineScreen::CanEnd() {
    if (!MachineScreen::CanEnd()) return false;
    if (roomCents_ > 0) GetDenominationSetting().Set(roomCents_);
    return true;
}

int DoneMachineScreen::GetMenuId() { return kCreditsMenuId; }

void DoneMachineScreen::AttachDoneItem() {
    // The sprite items are the play face's; a screen without one has no items to look in.
    auto* face = dynamic_cast<PlayFace*>(GetFace());
    if (!face) return;
    for (const char* name : kDoneNames) {
        if (SpriteItem* item = face->GetButtons().Find(name)) {
            item->SetAction(new ActionCallback<DoneMachineScreen>(this, &DoneMachineScreen::OnDone));
            return;
        }
    }
}

void DoneMachineScreen::OnDone(FaceElement&) { GoToScreen(kLobbyScreenNumber); }

Screen* DoneMachineScreen::Make(int32_t number) {
    try {
        return new DoneMachineScreen(kCreditsFile, number);
    } catch (...) {
        ReportScreenError();
        return nullptr;
    }
}
