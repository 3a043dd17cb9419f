// "slot_alt.cwv" on the CD: the lobby's ambient loop.
#include "AmbientLoop.h"
#include "ContentFolders.h"
#include "SoundFiles.h"

namespace content {

void MakeGameSounds(const ContentFolders& to) {
    const std::string path = to.cd + "ambient\\slot_alt.cwv";
    Check(WriteCwvFile(path, AmbientLoop()), path);
}

}  // namespace content
