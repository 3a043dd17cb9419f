// An indicator of the machine on the Graphics page (a number display such as the credit
// meter): a row of digit cells, each showing the first frame of the indicator's
// animation, or a "0000000000" placeholder while the animation has no frames. It is
// dragged and nudged, renamed and deleted from its menu, and its animation, digits,
// priority and dollar sign are edited in the "Indicator Properties" dialog; its commit
// defines, removes, changes or renames the indicator in the script.
//
// Its place moves with the element, so that a redraw keeps a dragged row where it is;
// the number of digits stays within what the play side draws.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "EditableElement.h"
#include "ListenedSet.h"
#include "SymbolParts.h"

class IndicatorElement : public EditableElement, public SetListener {
public:
    explicit IndicatorElement(MachineLayout* layout);
    ~IndicatorElement() override;

    bool Setup(const IndicatorPart& record, AnimationSet* set, const SpriteParent& parent, const std::string& name);
    // Deletes the cells and draws them again at the placed rectangle.
    void Draw();

    void MoveSprite(POINT offset, int32_t depth) override;
    void PlaceSprite(POINT point, int32_t depth) override;
    bool IsModified() override;
    void Commit(MachineScript& script) override;
    bool OnContextMenu(POINT point, Window* owner) override;
    void EditProperties(Window* owner) override;
    // True when the indicator has a picture to be saved with: a named animation or its own.
    bool HasPicture() const { return !UsesOwnAnimation() || set_.Get(); }
    void RunCommand(int command, Window* owner);
    void OnSetChanged(int32_t value) override;

    // The record as the script will get it: at the current place, with its digits.
    IndicatorPart CurrentRecord() const;
    size_t GetCellCount() const { return cells_.size(); }
    AnimationSet* GetSet() const { return set_.Get(); }

private:
    bool UsesOwnAnimation() const { return record_.picture.animationName.empty(); }
    SIZE CellSize() const;
    ElementRect PlacedRect() const;
    void DrawCells(const ElementRect& placed);
    void DrawPlaceholder(const ElementRect& placed);
    void ShowPictures(bool visible);
    void TakeProperties(const IndicatorPart& edited);

    IndicatorPart record_;
    ListenedSet set_;
    const SpriteParent* parent_ = nullptr;
    std::vector<std::unique_ptr<OwnerDrawSpriteHandle>> cells_;
    OwnerDrawSpriteHandle placeholder_;
    bool animationChanged_ = false;
    int32_t border_ = 0;  // the key border left out of each cell shown (0 or 1)
    bool propertiesChanged_ = false;
    Point place_{0, 0};
};
