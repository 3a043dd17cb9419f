#include "MachineArtBlock.h"
#include "MachineScriptText.h"
#include "MachineText.h"
#include "PayLightBlock.h"

namespace {

// A sound chosen from disk plays where the same sound from the gallery would. With pay
// lights the block of the pay lights already plays the spin and reel-stop sounds; a gallery
// sound adds its own handler after it, with the same body.
void WriteReelHandlers(std::ostream& out, const WizardChoices& document, bool payLights)
{
    const auto played = [&](WizardSound sound) {
        return document.HasGallerySound(sound) || (!payLights && document.HasSound(sound));
    };
    if (played(kSpinSound))
        out << "function machine::OnReelsStart()\n{\n    machine.PlaySound(wavSpin);\n}\n";
    if (played(kReelStopSound))
        out << "function machine::OnReelStop(kReel)\n{\n    machine.PlaySound(wavReelStop);\n}\n";
}

void WriteTotalPayment(std::ostream& out, const WizardChoices& document, bool payLights)
{
    const int bigWin = WholeCoins(document.pay[2]);
    const bool win = document.HasSound(kWinSound);
    const bool winBig = document.HasSound(kWinBigSound);
    out << "function machine::OnTotalPayment(pay)\n{\n";
    if (payLights)
        out << "    if (pay > 0) {\n\t    machine.SetTimeout(250, \"MoveFlash(PreviousLightIndex(0))\");\n    }\n";
    if (win && winBig)
        out << "    if (pay > 0 && pay < " << bigWin << ") {\n        machine.PlaySound(wavWin);\n    }\n";
    else if (win)
        out << "    if (pay > 0) {\n        machine.PlaySound(wavWin);\n    }\n";
    if (winBig)
        out << "    if (pay >= " << bigWin << ") {\n        machine.PlaySound(wavWinBig);\n    }\n";
    if (document.HasSound(kLoseSound))
        out << "    if (pay == 0) {\n        machine.PlaySound(wavLose);\n    }\n";
    out << "}\n";
}

// The payment handlers record the winning lines; a machine without pay lights declares
// the record itself, as only the pay-light block does otherwise.
void WritePaymentHandlers(std::ostream& out, const WizardChoices& document, bool payLights)
{
    const bool sounds =
        document.HasSound(kWinSound) || document.HasSound(kWinBigSound) || document.HasSound(kLoseSound);
    if (!sounds && !payLights)
        return;
    if (!payLights)
        out << "var winningLines = new Array(5);\n";
    out << "function machine::OnPayment(payment, line, tableIndex)\n{\n"
           "    winningLines[line-1] = (payment > 0);\n}\n";
    WriteTotalPayment(out, document, payLights);
    out << "function machine::OnAllReelsStop()\n{\n    var i;\n"
           "    for(i=0;i<5;++i) winningLines[i]=0;\n    return 1;\n}\n";
}

void WriteJackpotPayout(std::ostream& out, const WizardChoices& document)
{
    out << "function JackpotPayout()\n{\n    if (Bet.Value == " << document.payLines << ") {\n"
        << "        return " << WholeCoins(document.pay[0]) << ";\n    }\n"
        << "    return " << WholeCoins(0.8 * document.pay[0]) << ";\n}\n";
}

}  // namespace

void GenerateMachineCode(const WizardChoices& document, std::ostream& out)
{
    const bool payLights = ChosenLayout(document).payLights;
    if (document.payLines != 1)
        out << "var paylines = " << document.payLines << "\n";
    if (payLights)
        out << PayLightBlock(document.HasSound(kSpinSound), document.HasSound(kReelStopSound));
    WriteReelHandlers(out, document, payLights);
    WritePaymentHandlers(out, document, payLights);
    if (document.payLines != 1)
        WriteJackpotPayout(out, document);
}

bool GenerateMachineScript(const WizardChoices& document, const std::string& clipArt, std::ostream& out)
{
    GenerateArtBlock(document, clipArt, out);
    GenerateMachineCode(document, out);
    return true;
}
