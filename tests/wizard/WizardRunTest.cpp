// The whole New Machine Wizard driven as the user would, from the game's Create Machine
// command to Finish, over the clip art of our CD: two sets of choices each build a machine
// file that opens in the game and spins; a build over an earlier machine asks first, and
// cancelled (or without its progress dialog) leaves the earlier machine as it was.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

#include "AudioPage.h"
#include "AuloSnd.h"
#include "Bitmap.h"
#include "BmpBytes.h"
#include "DepthConversion.h"
#include "DialogDriver.h"
#include "FrameListeners.h"
#include "GeneralSettings.h"
#include "ItchyFile.h"
#include "MachineHost.h"
#include "MachineIdentifier.h"
#include "MachineToolWindow.h"
#include "NameStylePage.h"
#include "NewMachineWizard.h"
#include "PlayFace.h"
#include "PictureFileText.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "ProgressIds.h"
#include "Quor2_5.h"
#include "RegistryHelpers.h"
#include "SymbolsPage.h"
#include "WizardFinish.h"
#include "WizardIds.h"
#include "WizardSheet.h"

namespace {

const int kBack = 0x3023, kNext = 0x3024, kFinish = 0x3025;
const char kNamePage[] = "Create Machine Wizard:  Select name and styles";
const char kLevelPage[] = "Create Machine Wizard:  Pick payout percentage";
const char kReelsPage[] = "Create Machine Wizard:  Pick number of reels and number of paylines";
const char kSymbolsPage[] = "Create Machine Wizard:  Pick symbols";
const char kAudioPage[] = "Create Machine Wizard:  Choose Audio Clips";
const std::string kFrontDesk = MakeSectionPath("FrontDesk");

PlayerRoster* roster = nullptr;
MachineFace* MakeTestFace(MachineScreen& screen) { return new PlayFace(screen, *roster, nullptr); }

struct Choices {
    const char* name;
    int body;
    int level;  // radio button
    int reels, lines;
    bool wild, cherry;
    const char* groupName;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Empties the folder (the machines, scripts and pictures a run left) and removes it.
void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Time for a screenshot of the page, when the run asks for it.
void HoldForLook()
{
    if (const char* hold = std::getenv("VSL_WIZARD_HOLD_MS"))
        Sleep(DWORD(std::atoi(hold)));
}

HWND Page(HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

void Choose(HWND dialog, int id, int index)
{
    SendDlgItemMessageA(dialog, id, CB_SETCURSEL, index, 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(GetDlgItem(dialog, id)));
}

// Goes through the pages up to the audio page; null when one did not come.
HWND DriveToAudioPage(const Choices& c)
{
    HWND sheet = WaitForDialog(kNamePage);
    if (!sheet)
        return nullptr;
    SetDlgItemTextA(Page(sheet), IDC_WIZARD_NAME, c.name);
    Choose(Page(sheet), IDC_WIZARD_BODY, c.body);
    HoldForLook();
    PressButton(sheet, kNext);
    if (!WaitForDialog(kLevelPage))
        return nullptr;
    PressButton(Page(sheet), c.level);
    HoldForLook();
    PressButton(sheet, kNext);
    if (!WaitForDialog(kReelsPage))
        return nullptr;
    PressButton(Page(sheet), c.reels);
    PressButton(Page(sheet), c.lines);
    HoldForLook();
    PressButton(sheet, kNext);
    if (!WaitForDialog(kSymbolsPage))
        return nullptr;
    HWND symbols = Page(sheet);
    SetDlgItemTextA(symbols, IDC_WIZARD_GROUP_NAME, c.groupName);
    if (c.wild)
        PressButton(symbols, IDC_WIZARD_WILD);
    if (!c.cherry)
        PressButton(symbols, IDC_WIZARD_CHERRY);
    HoldForLook();
    PressButton(sheet, kNext);
    if (!WaitForDialog(kAudioPage))
        return nullptr;
    HoldForLook();
    return sheet;
}

// Finish, and the "Saving" dialog seen (and cancelled when asked) until it goes.
bool FinishAndWatch(HWND sheet, bool cancel, bool answerReplace)
{
    PostMessageA(GetDlgItem(sheet, kFinish), BM_CLICK, 0, 0);
    if (answerReplace) {
        HWND box = WaitForDialog("Machine exists");
        if (!box)
            return false;
        PressButton(box, IDYES);
    }
    HWND saving = WaitForDialog("Saving");
    if (!saving)
        return false;
    if (cancel)
        PressButton(saving, IDCANCEL);
    else
        HoldForLook();
    return WaitUntil([saving] { return !IsWindow(saving); }, 120000);
}

class WizardRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitCommonControls();
        RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");
        char here[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, here);
        previousFolder_ = here;
        folder_ = previousFolder_ + "\\wizard_run_" + std::to_string(GetCurrentProcessId());
        RemoveFolder(folder_);  // process numbers come again under Wine
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
        CopyFileA(itchy_.Path().c_str(), "itchy.ast", FALSE);
        std::string clipArt = std::string("Z:") + VSL_CLIP_ART_DIR;
        for (char& ch : clipArt)
            if (ch == '/')
                ch = '\\';
        previousClipArt_ = GetClipArtPathSetting().Get();
        GetClipArtPathSetting().Set(clipArt);
        _putenv("AULOSND_SILENT=1");  // no sound device in the tests
        AuloOpen(nullptr, 22050, 16, 2);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
        WriteRegistryString(kFrontDesk, "Player1Name", "Ada Lovelace");
        WriteRegistryDword(kFrontDesk, "Player1Cash", 100000);
        WriteRegistryDword(kFrontDesk, "Player1Active", 1);
        roster_ = std::make_unique<PlayerRoster>();
        roster = roster_.get();
        host_ = std::make_unique<MachineHost>(&MakeTestFace);
        SetFrameRate(30);
        SetFrameCallback(OnEngineFrame);
    }
    void TearDown() override
    {
        SetFrameCallback(nullptr);
        host_.reset();
        roster_.reset();
        AuloClose();
        GetClipArtPathSetting().Set(previousClipArt_);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
        SetCurrentDirectoryA(previousFolder_.c_str());
        if (!std::getenv("VSL_WIZARD_KEEP_FILES"))
            RemoveFolder(folder_);
    }

