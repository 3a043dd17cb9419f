#include "IndicatorElement.h"

#include "AnimationChoices.h"
#include "EditorDialogIds.h"
#include "ElementMenu.h"
#include "ElementPlacement.h"
#include "FrameSprite.h"
#include "IndicatorPropertiesDialog.h"
#include "MachineLayout.h"
#include "MachineScript.h"
#include "SpriteQueries.h"

namespace {
const SIZE kPlainCell = {8, 16};
const SIZE kPlainFrame = {10, 16};
const char kPlaceholder[] = "0000000000";
}  // namespace

IndicatorElement::IndicatorElement(MachineLayout* layout) : EditableElement(layout), set_(this) {}

IndicatorElement::~IndicatorElement() { set_.Take(nullptr); }

bool IndicatorElement::Setup(const IndicatorPart& record, AnimationSet* set, const SpriteParent& parent,
                             const std::string& name) {
    parent_ = &parent;
    record_ = record;
    record_.digits = ClampDigits(record.digits);
    place_ = Point{record.rectangle.left, record.rectangle.top};
    SetDisplayText(name + " Indicator");
    SetName(name);
    set_.Take(set);
    SetBounds(ElementRect{record.rectangle.left, record.rectangle.top, record.rectangle.right,
                          record.rectangle.bottom});
    Draw();
    DrawSelection(parent);
    ShowHandles(GetRect());
    SetVisible(false);
    modified_ = false;
    return true;
}

SIZE IndicatorElement::CellSize() const {
    if (!set_.HasFrames()) return kPlainCell;
    const FramePicture second = FrameOf(set_.Get(), 1);
    const FramePicture picture = second.image ? second : FrameOf(set_.Get(), 0);
    return SIZE{picture.width, picture.height};
}

ElementRect IndicatorElement::PlacedRect() const {
    const SIZE cell = CellSize();
    int32_t horizontal = 1, vertical = 1;
    if (set_.HasFrames()) set_.Get()->GetHotspot(horizontal, vertical);
    return PictureRect(place_, record_.digits * cell.cx, cell.cy, horizontal, vertical);
}

void IndicatorElement::Draw() {
    cells_.clear();
    placeholder_.Reset(0);
    if (!parent_ || !set_.Get()) return;  // no animation set: nothing to show but the handles
    const ElementRect placed = PlacedRect();
    border_ = 0;
    if (set_.HasFrames()) DrawCells(placed);
    else DrawPlaceholder(placed);
    SetBounds(InsetBy(placed, border_));
}

void IndicatorElement::DrawCells(const ElementRect& placed) {
    const SIZE cell = CellSize();
    const bool transparent = set_.Get()->IsTransparent();
    const FramePicture first = WithoutKeyBorder(set_.Get(), FrameOf(set_.Get(), 0), transparent);
    const COLORREF key = SpriteKeyFor(first, transparent);
    border_ = first.border;
    for (int32_t i = 0; i < record_.digits; ++i) {
        auto sprite = std::make_unique<OwnerDrawSpriteHandle>();
        const int32_t left = placed.left + i * cell.cx;
        const ElementRect whole{left, placed.top, left + cell.cx, placed.top + cell.cy};
        DrawFrameSprite(*parent_, *sprite, InsetBy(whole, border_), first, key, "");
        if (!sprite->IsEmpty()) MakeSpriteVisible(sprite->Get(), IsDeleted() ? 0 : 1);
        cells_.push_back(std::move(sprite));
    }
}

void IndicatorElement::DrawPlaceholder(const ElementRect& placed) {
    DrawPlaceholderSprite(*parent_, placeholder_, placed, kPlaceholder);
    SetSprite(&placeholder_);
    if (!placeholder_.IsEmpty()) MakeSpriteVisible(placeholder_.Get(), IsDeleted() ? 0 : 1);
}

void IndicatorElement::ShowPictures(bool visible) {
    for (const auto& cell : cells_)
        if (!cell->IsEmpty()) MakeSpriteVisible(cell->Get(), visible ? 1 : 0);
    if (!placeholder_.IsEmpty()) MakeSpriteVisible(placeholder_.Get(), visible ? 1 : 0);
}

void IndicatorElement::MoveSprite(POINT offset, int32_t depth) {
    place_.x += offset.x, place_.y += offset.y;
    const int16_t deltas[4] = {int16_t(offset.x), int16_t(offset.y), 0, 0};
    for (const auto& cell : cells_)
        if (!cell->IsEmpty()) ::MoveSprite(cell->Get(), deltas);
    EditableElement::MoveSprite(offset, depth);  // the placeholder is the element's own sprite
}

