#include "MachineDescription.h"

#include <iterator>
#include <stdexcept>

MachineDescription::MachineDescription() {
    for (int i = 0; i < KeywordCount; ++i)
        lexer_.DefineSymbol(KeywordTable[i].name, static_cast<int32_t>(KeywordTable[i].value));
}

MachineDescription::~MachineDescription() { DestroyPatches(); }

void MachineDescription::Reset() {
    // The patches point into the values about to be cleared.
    DestroyPatches();
    scriptBytes_.clear();
    haveScriptBytes_ = false;
    symbols_.Clear();
    symbols_.PushScope();
    title_.clear();
    reelCount_ = stopCount_ = 0;
    reelStrips_.clear();
    stripNameSpans_.clear();
    stripWeightSpans_.clear();
    reelSymbols_.clear();
    reelSymbolSpans_.clear();
    symbolStatements_.clear();
    denominations_.clear();
    payLineCount_ = maxBet_ = 0;
    payTable_ = ScriptPayTable();
    progressive_ = ProgressiveSettings();
    artStart_ = artEnd_ = 0;
    scriptCode_.clear();
    scriptCodeLine_ = 1;
    previousEnd_ = 0;
    expressionDepth_ = 0;
    descriptionEnd_ = 0;
    backdropFile_.clear();
    backdropAsset_ = 0;
    backdropSpan_ = SourceSpan();
    reelPositions_.clear();
    armRect_ = ScriptRect();
    armRectSpan_ = SourceSpan();
    armAnimation_ = AnimationReference();
    coin_ = CoinSettings();
    coinKeys_ = {};
}

int32_t MachineDescription::CheckReel(int32_t reel) const {
    if (reel < 0 || reel >= reelCount_)
        throw std::out_of_range("No reel " + std::to_string(reel) + " in a machine of " +
                                std::to_string(reelCount_) + " reels");
    return reel;
}

std::string MachineDescription::GetSymbol(int32_t index) const {
    if (index < 0 || index >= GetSymbolCount())
        throw std::out_of_range("No reel symbol " + std::to_string(index) + " among " +
                                std::to_string(GetSymbolCount()));
    auto it = reelSymbols_.begin();
    std::advance(it, index);
    return it->first;
}

ReelSymbol MachineDescription::GetSymbolFile(const std::string& name) const {
    auto it = reelSymbols_.find(name);
    if (it == reelSymbols_.end()) throw std::invalid_argument(name + " is not a reel symbol");
    return it->second;
}

PictureSize MachineDescription::LoadSymbolImage() {
    if (reelSymbols_.empty() || !pictureProbe_) return PictureSize();
    const ReelSymbol& first = reelSymbols_.begin()->second;
    if (first.files.empty()) return PictureSize();
    if (first.assetNumber != 0)
        return pictureProbe_->GetAssetFrameSize(first.files[0], first.assetNumber);
    return pictureProbe_->GetBitmapFileSize(first.files[0]);
}

const ReelPosition& MachineDescription::GetReelPosition(int32_t reel) const {
    CheckReel(reel);
    if (static_cast<size_t>(reel) >= reelPositions_.size())
        throw std::out_of_range("The script places no reel " + std::to_string(reel));
    return reelPositions_[reel];
}

std::array<int32_t, 6> MachineDescription::CopyReelRect(int32_t reel) const {
    const ReelPosition& p = GetReelPosition(reel);
    return {p.rectangle.left,  p.rectangle.top,  p.rectangle.right,
            p.rectangle.bottom, p.innerDensity, p.outerDensity};
}

std::map<std::string, SymbolRecord> MachineDescription::GetAnimations() const {
    return symbols_.ListKind(SymbolKind::Animation);
}

std::map<std::string, SymbolRecord> MachineDescription::GetButtons() const {
    return symbols_.ListKind(SymbolKind::Button);
}

std::map<std::string, SymbolRecord> MachineDescription::GetIndicators() const {
    return symbols_.ListKind(SymbolKind::Indicator);
}

std::map<std::string, SymbolRecord> MachineDescription::GetSounds() const {
    return symbols_.ListKind(SymbolKind::Sound);
}

std::map<std::string, SymbolRecord> MachineDescription::GetRegions() const {
    return symbols_.ListKind(SymbolKind::Region);
}
