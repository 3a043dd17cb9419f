// Whole machine builds: a script of the tests' own built into a machine file that the
// engine opens, its chunk read back; the builds that must fail, each with its message and
// no machine file; and a cancel at every point that asks.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AssetBuilder.h"
#include "AssetFileTitle.h"
#include "BmpBytes.h"
#include "BuildMachine.h"
#include "BuildProgressSink.h"
#include "ChunkReader.h"
#include "MachineBuild.h"
#include "MachineFiles.h"
#include "MachineScript.h"
#include "MessageCollector.h"
#include "PictureFileText.h"
#include "Quor2_5.h"

namespace {

const uint32_t kWave = 0x45564157u, kRegions = 0x6E676572u, kSprite = 0x54525053u, kBackdrop = 0x4B434142u;

// Answers "cancelled" at the given call of IsCancelled (1 = the first; 0 never).
class CountingProgress : public BuildProgressSink {
public:
    explicit CountingProgress(int cancelAt = 0) : cancelAt_(cancelAt) {}
    bool IsCancelled() override { return ++calls == cancelAt_; }
    void SetStage(int32_t stage) override { stages.push_back(stage); }
    void SetPercent(int32_t percent) override { percents.push_back(percent); }
    int calls = 0;
    std::vector<int32_t> stages, percents;

private:
    int cancelAt_;
};

// An open machine file and its assets' types and data (without the type word).
class OpenedFile {
public:
    explicit OpenedFile(const std::string& path) : file_(OpenAssetFile(path.c_str())) {}
    ~OpenedFile() {
        if (file_ != -1) CloseAssetFile(uint32_t(file_));
    }
    bool IsOpen() const { return file_ != -1; }
    uint32_t Count() const { return GetNumberOfAssets(uint32_t(file_)); }
    uint32_t Type(uint32_t index) const {
        QuorAssetInfo info{};
        GetAssetInfo(uint32_t(file_) | index, &info);
        return info.type;
    }
    std::vector<uint32_t> Words(uint32_t index) const {
        const uint32_t handle = uint32_t(file_) | index;
        QuorAssetInfo info{};
        GetAssetInfo(handle, &info);
        std::vector<uint32_t> words(info.dataSize / 4);
        if (const auto* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(handle))) {
            std::memcpy(words.data(), data + 4, words.size() * 4);
            ReleaseAsset(handle);
        }
        return words;
    }

private:
    int32_t file_;
};

class MachineBuilds : public ::testing::Test {
protected:
    bool Build(const std::string& script, const std::string& out, BuildProgressSink* progress = nullptr) {
        return BuildMachineWithProgress(files.Script(script), out, messages, progress);
    }
    MachineFiles files;
    MessageCollector messages;
};