    // The wizard from the game's command, driven on a helper thread.
    bool RunWizard(const std::function<bool()>& steps)
    {
        bool driven = false;
        DialogDriver driver([&] { driven = steps(); });
        NewMachineWizard(host_->Main());
        driver.Join();
        return driven;
    }

    // The machine open in the game takes coins and spins to its end; what the bet did not
    // take stays on the credit meter.
    void SpinOpenMachine(int reels, uint32_t coins = 1)
    {
        MachineScreen* screen = MachineHost::CurrentMachine();
        ASSERT_NE(nullptr, screen) << "the new machine is open";
        auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
        ASSERT_NE(nullptr, face);
        EXPECT_EQ(reels, face->GetReels().Count());
        face->GetMoney().AddCoins(coins);
        ASSERT_TRUE(face->GetButtons().IsButtonEnabled(Button::Spin));
        HWND pane = MachineHost::Current()->GetPane()->GetHandle();
        SendMessageA(pane, WM_KEYDOWN, 'S', 0);
        EXPECT_FALSE(face->GetSpin().IsIdle()) << "the hot key started the spin";
        const DWORD deadline = GetTickCount() + 30000;
        while (!face->GetSpin().IsIdle() && GetTickCount() < deadline) {
            PumpMessages();
            Sleep(5);
        }
        EXPECT_TRUE(face->GetSpin().IsIdle());
        EXPECT_EQ(0, face->GetMeters().Bet());
    }

