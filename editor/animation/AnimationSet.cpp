#include "AnimationSet.h"

#include <algorithm>
#include <stdexcept>

#include "AssetWords.h"
#include "Quor2_5.h"
#include "SprtReader.h"

namespace {
const uint32_t kSpriteType = 0x54525053u;  // "SPRT"
}  // namespace

AnimationSet::AnimationSet(const AnimationReference& record, AnimationUsage usage) : usage_(usage) {
    horizontal_ = record.horizontalHotSpot;
    vertical_ = record.verticalHotSpot;
    transparent_ = record.transparent;
    for (const std::vector<std::string>& sequence : record.sequences)
        files_.insert(files_.end(), sequence.begin(), sequence.end());
    const bool oneFile = record.sequences.size() == 1 && record.sequences[0].size() == 1;
    if (oneFile && record.libraryAsset != 0) {
        const std::string& file = record.sequences[0][0];
        if (!LoadSpriteAsset(file, uint32_t(record.libraryAsset))) {
            for (AnimationSequence* sequence : sequences_) delete sequence;
            throw std::runtime_error("Couldn't load animation asset #" + std::to_string(record.libraryAsset) +
                                     " from " + file);
        }
        return;
    }
    LoadFiles(record);
}

AnimationSet::~AnimationSet() {
    for (AnimationSequence* sequence : sequences_) delete sequence;
}

void AnimationSet::GetHotspot(int32_t& horizontal, int32_t& vertical) const {
    horizontal = horizontal_;
    vertical = vertical_;
}

void AnimationSet::SetHotspot(int32_t horizontal, int32_t vertical) {
    horizontal_ = horizontal;
    vertical_ = vertical;
}

void AnimationSet::LoadFiles(const AnimationReference& record) {
    for (const std::vector<std::string>& files : record.sequences) {
        AnimationSequence* sequence = sequences_[AddSequence()];
        for (const std::string& file : files) {
            AnimationFrame* frame = sequence->AddFrame();
            frame->LoadFile(file, 0);
            frame->SetHotspot(horizontal_, vertical_);
            frame->SetTransparent(transparent_);
        }
    }
}

bool AnimationSet::LoadSpriteAsset(const std::string& fileName, uint32_t asset) {
    const int32_t file = OpenAssetFile(fileName.c_str());
    if (file == -1) return false;
    const uint32_t handle = uint32_t(file) | asset;
    bool read = false;
    QuorAssetInfo info = {};
    LoadAsset(handle, 0);
    if (GetAssetInfo(handle, &info) && info.type == kSpriteType) {
        const uint8_t* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(handle));
        if (data) {
            transparent_ = false;
            read = AssetWord32(data, 0) == kSpriteType;
            if (read) LoadSpriteSequences(file, data, info.dataSize + 4);  // the size leaves out the type word
            ReleaseAsset(handle);
        }
    }
    UnloadAsset(handle);
    CloseAssetFile(uint32_t(file));
    return read;
}

void AnimationSet::LoadSpriteSequences(int32_t file, const uint8_t* data, uint32_t size) {
    std::vector<SpriteSequence> stored;
    ReadSprtSequences(data, size, uint32_t(uintptr_t(data)), stored);
    for (const SpriteSequence& frames : stored) {
        AnimationSequence* sequence = sequences_[AddSequence()];
        for (const SpriteFrame& stored : frames) {
            AnimationFrame* frame = sequence->AddFrame();
            frame->LoadFromAsset(file, stored.picture & 0xFFFFFF);  // loaded data names the file too
            frame->SetHotspot(horizontal_, vertical_);
            transparent_ = transparent_ || frame->GetTransparent();
        }
    }
}

size_t AnimationSet::AddSequence() {
    sequences_.push_back(new AnimationSequence());
    return sequences_.size() - 1;
}

AnimationSequence* AnimationSet::RemoveSequence(size_t slot) {
    if (slot >= sequences_.size()) return nullptr;
    AnimationSequence* sequence = sequences_[slot];
    sequences_.erase(sequences_.begin() + slot);
    return sequence;
}

FrameSource AnimationSet::GetCommonSource() const {
    if (sequences_.empty()) return FrameSource::Blank;
    const FrameSource first = sequences_.front()->GetCommonSource();
    for (const AnimationSequence* sequence : sequences_)
        if (sequence->GetCommonSource() != first) return FrameSource::Blank;
    return first;
}

SIZE AnimationSet::GetLargestFrameSize() const {
    SIZE largest = {0, 0};
    for (const AnimationSequence* sequence : sequences_) {
        const SIZE size = sequence->GetLargestFrameSize();
        largest.cx = std::max(largest.cx, size.cx);
        largest.cy = std::max(largest.cy, size.cy);
    }
    return largest;
}
