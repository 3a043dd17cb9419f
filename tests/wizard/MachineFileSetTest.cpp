// The files of a machine being built over an earlier one of the same name: set aside
// first, dropped only once the new machine is whole, back as they were after a cancel or
// a failure; without an earlier machine a cancel removes the new script and machine file.
#include <gtest/gtest.h>
#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "CornerKey.h"
#include "MachineFileSet.h"
#include "SoundFileCheck.h"
#include "SymbolChecks.h"

namespace {

#ifdef _WIN32
int MakeFolder(const std::string& path) { return _mkdir(path.c_str()); }
void RemoveFolder(const std::string& path) { _rmdir(path.c_str()); }
#else
int MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0755); }
void RemoveFolder(const std::string& path) { rmdir(path.c_str()); }
#endif

void Write(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string Read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "(none)";
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class MachineFileSetTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const char* suffix : {".txt", ".slot", ".bmp", ".txt.earlier", ".slot.earlier", ".bmp.earlier"})
            std::remove((std::string(kName) + suffix).c_str());
    }
    // An earlier machine, then a build that writes all three files anew.
    void EarlierThenNew(MachineFileSet& files)
    {
        Write(std::string(kName) + ".txt", "old script");
        Write(std::string(kName) + ".slot", "old machine");
        Write(std::string(kName) + ".bmp", "old backdrop");
        ASSERT_TRUE(files.Exists());
        ASSERT_TRUE(files.SetAside());
        EXPECT_EQ("(none)", Read(files.MachinePath())) << "nothing under the name while building";
        Write(std::string(kName) + ".txt", "new script");
        Write(std::string(kName) + ".slot", "new machine");
        Write(std::string(kName) + ".bmp", "new backdrop");
    }
    static constexpr const char* kName = "file_set_machine";
};

TEST_F(MachineFileSetTest, TheEarlierMachineGoesOnlyWhenTheNewOneIsWhole)
{
    MachineFileSet files(kName);
    EarlierThenNew(files);
    EXPECT_EQ("old machine", Read(std::string(kName) + ".slot.earlier"));
    files.Keep();
    EXPECT_EQ("new machine", Read(files.MachinePath()));
    EXPECT_EQ("new script", Read(files.ScriptPath()));
    EXPECT_EQ("(none)", Read(std::string(kName) + ".slot.earlier"));
}

TEST_F(MachineFileSetTest, CancelOrFailureBringsTheEarlierMachineBackWhole)
{
    {
        MachineFileSet files(kName);
        EarlierThenNew(files);
        files.DiscardCancelled();
    }
    EXPECT_EQ("old machine", Read(std::string(kName) + ".slot"));
    EXPECT_EQ("old script", Read(std::string(kName) + ".txt"));
    EXPECT_EQ("old backdrop", Read(std::string(kName) + ".bmp"));
    MachineFileSet files(kName);
    EarlierThenNew(files);
    files.RestoreAfterFailure();
    EXPECT_EQ("old machine", Read(files.MachinePath()));
    EXPECT_EQ("(none)", Read(std::string(kName) + ".txt.earlier"));
}

TEST_F(MachineFileSetTest, WithoutAnEarlierMachineACancelRemovesTheNewFilesAndAFailureKeepsThem)
{
    MachineFileSet files(kName);
    EXPECT_FALSE(files.Exists());
    ASSERT_TRUE(files.SetAside());
    Write(files.ScriptPath(), "new script");
    Write(files.MachinePath(), "half a machine");
    files.RestoreAfterFailure();
    EXPECT_EQ("new script", Read(files.ScriptPath())) << "left for the user to look at";
    files.DiscardCancelled();
    EXPECT_EQ("(none)", Read(files.ScriptPath()));
    EXPECT_EQ("(none)", Read(files.MachinePath()));
}

// A file of the earlier machine that cannot be moved aside is named, and what was moved
// before it comes back.
TEST_F(MachineFileSetTest, AFileThatCannotBeSetAsideIsNamedAndNothingStaysMoved)
{
    Write(std::string(kName) + ".txt", "old script");
    Write(std::string(kName) + ".slot", "old machine");
    const std::string inTheWay = std::string(kName) + ".slot.earlier";
    ASSERT_EQ(0, MakeFolder(inTheWay));
    Write(inTheWay + "/keep", "x");
    MachineFileSet files(kName);
    EXPECT_FALSE(files.SetAside());
    EXPECT_EQ(std::string(kName) + ".slot", files.StuckPath());
    EXPECT_EQ("old script", Read(files.ScriptPath()));
    EXPECT_EQ("old machine", Read(files.MachinePath()));
    EXPECT_EQ("(none)", Read(std::string(kName) + ".txt.earlier"));
    std::remove((inTheWay + "/keep").c_str());
    RemoveFolder(inTheWay);
    EXPECT_TRUE(files.SetAside());
    EXPECT_EQ("", files.StuckPath());
    files.RestoreAfterFailure();
}

TEST(SoundFileCheck, TheSizeLimitIsTwoMillionBytesAndTheTextsNameTheFile)
{
    EXPECT_TRUE(SoundFileSizeAccepted(2000000));
    EXPECT_FALSE(SoundFileSizeAccepted(2000001));
    EXPECT_EQ("Vellmoor(tm) Slots can not use sound files longer than 2000000 bytes.  C:\\big.wav is too long.",
              SoundTooBigText("C:\\big.wav"));
    EXPECT_NE(std::string::npos, SoundRefusedText("x.wav").find("\nx.wav is either not a valid Wav file"));
    Write("sound_size_check.wav", std::string(1234, 'a'));
    EXPECT_EQ(1234, FileSizeOf("sound_size_check.wav"));
    std::remove("sound_size_check.wav");
    EXPECT_EQ(-1, FileSizeOf("sound_size_check.wav"));
}

TEST(CornerKey, TheTopLeftWinsWhenATopCornerOrTheBottomLeftAgrees)
{
    EXPECT_EQ(1u, CornerKey(1, 1, 2, 3));
    EXPECT_EQ(2u, CornerKey(1, 2, 2, 3)) << "the bottom-left matches the top-right";
    EXPECT_EQ(1u, CornerKey(1, 2, 1, 3)) << "the bottom-left matches the top-left";
    EXPECT_EQ(4u, CornerKey(1, 2, 3, 4));
}

TEST(SymbolGroups, WithoutAnEntryInTheBandEvenWithTheSpoilerTheTextNamesTheBand)
{
    const std::string text = NoEntryInBandText(95, 98);
    EXPECT_NE(std::string::npos, text.find("between 95% and 98%"));
    // The spoiler's text names the figure the machine had to stay below.
    EXPECT_NE(std::string::npos, SpoilerNeededText(0.98).find("less than 98%"));
}

}  // namespace
