// A rectangle element that shows one or more animations of the machine (their first
// frames) at its place: the base of the coin-slot and arm elements. Each animation is a
// linked record that hears of edits of its animation set on the Animations page and is
// then drawn again and marked changed; the element hears of them too.
//
// The element's place is the animations' hot-spot point; it moves with the element, so
// that the script gets the point back and not the picture's corner.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "AnimationReference.h"
#include "ListenedSet.h"
#include "RectElement.h"

class RegionElement : public RectElement, public SetListener {
public:
    // One animation shown by the element.
    class LinkedRecord : public SetListener {
    public:
        LinkedRecord(RegionElement* owner, const AnimationReference& record, AnimationSet* set);
        ~LinkedRecord() override = default;
        void OnSetChanged(int32_t value) override;
        // The first frame at the owner's place; false when the set has no picture.
        bool Draw();
        // The picture's rectangle at the owner's place.
        ElementRect PictureRect() const;

        AnimationReference record;
        ListenedSet set;
        OwnerDrawSpriteHandle sprite;
        bool changed = false;

    private:
        RegionElement* owner_;
    };

    explicit RegionElement(MachineLayout* layout);
    ~RegionElement() override;

    // Takes the parent and the name, draws every record and listens to their sets.
    bool Setup(const SpriteParent& parent, const std::string& name);
    void MoveSprite(POINT offset, int32_t depth) override;
    void PlaceSprite(POINT point, int32_t depth) override;
    // The script keeps the place only (the size is the picture's): no resizing.
    bool CanResize() const override { return false; }
    // Any of the records' sets changed: every record is drawn again.
    void OnSetChanged(int32_t value) override;

    const SpriteParent* GetParent() const { return parent_; }
    Point GetPlace() const { return place_; }
    const std::vector<std::unique_ptr<LinkedRecord>>& GetRecords() const { return records_; }
    bool IsAnimationChanged() const { return animationChanged_; }

protected:
    void SetPlace(Point place) { place_ = place; }
    LinkedRecord& AddRecord(const AnimationReference& record, AnimationSet* set);
    void ClearAnimationChanged() { animationChanged_ = false; }

private:
    std::vector<std::unique_ptr<LinkedRecord>> records_;
    std::vector<std::unique_ptr<ListenedSet>> listened_;
    const SpriteParent* parent_ = nullptr;
    Point place_{0, 0};
    bool animationChanged_ = false;
};