TEST_F(MachineBuilds, GlassHarborBuildsIntoAFileTheEngineOpens) {
    const std::string out = files.Output("harbor.slot");
    ASSERT_TRUE(Build(GlassHarbor(), out)) << (messages.messages.empty() ? "" : messages.messages[0]);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(Exists(out + ".part"));
    EXPECT_EQ(ReadAssetFileTitle(out), "Glass Harbor");

    OpenedFile file(out);
    ASSERT_TRUE(file.IsOpen());
    const uint32_t last = file.Count();
    ASSERT_EQ(file.Type(last), kMachineChunkType);
    MachineChunk c;
    ChunkReader reader(file.Words(last));
    ASSERT_TRUE(reader.Read(c));
    EXPECT_TRUE(reader.AtEnd());

    EXPECT_EQ(c.title, "Glass Harbor");
    EXPECT_EQ(c.reelCount, 3);
    EXPECT_EQ(c.stopCount, 3);
    EXPECT_EQ((std::vector<int32_t>{c.symbolWidth, c.symbolHeight}), (std::vector<int32_t>{16, 12}));
    EXPECT_EQ(c.denominationMask, 0x28u);
    EXPECT_EQ(c.progressiveInitial, 250);
    EXPECT_EQ(c.progressiveIncrement, 2);
    EXPECT_EQ(c.symbolNames, (std::vector<std::string>{"Anchor", "Bell", "Gull"}));
    // Reel 0 is Anchor Bell 2 Gull.
    EXPECT_EQ(c.stops[1].symbol, 1);
    EXPECT_EQ(c.stops[1].weight, 2);
    EXPECT_EQ(c.stops[8].weight, 3);
    EXPECT_EQ(c.scriptCode, "function Go() {\n}\nfunction Big() {\n}\nfunction Cheer() {\n}\nfunction Insert() {\n}\n");
    EXPECT_EQ(file.Type(c.backdrop), kBackdrop);
    EXPECT_EQ(file.Type(c.symbolSprite), kSprite);
    EXPECT_EQ(file.Type(c.coinSprite), kSprite);
    EXPECT_EQ(file.Type(c.coinInRegion), kRegions);
    EXPECT_EQ(file.Type(uint32_t(c.coinSound)), kWave);
    EXPECT_EQ(c.sounds.at("Horn"), c.coinSound);
    EXPECT_EQ(c.regions.at("BillSlot"), int32_t(c.billRegion));
    // Bet, Credit, Denomination, Jackpot, WinnerPaid.
    EXPECT_EQ(c.denominationIndicator, 2);
    EXPECT_EQ(c.progressiveIndicator, 3);

    MachineScript script;
    script.Compile(files.Path("machine.vsl"), nullptr, nullptr);
    PayTable expected;
    expected.Assign(script.GetPayouts(), c.symbolNames);
    EXPECT_EQ(c.payTable, expected);
    EXPECT_EQ(c.payTable.GetWild(), 2);
}

TEST_F(MachineBuilds, ElementRecordsAndAnArmOnTheFirstSprite) {
    const std::string out = files.Output("records.slot");
    ASSERT_TRUE(Build(GlassHarbor(), out));
    OpenedFile file(out);
    MachineChunk c;
    ASSERT_TRUE(ChunkReader(file.Words(file.Count())).Read(c));
    std::vector<std::string> names;
    for (const ChunkElement& e : c.buttons) names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{"##arm", "BetMax", "BetOne", "CashOut", "Spin", "##arm"}));
    // Lever is the first Animation, so sprite 0; the arm still has its picture.
    const uint32_t lever = uint32_t(c.animations.at("Lever"));
    EXPECT_EQ(file.Type(lever), kSprite);
    EXPECT_EQ(c.animations.at("##arm"), int32_t(lever));
    EXPECT_EQ(c.buttons.front().sprite, lever);
    EXPECT_EQ(c.buttons.back().sprite, lever);
    EXPECT_EQ(c.buttons.back().rectangle.left, 180);
    EXPECT_EQ(c.buttons.back().priority, 200);
    EXPECT_EQ(c.buttons.back().hotKey, 80);
    EXPECT_EQ(c.coinDropSprite, lever);
    const ChunkElement& spin = c.buttons[4];
    EXPECT_EQ(spin.hotKey, ' ');
    EXPECT_EQ(spin.priority, 210);
    EXPECT_EQ(spin.scriptlets.size(), 1u);
    ASSERT_EQ(c.indicators.size(), 5u);
    EXPECT_EQ(c.indicators[1].name, "Credit");
    EXPECT_TRUE(c.indicators[1].dollarSign);
    EXPECT_EQ(c.indicators[2].sprite, 0u);  // Denomination has no picture
    EXPECT_EQ(c.indicators[3].digits, 8);
}

