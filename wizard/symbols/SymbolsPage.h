// The wizard's symbols page: the pictures of the seven symbol slots (from the gallery, a
// file or the clipboard), the WILD jackpot symbol, the group of symbols that pays mixed,
// the "Cherry" and spoiler switches, and the payouts that the wizard data gives for
// these choices. Next checks the group and that an entry of the data fits the payout
// level, switching the spoiler on when none does.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "SymbolSlot.h"
#include "WizardPage.h"

class SymbolsPage : public WizardPage {
public:
    explicit SymbolsPage(WizardSheet* sheet);
    ~SymbolsPage() override;

    int OnWizardNext(PropertySheet* sheet, LRESULT* result) override;

    // From the slots' views.
    void OnSlotMouse(int slot, SlotMouse kind, POINT at);
    void OnSlotMenu(int slot, POINT screenPoint);

    SymbolSlot* Slot(int slot) { return slots_[size_t(slot)].get(); }
    // The slot's picture from a bitmap file; a file that is not read is refused in a box.
    void LoadPathInto(int slot, const std::string& path);

private:
    void OnShow(bool first) override;
    void Initialise();
    void MakeSlots();
    void SetBoxesFromDocument();
    void Refresh();

    void OnMember(int id, int code);
    void OnWild(int id, int code);
    void OnGroups(int id, int code);
    void OnCherry(int id, int code);
    void OnSpoiler(int id, int code);
    void OnGroupName(int id, int code);

    // The slot takes no pick or highlight while its switch is off.
    bool SlotIsLive(int slot) const;
    void ShowSlotSwitch(int slot, bool on);
    void SetMember(int slot, bool member);
    void PickFromGallery(int slot);
    void PasteInto(int slot);
    void LoadFileInto(int slot);
    void UseBitmap(int slot, const Bitmap& bitmap);
    void ShowPick(int slot, int32_t pick);
    // Tells the user about an out-of-range entry; false when the page must stay.
    bool AcceptEntry();

    std::array<std::unique_ptr<SymbolSlot>, 7> slots_;
    int32_t galleryFile_ = -1;
    int32_t extraFile_ = -1;
    std::string fileFolder_;
    bool initialised_ = false;
};
