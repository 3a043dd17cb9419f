// A button of the machine on the Graphics page: the first frame of its animation (or its
// name when there is no picture) at the place its hot spot gives, with the selection
// handles. It is dragged and nudged, renamed and deleted from its menu, and its
// priority, animation and hot key are edited in the "Button Properties" dialog; its
// commit defines, removes, changes or renames the button in the script.
//
// The button's place is its hot-spot point, which moves with the element, so that the
// picture drawn again (after Properties or an animation edit) stays where it was dragged
// and the script gets the point back, not the picture's corner.
#pragma once
#include <string>

#include "EditableElement.h"
#include "ListenedSet.h"
#include "SymbolParts.h"

class ButtonElement : public EditableElement, public SetListener {
public:
    // The folder is the current directory of the editor, where its pictures are found.
    ButtonElement(MachineLayout* layout, const std::string& folder);
    ~ButtonElement() override;

    bool Setup(const ButtonPart& record, AnimationSet* set, const SpriteParent& parent, const std::string& name);
    // (Re)creates the picture at the hot-spot point and takes its rectangle.
    void Draw();

    void MoveSprite(POINT offset, int32_t depth) override;
    void PlaceSprite(POINT point, int32_t depth) override;
    bool IsModified() override;
    void Commit(MachineScript& script) override;
    bool OnContextMenu(POINT point, Window* owner) override;
    void EditProperties(Window* owner) override;
    // True when the button has a picture to be saved with: a named animation or its own.
    bool HasPicture() const { return !UsesOwnAnimation() || set_.Get(); }
    // A command of the button's menu: delete, rename or properties.
    void RunCommand(int command, Window* owner);
    // The animation set's frames changed.
    void OnSetChanged(int32_t value) override;

    // The record as the script will get it: at the current hot-spot point.
    ButtonPart CurrentRecord() const;
    AnimationSet* GetSet() const { return set_.Get(); }
    const std::string& GetFolder() const { return folder_; }

private:
    bool UsesOwnAnimation() const { return record_.picture.animationName.empty(); }
    void TakeProperties(const ButtonPart& edited);
    void ReadSetLook();

    std::string folder_;
    ButtonPart record_;
    ListenedSet set_;
    bool transparent_ = false;
    int32_t border_ = 0;  // the key border left out of the picture shown (0 or 1)
    int32_t horizontal_ = kNoShift, vertical_ = kNoShift;
    const SpriteParent* parent_ = nullptr;
    OwnerDrawSpriteHandle sprite_;
    bool animationChanged_ = false;
    bool propertiesChanged_ = false;
    Point hotSpot_{0, 0};

    static const int32_t kNoShift = 1;
};
