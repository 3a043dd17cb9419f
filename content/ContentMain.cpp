// The content generator: vsl_content.exe PROGRAM-FOLDER CD-FOLDER RESOURCE-FOLDER
// MACHINE-FOLDER draws and synthesizes every picture, movie and sound of the game and
// writes them where the program, its CD and its resources expect them.
#include <cstdio>
#include <stdexcept>

#include "ContentFolders.h"

namespace content {

void Check(bool written, const std::string& path) {
    if (!written) throw std::runtime_error("Can't write " + path);
}

}  // namespace content

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: vsl_content PROGRAM-FOLDER CD-FOLDER RESOURCE-FOLDER MACHINE-FOLDER\n");
        return 2;
    }
    const content::ContentFolders to{std::string(argv[1]) + "\\", std::string(argv[2]) + "\\",
                                     std::string(argv[3]) + "\\", std::string(argv[4]) + "\\"};
    try {
        content::MakeLobbyAssets(to);
        content::MakeFrontDeskAssets(to);
        content::MakeProgressAnimation(to);
        content::MakeIntroMovie(to);
        content::MakeGameSounds(to);
        content::MakeProgramIcons(to);
        content::MakeMachineArt(to);
        content::MakeCreditsArt(to);
        content::MakeBuiltInMachineArt(to);
        content::MakeWizardClipArt(to);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vsl_content: %s\n", e.what());
        return 1;
    }
    return 0;
}