    // The machine's tool window shows all of its art: the body with its award card, the
    // buttons and the bill acceptor are in view, and Cash Out clicked where it shows gives
    // the player the credits back (the machine has credits and no bet).
    void ShowsTheWholeMachineAndCashesOut()
    {
        MachineToolWindow* window = MachineHost::Current();
        MachineScreen* screen = MachineHost::CurrentMachine();
        ASSERT_NE(nullptr, screen);
        const MachineFile& file = screen->File();
        EXPECT_GT(file.GetArtWidth(), MachineToolWindow::kWidth) << "the wizard's bodies are wider than 600";
        RECT client;
        GetClientRect(window->GetHandle(), &client);
        EXPECT_GE(client.right, file.GetArtWidth());
        EXPECT_GE(client.bottom, file.GetArtHeight());
        const POINT camera = {screen->GetCamera().x, screen->GetCamera().y};
        const RECT view = {camera.x, camera.y, camera.x + client.right, camera.y + client.bottom};
        for (const ElementRecord& e : screen->Records().elements) {
            const RECT rect = {e.rect.left, e.rect.top, e.rect.right, e.rect.bottom};
            RECT inside;
            IntersectRect(&inside, &rect, &view);
            EXPECT_TRUE(EqualRect(&inside, &rect)) << e.name << " is in view";
        }
        auto* face = dynamic_cast<PlayFace*>(screen->GetFace());
        ASSERT_NE(nullptr, face);
        HoldForLook();
        const int64_t credit = face->GetMeters().Credit();
        ASSERT_GT(credit, 0);
        const int64_t cash = roster->GetCash().Cents();
        const ElementRecord* cashOut = screen->Records().FindElement("CashOut");
        ASSERT_NE(nullptr, cashOut);
        const LPARAM at = MAKELPARAM((cashOut->rect.left + cashOut->rect.right) / 2 - camera.x,
                                     (cashOut->rect.top + cashOut->rect.bottom) / 2 - camera.y);
        HWND pane = window->GetPane()->GetHandle();
        SendMessageA(pane, WM_MOUSEMOVE, 0, at);
        SendMessageA(pane, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(pane, WM_LBUTTONUP, 0, at);
        PumpMessages();
        EXPECT_EQ(0, face->GetMeters().Credit());
        EXPECT_EQ(cash + credit * screen->GetDenomination().Cents(), roster->GetCash().Cents());
    }

    ItchyFile itchy_;
    std::string previousFolder_, folder_, previousClipArt_;
    std::unique_ptr<PlayerRoster> roster_;
    std::unique_ptr<MachineHost> host_;
};

// One machine of each style: the traditional, the gold and the beach body, each shown whole.
TEST_F(WizardRunTest, ThreeSetsOfChoicesBuildMachinesThatOpenAndSpin)
{
    const Choices first = {"Lucky Lantern", 0, IDC_WIZARD_LEVEL_HIGH, IDC_WIZARD_3_REELS, IDC_WIZARD_5_LINES,
                           false, true, "fruit"};
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = DriveToAudioPage(first);
        return sheet && FinishAndWatch(sheet, false, false);
    }));
    EXPECT_TRUE(Exists("Lucky Lantern.slot"));
    EXPECT_TRUE(Exists("Lucky Lantern.txt"));
    SpinOpenMachine(3, 12);
    ShowsTheWholeMachineAndCashesOut();
    MachineHost::CloseAll();

    const Choices second = {"Moon/Tide", 1, IDC_WIZARD_LEVEL_MEDIUM, IDC_WIZARD_4_REELS, IDC_WIZARD_1_LINE, true,
                            false, "tides"};
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = DriveToAudioPage(second);
        return sheet && FinishAndWatch(sheet, false, false);
    }));
    ASSERT_TRUE(Exists("Moon-2fTide.slot"));
    SpinOpenMachine(4, 12);
    ShowsTheWholeMachineAndCashesOut();
    EXPECT_NE(std::string::npos, ReadAll("Moon-2fTide.txt").find("Moon/Tide"));
    MachineHost::CloseAll();

    // A double quote in the name: the file name encodes it, the title shows two single quotes.
    const Choices third = {"Sandy \"Cove\"", 2, IDC_WIZARD_LEVEL_LOW, IDC_WIZARD_3_REELS, IDC_WIZARD_3_LINES,
                           false, true, "shells"};
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = DriveToAudioPage(third);
        return sheet && FinishAndWatch(sheet, false, false);
    }));
    ASSERT_TRUE(Exists("Sandy -22Cove-22.slot"));
    ASSERT_NE(nullptr, MachineHost::CurrentMachine());
    EXPECT_EQ("Sandy ''Cove''", MachineHost::CurrentMachine()->GetTitle());
    SpinOpenMachine(3, 12);
    ShowsTheWholeMachineAndCashesOut();
}

// The name page previews each body with its arm and buttons beside the award card's
// background.
TEST_F(WizardRunTest, TheNamePagePreviewsEachStyle)
{
    int previews = 0;
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = WaitForDialog(kNamePage);
        if (!sheet)
            return false;
        for (int body = 0; body < 3; ++body) {
            Choose(Page(sheet), IDC_WIZARD_BODY, body);
            previews += GetDlgItem(Page(sheet), IDC_WIZARD_PREVIEW + 10000) != nullptr ? 1 : 0;
            HoldForLook();
        }
        const bool backdrop = GetDlgItem(Page(sheet), IDC_WIZARD_AWARD_BACKDROP + 10000) != nullptr;
        PressButton(sheet, IDCANCEL);
        WakeSheetLoop(sheet);
        return backdrop;
    }));
    EXPECT_EQ(3, previews);
}

std::string Text(HWND dialog, int id)
{
    char buffer[1024] = {};  // a refusal names a file and what is read
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer - 1);
    return buffer;
}

