#include "AnimationSprite.h"

#include "Quor2_5.h"
#include "SprtAsset.h"

namespace {
template <class T>
T* At(uint32_t address) {
    return reinterpret_cast<T*>(uintptr_t(address));
}

// The frame addresses of one sequence of fixed-up SPRT data (a length word, then the
// frames), or null when the data has no such sequence.
const uint32_t* SequenceOf(const uint8_t* sprt, uint32_t sequence) {
    const uint32_t* header = reinterpret_cast<const uint32_t*>(sprt);
    if (header[0] != quor::kSprtType || !header[1] || sequence >= header[2]) return nullptr;
    return At<const uint32_t>(At<const uint32_t>(header[3])[sequence]);
}
}  // namespace

int32_t CreateAnimationSprite(int32_t stage, uint32_t asset) {
    QuorImageBlock block = {asset, 0, 0, 0};
    SpriteCreateRecord record = {};
    record.type = 1;  // a movable image sprite on a stage
    record.extra = uint32_t(uintptr_t(&block));
    record.scaleNumerator = 1;
    record.scaleDenominator = 1;
    record.parent = uint32_t(stage);
    return CreateSprite(&record);
}

int32_t SetAnimationSpeed(int32_t sprite, int32_t numerator, int32_t denominator, uint32_t sequence) {
    SpriteCreateRecord record = {};
    if (!denominator || !ExamineSprite(sprite, &record) || !record.extra) return 0;
    const QuorImageBlock* block = At<const QuorImageBlock>(record.extra);
    if (!block->data) return 0;
    const uint32_t* frames = SequenceOf(At<const uint8_t>(block->data), sequence);
    if (!frames) return 0;
    const int32_t count = int32_t(frames[0]);
    for (int32_t i = 1; i <= count; ++i) {
        quor::SprtFrame* frame = At<quor::SprtFrame>(frames[i]);
        const int64_t hold = int64_t(frame->hold) * numerator / denominator;
        frame->hold = hold < 2 ? 1u : uint32_t(hold);
    }
    return count;
}
