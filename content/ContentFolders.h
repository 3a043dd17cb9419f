// The folders the content generator writes to, and the pieces of content it makes.
#pragma once
#include <string>

namespace content {

struct ContentFolders {
    std::string program;    // beside vsl.exe: the asset files the program opens by name
    std::string cd;         // the game CD: movies, ambient sounds, clip art
    std::string resources;  // the program's icon and cursors, compiled into vsl.exe
    std::string machines;   // machine scripts with their pictures and sounds
};

// Each writes its files and throws std::runtime_error naming a file it cannot write.
void MakeLobbyAssets(const ContentFolders& to);
void MakeFrontDeskAssets(const ContentFolders& to);
void MakeProgressAnimation(const ContentFolders& to);
void MakeIntroMovie(const ContentFolders& to);
void MakeGameSounds(const ContentFolders& to);
void MakeProgramIcons(const ContentFolders& to);
void MakeMachineArt(const ContentFolders& to);
void MakeCreditsArt(const ContentFolders& to);
// Every built-in machine of the game menu, each drawn and synthesized from its theme.
void MakeBuiltInMachineArt(const ContentFolders& to);
void MakeWizardClipArt(const ContentFolders& to);

// Throws "Can't write " and the path unless `written`.
void Check(bool written, const std::string& path);

}  // namespace content
