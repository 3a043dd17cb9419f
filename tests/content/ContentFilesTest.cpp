// The files the content generator made in the build tree, read the way the program reads
// them (the CD as the prefix's drive D:): the asset files through the engine with the asset kinds at the numbers the program
// takes, the intro movie through the multimedia player's "avivideo" device, the sounds
// through the sound library's silent sink, the machine script through the compiler, and
// the icon and cursors from vsl.exe's resources.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "AuloSnd.h"
#include "BuiltFileFolder.h"
#include "BuiltInMachines.h"
#include "CompileHelpers.h"
#include "EnginePictureProbe.h"
#include "FrontDeskLayout.h"
#include "LoadedAssets.h"
#include "LobbyAssetLayout.h"
#include "Quor2_5.h"

namespace {

const std::string kProgramDir = BuiltFileFolder(VSL_PROGRAM_DIR "/");
const std::string kCdDir = BuiltFileFolder(VSL_CD_DIR "/");
const std::string kMachineDir = BuiltFileFolder(VSL_MACHINE_DIR "/");

const uint32_t kBmap = 0x50414D42u, kBack = 0x4B434142u, kSprt = 0x54525053u;

// The type of each asset of an asset file, opened through the engine.
std::vector<uint32_t> AssetTypes(const std::string& path) {
    std::vector<uint32_t> types;
    const int32_t file = OpenAssetFile(path.c_str());
    if (file == -1) return types;
    const uint32_t count = GetNumberOfAssets(uint32_t(file));
    for (uint32_t i = 1; i <= count; ++i) {
        QuorAssetInfo info{};
        GetAssetInfo(uint32_t(file) | i, &info);
        types.push_back(info.type);
    }
    CloseAssetFile(uint32_t(file));
    return types;
}

// Where both builds run, each loads the other's files, and never its own in their place.
TEST(BuiltFileFolder, MapsTheFolderIntoTheOtherBuildOrSaysWhyItCannot) {
    std::string fault;
    EXPECT_EQ(built_files::OtherFolder("Z:/work/build/bin/", "/work/build", "/work/build64", fault),
              "Z:/work/build64/bin/");
    EXPECT_EQ(fault, "");
    for (const char* other : {static_cast<const char*>(nullptr), "", "/work/build"}) {
        fault.clear();
        built_files::OtherFolder("Z:/work/build/bin/", "/work/build", other, fault);
        EXPECT_NE(fault, "") << (other ? other : "(unset)");
    }
    fault.clear();
    built_files::OtherFolder("Z:/elsewhere/build/bin/", "/work/build", "/work/build64", fault);
    EXPECT_NE(fault.find("is not in VSL_OWN_BUILD"), std::string::npos) << fault;
}

TEST(GeneratedAssets, TheSplashBackdropIsAsset2OfTheLobbyFile) {
    const std::vector<uint32_t> types = AssetTypes(kProgramDir + "lobbyAssets.ast");
    ASSERT_GE(types.size(), size_t(content::kSplashBackdrop));
    EXPECT_EQ(types[content::kSplashPicture - 1], kBmap);
    EXPECT_EQ(types[content::kSplashBackdrop - 1], kBack);

    const int32_t file = OpenAssetFile((kProgramDir + "lobbyAssets.ast").c_str());
    ASSERT_NE(file, -1);
    const uint32_t backdrop = uint32_t(file) | content::kSplashBackdrop;
    ASSERT_TRUE(LoadAsset(backdrop, 0));
    const uint16_t* words = static_cast<const uint16_t*>(DereferenceAndLockAsset(backdrop));
    ASSERT_NE(words, nullptr);
    ReleaseAsset(backdrop);
    CloseAssetFile(uint32_t(file));
}

TEST(GeneratedAssets, TheProgressAnimationIsSprite6OfItchyWithItsFramesBeforeIt) {
    const std::vector<uint32_t> types = AssetTypes(kProgramDir + "itchy.ast");
    ASSERT_EQ(types.size(), 6u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(types[i], kBmap) << i;
    EXPECT_EQ(types[5], kSprt);
    EnginePictureProbe probe;
    const PictureSize frame = probe.GetAssetFrameSize(kProgramDir + "itchy.ast", 6);
    EXPECT_EQ(frame.width, 48);
    EXPECT_EQ(frame.height, 48);
}

// The Front Desk's file: its ledger backdrop and its sprites at the numbers the screen
// takes them, every asset loading.
TEST(GeneratedAssets, TheFrontDeskFileHoldsItsLedgerAndSpritesWhereTheScreenTakesThem) {
    const std::string path = kProgramDir + "fdassets.ast";
    const std::vector<uint32_t> types = AssetTypes(path);
    ASSERT_EQ(types.size(), size_t(frontdesk::kExitSprite));
    EXPECT_EQ(types[frontdesk::kBackdropPicture - 1], kBmap);
    EXPECT_EQ(types[frontdesk::kBackdrop - 1], kBack);
    for (uint32_t sprite : {frontdesk::NameSprite(0), frontdesk::DateSprite(frontdesk::kRows - 1),
                            frontdesk::CashSprite(frontdesk::kRows - 1), frontdesk::kFontSprite, frontdesk::kCaretSprite,
                            frontdesk::kCheckSprite, frontdesk::kCreditSprite, frontdesk::kDeleteSprite,
                            frontdesk::kExitSprite})
        EXPECT_EQ(types[sprite - 1], kSprt) << sprite;
    EXPECT_EQ(LoadedAssets(path), types.size());
}

// The length of a sound file in milliseconds, as the library queues it on a stream.
int32_t QueuedMilliseconds(const std::string& path) {
    const uint32_t stream = AuloOpenStream();
    const uint32_t id = AuloCueStreamFromDisk(stream, path.c_str(), 0, 0, 0, 0);
    const int32_t queued = id ? AuloGetStreamTimeQueued(stream) : -1;
    AuloCloseStream(stream);
    return queued;
}

TEST(GeneratedSounds, TheAmbientLoopAndTheMachineSoundsPlayForTheirLength) {
    SetEnvironmentVariableA("AULOSND_SILENT", "1");
    ASSERT_EQ(AuloOpen(nullptr, 22050, 16, 2), 1);
    const struct {
        std::string path;
        int32_t ms;
    } sounds[] = {{kCdDir + "ambient/slot_alt.cwv", 8000}, {kMachineDir + "foxfire_spin.wav", 600},
                  {kMachineDir + "foxfire_stop.wav", 150}, {kMachineDir + "foxfire_coin.wav", 400},
                  {kMachineDir + "foxfire_win.wav", 1000}};
    for (const auto& s : sounds) EXPECT_NEAR(QueuedMilliseconds(s.path), s.ms, 40) << s.path;
    AuloClose();
}

TEST(GeneratedMovie, TheIntroMovieOpensInTheAviVideoDeviceWithItsFrames) {
    std::string command = "open \"" + kCdDir + "movies/tarowind.avi\" type avivideo alias intro";
    for (char& c : command)
        if (c == '/') c = '\\';
    ASSERT_EQ(mciSendStringA(command.c_str(), nullptr, 0, nullptr), 0u);
    char answer[64] = "";
    EXPECT_EQ(mciSendStringA("status intro length", answer, sizeof answer, nullptr), 0u);
    EXPECT_STREQ(answer, "40");
    mciSendStringA("close intro", nullptr, 0, nullptr);
}

TEST(OurCd, IsTheCdRomDriveDWithTheMovieAndTheAmbientLoop) {
    EXPECT_EQ(GetDriveTypeA("D:\\"), UINT(DRIVE_CDROM));
    for (const char* file : {"D:\\movies\\tarowind.avi", "D:\\ambient\\slot_alt.cwv"})
        EXPECT_NE(GetFileAttributesA(file), INVALID_FILE_ATTRIBUTES) << file;
}

TEST(GeneratedMachine, FoxfireGroveCompilesWithoutAWord) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(kMachineDir.c_str()));
    MachineDescription md;
    EnginePictureProbe probe;
    md.SetPictureProbe(&probe);
    RecordingSink sink;
    md.Compile("foxfire.txt", &sink, nullptr);
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(sink.messages, std::vector<std::string>{});
    EXPECT_TRUE(md.IsCompiled());
}

