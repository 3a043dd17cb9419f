#include "MachineLayout.h"

#include <algorithm>

#include "AnimationSet.h"
#include "MachineScript.h"
#include "NewElementName.h"
#include "PolygonRegionElement.h"

MachineLayout::MachineLayout() = default;

MachineLayout::~MachineLayout() {
    if (backdrop_) DeleteObject(backdrop_);
    symbolEntries_.clear();
    animationEntries_.clear();
    sounds_.clear();
    for (AnimationSet* set : animationSets_) delete set;
    elements_.clear();
}

bool MachineLayout::IsNameUsed(const std::string& name) const {
    for (const ElementRef& element : elements_)
        if (!element.Get()->IsDeleted() && (element.Get()->GetName() == name || element.Get()->GetCaption() == name))
            return true;
    return script_ && script_->IsDefined(name);
}

EditableElement* MachineLayout::AddRegion(const SpriteParent& stage, POINT point) {
    const std::string name = NextNewElementName("New_Region_", newNameCounter_, [this](const std::string& n) {
        return script_ && script_->IsDefined(n);
    });
    RegionPart part;
    part.region.originX = point.x;
    part.region.originY = point.y;
    part.region.vertices = {Point{0, -10}, Point{10, 10}, Point{-10, 10}};
    auto* element = new PolygonRegionElement(this);
    element->Setup(stage, name, part);
    element->MarkNew();
    AppendElement(element);
    return element;
}

void MachineLayout::AppendElement(EditableElement* element) { elements_.emplace_back(element); }

bool MachineLayout::IsModified() const {
    for (const ElementRef& element : elements_)
        if (element->IsModified()) return true;
    for (const auto& entry : animationEntries_)
        if (entry->IsChanged()) return true;
    for (const auto& entry : symbolEntries_)
        if (entry->IsChanged()) return true;
    for (const auto& sound : sounds_)
        if (sound->IsDirty()) return true;
    return false;
}

bool MachineLayout::Apply() {
    if (!script_) return true;
    for (const ElementRef& element : elements_) element->Commit(*script_);
    for (const auto& entry : animationEntries_) entry->Commit(*script_);
    for (const auto& entry : symbolEntries_) entry->Commit(*script_);
    for (const auto& sound : sounds_) sound->CommitEdits(*script_);
    return true;
}

void MachineLayout::AddObserver(LayoutObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void MachineLayout::RemoveObserver(LayoutObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void MachineLayout::NotifySelection(EditableElement* element) {
    for (LayoutObserver* observer : observers_) observer->OnElementSelected(element);
}

void MachineLayout::NotifyChanged() {
    for (LayoutObserver* observer : observers_) observer->OnLayoutChanged();
}
