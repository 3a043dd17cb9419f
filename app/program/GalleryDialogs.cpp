#include "GalleryDialogs.h"

#include <string>

#include "AwardBackdropPicker.h"
#include "GeneralSettings.h"
#include "ReelSymbolPicker.h"
#include "WizardGalleryPicker.h"

namespace {

std::string GalleryFile() { return GetClipArtPathSetting().Get() + "\\gallery.ast"; }

// A picker answers the cell picked, counted from 0 along the rows of four, as the wizard
// counts its gallery picks; each keeps the row it was last scrolled to.
template <class Picker>
bool RunPicker(Window* owner, int32_t& firstRow, int32_t& pick) {
    try {
        Picker picker(GalleryFile());
        const GalleryPick result = picker.Pick(owner, firstRow);
        if (!result.picked) return false;
        pick = result.column + 4 * result.row;
        return true;
    } catch (int) {
        return false;  // the gallery file cannot be opened: nothing is picked
    }
}

class GalleryDialogs : public WizardGalleryPicker {
public:
    bool PickSymbol(Window* owner, int32_t, int32_t& pick) override {
        return RunPicker<ReelSymbolPicker>(owner, symbolRow_, pick);
    }
    bool PickBackdrop(Window* owner, int32_t, int32_t& pick) override {
        return RunPicker<AwardBackdropPicker>(owner, backdropRow_, pick);
    }

private:
    int32_t symbolRow_ = 0, backdropRow_ = 0;
};

}  // namespace

void InstallGalleryDialogs() {
    static GalleryDialogs dialogs;
    SetWizardGalleryPicker(&dialogs);
}
