#include "MachineLayout.h"

#include <algorithm>

#include "AnimationSet.h"
#include "MachineScript.h"
#include "NewElementName.h"
#include "ButtonElement.h"
#include "IndicatorElement.h"
#include "PolygonRegionElement.h"
#include "ScriptCheck.h"

MachineLayout::MachineLayout() = default;

MachineLayout::~MachineLayout() {
    if (backdrop_) DeleteObject(backdrop_);
    symbolEntries_.clear();
    animationEntries_.clear();
    sounds_.clear();
    // The elements stop listening to their animation sets before the sets go.
    elements_.clear();
    for (AnimationSet* set : animationSets_) delete set;
}

bool MachineLayout::IsElementNameUsed(const std::string& name) const {
    for (const ElementRef& element : elements_)
        if (!element.Get()->IsDeleted() && (element.Get()->GetName() == name || element.Get()->GetCaption() == name))
            return true;
    return false;
}

bool MachineLayout::IsNameUsed(const std::string& name) const {
    if (IsElementNameUsed(name)) return true;
    for (const auto& sound : sounds_)
        if (!sound->IsDeleted() && (sound->GetName() == name || sound->GetScriptName() == name)) return true;
    return script_ && script_->IsDefined(name);
}

std::string MachineLayout::NewName(const char* prefix) {
    counterBeforeLastName_ = newNameCounter_;
    lastNewName_ = NextNewElementName(prefix, newNameCounter_, [this](const std::string& n) { return IsNameUsed(n); });
    return lastNewName_;
}

void MachineLayout::AddNew(EditableElement* element) {
    element->MarkNew();
    AppendElement(element);
}

EditableElement* MachineLayout::AddRegion(const SpriteParent& stage, POINT point) {
    const std::string name = NewName("New_Region_");
    RegionPart part;
    part.region.originX = point.x;
    part.region.originY = point.y;
    part.region.vertices = {Point{0, -10}, Point{10, 10}, Point{-10, 10}};
    auto* element = new PolygonRegionElement(this);
    element->Setup(stage, name, part);
    AddNew(element);
    return element;
}

EditableElement* MachineLayout::AddIndicator(const SpriteParent& stage, POINT point) {
    const std::string name = NewName("New_Indicator_");
    IndicatorPart part;
    part.digits = 1;
    part.rectangle = ScriptRect{point.x, point.y, point.x + 10, point.y + 10};
    part.priority = 75;
    part.dollarSign = 0;
    auto* element = new IndicatorElement(this);
    element->Setup(part, nullptr, stage, name);
    AddNew(element);
    return element;
}

EditableElement* MachineLayout::AddButton(const SpriteParent& stage, POINT point, const std::string& folder) {
    const std::string name = NewName("New_Button_");
    ButtonPart part;
    part.rectangle = ScriptRect{point.x, point.y, point.x + 30, point.y + 30};
    part.position = Point{point.x, point.y};
    part.priority = 200;
    auto* element = new ButtonElement(this, folder);
    element->Setup(part, nullptr, stage, name);
    AddNew(element);
    return element;
}

void MachineLayout::TakeBack(const EditableElement* added) {
    if (!added || !added->IsNew()) return;
    // The name of the add taken back is free for the next one.
    if (!lastNewName_.empty() && added->GetName() == lastNewName_) {
        newNameCounter_ = counterBeforeLastName_;
        lastNewName_.clear();
    }
    elements_.remove_if([added](const ElementRef& element) { return element.Get() == added; });
}

std::vector<std::string> MachineLayout::GetSetNames() const {
    std::vector<std::string> names;
    for (const AnimationSet* set : animationSets_) names.push_back(set->GetName());
    return names;
}

AnimationSet* MachineLayout::FindSet(const std::string& name) const {
    for (AnimationSet* set : animationSets_)
        if (set->GetName() == name) return set;
    return nullptr;
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

namespace {
std::string ElementLabel(const EditableElement& element) {
    std::string label = element.GetDisplayText();
    if (element.GetCaption() != element.GetName()) label += " (was " + element.GetCaption() + ")";
    return label + " on the Graphics page";
}
}  // namespace

// Each part queues its edits under its own owner (when the editor counts them), so that a
// save the compiler refuses can name the part and drop its edits alone.
void MachineLayout::BeginUnit(const void* part, const std::string& label) {
    if (saveUnits_) saveUnits_->Begin(*script_, part, label);
}

bool MachineLayout::Apply() {
    if (!script_) return true;
    for (const ElementRef& element : elements_) {
        BeginUnit(element.Get(), ElementLabel(*element.Get()));
        element->Commit(*script_);
    }
    for (const auto& entry : animationEntries_) {
        BeginUnit(entry.get(), "the animation " + entry->GetName() + " on the Animations page");
        entry->Commit(*script_);
    }
    for (const auto& entry : symbolEntries_) {
        BeginUnit(entry.get(), "the symbol " + entry->GetName() + " on the Animations page");
        entry->Commit(*script_);
    }
    for (const auto& sound : sounds_) {
        BeginUnit(sound.get(), "the sound " + sound->GetName() + " on the Sounds page");
        sound->CommitEdits(*script_);
    }
    BeginUnit(this, "the Graphics page");
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
