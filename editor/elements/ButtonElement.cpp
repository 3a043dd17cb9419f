#include "ButtonElement.h"

#include "AnimationChoices.h"
#include "ButtonPropertiesDialog.h"
#include "EditorDialogIds.h"
#include "ElementMenu.h"
#include "ElementPlacement.h"
#include "FrameSprite.h"
#include "MachineLayout.h"
#include "MachineScript.h"
#include "SpriteQueries.h"

namespace {
const int32_t kPlainSize = 30;
}

ButtonElement::ButtonElement(MachineLayout* layout, const std::string& folder)
    : EditableElement(layout), folder_(folder), set_(this) {}

ButtonElement::~ButtonElement() { set_.Take(nullptr); }

bool ButtonElement::Setup(const ButtonPart& record, AnimationSet* set, const SpriteParent& parent,
                          const std::string& name) {
    record_ = record;
    hotSpot_ = Point{record.rectangle.left, record.rectangle.top};
    parent_ = &parent;
    set_.Take(set);
    ReadSetLook();
    SetDisplayText(name + " Button");
    SetName(name);
    SetSprite(&sprite_);
    Draw();
    DrawSelection(parent);
    SetVisible(false);
    return true;
}

void ButtonElement::ReadSetLook() {
    AnimationSet* set = set_.Get();
    transparent_ = set && set->IsTransparent();
    horizontal_ = vertical_ = kNoShift;
    if (set_.HasFrames()) set->GetHotspot(horizontal_, vertical_);
}

void ButtonElement::Draw() {
    if (!parent_) return;
    int32_t width = kPlainSize, height = kPlainSize;
    if (set_.HasFrames()) {
        const SIZE largest = set_.Get()->GetLargestFrameSize();
        width = largest.cx, height = largest.cy;
    }
    const FramePicture first = WithoutKeyBorder(set_.Get(), FrameOf(set_.Get(), 0), transparent_);
    border_ = first.border;
    const ElementRect rect = InsetBy(PictureRect(hotSpot_, width, height, horizontal_, vertical_), border_);
    DrawFrameSprite(*parent_, sprite_, rect, first, SpriteKeyFor(first, transparent_), GetName());
    SetBounds(rect);
    if (!sprite_.IsEmpty()) MakeSpriteVisible(sprite_.Get(), IsDeleted() ? 0 : 1);
}

void ButtonElement::MoveSprite(POINT offset, int32_t depth) {
    hotSpot_.x += offset.x, hotSpot_.y += offset.y;
    EditableElement::MoveSprite(offset, depth);
}

void ButtonElement::PlaceSprite(POINT point, int32_t depth) {
    hotSpot_.x += point.x - GetRect().left, hotSpot_.y += point.y - GetRect().top;
    EditableElement::PlaceSprite(point, depth);
}

bool ButtonElement::IsModified() {
    if (IsDeleted()) return NeedsRemoval();
    if (IsNew() || propertiesChanged_ || IsMoved()) return true;
    if (animationChanged_ && UsesOwnAnimation()) return true;
    return IsRenamed();
}

ButtonPart ButtonElement::CurrentRecord() const {
    ButtonPart record = record_;
    const ElementRect& r = GetRect();
    record.position = hotSpot_;
    // The script's rectangle is the whole picture's, border and all.
    const int32_t width = r.Width() + 2 * border_, height = r.Height() + 2 * border_;
    record.rectangle = ScriptRect{hotSpot_.x, hotSpot_.y, hotSpot_.x + width, hotSpot_.y + height};
    return record;
}

void ButtonElement::Commit(MachineScript& script) {
    ButtonPart record = CurrentRecord();
    const bool ownEdited = animationChanged_ && UsesOwnAnimation();
    if (CommitDefinitionOrRemoval(script, [&] {
            if (set_.Get() && UsesOwnAnimation()) set_.Get()->Save(record.picture);
            script.DefineButton(GetName(), record);
            propertiesChanged_ = animationChanged_ = false;
        }))
        return;
    if (propertiesChanged_ || IsMoved() || ownEdited) {
        if (ownEdited && set_.Get()) set_.Get()->Save(record.picture);
        script.SetButton(GetCaption(), record);
        record_ = record;
        propertiesChanged_ = animationChanged_ = false;
    }
    CommitRename(script);
}

bool ButtonElement::OnContextMenu(POINT point, Window* owner) {
    RunCommand(TrackElementMenu(IDM_BUTTON_MENU, point, owner), owner);
    return true;
}

void ButtonElement::RunCommand(int command, Window* owner) {
    switch (command) {
    case ID_DELETE_ITEM:
        if (RefuseIfRequired(*this, "Button", owner)) break;
        MarkDeleted();
        NotifyChanged();
        break;
    case ID_RENAME_ITEM:
        if (!RefuseIfRequired(*this, "Button", owner)) RenameFromDialog(*this, "Button", owner);
        break;
    case ID_ITEM_PROPERTIES: EditProperties(owner); break;
    default: break;
    }
}

void ButtonElement::EditProperties(Window* owner) {
    MachineLayout* layout = GetLayout();
    // The own set keeps the name the element stood under when the layout was built.
    const std::string ownSet = OwnSetName("Button", GetCaption());
    const std::vector<std::string> names = layout ? layout->GetSetNames() : std::vector<std::string>();
    const std::vector<std::string> choices =
        SavableChoices(AnimationChoices(names, ownSet), ownSet, layout ? layout->GetScript() : nullptr, GetCaption());
    ButtonPropertiesDialog dialog(GetName(), CurrentRecord(), choices, ownSet);
    if (dialog.DoModal(owner) != 1) return;
    TakeProperties(dialog.GetRecord());
}

void ButtonElement::TakeProperties(const ButtonPart& edited) {
    record_ = edited;
    const std::string setName = UsesOwnAnimation() ? OwnSetName("Button", GetCaption()) : record_.picture.animationName;
    if (MachineLayout* layout = GetLayout())
        if (AnimationSet* found = layout->FindSet(setName)) set_.Take(found);
    OnSetChanged(0);
    NotifyChanged();
    propertiesChanged_ = true;
}

void ButtonElement::OnSetChanged(int32_t) {
    ReadSetLook();
    Draw();
    ShowHandles(GetRect());
    SetVisible(IsHighlighted());
    animationChanged_ = true;
}
