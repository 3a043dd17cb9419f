// The checks that run once the whole description is read: what a machine needs to be
// played, and the files that must be on disk. Each problem is one warning.
#include <algorithm>
#include <cstdio>

#include "MachineDescription.h"
#include "SoundFileCheck.h"

namespace {

bool FileOpens(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

}  // namespace

void MachineDescription::Validate() {
    if (backdropFile_.empty()) Warn("Backdrop file required");
    for (const char* name : {"BetMax", "BetOne", "CashOut", "Spin"})
        CheckRequiredElement(name, SymbolKind::Button, " button");
    for (const char* name : {"Bet", "Credit", "WinnerPaid"})
        CheckRequiredElement(name, SymbolKind::Indicator, " indicator");
    if (!progressive_.indicator.empty())
        CheckRequiredElement(progressive_.indicator, SymbolKind::Indicator, " indicator");
    for (const auto& symbol : reelSymbols_)
        if (symbol.second.files.empty()) Warn(symbol.first + " reel symbol files required");
    if (reelPositions_.empty()) Warn("Reel positions must be given.");
    for (const auto& animation : GetAnimations()) CheckAnimationFiles(animation.second.animation);
    CheckCoinNames();
    for (const auto& sound : GetSounds()) CheckSoundFile(sound.first, sound.second.sound);
}

// A sound file must be there. One that the game cannot play (judged as the wizard and the
// Sounds page judge it) is said, not counted, as the machine still plays without it. An
// asset file's sounds are judged where they were built.
void MachineDescription::CheckSoundFile(const std::string& name, const SoundPart& part) {
    if (!FileOpens(part.file)) {
        NoteMissingFile(part.file);
        Warn(name + " uses " + part.file + "... sounds like it's missing.");
        return;
    }
    if (part.assetNumber != 0) return;
    if (SoundLibraryPlays(part.file)) return;
    Notice("Warning: The sound " + name + " on line " + std::to_string(part.line) + " uses " + part.file +
           ", which the game cannot play (it plays WAV files in PCM format at 44100, 22050 or 11025 Hz and CWV"
           " files)");
}

// Each missing file once, where it was first missed.
void MachineDescription::NoteMissingFile(const std::string& file) {
    if (std::find(missingFiles_.begin(), missingFiles_.end(), file) == missingFiles_.end())
        missingFiles_.push_back(file);
}

// A required Button or Indicator must be defined and have pictures. A name defined as
// another kind counts as defined, as the picture check then finds no pictures.
void MachineDescription::CheckRequiredElement(const std::string& name, SymbolKind kind,
                                              const std::string& what) {
    SymbolRecord record;
    if (!symbols_.Lookup(name, record)) {
        Warn(name + what + " required");
        return;
    }
    const AnimationReference& picture =
        kind == SymbolKind::Button ? record.button.picture : record.indicator.picture;
    if (record.kind != kind || !picture.HasPictures()) Warn(name + what + " files required");
}

// The Coin statement's regions, indicator and sound are looked up by the machine when it
// plays: each name it gives must be defined, and as the kind its place asks for.
void MachineDescription::CheckCoinNames() {
    static const SymbolKind kKinds[] = {SymbolKind::Region, SymbolKind::Region, SymbolKind::Region,
                                        SymbolKind::Indicator, SymbolKind::Sound};
    static const char* const kWhat[] = {"coin-in region", "denomination region", "bill acceptor region",
                                        "denomination indicator", "sound"};
    const auto fields = CoinNameFields();
    for (size_t i = 0; i < fields.size(); ++i)
        if (CheckCoinName(*fields[i].first, kKinds[i], kWhat[i])) coinKeys_[i] = *fields[i].first;
}

bool MachineDescription::CheckCoinName(const std::string& name, SymbolKind kind, const std::string& what) {
    if (name.empty()) return false;
    SymbolRecord record;
    const bool defined = symbols_.Lookup(name, record);
    if (defined && record.kind == kind) return true;
    const char* kindText = kind == SymbolKind::Region ? "a region" : kind == SymbolKind::Sound ? "a sound" : "an indicator";
    Warn("The Coin statement's " + what + " " + name + (defined ? std::string(" is not ") + kindText : " is not defined"));
    return false;
}

void MachineDescription::CheckAnimationFiles(const AnimationRecord& animation) {
    const AnimationReference& reference = animation.reference;
    if (!reference.animationName.empty()) return;
    if (reference.sequences.empty() || reference.sequences.front().empty()) {
        Warn(animation.name + " has no files");
        return;
    }
    for (const auto& sequence : reference.sequences)
        for (const auto& file : sequence)
            if (!FileOpens(file)) {
                NoteMissingFile(file);
                Warn(animation.name + " uses " + file + " which doesn't exist");
            }
}
