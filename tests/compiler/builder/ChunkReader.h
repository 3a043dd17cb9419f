// Reads a machine chunk's words back into its values, as the machine screen will: the
// tests pack a chunk (or build a machine file) and compare what comes back.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "MachineChunk.h"
#include "PackedText.h"

class ChunkReader {
public:
    explicit ChunkReader(std::vector<uint32_t> words)
        : words_(std::move(words)), at_(words_.data()), end_(words_.data() + words_.size()) {}

    // False at the first word that is missing or a text that runs past the end.
    bool Read(MachineChunk& c) {
        if (end_ - at_ < int(kChunkHeaderWords)) return false;
        c.title = Field(kChunkTitleBytes);
        c.title = c.title.substr(0, c.title.find('\0'));
        Next();  // header length
        c.reelCount = Int();
        c.stopCount = Int();
        const int32_t symbols = Int();
        c.symbolWidth = Int();
        c.symbolHeight = Int();
        c.maxBet = Int();
        c.payLineCount = Int();
        const int32_t indicators = Int();
        c.backdrop = Next();
        const int32_t buttons = Int();
        c.symbolSprite = Next();
        c.soundCount = Int();
        c.regionCount = Int();
        c.denominationMask = Next();
        c.coinSprite = Next();
        c.coinInRegion = Next();
        c.denominationRegion = Next();
        c.coinDropSprite = Next();
        c.denominationIndicator = Int();
        c.dropX = Int();
        c.dropY = Int();
        c.coinSound = Int();
        c.billRegion = Next();
        c.progressiveIndicator = Int();
        c.progressiveInitial = Int();
        c.progressiveIncrement = Int();
        c.progressiveThird = Int();
        return ReadBody(c, buttons, indicators, symbols);
    }

    bool AtEnd() const { return at_ == end_; }

private:
    bool ReadBody(MachineChunk& c, int32_t buttons, int32_t indicators, int32_t symbols) {
        c.stops.resize(size_t(c.reelCount) * size_t(c.stopCount));
        for (ReelStop& stop : c.stops) {
            stop.symbol = Int();
            stop.weight = Int();
        }
        c.buttons.resize(size_t(buttons));
        for (ChunkElement& e : c.buttons) ReadElement(e, false);
        c.reels.resize(size_t(c.reelCount));
        for (auto& reel : c.reels)
            for (int32_t& w : reel) w = Int();
        c.indicators.resize(size_t(indicators));
        for (ChunkElement& e : c.indicators) ReadElement(e, true);
        if (!ok_) return false;
        at_ = c.payTable.Unpack(at_, end_, symbols);
        if (!at_) return false;
        for (auto* map : {&c.animations, &c.sounds, &c.regions}) ReadMap(*map);
        c.symbolNames.resize(size_t(symbols));
        for (std::string& name : c.symbolNames) Text(name);
        Text(c.scriptCode);
        c.scriptCodeLine = Int();
        c.payoutLines.resize(Next());
        for (int32_t& line : c.payoutLines) line = Int();
        return ok_;
    }

    void ReadElement(ChunkElement& e, bool indicator) {
        e.name = Field(kElementNameBytes);
        e.name = e.name.substr(0, e.name.find('\0'));
        e.sprite = Next();
        if (indicator) e.digits = Int();
        e.rectangle = ScriptRect{Int(), Int(), Int(), Int()};
        e.priority = Int();
        if (indicator) {
            e.dollarSign = Next() != 0;
        } else {
            e.hotKey = Int();
            e.hotKeyFlags = Int();
        }
        const uint32_t count = Next();
        if (count > uint32_t(end_ - at_)) ok_ = false;
        e.scriptlets.resize(ok_ ? count : 0);
        for (std::string& s : e.scriptlets) Text(s);
    }

    void ReadMap(std::map<std::string, int32_t>& map) {
        const uint32_t count = Next();
        for (uint32_t i = 0; i < count && ok_; ++i) {
            const int32_t value = Int();
            std::string name;
            Text(name);
            map[name] = value;
        }
    }

    uint32_t Next() {
        if (at_ == end_) {
            ok_ = false;
            return 0;
        }
        return *at_++;
    }
    int32_t Int() { return static_cast<int32_t>(Next()); }
    std::string Field(size_t bytes) {
        std::string text;
        for (size_t i = 0; i < bytes / 4; ++i) {
            const uint32_t w = Next();
            for (int k = 0; k < 4; ++k) text += char(w >> (8 * k));
        }
        return text;
    }
    void Text(std::string& text) {
        if (ok_ && !UnpackText(at_, end_, text)) ok_ = false;
    }

    std::vector<uint32_t> words_;
    const uint32_t* at_;
    const uint32_t* end_;
    bool ok_ = true;
};
