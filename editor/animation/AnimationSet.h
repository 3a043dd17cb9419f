// One animation of a machine as the editor holds it: sequences of frames with the
// animation's transparency and hot spot. It is read from an animation reference of the
// compiled script (image files, or one sprite of an asset file) and written back into a
// reference when the editor saves: as plain image file names while every frame still is
// its image file, else as a new sequence file ("anim" + number + ".seq").
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "AnimationReference.h"
#include "AnimationSequence.h"
#include "SetListeners.h"

// What an animation set stands for; the layout names the set after it.
enum class AnimationUsage : int32_t {
    Animation = 0, Button = 1, Indicator = 2, Symbol = 3, Coin = 4, CoinDrop = 5, PullArm = 6
};

class AnimationSet : public SetListeners {
public:
    // Loads every frame. Throws std::runtime_error "Couldn't load animation asset #N from
    // FILE" when a sprite asset cannot be read.
    AnimationSet(const AnimationReference& record, AnimationUsage usage);
    ~AnimationSet();

    const std::string& GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    bool IsTransparent() const { return transparent_; }
    void SetTransparent(bool transparent) { transparent_ = transparent; }
    void GetHotspot(int32_t& horizontal, int32_t& vertical) const;
    void SetHotspot(int32_t horizontal, int32_t vertical);
    AnimationUsage GetUsage() const { return usage_; }
    const std::vector<std::string>& GetFileList() const { return files_; }

    const std::vector<AnimationSequence*>& GetSequences() const { return sequences_; }
    size_t GetSequenceCount() const { return sequences_.size(); }
    // Appends a new empty sequence and answers its slot.
    size_t AddSequence();
    // Takes the sequence at the slot out without deleting it (the caller owns it then).
    AnimationSequence* RemoveSequence(size_t slot);
    // The source that every frame of every sequence shares; Blank when they differ, when a
    // sequence has no frames, or when there is no sequence.
    FrameSource GetCommonSource() const;
    SIZE GetLargestFrameSize() const;

    // Writes the set into the reference; a new sequence file is written in the current
    // directory unless every frame is a plain image file. True, or an exception when the
    // sequence file cannot be written.
    bool Save(AnimationReference& record);

private:
    void LoadFiles(const AnimationReference& record);
    bool LoadSpriteAsset(const std::string& fileName, uint32_t asset);
    void LoadSpriteSequences(int32_t file, const uint8_t* data, uint32_t size);
    void SaveFileNames(AnimationReference& record) const;
    void SaveSequenceFile(AnimationReference& record) const;

    std::vector<AnimationSequence*> sequences_;
    std::string name_;
    int32_t horizontal_ = 1;
    int32_t vertical_ = 1;
    bool transparent_ = false;
    AnimationUsage usage_;
    std::vector<std::string> files_;
};
