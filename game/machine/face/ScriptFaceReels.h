// The script's views of the face's reels, in reel order. Kept apart from the play rules'
// headers: the reels' records share their names with the play rules' records.
#pragma once
#include <memory>
#include <vector>

#include "ScriptReel.h"

class FaceReels;
class MachineFile;
class ScriptFaceReel;

class ScriptFaceReels {
public:
    ScriptFaceReels(FaceReels& reels, const MachineFile& file);
    ~ScriptFaceReels();
    ScriptFaceReels(const ScriptFaceReels&) = delete;
    ScriptFaceReels& operator=(const ScriptFaceReels&) = delete;

    std::vector<ScriptReel*> Views() const;

private:
    std::vector<std::unique_ptr<ScriptFaceReel>> reels_;
};
