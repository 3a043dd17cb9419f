// The Animation Properties dialog of the Animations page: the animation's transparency
// and its hot spot across ("Left", "Center", "Right") and down ("Top", "Center",
// "Bottom"). OK stores them into the animation set and ends with 1; Cancel ends with 0.
#pragma once
#include <cstdint>

#include "Dialog.h"

class AnimationSet;

class AnimationPropertiesDialog : public Dialog {
public:
    explicit AnimationPropertiesDialog(AnimationSet& set);

    int OnCreate() override;

    // Hot-spot codes (0 centre, 1 left or top, 2 right or bottom) and the combo boxes'
    // entries (first, second, third) map onto each other.
    static int EntryOfCode(int32_t code);
    static int32_t CodeOfEntry(int entry);

private:
    void OnOK(int id, int code);
    void OnCancel(int id, int code);
    void FillChoices(int id, const char* first, const char* last, int32_t code);

    AnimationSet& set_;
};
