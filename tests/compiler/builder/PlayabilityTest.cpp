// Machines that compile but that the machine screen could not run are found before a build.
#include <gtest/gtest.h>

#include <string>

#include "CompileHelpers.h"
#include "MachineScript.h"
#include "Playability.h"

namespace {

std::string Machine(const std::string& reels, const std::string& payLines, const std::string& denominations) {
    return "Title \"Check\"\nReels " + reels + "\nDenominations { " + denominations + " }\nPayLines " + payLines +
           " MaxBet 1 Payouts BestMatch\n{ all Plum 1 }\n" + PlayableArt({"Cherry", "Lemon", "Plum"});
}

std::string Unplayable(const std::string& script) {
    ScriptFile file(script);
    MachineScript machine;
    RecordingSink sink;
    machine.Compile(file.Path(), &sink, nullptr);
    if (!machine.IsCompiled()) return "(not compiled: " + (sink.messages.empty() ? "" : sink.messages[0]) + ")";
    return FindUnplayable(machine);
}

const char kTwoReels[] = "2 2\n{\n  Reel { Cherry Lemon }\n  Reel { Plum 0 Cherry 0 }\n}";
const char kGoodReels[] = "2 2\n{\n  Reel { Cherry Lemon }\n  Reel { Plum 0 Cherry 3 }\n}";

TEST(Playability, AMachineTheScreenCanRunPasses) {
    EXPECT_EQ(Unplayable(Machine(kGoodReels, "5", ".25, 1")), "");
}

TEST(Playability, EachReasonIsNamed) {
    EXPECT_EQ(Unplayable(Machine(kTwoReels, "1", "1")), "Every stop of reel 1 has the weight 0");
    EXPECT_EQ(Unplayable(Machine(kGoodReels, "6", "1")), "The machine has 6 pay lines; at most 5 can be played");
}

// The compiler already refuses such a machine, so the build never starts.
TEST(Playability, NoPlayableDenominationStopsTheCompile) {
    EXPECT_EQ(Unplayable(Machine(kGoodReels, "1", "3, .10")).rfind("(not compiled: Line 7:None of these", 0), 0u);
}

TEST(Playability, AnUncompiledMachineHasNoReels) {
    MachineScript machine;
    EXPECT_EQ(FindUnplayable(machine), "The machine has no reels");
}

}  // namespace
