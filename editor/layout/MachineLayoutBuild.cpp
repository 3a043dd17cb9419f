// Building the layout from the compiled script, in the order in which the parts refer to
// each other: animations first, so that elements naming one share its set.
#include <stdexcept>

#include "AnimationSet.h"
#include "ArmElement.h"
#include "ButtonElement.h"
#include "CoinSlotElement.h"
#include "IndicatorElement.h"
#include "MachineLayout.h"
#include "MachineScript.h"
#include "PolygonRegionElement.h"
#include "ReelElement.h"

bool MachineLayout::Build(const SpriteParent& stage, const RECT&) {
    if (!script_) return true;
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    folder_ = folder;
    BuildAnimations();
    BuildButtons(stage);
    BuildIndicators(stage);
    BuildReels(stage);
    BuildRegions(stage);
    BuildCoin(stage);
    BuildArm(stage);
    BuildSymbols();
    BuildSounds();
    return true;
}

AnimationSet* MachineLayout::AddSet(const AnimationReference& record, int32_t usage, const std::string& name) {
    auto* set = new AnimationSet(record, AnimationUsage(usage));
    animationSets_.push_back(set);
    set->SetName(name);
    return set;
}

AnimationSet* MachineLayout::SetFor(const AnimationReference& record, int32_t usage, const std::string& name) {
    if (!record.animationName.empty()) {
        auto named = namedSets_.find(record.animationName);
        if (named != namedSets_.end()) return named->second;
    }
    return AddSet(record, usage, name);
}

void MachineLayout::BuildAnimations() {
    for (const auto& [name, record] : script_->GetAnimations()) {
        AnimationSet* set = AddSet(record.animation.reference, int32_t(AnimationUsage::Animation), name);
        animationEntries_.push_back(std::make_unique<AnimationEntry>(name, record.animation.reference, set));
        namedSets_[name] = set;
    }
}

// Buttons, indicators, the coin and the arm each use the set of the animation they name,
// or a set of their own named in braces.
void MachineLayout::BuildButtons(const SpriteParent& stage) {
    for (const auto& [name, record] : script_->GetButtons()) {
        AnimationSet* set = SetFor(record.button.picture, int32_t(AnimationUsage::Button), "{Button " + name + "}");
        auto* element = new ButtonElement(this, folder_);
        element->Setup(record.button, set, stage, name);
        AppendElement(element);
    }
}

void MachineLayout::BuildIndicators(const SpriteParent& stage) {
    for (const auto& [name, record] : script_->GetIndicators()) {
        AnimationSet* set =
            SetFor(record.indicator.picture, int32_t(AnimationUsage::Indicator), "{Indicator " + name + "}");
        auto* element = new IndicatorElement(this);
        element->Setup(record.indicator, set, stage, name);
        AppendElement(element);
    }
}

// The coin slot is made whether or not the machine has a coin; without its sets it shows
// nothing.
// Only a script with a Coin statement has a coin slot: its place is that statement.
void MachineLayout::BuildCoin(const SpriteParent& stage) {
    const CoinSettings coin = script_->GetCoin();
    if (coin.insertionRegion.empty()) return;
    AnimationSet* coinSet = SetFor(coin.coin, int32_t(AnimationUsage::Coin), "{Coin}");
    AnimationSet* dropSet = SetFor(coin.coinDrop, int32_t(AnimationUsage::CoinDrop), "{Coin Drop}");
    auto* element = new CoinSlotElement(this);
    element->Setup(coin, coinSet, dropSet, stage);
    AppendElement(element);
}

void MachineLayout::BuildArm(const SpriteParent& stage) {
    const AnimationReference arm = script_->GetArmAnimation();
    if (!arm.HasPictures()) return;
    AnimationSet* set = SetFor(arm, int32_t(AnimationUsage::PullArm), "{Pull Arm}");
    auto* element = new ArmElement(this);
    element->Setup(arm, set, script_->GetArmRect(), stage, "Pull Arm");
    AppendElement(element);
}

void MachineLayout::BuildReels(const SpriteParent& stage) {
    for (int32_t reel = 0; reel < script_->GetReelCount(); ++reel) {
        ReelPosition position;
        try {
            position = script_->GetReelPosition(reel);
        } catch (const std::out_of_range&) {
            return;  // a script that places no reels has no reel areas
        }
        auto* element = new ReelElement(this);
        element->Setup(script_, stage, reel, position);
        AppendElement(element);
    }
}

void MachineLayout::BuildRegions(const SpriteParent& stage) {
    for (const auto& [name, record] : script_->GetRegions()) {
        auto* element = new PolygonRegionElement(this);
        element->Setup(stage, name, record.region);
        AppendElement(element);
    }
}

void MachineLayout::BuildSymbols() {
    for (int32_t index = 0; index < script_->GetSymbolCount(); ++index) {
        const std::string name = script_->GetSymbol(index);
        const ReelSymbol symbol = script_->GetSymbolFile(name);
        AnimationReference record;
        record.sequences.push_back(symbol.files);
        record.libraryAsset = symbol.assetNumber;
        AnimationSet* set = AddSet(record, int32_t(AnimationUsage::Symbol), "{Symbol " + name + "}");
        symbolEntries_.push_back(std::make_unique<SymbolEntry>(name, index, record, set));
    }
}

// In the order in which the script defines them, as the Sounds page lists them.
void MachineLayout::BuildSounds() {
    for (const auto& [name, record] : script_->GetSounds())
        sounds_.push_back(std::make_unique<SoundEntry>(name, record.sound));
    sounds_.sort([](const std::unique_ptr<SoundEntry>& a, const std::unique_ptr<SoundEntry>& b) {
        return a->GetSound().definitionSpan.start < b->GetSound().definitionSpan.start;
    });
}
