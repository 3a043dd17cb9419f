#include "MachineBuild.h"

#include "AssetBuilder.h"
#include "BuildProgressSink.h"
#include "DenominationMask.h"
#include "MachineScript.h"
#include "Playability.h"

namespace {

// The text after the last point of a file name.
std::string Extension(const std::string& file) {
    const size_t dot = file.rfind('.');
    return dot == std::string::npos ? std::string() : file.substr(dot + 1);
}

}  // namespace

MachineBuild::MachineBuild(MachineScript& script, AssetBuilder& builder, BuildProgressSink* progress)
    : script_(script), builder_(builder), progress_(progress) {}

void MachineBuild::Run() {
    const std::string unplayable = FindUnplayable(script_);
    if (!unplayable.empty()) throw BuildRefusal(unplayable);
    AddBackdrop();
    AddAnimations();
    CheckCancel();
    AddButtons();
    CheckCancel();
    AddCoin();
    AddArm();
    AddReelSymbols();
    CheckCancel();
    AddIndicators();
    CheckCancel();
    chunk_.payTable.Assign(script_.GetPayouts(), chunk_.symbolNames);
    AddSounds();
    CheckCancel();
    AddRegions();
    CheckCancel();
    SetPercent(75);
    CheckCoinAcceptor();
    AddMachineChunk();
    SetPercent(87);
}

void MachineBuild::CheckCancel() {
    if (progress_ && progress_->IsCancelled()) throw Cancellation();
}

void MachineBuild::SetPercent(int32_t percent) {
    if (progress_) progress_->SetPercent(percent);
}

uint32_t MachineBuild::SpriteIndex(int32_t sprite) const {
    return sprite < 0 ? 0 : uint32_t(sprite) + builder_.GetFirstSpriteIndex();
}

uint32_t MachineBuild::LastChunkIndex() const {
    return builder_.GetFirstChunkIndex() + builder_.GetChunkCount() - 1;
}

void MachineBuild::AddBackdrop() {
    const std::string& file = script_.GetBackdropFile();
    const int32_t asset = script_.GetBackdropAsset();
    if (asset == 0)
        builder_.AddBackdrop(file);
    else
        builder_.ImportBackdrop(file, uint32_t(asset));
}

void MachineBuild::AddAnimations() {
    for (const auto& entry : script_.GetAnimations())
        animations_[entry.first] = AddPictureSprite(builder_, entry.second.animation.reference);
}

void MachineBuild::AddButtons() {
    buttonRecords_ = script_.GetButtons();
    for (const auto& entry : buttonRecords_)
        buttons_[entry.first] = AddElementSprite(builder_, animations_, entry.second.button.picture);
}

void MachineBuild::AddCoin() {
    coin_ = script_.GetCoin();
    coinSprite_ = AddElementSprite(builder_, animations_, coin_.coin);
    coinDropSprite_ = AddElementSprite(builder_, animations_, coin_.coinDrop);
}

// An arm without pictures has no sprite (-1), so that an arm whose picture is the first
// sprite built is still an arm.
void MachineBuild::AddArm() {
    armSprite_ = AddElementSprite(builder_, animations_, script_.GetArmAnimation());
    animations_[kArmName] = armSprite_;
    buttons_[kArmName] = armSprite_;
}

void MachineBuild::AddReelSymbols() {
    std::vector<ReelSymbol> symbols;
    for (int32_t i = 0; i < script_.GetSymbolCount(); ++i) {
        const std::string name = script_.GetSymbol(i);
        chunk_.symbolNames.push_back(name);
        symbolNumbers_[name] = i;
        symbols.push_back(script_.GetSymbolFile(name));
    }
    symbolSprite_ = AddSymbolSprite(builder_, symbols);
}

void MachineBuild::AddIndicators() {
    indicatorRecords_ = script_.GetIndicators();
    const std::string progressive = script_.GetProgressive().indicator;
    int32_t ordinal = 0;
    for (const auto& entry : indicatorRecords_) {
        const AnimationReference& picture = entry.second.indicator.picture;
        int32_t sprite;
        if (picture.libraryAsset != 0)
            sprite = AddLibrarySprite(builder_, picture);
        else
            sprite = AddElementSprite(builder_, animations_, picture);
        indicators_[entry.first] = sprite;
        if (entry.first == coin_.denominationIndicator)
            chunk_.denominationIndicator = ordinal;
        else if (entry.first == progressive)
            chunk_.progressiveIndicator = ordinal;
        ++ordinal;
    }
}

// A sound that cannot be read ends the build: its map entry would otherwise name
// whichever chunk was added before it.
void MachineBuild::AddSounds() {
    for (const auto& entry : script_.GetSounds()) {
        const SoundPart& sound = entry.second.sound;
        if (sound.assetNumber != 0) {
            const std::vector<uint8_t> copy = builder_.CopyAsset(sound.file, uint32_t(sound.assetNumber));
            if (copy.size() < 4) throw BuildRefusal("Can't open " + sound.file + " asset " +
                                                    std::to_string(sound.assetNumber));
            const uint32_t type = uint32_t(copy[0]) | uint32_t(copy[1]) << 8 | uint32_t(copy[2]) << 16 |
                                  uint32_t(copy[3]) << 24;
            builder_.AddChunk(type, copy.data() + 4, uint32_t(copy.size() - 4));
        } else {
            const std::string ext = Extension(sound.file);
            const bool compressed = ext == "cwv" || ext == "CWV";
            const uint32_t added = compressed ? builder_.AddCompressedWaveFile(sound.file)
                                              : builder_.AddWaveFile(sound.file);
            if (added == 0) throw BuildRefusal("Can't open the sound file " + sound.file + " of " + entry.first);
        }
        chunk_.sounds[entry.first] = int32_t(LastChunkIndex());
        if (entry.first == coin_.sound) chunk_.coinSound = int32_t(LastChunkIndex());
    }
}

void MachineBuild::AddRegions() {
    for (const auto& entry : script_.GetRegions()) {
        builder_.AddRegions(entry.second.region.region);
        chunk_.regions[entry.first] = int32_t(LastChunkIndex());
    }
}

void MachineBuild::CheckCoinAcceptor() {
    if (coinSprite_ < 0) return;
    if (coin_.insertionRegion.empty()) throw std::runtime_error("No coin-in region");
    if (coin_.denominationRegion.empty()) throw std::runtime_error("No denomination region");
    if (coin_.billRegion.empty()) throw std::runtime_error("No bill acceptor region");
    if (script_.GetRegions().empty()) throw std::runtime_error("There are no regions defined for coin acceptor");
    chunk_.coinInRegion = CoinRegion(coin_.insertionRegion);
    chunk_.denominationRegion = CoinRegion(coin_.denominationRegion);
    chunk_.billRegion = CoinRegion(coin_.billRegion);
}

// A name that is no Region would leave the screen without that part of the acceptor.
uint32_t MachineBuild::CoinRegion(const std::string& name) const {
    const auto found = chunk_.regions.find(name);
    if (found == chunk_.regions.end()) throw std::runtime_error("The coin acceptor's region " + name + " is not a region");
    return uint32_t(found->second);
}
