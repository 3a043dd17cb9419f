#include "SpriteQueries.h"

#include <algorithm>
#include <cstring>

namespace {

const uint32_t kFamilyBits = 0xC, kImageFamily = 0;
// Offsets in fixed-up SPRT data and its frame records.
const size_t kSequenceCountAt = 8, kSequenceTableAt = 12, kFrameHoldAt = 24;

template <class T>
T* At(uintptr_t address) {
    return reinterpret_cast<T*>(uintptr_t(address));
}

bool Examine(const SpriteHandle& holder, SpriteCreateRecord& record) {
    return !holder.IsEmpty() && ExamineSprite(holder.Get(), &record) != 0;
}

// The engine's copy of an image sprite's block, or null for other kinds.
const QuorImageBlock* ImageBlockOf(const SpriteHandle& holder) {
    SpriteCreateRecord record;
    if (!Examine(holder, record) || (record.type & kFamilyBits) != kImageFamily || !record.extra) return nullptr;
    return At<const QuorImageBlock>(record.extra);
}

// The SPRT data as the engine fixed it up: its tables hold addresses.
const uint8_t* SprtDataOf(const SpriteHandle& holder) {
    const QuorImageBlock* block = ImageBlockOf(holder);
    return block ? At<const uint8_t>(block->data) : nullptr;
}

uint32_t Word(const uint8_t* data, size_t offset) {
    uint32_t v;
    std::memcpy(&v, data + offset, 4);
    return v;
}

// A sequence: its frame count, then the addresses of its frame records.
uint32_t* SequenceOf(const uint8_t* sprt, uint32_t sequence) {
    if (!sprt || sequence >= Word(sprt, kSequenceCountAt)) return nullptr;
    return At<uint32_t>(At<const uint32_t>(Word(sprt, kSequenceTableAt))[sequence]);
}

// The engine's position record of PlaceSprite.
#pragma pack(push, 2)
struct SpritePosition {
    int16_t x, y;
    int32_t depth;
};
#pragma pack(pop)
static_assert(sizeof(SpritePosition) == 8, "sprite position layout");

uint32_t ScaledHold(uint32_t hold, int32_t numerator, int32_t denominator) {
    const int64_t scaled = int64_t(hold) * numerator / denominator;
    return scaled < 2 ? 1 : uint32_t(scaled);
}

}  // namespace

uint32_t GetSpriteSequenceCount(const SpriteHandle& holder) {
    const uint8_t* sprt = SprtDataOf(holder);
    return sprt ? Word(sprt, kSequenceCountAt) : 0;
}

uint32_t GetSpriteFrameCount(const SpriteHandle& holder, uint32_t sequence) {
    const uint32_t* frames = SequenceOf(SprtDataOf(holder), sequence);
    return frames ? frames[0] : 0;
}

uint32_t GetSpriteSequence(const SpriteHandle& holder) {
    const QuorImageBlock* block = ImageBlockOf(holder);
    return block ? block->sequence : 0;
}

uint32_t GetSpriteFrame(const SpriteHandle& holder) {
    const QuorImageBlock* block = ImageBlockOf(holder);
    return block ? block->frame : 0;
}

const void* GetSpriteImage(const SpriteHandle& holder) {
    SpriteCreateRecord record;
    return Examine(holder, record) ? At<const void>(record.image) : nullptr;
}

int32_t SetAnimationSpeed(const SpriteHandle& holder, int32_t numerator, int32_t denominator, uint32_t sequence) {
    uint32_t* frames = SequenceOf(SprtDataOf(holder), sequence);
    if (!frames || denominator == 0) return 0;
    const uint32_t count = frames[0];
    for (uint32_t i = 1; i <= count; ++i) {
        // A frame that the sequence shows more than once is changed once.
        if (std::find(frames + 1, frames + i, frames[i]) != frames + i) continue;
        uint8_t* record = At<uint8_t>(frames[i]);
        uint32_t hold;
        std::memcpy(&hold, record + kFrameHoldAt, 4);
        hold = ScaledHold(hold, numerator, denominator);
        std::memcpy(record + kFrameHoldAt, &hold, 4);
    }
    return int32_t(count);
}

void PlaceHeldSprite(const SpriteHandle& holder, POINT point, int32_t depth) {
    if (holder.IsEmpty()) return;
    const SpritePosition position = {int16_t(point.x), int16_t(point.y), depth};
    ::PlaceSprite(holder.Get(), &position);
}

RECT HeldSpriteBounds(const SpriteHandle& holder) {
    SpriteCreateRecord record;
    return Examine(holder, record) ? record.bounds : RECT{};
}

void SetTextSpriteText(SpriteHandle& holder, const char* text) {
    SpriteCreateRecord record;
    if (!Examine(holder, record) || !record.extra) return;
    QuorTextProperties properties = *At<const QuorTextProperties>(record.extra);
    properties.text = holder.KeepText(text);
    if (HFONT font = holder.GetFontCopy()) properties.font = font;
    ModifyTextSpriteProperties(holder.Get(), &properties);
}

void SetTextSpriteString(SpriteHandle& holder, const std::string& text) {
    SetTextSpriteText(holder, text.empty() ? "" : text.c_str());
}