// A box that came up is answered with OK; false when none came.
bool AnswerBox(const char* caption)
{
    HWND box = WaitForDialog(caption, 5000);
    if (box)
        PressButton(box, IDOK);
    return box != nullptr;
}

struct SymbolsSeen {
    bool information = false, memberZeroOut = false, memberZeroDisabled = false;
    bool notFinished = false, stayed = false;
};

// WILD takes the jackpot symbol out of the group with a word to the user; a group of one
// keeps the wizard on the page.
TEST_F(WizardRunTest, TheSymbolsPageKeepsWildOutOfTheGroupAndRefusesAGroupOfOne)
{
    SymbolsSeen seen;
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = WaitForDialog(kNamePage);
        for (const char* caption : {kLevelPage, kReelsPage, kSymbolsPage}) {
            PressButton(sheet, kNext);
            if (!WaitForDialog(caption))
                return false;
        }
        HWND page = Page(sheet);
        PressButton(page, IDC_WIZARD_MEMBER_0);
        PostMessageA(GetDlgItem(page, IDC_WIZARD_WILD), BM_CLICK, 0, 0);
        seen.information = AnswerBox("Information");
        // The page settles once the box is gone, on its own thread.
        WaitUntil([&] {
            return Text(page, IDC_WIZARD_MEMBER_0) == "out" && !IsWindowEnabled(GetDlgItem(page, IDC_WIZARD_MEMBER_0));
        });
        seen.memberZeroOut = Text(page, IDC_WIZARD_MEMBER_0) == "out";
        seen.memberZeroDisabled = !IsWindowEnabled(GetDlgItem(page, IDC_WIZARD_MEMBER_0));
        SetDlgItemTextA(page, IDC_WIZARD_GROUP_NAME, "bars");
        PressButton(page, IDC_WIZARD_MEMBER_0 + 2);
        PressButton(page, IDC_WIZARD_MEMBER_0 + 3);
        PostMessageA(GetDlgItem(sheet, kNext), BM_CLICK, 0, 0);
        seen.notFinished = AnswerBox("Machine Not Finished");
        Sleep(200);
        seen.stayed = Page(sheet) == page;
        PressButton(sheet, IDCANCEL);
        WakeSheetLoop(sheet);
        return true;
    }));
    EXPECT_TRUE(seen.information);
    EXPECT_TRUE(seen.memberZeroOut);
    EXPECT_TRUE(seen.memberZeroDisabled);
    EXPECT_TRUE(seen.notFinished);
    EXPECT_TRUE(seen.stayed);
}

struct DefaultsSeen {
    int shortViews = 0;  // symbol views too small for a whole 64 x 64 picture
    bool reachedAudio = false, stopped = false;
};

// Every default taken: the symbol views show the gallery's 64 x 64 pictures whole (the
// triple BAR and the cherry were cut at the bottom) and Next goes on to the audio page
// (the default group had no name).
TEST_F(WizardRunTest, WithEveryDefaultTheSymbolsPageShowsWholePicturesAndGoesOn)
{
    DefaultsSeen seen;
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = WaitForDialog(kNamePage);
        for (const char* caption : {kLevelPage, kReelsPage, kSymbolsPage}) {
            PressButton(sheet, kNext);
            if (!WaitForDialog(caption))
                return false;
        }
        HWND page = Page(sheet);
        for (int id : {IDC_WIZARD_SYMBOL_0, IDC_WIZARD_SYMBOL_0 + 1, IDC_WIZARD_SYMBOL_0 + 2, IDC_WIZARD_SYMBOL_0 + 3,
                       IDC_WIZARD_SYMBOL_0 + 4, int(IDC_WIZARD_SYMBOL_CHERRY), int(IDC_WIZARD_SYMBOL_SPOILER)}) {
            RECT client = {};
            GetClientRect(GetDlgItem(page, id + 10000), &client);
            seen.shortViews += client.right < 64 || client.bottom < 64 ? 1 : 0;
        }
        HoldForLook();
        DialogDriver boxes([&] { seen.stopped = AnswerBox("Machine Not Finished"); });
        PostMessageA(GetDlgItem(sheet, kNext), BM_CLICK, 0, 0);
        seen.reachedAudio = WaitForDialog(kAudioPage, 5000) != nullptr;
        if (!seen.reachedAudio)
            boxes.Join();
        PressButton(sheet, IDCANCEL);
        WakeSheetLoop(sheet);
        if (seen.reachedAudio)
            boxes.Join();
        return true;
    }));
    EXPECT_EQ(0, seen.shortViews);
    EXPECT_TRUE(seen.reachedAudio);
    EXPECT_FALSE(seen.stopped);
}

