#include "SpriteDesc.h"

namespace {

const uint32_t kMovable = 1;
const uint32_t kPassedFlags = QuorSpriteMirrorH | QuorSpriteMirrorV;

SpriteCreateRecord RecordFor(const void* block) {
    SpriteCreateRecord record = {};
    record.extra = uintptr_t(block);
    return record;
}

HFONT CopyOfFont(HFONT font) {
    LOGFONTA description;
    if (!font || GetObjectA(font, sizeof description, &description) != int(sizeof description)) return nullptr;
    return CreateFontIndirectA(&description);
}

}  // namespace

bool CreateSpriteFromDesc(const SpriteParent& parent, SpriteHandle& holder, SpriteCreateRecord& record,
                          uint32_t typeBits, const SpriteDesc& desc) {
    record.type = parent.GetKind() | typeBits | kMovable;
    record.x = int16_t(desc.x);
    record.y = int16_t(desc.y);
    record.depth = int32_t(desc.depth);
    record.scaleNumerator = desc.scaleNumerator;
    record.scaleDenominator = desc.scaleDenominator;
    record.flags = (desc.flags & kPassedFlags) | (desc.visible ? 0 : uint32_t(QuorSpriteHidden));
    record.colorTable = 0;
    record.parent = parent.GetHandle();
    const int32_t sprite = CreateSprite(&record);
    if (!sprite) return false;
    holder.Reset(sprite);
    return true;
}

bool CreateAnimSprite(const SpriteParent& parent, SpriteHandle& holder, const AnimSpriteDesc& desc) {
    SpriteCreateRecord record = RecordFor(&desc.block);
    return CreateSpriteFromDesc(parent, holder, record, kAnimTypeBits, desc);
}

bool CreateDefaultAnimSprite(const SpriteParent& parent, SpriteHandle& holder, uint32_t asset) {
    AnimSpriteDesc desc;
    desc.block.asset = asset;
    return CreateAnimSprite(parent, holder, desc);
}

bool CreateAnimSpriteAt(const SpriteParent& parent, SpriteHandle& holder, uint32_t asset, int32_t x, int32_t y,
                        uint32_t depth, bool visible) {
    AnimSpriteDesc desc;
    desc.visible = visible ? 1 : 0;
    desc.x = x;
    desc.y = y;
    desc.depth = depth;
    desc.block.asset = asset;
    return CreateAnimSprite(parent, holder, desc);
}

bool CreateTextSprite(const SpriteParent& parent, FontSpriteHandle& holder, const TextSpriteDesc& desc) {
    SpriteCreateRecord record = RecordFor(&desc.properties);
    if (!CreateSpriteFromDesc(parent, holder, record, kTextTypeBits, desc)) return false;
    holder.SetFontCopy(CopyOfFont(desc.properties.font));
    return true;
}

bool CreateOwnerDrawSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder,
                           const OwnerDrawSpriteDesc& desc) {
    SpriteCreateRecord record = RecordFor(&desc.block);
    if (!CreateSpriteFromDesc(parent, holder, record, kOwnerDrawTypeBits, desc)) return false;
    SpriteCreateRecord examined;
    if (ExamineSprite(holder.Get(), &examined) && examined.extra)
        holder.SetSurface(reinterpret_cast<const QuorOwnerDrawBlock*>(uintptr_t(examined.extra))->surface);
    return true;
}
