// The machine chunk of a build: its values from the compiled script and the indices that
// the build's assets got, packed and added as the builder's last chunk.
#include "AssetBuilder.h"
#include "BuildProgressSink.h"
#include "ChunkNumbers.h"
#include "DenominationMask.h"
#include "MachineBuild.h"
#include "MachineScript.h"

namespace {

const int32_t kArmPriority = 200;
const int32_t kArmHotKey = 80;

}  // namespace

ChunkElement MachineBuild::ButtonRecord(const std::string& name) const {
    const ButtonPart& button = buttonRecords_.at(name).button;
    const int32_t sprite = buttons_.at(name);
    ChunkElement e;
    e.name = name;
    e.sprite = SpriteIndex(sprite);
    e.rectangle = button.rectangle;
    SpriteFrame frame;
    SIZE size;
    if (button.picture.libraryAsset != 0 && builder_.GetSpriteFrameRecord(sprite, frame, size)) {
        e.rectangle.right = e.rectangle.left + size.cx;
        e.rectangle.bottom = e.rectangle.top + size.cy;
    }
    e.priority = button.priority;
    e.hotKey = button.hotKey;
    e.hotKeyFlags = button.hotKeyFlags;
    e.scriptlets = button.scriptlets;
    return e;
}

ChunkElement MachineBuild::ArmRecord() const {
    ChunkElement e;
    e.name = kArmName;
    e.sprite = SpriteIndex(armSprite_);
    if (e.sprite != 0) e.rectangle = script_.GetArmRect();
    e.priority = kArmPriority;
    e.hotKey = kArmHotKey;
    return e;
}

// Every entry of the button map in name order ("##arm" first, with its sprite word only),
// then the arm's own record.
std::vector<ChunkElement> MachineBuild::ButtonSection() const {
    std::vector<ChunkElement> section;
    for (const auto& entry : buttons_) {
        if (entry.first == kArmName) {
            ChunkElement arm;
            arm.name = kArmName;
            arm.sprite = SpriteIndex(armSprite_);
            section.push_back(arm);
        } else {
            section.push_back(ButtonRecord(entry.first));
        }
    }
    section.push_back(ArmRecord());
    return section;
}

ChunkElement MachineBuild::IndicatorRecord(const std::string& name) const {
    const IndicatorPart& indicator = indicatorRecords_.at(name).indicator;
    ChunkElement e;
    e.name = name;
    e.sprite = SpriteIndex(indicators_.at(name));
    e.rectangle = indicator.rectangle;
    e.priority = indicator.priority;
    e.digits = indicator.digits;
    e.dollarSign = indicator.dollarSign != 0;
    e.scriptlets = indicator.scriptlets;
    return e;
}

void MachineBuild::FillHeader() {
    chunk_.title = script_.GetTitle();
    chunk_.reelCount = script_.GetReelCount();
    chunk_.stopCount = script_.GetStopCount();
    const PictureSize symbol = script_.LoadSymbolImage();
    chunk_.symbolWidth = symbol.width;
    chunk_.symbolHeight = symbol.height;
    chunk_.maxBet = script_.GetMaxBet();
    chunk_.payLineCount = script_.GetPayLineCount();
    chunk_.backdrop = builder_.GetFirstBackdropIndex();
    chunk_.symbolSprite = SpriteIndex(symbolSprite_);
    chunk_.soundCount = int32_t(script_.GetSounds().size());
    chunk_.regionCount = int32_t(script_.GetRegions().size());
    chunk_.denominationMask = DenominationMask(script_.GetDenominations());
    chunk_.coinSprite = SpriteIndex(coinSprite_);
    chunk_.coinDropSprite = coinSprite_ < 0 ? 0 : SpriteIndex(coinDropSprite_);
    chunk_.dropX = coin_.dropPosition.x;
    chunk_.dropY = coin_.dropPosition.y;
    const ProgressiveSettings progressive = script_.GetProgressive();
    chunk_.progressiveInitial = TruncatedWord(progressive.initial);
    chunk_.progressiveIncrement = CentsWord(progressive.increment);
    chunk_.progressiveThird = TruncatedWord(progressive.third);
}

void MachineBuild::FillReels() {
    for (int32_t reel = 0; reel < chunk_.reelCount; ++reel) {
        const ReelStrip& strip = script_.GetReelStrip(reel);
        for (int32_t stop = 0; stop < chunk_.stopCount; ++stop) {
            const StripEntry& entry = strip.at(size_t(stop));
            auto number = symbolNumbers_.find(entry.symbol);
            chunk_.stops.push_back(ReelStop{number == symbolNumbers_.end() ? 0 : number->second, entry.weight});
        }
        chunk_.reels.push_back(script_.CopyReelRect(reel));
    }
}

void MachineBuild::FillMaps() {
    chunk_.buttons = ButtonSection();
    for (const auto& entry : indicatorRecords_) chunk_.indicators.push_back(IndicatorRecord(entry.first));
    for (const auto& entry : animations_) chunk_.animations[entry.first] = int32_t(SpriteIndex(entry.second));
    chunk_.scriptCode = script_.GetScriptCode();
    chunk_.scriptCodeLine = script_.GetScriptCodeLine();
    const ScriptPayTable& payouts = script_.GetPayouts();
    for (size_t line = 0; line < payouts.lines.size(); ++line)
        for (size_t coin = 0; coin < payouts.lines[line].payouts.size(); ++coin)
            chunk_.payoutLines.push_back(script_.GetPayoutFileLine(line, int32_t(coin + 1)));
}

void MachineBuild::AddMachineChunk() {
    FillHeader();
    FillReels();
    FillMaps();
    const std::vector<uint32_t> words = PackMachineChunk(chunk_, [this] { CheckCancel(); });
    builder_.AddChunk(kMachineChunkType, words.data(), uint32_t(words.size() * 4));
}
