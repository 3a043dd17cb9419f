// The four buttons of a machine's face ("BetOne", "BetMax", "CashOut", "Spin").
#pragma once

enum class Button { BetOne, BetMax, CashOut, Spin };

class ButtonPanel {
public:
    virtual ~ButtonPanel() = default;
    virtual void EnableButton(Button button, bool enabled) = 0;
    virtual bool IsButtonEnabled(Button button) const = 0;
};
