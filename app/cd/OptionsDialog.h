// The options dialog (resource 117): sound effects, ambient sounds, the intro, the CD
// prompt and drive, and the denomination, which stays as it is while a machine holds its
// lock. A new drive is checked at once with the CD prompt.
#pragma once
#include <cstdint>

#include "CDDialogIds.h"
#include "Dialog.h"

class OptionsDialog : public Dialog {
public:
    OptionsDialog();

    // Shows the dialog modally over the parent; the game window's Options command.
    INT_PTR Run(Window* parent);

    int OnCreate() override;
    void OnDestroy() override;

    void OnDriveSelChange(int id, int code);
    void OnOK(int id, int code);
    void OnCancel(int id, int code);

    // The value in cents of the first checked denomination button (25 when none is).
    int32_t GetDenominationRadioValue();

private:
    void ShowDenomination();
    void StoreDriveChange();

    Window drives_;
    bool driveChanged_ = false;
};
