// The gallery dialogs as the wizard's pages use them: the reel-symbol gallery and the
// award-backdrop gallery of the open "gallery.ast" answer the chosen pick (counting from
// 0, column + 4 x row) or nothing when the user cancels. The program installs the
// editor's gallery dialogs here; without them a gallery pick changes nothing.
#pragma once
#include <cstdint>

class Window;

class WizardGalleryPicker {
public:
    virtual ~WizardGalleryPicker() = default;
    virtual bool PickSymbol(Window* owner, int32_t galleryFile, int32_t& pick) = 0;
    virtual bool PickBackdrop(Window* owner, int32_t galleryFile, int32_t& pick) = 0;
};

// The installed picker (null for none); the caller keeps it alive.
void SetWizardGalleryPicker(WizardGalleryPicker* picker);
WizardGalleryPicker* GetWizardGalleryPicker();
