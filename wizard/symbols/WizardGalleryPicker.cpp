#include "WizardGalleryPicker.h"

namespace {
WizardGalleryPicker* installed = nullptr;
}

void SetWizardGalleryPicker(WizardGalleryPicker* picker) { installed = picker; }

WizardGalleryPicker* GetWizardGalleryPicker() { return installed; }
