#include "MachineSprites.h"

#include "AssetBuilder.h"

namespace {

// The sprite of the reference's files; `key` is kKeyFromPicture or a colour key.
int32_t AddFileSprite(AssetBuilder& builder, const AnimationReference& ref, int32_t key) {
    if (ref.sequences.empty()) return -1;
    builder.BeginSprite();
    for (const auto& sequence : ref.sequences) {
        builder.BeginSequence();
        for (const std::string& file : sequence) {
            if (key == kKeyFromPicture)
                builder.AddFrame(file, ref.horizontalHotSpot, ref.verticalHotSpot, 1);
            else
                builder.AddFrameAt(file, ref.horizontalHotSpot, ref.verticalHotSpot, key, 1);
        }
        builder.EndSequence();
    }
    builder.EndSprite();
    return builder.GetLastSpriteIndex();
}

}  // namespace

int32_t AddLibrarySprite(AssetBuilder& builder, const AnimationReference& ref) {
    if (ref.sequences.empty() || ref.sequences.front().empty()) return -1;
    return builder.AddSpriteAsset(ref.sequences.front().front(), uint32_t(ref.libraryAsset));
}

int32_t AddKeyedSprite(AssetBuilder& builder, const AnimationReference& ref) {
    return AddFileSprite(builder, ref, kKeyFromPicture);
}

int32_t AddPlainSprite(AssetBuilder& builder, const AnimationReference& ref) {
    return AddFileSprite(builder, ref, kNoColourKey);
}

int32_t AddPictureSprite(AssetBuilder& builder, const AnimationReference& ref) {
    if (ref.libraryAsset != 0) return AddLibrarySprite(builder, ref);
    return ref.transparent ? AddKeyedSprite(builder, ref) : AddPlainSprite(builder, ref);
}

int32_t AddElementSprite(AssetBuilder& builder, const SpriteMap& animations, const AnimationReference& ref) {
    if (!ref.animationName.empty()) {
        auto found = animations.find(ref.animationName);
        return found == animations.end() ? -1 : found->second;
    }
    return AddPictureSprite(builder, ref);
}

int32_t AddSymbolSprite(AssetBuilder& builder, const std::vector<ReelSymbol>& symbols) {
    builder.BeginSprite();
    for (const ReelSymbol& symbol : symbols) {
        if (symbol.assetNumber != 0 && !symbol.files.empty()) {
            builder.ImportSprites(symbol.files.front(), uint32_t(symbol.assetNumber));
            continue;
        }
        // A reel symbol of picture files shows every colour it has: the Symbol statement
        // declares no transparent colour, and white left out showed the black behind.
        builder.BeginSequence();
        for (const std::string& file : symbol.files)
            builder.AddFrameAt(file, AssetBuilder::AnchorNear, AssetBuilder::AnchorNear, kNoColourKey, 1);
        builder.EndSequence();
    }
    builder.EndSprite();
    return builder.GetLastSpriteIndex();
}
