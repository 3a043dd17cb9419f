// The file names the main window works out: the built-in machine table, the machine file
// named on the command line and the machine file of a compiled script.
#include <gtest/gtest.h>

#include <set>

#include "BuiltInMachines.h"
#include "MachinePaths.h"

namespace {
TEST(BuiltInMachinesTest, TheTableNamesEachMachineOnceAndSkipsTheCreditsNumber) {
    ASSERT_EQ(kBuiltInMachineCount, 21u);
    std::set<int32_t> numbers;
    std::set<uint32_t> commands;
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) {
        numbers.insert(kBuiltInMachines[i].number);
        commands.insert(kBuiltInMachines[i].command);
    }
    EXPECT_EQ(numbers.size(), 21u);
    EXPECT_EQ(commands.size(), 21u);
    EXPECT_EQ(*numbers.begin(), 5);
    EXPECT_EQ(*numbers.rbegin(), 26);
    EXPECT_EQ(numbers.count(25), 0u);
    EXPECT_STREQ(FindBuiltInScript(15), "4thjuly.slot");
    EXPECT_STREQ(FindBuiltInScript(26), "gridirongold.slot");
    EXPECT_EQ(FindBuiltInScript(25), nullptr);
    EXPECT_EQ(FindBuiltInScript(-1), nullptr);
    EXPECT_TRUE(IsBuiltInMachine("wof.slot"));
    EXPECT_FALSE(IsBuiltInMachine("WOF.slot"));  // exact comparison
    EXPECT_FALSE(IsBuiltInMachine("mine.slot"));
}

TEST(MachinePathsTest, EscapesDecodeButNeverIntoSeparatorsOrZeros) {
    std::string out;
    EXPECT_TRUE(DecodePercentEscapes("my%20game%21.slot", out));
    EXPECT_EQ(out, "my game!.slot");
    EXPECT_TRUE(DecodePercentEscapes("100%.slot%4", out));  // not escapes: kept as they are
    EXPECT_EQ(out, "100%.slot%4");
    EXPECT_FALSE(DecodePercentEscapes("..%2f..%2fwin.ini", out));
    EXPECT_FALSE(DecodePercentEscapes("..%5cwin.ini", out));
    EXPECT_FALSE(DecodePercentEscapes("a.slot%00.exe", out));
}

TEST(MachinePathsTest, TheCommandLineMachineLosesItsQuotesAndSplitsAtTheLastSeparator) {
    CommandLineMachine machine;
    ASSERT_TRUE(ReadCommandLineMachine(" \"c:\\downloads\\my%20reels.slot\" ", machine));
    EXPECT_EQ(machine.raw, "c:\\downloads\\my%20reels.slot");
    EXPECT_EQ(machine.rawFolder, "c:\\downloads\\");
    EXPECT_EQ(machine.rawName, "my%20reels.slot");
    EXPECT_EQ(machine.decodedName, "my reels.slot");
    EXPECT_EQ(machine.decodedFolder, "c:\\downloads\\");

    ASSERT_TRUE(ReadCommandLineMachine("c:/web/cache/x.slot", machine));
    EXPECT_EQ(machine.rawFolder, "c:/web/cache/");
    EXPECT_EQ(machine.rawName, "x.slot");
    ASSERT_TRUE(ReadCommandLineMachine("plain.slot", machine));
    EXPECT_EQ(machine.rawFolder, "");

    EXPECT_FALSE(ReadCommandLineMachine("", machine));
    EXPECT_FALSE(ReadCommandLineMachine("\"\"", machine));
    EXPECT_FALSE(ReadCommandLineMachine("c:\\dl\\..%2f..%2fvsl.exe", machine));
    EXPECT_FALSE(ReadCommandLineMachine("c:\\dl\\x.slot%00", machine));
    EXPECT_FALSE(ReadCommandLineMachine("c:\\dl\\..", machine));
    EXPECT_FALSE(ReadCommandLineMachine("c:\\dl\\", machine));
}

TEST(MachinePathsTest, ACompiledScriptIsNamedFromItsFileNameInTheGameFolder) {
    EXPECT_EQ(MachineFileForScript("c:\\scripts\\reels.txt", "c:\\game"), "c:\\game\\reels.slot");
    EXPECT_EQ(MachineFileForScript("c:\\my.scripts\\reels", "c:\\game\\"), "c:\\game\\reels.slot");
    EXPECT_EQ(MachineFileForScript("c:\\s\\big.reels.txt", "c:\\game"), "c:\\game\\big.reels.slot");
    EXPECT_EQ(MachineFileForScript("reels.txt", "c:\\"), "c:\\reels.slot");
    EXPECT_EQ(JoinPath("", "a.slot"), "a.slot");
}
}  // namespace