// A 15-bit picture of one colour with a dot of another in its middle.
Bitmap PlainPicture(int32_t width, int32_t height, uint16_t colour, uint16_t dot)
{
    Bitmap picture(width, height, 15, true);
    GdiFlush();
    for (int32_t y = 0; y < height; ++y) {
        uint16_t* row = reinterpret_cast<uint16_t*>(picture.View().Row(y));
        for (int32_t x = 0; x < width; ++x)
            row[x] = std::abs(x - width / 2) < 3 && std::abs(y - height / 2) < 3 ? dot : colour;
    }
    return picture;
}

struct PictureSeen {
    bool shown = false;
    std::string file, here;
    int32_t width = 0, height = 0;
    uint32_t corner = 0, inside = 0, white = 0;
};

// A picture from a file or the clipboard fills the reel symbol's 64 x 64 keeping its
// proportions, on its own background, and waits outside the program's folder: a square
// picture was squashed to 64 x 48 with black bands on the reels, and "sym1.bmp" stayed
// behind in the program's folder.
TEST_F(WizardRunTest, ACustomPictureKeepsItsProportionsOnItsOwnBackground)
{
    WizardSheet sheet(nullptr);
    SymbolsPage symbols(&sheet);
    PictureSeen square, wide;
    DialogDriver driver([&] {
        HWND window = WaitForDialog(kSymbolsPage);
        if (!window)
            return;
        auto show = [&](int slot, const Bitmap& source, PictureSeen& seen) {
            SymbolSlot& view = *symbols.Slot(slot);
            seen.shown = view.ShowBitmapPicture(source);
            seen.file = view.FileName();
            char here[MAX_PATH] = {};
            GetCurrentDirectoryA(MAX_PATH, here);
            seen.here = here;
            Bitmap saved;
            if (!saved.LoadImageFile(seen.file))
                return;
            seen.width = saved.Width();
            seen.height = saved.Height();
            seen.corner = PixelColour(saved.View(), 0, 0);
            seen.inside = PixelColour(saved.View(), 2, saved.Height() / 2 - 2);
        };
        show(1, PlainPicture(64, 64, 0x001F, 0x7C00), square);
        show(2, PlainPicture(128, 48, 0x03E0, 0x7C00), wide);
        HoldForLook();
        PressButton(window, IDCANCEL);
        WakeSheetLoop(window);
    });
    sheet.RunWizard();
    driver.Join();
    for (const PictureSeen* seen : {&square, &wide}) {
        EXPECT_TRUE(seen->shown);
        EXPECT_EQ(64, seen->width);
        EXPECT_EQ(64, seen->height);
        const std::string folder = seen->file.substr(0, seen->file.find_last_of("\\/"));
        EXPECT_NE(std::string::npos, seen->file.find_last_of("\\/")) << seen->file;
        EXPECT_NE(0, lstrcmpiA(folder.c_str(), seen->here.c_str())) << seen->file;
        EXPECT_EQ(seen->inside, seen->corner);  // the margins, if any, are the picture's own colour
        DeleteFileA(seen->file.c_str());
    }
    EXPECT_NE(std::string::npos, wide.file.find("sym2.bmp"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("sym1.bmp"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("sym2.bmp"));
}

// An 8-bit mono PCM sound at 11025 Hz of `samples` samples.
void WriteWave(const std::string& path, uint32_t samples)
{
    std::ofstream out(path, std::ios::binary);
    auto word = [&out](uint32_t v, int bytes) {
        for (int b = 0; b < bytes; ++b)
            out.put(char(v >> (8 * b)));
    };
    out << "RIFF";
    word(36 + samples, 4);
    out << "WAVEfmt ";
    word(16, 4), word(1, 2), word(1, 2), word(11025, 4), word(11025, 4), word(1, 2), word(8, 2);
    out << "data";
    word(samples, 4);
    for (uint32_t i = 0; i < samples; ++i)
        out.put(char(i % 40 < 20 ? 0x60 : 0xA0));
}

struct AudioSeen {
    LRESULT listed = 0, afterTwo = 0, afterChoice = 0;
    std::string chosen;
    bool tooBig = false, refused = false;
};

// A custom sound takes the combo's last entry (once, however often one is loaded) until
// another entry is chosen; files too big or not sound are refused with a box.
TEST_F(WizardRunTest, TheAudioPageKeepsOneCustomSoundPerSlot)
{
    WriteWave("custom.wav", 2000);
    WriteWave("other.wav", 1000);
    { std::ofstream("noise.wav", std::ios::binary) << "not a sound"; }
    { std::ofstream("big.wav", std::ios::binary) << std::string(2000001, 'x'); }
    WizardSheet sheet(nullptr);
    AudioPage audio(&sheet);
    AudioSeen seen;
    DialogDriver driver([&] {
        HWND window = WaitForDialog(kAudioPage);
        if (!window)
            return;
        HWND page = Page(window);
        seen.listed = SendDlgItemMessageA(page, IDC_WIZARD_SOUND_WIN, CB_GETCOUNT, 0, 0);
        audio.LoadCustomSound(2, "custom.wav");
        audio.LoadCustomSound(2, "other.wav");
        seen.afterTwo = SendDlgItemMessageA(page, IDC_WIZARD_SOUND_WIN, CB_GETCOUNT, 0, 0);
        seen.chosen = sheet.document.customSoundFiles[2];
        Choose(page, IDC_WIZARD_SOUND_WIN, 3);
        seen.afterChoice = SendDlgItemMessageA(page, IDC_WIZARD_SOUND_WIN, CB_GETCOUNT, 0, 0);
        DialogDriver boxes([&] { seen.tooBig = AnswerBox("Sound file too big"); });
        audio.LoadCustomSound(0, "big.wav");
        boxes.Join();
        DialogDriver refusal([&] { seen.refused = AnswerBox("Error loading sound file"); });
        audio.LoadCustomSound(0, "noise.wav");
        refusal.Join();
        PressButton(window, IDCANCEL);
        WakeSheetLoop(window);
    });
    sheet.RunWizard();
    driver.Join();
    EXPECT_GT(seen.listed, 1);
    EXPECT_EQ(seen.listed + 1, seen.afterTwo);
    EXPECT_EQ("other.wav", seen.chosen);
    EXPECT_EQ(seen.listed, seen.afterChoice);
    EXPECT_TRUE(sheet.document.customSoundFiles[2].empty());
    EXPECT_EQ(2, sheet.document.soundGalleryIndexes[2]);
    EXPECT_TRUE(seen.tooBig);
    EXPECT_TRUE(seen.refused);
    EXPECT_TRUE(sheet.document.customSoundFiles[0].empty());
}

std::string ButtonText(HWND page, int id)
{
    char text[32] = {};
    GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

// The texts a button is given, in order, kept by a subclass of it: a short sound may end
// before another thread reads what its button said while it played.
class ButtonTexts {
public:
    explicit ButtonTexts(HWND button) : button_(button)
    {
        kept = this;
        proc_ = WNDPROC(SetWindowLongPtrA(button, GWLP_WNDPROC, LONG_PTR(&ButtonTexts::Keep)));
    }
    ~ButtonTexts()
    {
        SetWindowLongPtrA(button_, GWLP_WNDPROC, LONG_PTR(proc_));
        kept = nullptr;
    }
    std::vector<std::string> Given()
    {
        std::lock_guard<std::mutex> hold(lock_);
        return texts_;
    }

private:
    static LRESULT CALLBACK Keep(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SETTEXT && lParam) {
            std::lock_guard<std::mutex> hold(kept->lock_);
            kept->texts_.push_back(reinterpret_cast<const char*>(lParam));
        }
        return CallWindowProcA(kept->proc_, window, message, wParam, lParam);
    }

    static ButtonTexts* kept;
    HWND button_;
    WNDPROC proc_ = nullptr;
    std::mutex lock_;
    std::vector<std::string> texts_;
};
ButtonTexts* ButtonTexts::kept = nullptr;

// A gallery sound's Play button reads "Stop Playing" while the sound plays and "Play"
// again once it has ended; Stop Playing stops every sound.
TEST_F(WizardRunTest, GallerySoundsGiveTheirPlayButtonBackWhenTheyEnd)
{
    WizardSheet sheet(nullptr);
    AudioPage audio(&sheet);
    std::string playing, ended, stopped[2];
    DialogDriver driver([&] {
        HWND window = WaitForDialog(kAudioPage);
        if (!window)
            return;
        HWND page = Page(window);
        const int reelStop = IDC_WIZARD_PLAY_0 + 1, spin = IDC_WIZARD_PLAY_0;
        {
            ButtonTexts texts(GetDlgItem(page, reelStop));
            PressButton(page, reelStop);
            WaitUntil([&] { return texts.Given().size() >= 2; }, 60000);
            const std::vector<std::string> given = texts.Given();
            playing = given.empty() ? "" : given[0];
            ended = given.size() < 2 ? "" : given[1];
        }
        HoldForLook();
        PressButton(page, spin);
        PressButton(page, reelStop);
        PressButton(page, spin);
        stopped[0] = ButtonText(page, spin);
        stopped[1] = ButtonText(page, reelStop);
        PressButton(window, IDCANCEL);
        WakeSheetLoop(window);
    });
    sheet.RunWizard();
    driver.Join();
    EXPECT_EQ("Stop Playing", playing);
    EXPECT_EQ("Play", ended);
    EXPECT_EQ("Play", stopped[0]);
    EXPECT_EQ("Play", stopped[1]);
}

// An empty name keeps the wizard on the name page; one with a double quote goes on.
TEST_F(WizardRunTest, TheNamePageRefusesANameThatGivesNoMachine)
{
    bool refused = false, stayed = false, movedOn = false;
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = WaitForDialog(kNamePage);
        if (!sheet)
            return false;
        HWND page = Page(sheet);
        SetDlgItemTextA(page, IDC_WIZARD_NAME, "");
        PostMessageA(GetDlgItem(sheet, kNext), BM_CLICK, 0, 0);
        refused = AnswerBox("Machine Not Finished");
        stayed = WaitForDialog(kNamePage, 2000) != nullptr && Page(sheet) == page;
        SetDlgItemTextA(page, IDC_WIZARD_NAME, "The \"Best\"");
        PressButton(sheet, kNext);
        movedOn = WaitForDialog(kLevelPage) != nullptr;
        PressButton(sheet, IDCANCEL);
        WakeSheetLoop(sheet);
        return true;
    }));
    EXPECT_TRUE(refused);
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(movedOn);
}

