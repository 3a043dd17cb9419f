#include "ScriptFaceReels.h"

#include "FaceReels.h"
#include "ScriptFaceReel.h"

ScriptFaceReels::ScriptFaceReels(FaceReels& reels, const MachineFile& file) {
    for (int reel = 0; reel < reels.Count(); ++reel) reels_.push_back(std::make_unique<ScriptFaceReel>(reels.At(reel), file));
}

ScriptFaceReels::~ScriptFaceReels() = default;

std::vector<ScriptReel*> ScriptFaceReels::Views() const {
    std::vector<ScriptReel*> views;
    for (const auto& reel : reels_) views.push_back(reel.get());
    return views;
}
