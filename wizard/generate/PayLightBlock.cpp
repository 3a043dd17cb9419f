#include "PayLightBlock.h"

namespace {

const char kLightsAndBet[] =
    "var winningLines = new Array(5);\n"
    "var t;\n"
    "\n"
    "for (t=0;t<paylines;++t) winningLines[t]=false;\n"
    "\n"
    "function Bet::OnUpdate()\n"
    "{\n"
    "\tvar i;\n"
    "\tfor (i=0;i<paylines;++i) {\n"
    "\t\tif (Bet.Value > i) TurnOnPaylight(i);\n"
    "\t\telse TurnOffPaylight(i);\n"
    "\t}\n"
    "}\n";

const char kReelsStart[] =
    "function machine::OnReelsStart()\n"
    "{\n"
    "    machine.PlaySound(wavSpin);\n"
    "}\n"
    "\n";

const char kReelStop[] =
    "function machine::OnReelStop(kReel)\n"
    "{\n"
    "    machine.PlaySound(wavReelStop);\n"
    "}\n"
    "\n";

const char kFlashing[] =
    "function NextLightIndex(i)\n"
    "{\n"
    "\treturn (i+1)%paylines;\n"
    "}\n"
    "\n"
    "function PreviousLightIndex(i)\n"
    "{\n"
    "\treturn (i-1+paylines)%paylines;\n"
    "}\n"
    "\n"
    "function TurnOnPaylight(i)\n"
    "{\n"
    "\teval(\"ICoin\"+(i+1)+\".Value = 1\");\n"
    "}\n"
    "\n"
    "function TurnOffPaylight(i)\n"
    "{\n"
    "\teval(\"ICoin\"+(i+1)+\".Value = 0\");\n"
    "}\n"
    "\n"
    "function FlashOn(index)\n"
    "{\n"
    "\tif (Bet.Value == 0 && WinnerPaid.Value != 0) {\n"
    "\t\tTurnOnPaylight(index);\n"
    "\t}\n"
    "}\n"
    "\n"
    "function MoveFlash(index)\n"
    "{\n"
    "\tvar originalIndex = index;\n"
    "\tif (Bet.Value == 0 && WinnerPaid.Value != 0) {\n"
    "\t\tvar lightOffset;\n"
    "\t\tfor (lightOffset = 0;lightOffset<paylines;++lightOffset) {\n"
    "\t\t\tindex = NextLightIndex(index);\n"
    "\t\t\tif (winningLines[index]){\n"
    "\t\t\t\tTurnOffPaylight(originalIndex);\n"
    "\t\t\t\tmachine.SetTimeout(125, \"FlashOn(\"+index+\")\");\n"
    "\t\t\t\tmachine.SetTimeout(250, \"MoveFlash(\"+index+\")\");\n"
    "\t\t\t\tbreak;\n"
    "\t\t\t}\n"
    "\t\t}\n"
    "\t}\n"
    "}\n";

}  // namespace

std::string PayLightBlock(bool spinSound, bool reelStopSound)
{
    std::string block = kLightsAndBet;
    if (spinSound)
        block += kReelsStart;
    if (reelStopSound)
        block += kReelStop;
    return block + kFlashing;
}