// The text of a message box with the caption, which is then answered with OK; empty when
// none came.
std::string ReadAndAnswerBox(const char* caption)
{
    HWND box = WaitForDialog(caption, 20000);
    if (!box)
        return std::string();
    const std::string text = Text(box, 0xFFFF);
    PressButton(box, IDOK);
    return text.empty() ? "(a box without text)" : text;
}

// Finish checks the name and moves an earlier machine aside before it writes anything: a
// refused name leaves no award card behind, and an earlier file that cannot be moved is
// named in a box, with the earlier machine as it was.
TEST_F(WizardRunTest, FinishWritesNothingUntilTheNameAndTheEarlierMachineAreSettled)
{
    { std::ofstream("Stuck.slot", std::ios::binary) << "earlier machine"; }
    CreateDirectoryA("Stuck.slot.earlier", nullptr);  // a folder in the way of the set-aside
    { std::ofstream("Stuck.slot.earlier\\keep", std::ios::binary) << "x"; }
    struct Case {
        const char* name;
        const char* caption;
        std::string expected, seen;
        bool stayed = false;
    } cases[2] = {{"", "Machine Not Finished", "The machine needs a name.", {}},
                  {"Stuck", "Machine not saved", SetAsideFailedText("Stuck.slot"), {}}};
    for (Case& c : cases) {
        WizardSheet sheet(nullptr);
        AudioPage audio(&sheet);
        MachineNameToIdentifier(sheet.document, c.name);
        DialogDriver driver([&] {
            HWND window = WaitForDialog(kAudioPage);
            if (!window)
                return;
            PostMessageA(GetDlgItem(window, kFinish), BM_CLICK, 0, 0);
            if (c.caption == cases[1].caption) {
                HWND question = WaitForDialog("Machine exists");
                if (question)
                    PressButton(question, IDYES);
            }
            c.seen = ReadAndAnswerBox(c.caption);
            c.stayed = WaitForDialog(kAudioPage, 2000) != nullptr;
            PressButton(window, IDCANCEL);
            WakeSheetLoop(window);
        });
        sheet.RunWizard();
        driver.Join();
        EXPECT_EQ(c.expected, c.seen);
        EXPECT_TRUE(c.stayed);
        const std::string identifier = sheet.document.identifier;
        for (const char* suffix : {".bmp", ".txt"})
            EXPECT_FALSE(Exists(identifier + suffix)) << identifier + suffix;
    }
    EXPECT_EQ("earlier machine", ReadAll("Stuck.slot"));
    EXPECT_TRUE(Exists("Stuck.slot.earlier\\keep"));
    DeleteFileA("Stuck.slot.earlier\\keep");
    RemoveDirectoryA("Stuck.slot.earlier");
}

