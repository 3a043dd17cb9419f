// Writing an animation set back into a reference of the compiled script.
#include <stdexcept>

#include "AnimationSet.h"
#include "AssetBuilder.h"
#include "SequenceFileName.h"

namespace {
const uint32_t kFrameHold = 1;

bool FileExists(const std::string& name) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(name.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}
}  // namespace

// The set's transparency and hot spot go with the pictures, so that an edit of the
// animation's properties reaches the script as well.
bool AnimationSet::Save(AnimationReference& record) {
    if (GetCommonSource() == FrameSource::ImageFile) SaveFileNames(record);
    else SaveSequenceFile(record);
    record.transparent = transparent_;
    record.horizontalHotSpot = horizontal_;
    record.verticalHotSpot = vertical_;
    return true;
}

void AnimationSet::SaveFileNames(AnimationReference& record) const {
    record.sequences.resize(sequences_.size());
    for (size_t s = 0; s < sequences_.size(); ++s) {
        const std::vector<AnimationFrame*>& frames = sequences_[s]->GetFrames();
        record.sequences[s].resize(frames.size());
        for (size_t f = 0; f < frames.size(); ++f) record.sequences[s][f] = frames[f]->GetFileName();
    }
    record.libraryAsset = 0;
}

void AnimationSet::SaveSequenceFile(AnimationReference& record) const {
    AssetBuilder builder;
    builder.BeginSprite();
    for (const AnimationSequence* sequence : sequences_) {
        builder.BeginSequence();
        for (const AnimationFrame* frame : sequence->GetFrames()) {
            int32_t horizontal = 1, vertical = 1;
            frame->GetHotspot(horizontal, vertical);
            builder.AddAnchoredFrame(*frame->GetImage(), frame->GetSize(), frame->GetTransparent(), kFrameHold,
                                     horizontal, vertical);
        }
        builder.EndSequence();
    }
    builder.EndSprite();
    const int32_t sprite = int32_t(builder.GetFirstSpriteIndex()) + builder.GetLastSpriteIndex();
    const std::string name = NextSequenceFileName(FileExists);
    if (!builder.Write(name, nullptr)) throw std::runtime_error("Couldn't write " + name);
    record.sequences.assign(1, std::vector<std::string>{name});
    record.libraryAsset = sprite;
}