// A button whose picture is a sprite of another asset file (here the first machine's arm)
// gets the size of that sprite's first frame.
TEST_F(MachineBuilds, ALibraryButtonTakesItsSpritesSize) {
    const std::string first = files.Output("first.slot");
    ASSERT_TRUE(Build(GlassHarbor(), first));
    MachineChunk c;
    {
        OpenedFile file(first);
        ASSERT_TRUE(ChunkReader(file.Words(file.Count())).Read(c));
    }
    const std::string lever = std::to_string(c.animations.at("Lever"));
    const std::string out = files.Output("library.slot");
    ASSERT_TRUE(Build(GlassHarbor("  Button Library { { \"@/first.slot\", " + lever + " } = 5, 7 }\n"), out))
        << messages.messages.front();
    OpenedFile file(out);
    MachineChunk second;
    ASSERT_TRUE(ChunkReader(file.Words(file.Count())).Read(second));
    ASSERT_EQ(second.buttons[4].name, "Library");
    EXPECT_EQ(second.buttons[4].rectangle, (ScriptRect{5, 7, 21, 19}));
    EXPECT_EQ(file.Type(second.buttons[4].sprite), kSprite);
}

// Only the extensions "cwv" and "CWV" mark a compressed sound.
TEST_F(MachineBuilds, SoundChunkTypesFollowTheExtension) {
    const uint32_t kCompressed = 0x56415743u;  // "CWAV"
    for (const char* name : {"a.cwv", "b.CWV", "c.CwV"}) files.Write(name, "RIFF");
    const std::string out = files.Output("sounds.slot");
    ASSERT_TRUE(Build(GlassHarbor("  Sound Lower { \"@/a.cwv\" }\n  Sound Upper { \"@/b.CWV\" }\n"
                                  "  Sound Mixed { \"@/c.CwV\" }\n"),
                      out))
        << messages.messages.front();
    OpenedFile file(out);
    MachineChunk c;
    ASSERT_TRUE(ChunkReader(file.Words(file.Count())).Read(c));
    EXPECT_EQ(file.Type(uint32_t(c.sounds.at("Lower"))), kCompressed);
    EXPECT_EQ(file.Type(uint32_t(c.sounds.at("Upper"))), kCompressed);
    EXPECT_EQ(file.Type(uint32_t(c.sounds.at("Mixed"))), kWave);
    EXPECT_EQ(file.Type(uint32_t(c.sounds.at("Horn"))), kWave);
    EXPECT_EQ(c.soundCount, 4);
}

TEST_F(MachineBuilds, FailedBuildsSayWhyAndLeaveNoFile) {
    struct Case {
        const char* what;
        std::string script;
        std::vector<std::string> messages;
    };
    const std::string longName(33, 'N');
    const std::vector<uint8_t> deep = Version5Bmp(16, 12);
    files.Write("deep.bmp", std::string(deep.begin(), deep.end()));
    const Case cases[] = {
        {"name over 32 bytes", GlassHarbor("  Button " + longName + " { { { \"@/button.bmp\" } } = 90, 120 }\n"),
         {"The name " + longName + " is longer than 32 characters"}},
        {"six pay lines", GlassHarbor("", "6"), {"The machine has 6 pay lines; at most 5 can be played"}},
        // A picture the game does not read is named with the reason every reader gives.
        {"a picture with the version 5 header", GlassHarbor("  Animation Deep { { \"@/deep.bmp\" } }\n"),
         {"Exception occurred ", PictureNotReadText(files.Path("deep.bmp"))}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.messages.clear();
        const std::string out = files.Output("failed.slot");
        EXPECT_FALSE(Build(c.script, out));
        ASSERT_GE(messages.messages.size(), c.messages.size());
        EXPECT_EQ(std::vector<std::string>(messages.messages.begin(), messages.messages.begin() + c.messages.size()),
                  c.messages);
        EXPECT_FALSE(Exists(out));
        EXPECT_FALSE(Exists(out + ".part"));
    }
}

// The compile finds a missing sound file; one that goes missing after the compile must
// still fail the build rather than point the sound at another chunk.
TEST_F(MachineBuilds, ASoundThatCannotBeReadFailsTheBuild) {
    const std::string script = files.Script(GlassHarbor());
    CountingProgress compileOnly;
    MachineScript machine;
    machine.Compile(script, nullptr, &compileOnly);
    ASSERT_TRUE(machine.IsCompiled());

    class SoundRemover : public CountingProgress {
    public:
        SoundRemover(int at, std::string sound) : at_(at), sound_(std::move(sound)) {}
        bool IsCancelled() override {
            if (CountingProgress::IsCancelled(), calls == at_) std::remove(sound_.c_str());
            return false;
        }

    private:
        int at_;
        std::string sound_;
    } remover(compileOnly.calls + 1, files.Path("horn.wav"));
    const std::string out = files.Output("sound.slot");
    EXPECT_FALSE(BuildMachineWithProgress(script, out, messages, &remover));
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"Can't open the sound file " + files.Path("horn.wav") +
                                                           " of Horn"}));
    EXPECT_FALSE(Exists(out));
}

