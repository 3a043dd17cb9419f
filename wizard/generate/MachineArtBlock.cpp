#include "MachineArtBlock.h"

#include "ArtPaths.h"
#include "ReelStripLayout.h"
#include "SymbolArt.h"

namespace {

const char* const kSoundNames[WizardChoices::kSounds] = {"wavSpin", "wavReelStop", "wavWin",
                                                         "wavWinBig", "wavLose", "wavCoin"};

const MachineBody& ChosenBody(const WizardChoices& document)
{
    return GetMachineBodies().at(document.bodyIndex);
}

void WriteSymbols(std::ostream& out, const WizardChoices& document, const std::string& clipArt)
{
    for (int slot = 0; slot < 5; ++slot)
        out << "Symbol Sym" << slot << SymbolArtText(document, clipArt, slot);
    if (document.cherry)
        out << "Symbol Cherry" << SymbolArtText(document, clipArt, 5);
    const int spoilerStops = static_cast<int>(document.stops[6] + 0.1);
    if (spoilerStops <= 0)
        return;
    if (document.spoiler)
        out << "Symbol Spoiler" << SymbolArtText(document, clipArt, 6);
    if (HasBlankFilling(document))
        out << "Symbol Blank \"" << clipArt << "\\BlankSym.bmp\"\n";
}

// CashOut, BetOne, BetMax, Spin: the button set lists them the other way round.
void WriteButtons(std::ostream& out, const ButtonSet& set, const std::string& clipArt)
{
    for (int b = 3; b >= 0; --b) {
        const ButtonStyle& button = set.buttons[b];
        out << "Button " << button.name << "\n{" << (button.transparent ? "{{\n" : "\n");
        for (const ArtRef& image : button.images)
            out << ArtRefText(image, clipArt);
        out << (button.transparent ? "}transparent}\n" : "\n");
        out << "= " << button.x << "," << button.y << "\n";
        out << "}\n";
    }
}

void WriteLayout(std::ostream& out, const WizardChoices& document, const std::string& clipArt)
{
    const std::string coinSound = document.HasSound(kCoinSound) ? "    Sound = wavCoin\n" : "";
    out << ExpandArtVariables(ExpandArtPath(ChosenLayout(document).artText, clipArt), "$coinsound",
                              coinSound);
}

void WriteSounds(std::ostream& out, const WizardChoices& document, const std::string& clipArt)
{
    for (int s = 0; s < WizardChoices::kSounds; ++s) {
        const std::string& file = document.customSoundFiles[s];
        const int32_t index = document.soundGalleryIndexes[s];
        if (!file.empty())
            out << "    Sound " << kSoundNames[s] << " { \"" << file << "\" }\n";
        else if (index >= 0)
            out << "    Sound " << kSoundNames[s] << " { \"" << GalleryPath(clipArt) << "\" , "
                << document.soundBaseIndex + index << " }\n";
    }
}

void WriteArm(std::ostream& out, const ArmStyle& arm, const std::string& clipArt)
{
    out << "Arm {";
    if (arm.singleImage) {
        out << "{" << ArtRefText(arm.image, clipArt) << "}\n";
    } else {
        if (arm.transparent)
            out << " {{\n";
        for (const ArtRef& frame : arm.frames)
            out << ArtRefText(frame, clipArt) << "\n";
        if (arm.transparent)
            out << " }transparent}\n";
    }
    out << " = " << arm.x << " , " << arm.y << "}\n";
}

}  // namespace

const BodyLayout& ChosenLayout(const WizardChoices& document)
{
    const int layout = LayoutIndex(static_cast<int>(document.reelCount), static_cast<int>(document.payLines));
    return ChosenBody(document).layouts.at(static_cast<std::size_t>(layout));
}

void GenerateArtBlock(const WizardChoices& document, const std::string& clipArt, std::ostream& out)
{
    const MachineBody& body = ChosenBody(document);
    out << "Art\n{\n";
    out << "Backdrop \"" << document.identifier << ".bmp\"\n";
    WriteSymbols(out, document, clipArt);
    WriteButtons(out, body.buttonSets[document.buttonSetIndex], clipArt);
    out << ExpandArtPath(body.extraText, clipArt);
    WriteLayout(out, document, clipArt);
    WriteSounds(out, document, clipArt);
    WriteArm(out, body.arms[document.armIndex], clipArt);
    out << "}\n";
}