// Each built-in machine is on the CD as an author's example: its script in a folder of its
// own with every picture and sound it names, so that it compiles there as it stands.
TEST(OurCd, HoldsEveryBuiltInMachineInAFolderOfItsOwnWhereItCompilesWithoutAWord) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) {
        std::string name = kBuiltInMachines[i].script;
        name = name.substr(0, name.rfind('.'));
        const std::string folder = "D:\\machines\\" + name;
        ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str())) << folder;
        MachineDescription md;
        EnginePictureProbe probe;
        md.SetPictureProbe(&probe);
        RecordingSink sink;
        md.Compile(name + ".txt", &sink, nullptr);
        EXPECT_EQ(sink.messages, std::vector<std::string>{}) << name;
        EXPECT_TRUE(md.IsCompiled()) << name;
    }
    SetCurrentDirectoryA(previous);
}

// A machine picture of the machine folder, read pixel by pixel from its file: the
// generator writes 24-bit pictures, top row first or last as the height's sign says.
class MachinePicture {
public:
    explicit MachinePicture(const std::string& name) {
        HANDLE file = CreateFileA((kMachineDir + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return;
        bytes_.resize(GetFileSize(file, nullptr));
        DWORD read = 0;
        ReadFile(file, bytes_.data(), DWORD(bytes_.size()), &read, nullptr);
        CloseHandle(file);
        if (read != bytes_.size() || bytes_.size() < 54) bytes_.clear();
    }
    int32_t Width() const { return bytes_.empty() ? 0 : Word(18); }
    int32_t Height() const { return bytes_.empty() ? 0 : std::abs(Word(22)); }
    COLORREF At(int x, int y) const {
        if (bytes_.empty()) return CLR_INVALID;
        const int32_t width = Word(18), height = Word(22), offset = Word(10);
        const int32_t row = height < 0 ? y : height - 1 - y, stride = (width * 3 + 3) / 4 * 4;
        const size_t at = size_t(offset) + size_t(row) * size_t(stride) + size_t(x) * 3;
        return at + 2 < bytes_.size() ? RGB(bytes_[at + 2], bytes_[at + 1], bytes_[at]) : CLR_INVALID;
    }

private:
    int32_t Word(size_t at) const {
        return int32_t(bytes_[at] | bytes_[at + 1] << 8 | bytes_[at + 2] << 16 | uint32_t(bytes_[at + 3]) << 24);
    }

    std::vector<unsigned char> bytes_;
};

// Below the three reels, where Classic Bars has its award card, Foxfire Grove has one too:
// the card's frame and its dark face, and the rows of its pay table on it.
TEST(GeneratedMachine, FoxfireGroveHasItsAwardCardBelowTheReelsAsTheBuiltInMachinesDo) {
    const COLORREF face = RGB(12, 12, 20);
    const MachinePicture bars("bars_back.bmp"), foxfire("foxfire_back.bmp");
    ASSERT_EQ(bars.At(51, 327), face) << "the built-in card's place";
    EXPECT_EQ(foxfire.At(51, 327), face);
    EXPECT_EQ(foxfire.At(48, 324), RGB(240, 190, 60)) << "the frame, in the cabinet's gold";
    int lit = 0;  // pixels of its words and icons
    for (int y = 340; y < 386; ++y)
        for (int x = 52; x < 454; ++x) lit += foxfire.At(x, y) != face;
    EXPECT_GT(lit, 1000);
}

// The contrast ratio of two colours' relative luminances, (L1 + 0.05) / (L2 + 0.05).
double Contrast(COLORREF a, COLORREF b) {
    const auto luminance = [](COLORREF c) {
        const auto channel = [](int v) {
            const double x = v / 255.0;
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) + 0.0722 * channel(GetBValue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How a button's label stands out from its face: the face is the picture's commonest
// colour, the label the pixel of the middle band (clear of the edge and the corners) that
// stands out from it most. 0 for a picture that cannot be read.
double LabelContrast(const MachinePicture& button) {
    const int32_t width = button.Width(), height = button.Height();
    std::map<COLORREF, int> counts;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) ++counts[button.At(x, y)];
    if (counts.empty()) return 0;
    COLORREF face = counts.begin()->first;
    for (const auto& [colour, count] : counts)
        if (count > counts[face]) face = colour;
    double most = 0;
    for (int y = height / 4; y < height * 3 / 4; ++y)
        for (int x = width / 6; x < width * 5 / 6; ++x) most = std::max(most, Contrast(button.At(x, y), face));
    return most;
}

// Every button of every machine we make shows that it is disabled: its animation has the
// frame that a disabled button shows (frame 2), in which its label stands out from its face
// by at most half as much as at rest.
TEST(GeneratedMachine, EveryButtonHasADisabledFrameThatIsPlainlyDimmed) {
    std::vector<std::string> machines = {"foxfire", "credits"};
    for (size_t i = 0; i < kBuiltInMachineCount; ++i) {
        const std::string script = kBuiltInMachines[i].script;
        machines.push_back(script.substr(0, script.rfind('.')));
    }
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(kMachineDir.c_str()));
    int buttons = 0;
    for (const std::string& name : machines) {
        MachineDescription md;
        md.Compile(name + ".txt", nullptr, nullptr);
        ASSERT_TRUE(md.IsCompiled()) << name;
        for (const auto& [button, record] : md.GetButtons()) {
            ++buttons;
            const std::vector<std::vector<std::string>>& sequences = record.button.picture.sequences;
            if (sequences.empty() || sequences[0].size() < 3) {
                ADD_FAILURE() << name << ": " << button << " has no disabled frame";
                continue;
            }
            const double atRest = LabelContrast(MachinePicture(sequences[0][0]));
            const double disabled = LabelContrast(MachinePicture(sequences[0][2]));
            EXPECT_GT(atRest, 3.0) << name << ": " << button << " at rest";
            EXPECT_LE(disabled, atRest / 2) << name << ": " << button << " disabled, its label at " << disabled
                                            << " against " << atRest << " at rest";
        }
    }
    SetCurrentDirectoryA(previous);
    EXPECT_EQ(buttons, 4 * int(machines.size()) + 1) << "the credits' Done among them";
}

TEST(ProgramResources, TheIconAndTheCursorsAreInVsl) {
    HMODULE vsl = LoadLibraryExA((kProgramDir + "vsl.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(vsl, nullptr);
    EXPECT_NE(FindResourceA(vsl, MAKEINTRESOURCEA(32000), MAKEINTRESOURCEA(14)), nullptr);  // RT_GROUP_ICON
    for (int id : {110, 111, 115, 116})
        EXPECT_NE(FindResourceA(vsl, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(12)), nullptr) << id;  // RT_GROUP_CURSOR
    FreeLibrary(vsl);
}

}  // namespace