TEST_F(MachineBuilds, AFileThatCannotBeCreatedFailsWithItsMessage) {
    const std::string out = files.Path("no_such_folder/machine.slot");
    EXPECT_FALSE(Build(GlassHarbor(), out));
    EXPECT_EQ(messages.messages, (std::vector<std::string>{"Couldn't open " + out}));
    EXPECT_FALSE(Exists(out));
}

// The compile refuses a Coin statement that names no region; the builder itself never
// takes a name that is no region for region 0: a script edited since its compile (the
// record stays under the old name until the next compile) stops the build with the name.
TEST_F(MachineBuilds, ACoinWithoutItsRegionsIsRefused) {
    std::string script = GlassHarbor();
    for (const char* region : {"CoinSlot {", "Plate {", "BillSlot {"}) {
        const size_t start = script.find(std::string("  Region ") + region);
        script.erase(start, script.find('\n', start) + 1 - start);
    }
    EXPECT_FALSE(Build(script, files.Output("coin.slot")));
    EXPECT_EQ(messages.messages,
              (std::vector<std::string>{"The Coin statement's coin-in region CoinSlot is not defined\n",
                                        "The Coin statement's denomination region Plate is not defined\n",
                                        "The Coin statement's bill acceptor region BillSlot is not defined\n",
                                        "3 Warnings\n",
                                        "The machine was not built: the script has the warnings above.\n"}));

    MachineScript edited;
    edited.Compile(files.Script(GlassHarbor()), nullptr, nullptr);
    ASSERT_TRUE(edited.IsCompiled());
    edited.RenameElement("Plate", "DenomPlate");
    ASSERT_EQ("DenomPlate", edited.GetCoin().denominationRegion);
    AssetBuilder builder;
    try {
        MachineBuild(edited, builder, nullptr).Run();
        ADD_FAILURE() << "the build went on";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ("The coin acceptor's region DenomPlate is not a region", error.what());
    }
}

TEST_F(MachineBuilds, CancelAtEveryQuestionLeavesNoFile) {
    CountingProgress full;
    const std::string out = files.Output("cancel.slot");
    ASSERT_TRUE(Build(GlassHarbor(), out, &full));
    EXPECT_EQ(full.percents, (std::vector<int32_t>{75, 87, 100}));
    ASSERT_GT(full.calls, 7);
    for (int at = 1; at <= full.calls; ++at) {
        SCOPED_TRACE(at);
        std::remove(out.c_str());
        messages.messages.clear();
        CountingProgress progress(at);
        EXPECT_FALSE(Build(GlassHarbor(), out, &progress));
        EXPECT_FALSE(Exists(out));
        EXPECT_FALSE(Exists(out + ".part"));
        // The builder's own questions are the last seven; each ends with "Cancelled" alone.
        if (at > full.calls - 7) {
            EXPECT_EQ(messages.messages, (std::vector<std::string>{"Cancelled"}));
        }
    }
}

}  // namespace
