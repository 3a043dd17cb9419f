// The "Button Properties" dialog: a button's priority, animation and hot key with its
// Shift flag. It edits a copy of the button's record; OK ends it with 1 and the copy
// holds the new values, Cancel ends it with 0.
#pragma once
#include <string>
#include <vector>

#include "Dialog.h"
#include "SymbolParts.h"

class ButtonPropertiesDialog : public Dialog {
public:
    // The animation choices come from AnimationChoices, with the button's own set.
    ButtonPropertiesDialog(const std::string& name, const ButtonPart& record, const std::vector<std::string>& choices,
                           const std::string& ownSet);

    int OnCreate() override;
    void OnOK(int id, int code);
    void OnCancel(int id, int code);

    const ButtonPart& GetRecord() const { return record_; }

private:
    std::string name_;
    ButtonPart record_;
    std::vector<std::string> choices_;
    std::string ownSet_;
};