// A picture the game does not read gets one answer, the reason and the files read, as
// the award card's background and as a symbol alike.
TEST_F(WizardRunTest, APictureThatIsNotReadIsRefusedAlikeAsAwardCardAndAsSymbol)
{
    const std::vector<uint8_t> deep = Version5Bmp(32, 24);
    { std::ofstream("deep.bmp", std::ios::binary).write(reinterpret_cast<const char*>(deep.data()), std::streamsize(deep.size())); }
    WizardSheet sheet(nullptr);
    NameStylePage name(&sheet);
    SymbolsPage symbols(&sheet);
    std::string asCard, asSymbol;
    DialogDriver driver([&] {
        HWND window = WaitForDialog(kNamePage);
        if (!window)
            return;
        if (name.Backdrop()) {
            DialogDriver box([&] { asCard = ReadAndAnswerBox("Error loading file"); });
            name.Backdrop()->LoadPath("deep.bmp");
            box.Join();
        }
        DialogDriver box([&] { asSymbol = ReadAndAnswerBox("Error loading file"); });
        symbols.LoadPathInto(0, "deep.bmp");
        box.Join();
        PressButton(window, IDCANCEL);
        WakeSheetLoop(window);
    });
    sheet.RunWizard();
    driver.Join();
    EXPECT_EQ(PictureNotReadText("deep.bmp"), asCard);
    EXPECT_EQ(asCard, asSymbol);
    EXPECT_NE(std::string::npos, asCard.find("deep.bmp cannot be read: its BMP header is 124 bytes long")) << asCard;
    EXPECT_NE(std::string::npos, asCard.find(kPictureFilesRead)) << asCard;
    EXPECT_TRUE(sheet.document.symbolCustomFiles[0].empty()) << "the symbol keeps its pick";
}