void IndicatorElement::PlaceSprite(POINT point, int32_t depth) {
    const POINT offset = {point.x - GetRect().left, point.y - GetRect().top};
    place_.x += offset.x, place_.y += offset.y;
    const SIZE cell = CellSize();
    for (size_t i = 0; i < cells_.size(); ++i)
        PlaceHeldSprite(*cells_[i], POINT{point.x + int32_t(i) * cell.cx, point.y}, depth);
    EditableElement::PlaceSprite(point, depth);
}

bool IndicatorElement::IsModified() {
    if (IsDeleted()) return NeedsRemoval();
    if (IsNew() || propertiesChanged_ || IsMoved()) return true;
    if (animationChanged_ && UsesOwnAnimation()) return true;
    return IsRenamed();
}

IndicatorPart IndicatorElement::CurrentRecord() const {
    IndicatorPart record = record_;
    const ElementRect& r = GetRect();
    // The script's rectangle is the whole picture's, border and all.
    record.rectangle = ScriptRect{place_.x, place_.y, place_.x + r.Width() + 2 * border_,
                                  place_.y + r.Height() + 2 * border_};
    if (record.digits != 1) {
        const SIZE frame = set_.Get() ? set_.Get()->GetLargestFrameSize() : kPlainFrame;
        record.rectangle.right = place_.x + record.digits * frame.cx;
        record.rectangle.bottom = place_.y + frame.cy;
    }
    return record;
}

void IndicatorElement::Commit(MachineScript& script) {
    IndicatorPart record = CurrentRecord();
    const bool ownEdited = animationChanged_ && UsesOwnAnimation();
    if (CommitDefinitionOrRemoval(script, [&] {
            if (set_.Get() && UsesOwnAnimation()) set_.Get()->Save(record.picture);
            script.DefineIndicator(GetName(), record);
            propertiesChanged_ = animationChanged_ = false;
        }))
        return;
    if (propertiesChanged_ || IsMoved() || ownEdited) {
        if (ownEdited && set_.Get()) set_.Get()->Save(record.picture);
        script.SetIndicator(GetCaption(), record);
        propertiesChanged_ = animationChanged_ = false;
    }
    CommitRename(script);
}

bool IndicatorElement::OnContextMenu(POINT point, Window* owner) {
    RunCommand(TrackElementMenu(IDM_INDICATOR_MENU, point, owner), owner);
    return true;
}

void IndicatorElement::RunCommand(int command, Window* owner) {
    switch (command) {
    case ID_DELETE_ITEM:
        if (RefuseIfRequired(*this, "Indicator", owner) || RefuseIfCoinUses(*this, owner)) break;
        MarkDeleted();
        ShowPictures(false);
        NotifyChanged();
        break;
    case ID_RENAME_ITEM:
        if (!RefuseIfRequired(*this, "Indicator", owner)) RenameFromDialog(*this, "Indicator", owner);
        break;
    case ID_ITEM_PROPERTIES: EditProperties(owner); break;
    default: break;
    }
}

void IndicatorElement::EditProperties(Window* owner) {
    MachineLayout* layout = GetLayout();
    // The own set keeps the name the element stood under when the layout was built.
    const std::string ownSet = OwnSetName("Indicator", GetCaption());
    const std::vector<std::string> names = layout ? layout->GetSetNames() : std::vector<std::string>();
    const std::vector<std::string> choices =
        SavableChoices(AnimationChoices(names, ownSet), ownSet, layout ? layout->GetScript() : nullptr, GetCaption());
    IndicatorPropertiesDialog dialog(GetName(), CurrentRecord(), choices, ownSet);
    if (dialog.DoModal(owner) != 1) return;
    TakeProperties(dialog.GetRecord());
}

void IndicatorElement::TakeProperties(const IndicatorPart& edited) {
    record_ = edited;
    record_.digits = ClampDigits(edited.digits);
    const std::string setName =
        UsesOwnAnimation() ? OwnSetName("Indicator", GetCaption()) : record_.picture.animationName;
    if (MachineLayout* layout = GetLayout())
        if (AnimationSet* found = layout->FindSet(setName)) set_.Take(found);
    OnSetChanged(0);
    NotifyChanged();
    propertiesChanged_ = true;
}

void IndicatorElement::OnSetChanged(int32_t) {
    animationChanged_ = true;
    Draw();
    ShowHandles(GetRect());
    SetVisible(IsHighlighted());
}
