// The sprite items of a machine's face, one per element record but the arm, added to the
// screen's element host; the four play buttons among them ("BetOne", "BetMax", "CashOut",
// "Spin") are the face's button panel.
#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ButtonPanel.h"
#include "ElementAction.h"
#include "SpriteItem.h"

class MachineScreen;

class FaceButtons : public ButtonPanel {
public:
    explicit FaceButtons(MachineScreen& screen);
    ~FaceButtons() override;
    FaceButtons(const FaceButtons&) = delete;
    FaceButtons& operator=(const FaceButtons&) = delete;

    // The item of the name, or null.
    SpriteItem* Find(const std::string& name) const;
    SpriteItem* Find(Button button) const;
    // Gives the button its action and refusal (what a click on it disabled does; both
    // owned by the item) and, unless its record gives one, its default hot key.
    void Bind(Button button, ElementAction* action, ElementAction* refusal = nullptr);
    // The hot key the item of the name was given: its record's, else a play button's own.
    int32_t HotKeyOf(const std::string& name) const;

    void EnableButton(Button button, bool enabled) override;
    bool IsButtonEnabled(Button button) const override;

private:
    MachineScreen& screen_;
    std::vector<std::unique_ptr<SpriteItem>> items_;
    std::map<std::string, SpriteItem*> byName_;
};
