#include "MachineChunk.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "PackedText.h"

namespace {

void Put(std::vector<uint32_t>& buffer, size_t& position, uint32_t word) {
    if (buffer.size() < position + 1) buffer.resize(position + 1);
    buffer[position++] = word;
}

void PutSigned(std::vector<uint32_t>& buffer, size_t& position, int32_t word) {
    Put(buffer, position, static_cast<uint32_t>(word));
}

// `bytes` bytes of text, zero-padded, as whole words (bytes is a multiple of 4).
void PutField(std::vector<uint32_t>& buffer, size_t& position, const std::string& text, size_t bytes) {
    std::vector<uint8_t> field(bytes, 0);
    std::memcpy(field.data(), text.data(), std::min(text.size(), bytes));
    for (size_t at = 0; at < bytes; at += 4)
        Put(buffer, position,
            uint32_t(field[at]) | uint32_t(field[at + 1]) << 8 | uint32_t(field[at + 2]) << 16 |
                uint32_t(field[at + 3]) << 24);
}

void PackHeader(std::vector<uint32_t>& b, size_t& p, const MachineChunk& c) {
    PutField(b, p, c.title.substr(0, kChunkTitleBytes - 1), kChunkTitleBytes);
    Put(b, p, kChunkHeaderWords);
    for (int32_t w : {c.reelCount, c.stopCount, int32_t(c.symbolNames.size()), c.symbolWidth,
                      c.symbolHeight, c.maxBet, c.payLineCount, int32_t(c.indicators.size())})
        PutSigned(b, p, w);
    Put(b, p, c.backdrop);
    PutSigned(b, p, int32_t(c.buttons.size()));
    Put(b, p, c.symbolSprite);
    PutSigned(b, p, c.soundCount);
    PutSigned(b, p, c.regionCount);
    for (uint32_t w : {c.denominationMask, c.coinSprite, c.coinInRegion, c.denominationRegion, c.coinDropSprite})
        Put(b, p, w);
    for (int32_t w : {c.denominationIndicator, c.dropX, c.dropY, c.coinSound}) PutSigned(b, p, w);
    Put(b, p, c.billRegion);
    for (int32_t w : {c.progressiveIndicator, c.progressiveInitial, c.progressiveIncrement, c.progressiveThird})
        PutSigned(b, p, w);
}

void PackElement(std::vector<uint32_t>& b, size_t& p, const ChunkElement& e, bool indicator) {
    if (e.name.size() > kElementNameBytes)
        throw ElementNameTooLong("The name " + e.name + " is longer than " + std::to_string(kElementNameBytes) +
                                 " characters");
    PutField(b, p, e.name, kElementNameBytes);
    Put(b, p, e.sprite);
    if (indicator) {
        PutSigned(b, p, e.digits);
        PackRect(b, p, e.rectangle);
        PutSigned(b, p, e.priority);
        Put(b, p, e.dollarSign ? 1 : 0);
    } else {
        PackRect(b, p, e.rectangle);
        for (int32_t w : {e.priority, e.hotKey, e.hotKeyFlags}) PutSigned(b, p, w);
    }
    Put(b, p, uint32_t(e.scriptlets.size()));
    for (const std::string& s : e.scriptlets) PackString(b, p, s);
}

void PackBody(std::vector<uint32_t>& b, size_t& p, const MachineChunk& c) {
    for (const ReelStop& stop : c.stops) {
        PutSigned(b, p, stop.symbol);
        PutSigned(b, p, stop.weight);
    }
    for (const ChunkElement& e : c.buttons) PackElement(b, p, e, false);
    for (const auto& reel : c.reels)
        for (int32_t w : reel) PutSigned(b, p, w);
    for (const ChunkElement& e : c.indicators) PackElement(b, p, e, true);
    b.resize(p + c.payTable.GetPackedSize());
    p = size_t(c.payTable.Pack(b.data() + p) - b.data());
    for (const auto* map : {&c.animations, &c.sounds, &c.regions}) PackMap(b, p, *map, 0);
    for (const std::string& name : c.symbolNames) PackString(b, p, name);
    PackString(b, p, c.scriptCode);
    PutSigned(b, p, c.scriptCodeLine);
    Put(b, p, uint32_t(c.payoutLines.size()));
    for (int32_t line : c.payoutLines) PutSigned(b, p, line);
}

}  // namespace

void PackString(std::vector<uint32_t>& buffer, size_t& position, const std::string& text) {
    const size_t words = PackedTextWords(text.size());
    if (buffer.size() < position + words) buffer.resize(position + words);
    PackText(buffer.data() + position, text);
    position += words;
}

bool PackMap(std::vector<uint32_t>& buffer, size_t& position, const std::map<std::string, int32_t>& map,
             int32_t base) {
    Put(buffer, position, uint32_t(map.size()));
    for (const auto& entry : map) {
        PutSigned(buffer, position, entry.second + base);
        PackString(buffer, position, entry.first);
    }
    return true;
}

uint32_t PackedMapSize(const std::map<std::string, int32_t>& map) {
    uint32_t words = 1;
    for (const auto& entry : map) words += 1 + PackedTextWords(entry.first.size());
    return words;
}

void PackRect(std::vector<uint32_t>& buffer, size_t& position, const ScriptRect& rect) {
    for (int32_t w : {rect.left, rect.top, rect.right, rect.bottom}) PutSigned(buffer, position, w);
}

std::vector<uint32_t> PackMachineChunk(const MachineChunk& chunk, const std::function<void()>& afterHeader) {
    std::vector<uint32_t> buffer;
    buffer.reserve(kChunkHeaderWords + chunk.stops.size() * 2);
    size_t position = 0;
    PackHeader(buffer, position, chunk);
    if (afterHeader) afterHeader();
    PackBody(buffer, position, chunk);
    buffer.resize(position);
    return buffer;
}
