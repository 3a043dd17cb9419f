// Wizard documents of the generator tests: three machines that between them take every
// branch of the generated text, and a helper that generates a whole script in memory.
#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "GenerationProgress.h"

#include "MachineScriptText.h"
#include "MachineText.h"
#include "WizardChoices.h"

// A build's progress that keeps every percent reported and cancels on request.
class RecordedProgress : public GenerationProgress {
public:
    void SetPercent(int32_t percent) override { percents.push_back(percent); }
    bool IsCancelled() const override { return cancelled; }

    std::vector<int32_t> percents;
    bool cancelled = false;
};

// The clip-art folder the texts name.
const char kTestClipArt[] = "D:\\clipart";

// "Amber Orchard": Traditional, three reels, one pay line, a wild jackpot symbol, a group
// with one member (no group lines), cherries and a spoiler, no sound. Payouts with
// fractions show the one-line form.
inline WizardChoices AmberOrchard()
{
    WizardChoices d;
    d.name = "Amber Orchard";
    d.identifier = "AmberOrchard";
    d.reelCount = 3;
    d.payLines = 1;
    d.stops = {1, 2, 3, 4, 5, 3, 8};
    d.pay = {1250, 7.9, 25, 10, 5, 2, 20, 10, 5, 2.5, 0};
    d.wild = true;
    d.groupMembers = {0, 0, 1, 0, 0};
    return d;
}

// "Brass Lagoon": Gold, three reels, three lines, a group of Sym2, Sym3 and Sym4, no
// cherry, the 13 spoiler stops shown as blanks; a spin sound from the gallery, a reel-stop
// sound from disk and a win-big sound.
inline WizardChoices BrassLagoon()
{
    WizardChoices d;
    d.name = "Brass Lagoon";
    d.identifier = "BrassLagoon";
    d.bodyIndex = 1;
    d.armIndex = 4;
    d.buttonSetIndex = 1;
    d.reelCount = 3;
    d.payLines = 3;
    d.stops = {1, 2, 3, 3, 4, 0, 13};
    d.pay = {2000, 150, 40, 15, 8, 3, 0, 0, 0, 0, 0};
    d.cherry = false;
    d.spoiler = false;
    d.groupMembers = {0, 0, 1, 1, 1};
    d.soundBaseIndex = 20;
    d.soundGalleryIndexes = {2, -1, -1, 5, -1, -1};
    d.customSoundFiles[kReelStopSound] = "C:\\sounds\\clack.wav";
    return d;
}

// "Coral Crown": Beach, four reels, three lines, a wild jackpot symbol, a group of Sym3
// and Sym4, cherries, 15 spoiler stops (13 shown as blanks), every sound.
inline WizardChoices CoralCrown()
{
    WizardChoices d;
    d.name = "Coral Crown";
    d.identifier = "CoralCrown";
    d.bodyIndex = 2;
    d.armIndex = 11;
    d.buttonSetIndex = 2;
    d.reelCount = 4;
    d.payLines = 3;
    d.stops = {1, 1, 2, 2, 3, 2, 15};
    d.pay = {10000, 500, 120, 60, 30, 12, 20, 10, 5, 2, 12};
    d.wild = true;
    d.groupMembers = {0, 0, 0, 1, 1};
    d.soundBaseIndex = 100;
    d.soundGalleryIndexes = {0, 1, 2, 3, 4, 5};
    return d;
}

// The first and the second half as `WriteMachineDescription` writes them after the title.
inline std::string GeneratedText(WizardChoices document)
{
    std::ostringstream out;
    out << "Title \"" << document.name << "\"\n";
    if (!GenerateMachineText(document, out))
        return "error: " + document.errorText;
    GenerateMachineScript(document, kTestClipArt, out);
    return out.str();
}