// The earlier machine of the same name is asked about, set aside while the new one is
// built, and back as it was when the build is cancelled.
TEST_F(WizardRunTest, CancelDuringTheBuildLeavesTheEarlierMachineWhole)
{
    { std::ofstream("Old Reliable.slot", std::ios::binary) << "earlier machine"; }
    { std::ofstream("Old Reliable.txt", std::ios::binary) << "earlier script"; }
    const Choices choices = {"Old Reliable", 0, IDC_WIZARD_LEVEL_LOW, IDC_WIZARD_3_REELS, IDC_WIZARD_3_LINES,
                             false, true, "fruit"};
    bool stayed = false;
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = DriveToAudioPage(choices);
        if (!sheet || !FinishAndWatch(sheet, true, true))
            return false;
        stayed = WaitForDialog(kAudioPage, 5000) != nullptr;
        PressButton(sheet, IDCANCEL);
        WakeSheetLoop(sheet);
        return true;
    }));
    EXPECT_TRUE(stayed) << "the wizard stays on the audio page";
    EXPECT_EQ("earlier machine", ReadAll("Old Reliable.slot"));
    EXPECT_EQ("earlier script", ReadAll("Old Reliable.txt"));
    EXPECT_FALSE(Exists("Old Reliable.slot.earlier"));
    EXPECT_EQ(nullptr, MachineHost::CurrentMachine());
}

// When the "Saving" dialog cannot be made the worker does not wait for it for ever.
TEST_F(WizardRunTest, WithoutItsProgressDialogTheBuildEndsAndKeepsTheEarlierMachine)
{
    { std::ofstream("Spare.slot", std::ios::binary) << "earlier machine"; }
    SetSavingDialogResource(9999);
    const Choices choices = {"Spare", 0, IDC_WIZARD_LEVEL_HIGH, IDC_WIZARD_3_REELS, IDC_WIZARD_1_LINE, false, true,
                             "fruit"};
    bool stayed = false;
    ASSERT_TRUE(RunWizard([&] {
        HWND sheet = DriveToAudioPage(choices);
        if (!sheet)
            return false;
        PostMessageA(GetDlgItem(sheet, kFinish), BM_CLICK, 0, 0);
        HWND box = WaitForDialog("Machine exists");
        if (box)
            PressButton(box, IDYES);
        Sleep(500);
        stayed = WaitForDialog(kAudioPage, 20000) != nullptr && IsWindowEnabled(sheet);
        PressButton(sheet, IDCANCEL);
        WakeSheetLoop(sheet);
        return box != nullptr;
    }));
    SetSavingDialogResource(IDD_PROGRESS_CANCEL);
    EXPECT_TRUE(stayed);
    EXPECT_EQ("earlier machine", ReadAll("Spare.slot"));
    EXPECT_FALSE(Exists("Spare.slot.earlier"));
}

}  // namespace
