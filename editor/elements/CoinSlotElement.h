// The machine's coin slot on the Graphics page ("Coin Slot"): the coin and the coin drop
// shown at the drop position, where dropped coins fall. Dragging it moves the drop
// position; edits of either animation are written back with it.
#pragma once
#include "MachineParts.h"
#include "RegionElement.h"

class CoinSlotElement : public RegionElement {
public:
    explicit CoinSlotElement(MachineLayout* layout) : RegionElement(layout) {}

    // Does nothing unless both animation sets are there: the element then has no records.
    bool Setup(const CoinSettings& coin, AnimationSet* coinSet, AnimationSet* dropSet, const SpriteParent& parent);
    bool IsModified() override;
    void Commit(MachineScript& script) override;

    // The drop position as the script will get it.
    Point GetDropPosition() const { return GetPlace(); }

private:
    CoinSettings coin_;
};
