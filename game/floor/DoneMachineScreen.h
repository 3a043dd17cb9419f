// The credits (screen 25): a machine played from the asset file "credits.ast" like any
// other machine, with the credits' own menu on the main window, and whose item "Done"
// (or "done", or "DONE") leads back to the lobby. A credits machine without such an item
// is left through the menu only. The credits play at the denomination of the room they were
// opened from, and leaving them returns the player to that room, whatever the plate was
// set to meanwhile.
#pragma once
#include <cstdint>
#include <string>

#include "MachineScreen.h"

class FaceElement;

class DoneMachineScreen : public MachineScreen {
public:
    explicit DoneMachineScreen(const std::string& machineFile = "credits.ast", int32_t number = 25);

    // The machine's build, then the way out through the done item.
    bool Build() override;
    int GetMenuId() override;
    // The machine's may-end check; once it lets the credits end, the "Denomination" setting
    // goes back to the room's.
    bool CanEnd() override;

    // Gives the first item found by the names "Done", "done", "DONE" (in this order, exact
    // comparisons) the action that goes to the lobby; nothing when there is none.
    void AttachDoneItem();

    // The screen factory's maker for screen 25. A credits file that cannot be loaded is
    // reported in the screen error box and makes no screen.
    static Screen* Make(int32_t number);

private:
    void OnDone(FaceElement& element);

    // The denomination the credits were opened at (0 before the build).
    int32_t roomCents_ = 0;
};
