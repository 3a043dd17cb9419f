// The game window with the program's menus: every item of the five menus read back with
// its id and text, the Custom submenu built from the ".slot" files of the game folder with
// their titles, the machine commands opening the screen window of a machine file that is
// there and reporting one that is missing, the command-line machine from the game folder
// played at once, once, and the notes command opening the notes in the word processor; every
// caption of the program's dialogs fits its control, and the caption buttons have their font.
#include <gtest/gtest.h>

#include <windows.h>

#include <direct.h>

#include <fstream>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "Application.h"
#include "AssetFileTitle.h"
#include "CaptionFit.h"
#include "CaptionPainter.h"
#include "DialogDriver.h"
#include "CustomMachines.h"
#include "GameMenuIds.h"
#include "GameWindow.h"
#include "GameWindowServices.h"
#include "ItchyFile.h"
#include "MachineFiles.h"
#include "MessageBoxWatcher.h"
#include "PlayerRoster.h"
#include "ScreenSlots.h"
#include "ShowScreen.h"
#include "SystemInfo.h"
#include "TestScreens.h"
#include "TvPane.h"

namespace {
// One menu item as the menu API reports it: "-" for separators, ">" before a submenu's text.
std::vector<std::string> ReadMenu(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_TYPE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        GetMenuItemInfoA(menu, UINT(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR)
            items.push_back("-");
        else if (info.hSubMenu)
            items.push_back(std::string(">") + text);
        else
            items.push_back(std::to_string(info.wID) + " " + text);
    }
    return items;
}

std::vector<std::string> ReadMenuResource(int id, int popup) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!menu) return {"no menu"};
    std::vector<std::string> items = popup < 0 ? ReadMenu(menu) : ReadMenu(GetSubMenu(menu, popup));
    DestroyMenu(menu);
    return items;
}

using Items = std::vector<std::string>;

TEST(GameMenusTest, EveryMenuHasItsItemsWithTheirIdsAndTexts) {
    EXPECT_EQ(ReadMenuResource(103, -1), (Items{">&Game"}));
    EXPECT_EQ(ReadMenuResource(103, 0), (Items{"40001 E&xit"}));
    EXPECT_EQ(ReadMenuResource(102, -1), (Items{">&Game", ">&Help"}));
    EXPECT_EQ(ReadMenuResource(102, 0), (Items{"40046 &Lobby", "40006 &Front Desk", "40001 E&xit"}));
    EXPECT_EQ(ReadMenuResource(102, 1), (Items{"40063 &Contents", "40044 &About"}));
    EXPECT_EQ(ReadMenuResource(118, 0), (Items{"40046 &Lobby", "-", "40001 E&xit"}));
    EXPECT_EQ(ReadMenuResource(118, 1), (Items{"40063 &Contents", "-", "40003 &About Vellmoor(tm) Slots..."}));
    EXPECT_EQ(ReadMenuResource(129, -1), (Items{">&Game"}));
    EXPECT_EQ(ReadMenuResource(129, 0), (Items{"40046 &Lobby", "40006 &Front Desk", "-", "40001 E&xit"}));
    EXPECT_EQ(ReadMenuResource(104, -1), (Items{">&Game", ">&Options", ">&Tools", ">&Help"}));
    EXPECT_EQ(ReadMenuResource(104, 0),
              (Items{">&Classic Machines", ">&Wheel Machines", ">&Five Reel Machines", ">&Nine Reel Machines",
                     ">&Sports Machines", ">F&antasy Machines", "-", ">C&ustom", "-", "40006 Front &Desk",
                     "40001 E&xit"}));
    EXPECT_EQ(ReadMenuResource(104, 1), (Items{"40034 &Options"}));
    EXPECT_EQ(ReadMenuResource(104, 2), (Items{"40032 &Create Machine", "-", "40002 Compile &Script",
                                               "40005 C&alculate Payout", "40004 &Edit Machine"}));
    EXPECT_EQ(ReadMenuResource(104, 3), (Items{"40063 &Contents", "40025 Viradu &Documentation", "-",
                                               "40003 &About Vellmoor(tm) Slots"}));
}

// Every dialog of the program's resources, made in this prefix's fonts: each control's
// caption fits the room its control leaves for text.
TEST(GameDialogsTest, EveryCaptionFitsItsControl) {
    HINSTANCE module = GetModuleHandleA(nullptr);
    HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, module, nullptr);
    ASSERT_NE(parent, nullptr);
    const std::vector<std::string> names = caption_fit::DialogNames(module);
    EXPECT_GE(names.size(), 19u);
    std::vector<std::string> problems;
    for (const std::string& name : names) {
        for (const std::string& problem : caption_fit::MeasureDialog(module, name.c_str(), parent))
            problems.push_back(problem);
    }
    DestroyWindow(parent);
    std::string report;
    for (const std::string& problem : problems) report += problem + "\n";
    EXPECT_TRUE(problems.empty()) << problems.size() << " captions do not fit:\n" << report;
}

// Where Wine draws a window's frame itself (as in this prefix), the caption's minimize,
// maximize and close buttons are the characters "0", "1" and "r" of Wine's symbol font,
// drawn as letters of another face where the prefix lacks it.
TEST(GameWindowFrameTest, TheCaptionButtonsAreDrawnFromTheSymbolFont) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, 0, 0, 0, 0, "Marlett");
    HGDIOBJ old = SelectObject(dc, font);
    char face[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof face, face);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    EXPECT_STREQ(face, "Marlett") << "the symbol font is missing from the prefix's Fonts folder";
}

TEST(GameMenusTest, TheLobbyOffersEveryBuiltInMachineByGroup) {
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(104));
    ASSERT_NE(menu, nullptr);
    HMENU game = GetSubMenu(menu, 0);
    EXPECT_EQ(ReadMenu(GetSubMenu(game, 0)), (Items{"40023 Fourth of &July", "40009 Classic &Bars",
                                                    "40022 Classic &Progressive", "40010 &King's Ransom",
                                                    "40026 Pot of &Gold"}));
    EXPECT_EQ(ReadMenu(GetSubMenu(game, 1)), (Items{"40037 &Lucky Losers", "40039 &Wonder Wheel"}));
    EXPECT_EQ(ReadMenu(GetSubMenu(game, 2)), (Items{"40035 &Bucks Outback"}));
    EXPECT_EQ(ReadMenu(GetSubMenu(game, 3)), (Items{"40014 &Merlin's Castle"}));
    EXPECT_EQ(ReadMenu(GetSubMenu(game, 4)), (Items{"40036 &Gridiron", "40048 Gridiron G&old", "40017 &Hardcore Sports"}));
    EXPECT_EQ(ReadMenu(GetSubMenu(game, 5)),
              (Items{"40038 &Beach Party!", "40029 &Climbing Fujiyama", "40027 &Diamond 7", "40016 D&odge City",
                     "40028 Dollar D&iner", "40015 &Jolly Roger", "40011 Seven Wonders of the &World",
                     "40043 Soldier of &Fortunes", "40008 &Zodod uz Uvuvu"}));
    DestroyMenu(menu);
}

// The machine file that a screen number stands for, as the game folder has it.
std::string MachineFileOf(int32_t number) {
    if (number < 0) {
        int32_t n = 0;
        for (const CustomMachineEntry& entry : GetCustomMachines())
            if (entry.kind == kCustomMachine && --n == number) return entry.path;
        return std::string();
    }
    const char* script = GameWindow::GetBuiltInScript(number);
    return script ? script : "";
}

int32_t openedNumber = 0;

// A game folder of its own with machine files whose first line is their title; screen
// windows of test screens that need their machine file to be there.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "vsl_game_window_test_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        char previous[MAX_PATH] = {};
        _getcwd(previous, MAX_PATH);
        previousFolder_ = previous;
        SetCurrentDirectoryA(folder_.c_str());
        Write("zephyr.slot", "Zephyr Reels");
        Write("untitled.slot", "");
        Write("bars.slot", "Classic Bars");
        Write("amber.slot", "Amber Nights");
        Write("credits.ast", "");
        GameWindowServices services;
        services.readTitle = [](const std::string& path) {
            std::ifstream in(path);
            std::string title;
            std::getline(in, title);
            return title;
        };
        previousServices_ = SetGameWindowServices(services);
        ScreenWindowMakers makers;
        makers.byNumber = [](Window*, int32_t number) -> ScreenWindow* {
            const std::string file = MachineFileOf(number);
            if (file.empty() || GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES)
                throw std::runtime_error("The machine file is missing.");
            openedNumber = number;
            return new TestScreenWindow(2);
        };
        previousMakers_ = SetScreenWindowMakers(makers);
        RegisterMainWindowClass(nullptr);
        game_ = new GameWindow(commandLine_, RECT{0, 0, 640, 480});
        SetMainWindow(game_);
        ASSERT_TRUE(game_->Create());
        SetMenu(game_->GetHandle(), LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(104)));
    }
    void TearDown() override {
        if (Window* current = GetCurrentScreen()) current->Destroy();
        DeleteParkedScreen();
        if (game_->GetHandle()) game_->Destroy();
        delete game_;
        SetMainWindow(nullptr);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}  // the destroyed window's WM_QUIT
        SetScreenWindowMakers(previousMakers_);
        SetGameWindowServices(previousServices_);
        SetCurrentDirectoryA(previousFolder_.c_str());
        for (const char* name : {"zephyr.slot", "untitled.slot", "bars.slot", "amber.slot", "credits.ast", "VevuVura.doc"})
            DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void Write(const char* name, const char* title) { std::ofstream(folder_ + "\\" + name) << title << "\n"; }
    HMENU CustomMenu() { return GetSubMenu(GetSubMenu(GetMenu(game_->GetHandle()), 0), 7); }
    void OpenMenuBar() { game_->SendMessage(WM_INITMENU, WPARAM(GetMenu(game_->GetHandle())), 0); }
    void Command(int id) { game_->SendMessage(WM_COMMAND, WPARAM(id), 0); }

    char commandLine_[64] = "";
    std::string folder_, previousFolder_;
    GameWindow* game_ = nullptr;
    GameWindowServices previousServices_;
    ScreenWindowMakers previousMakers_;
};

TEST_F(GameWindowTest, TheCustomSubmenuListsTheTitledMachinesOfTheFolderAndIsMadeAnewEachTime) {
    OpenMenuBar();
    const Items custom = ReadMenu(CustomMenu());
    // Found in the folder's order; built-in names and files without a title stay out.
    ASSERT_EQ(custom.size(), 2u);
    EXPECT_EQ(custom[0].substr(0, 6), "42001 ");
    EXPECT_EQ(custom[1].substr(0, 6), "42002 ");
    std::set<std::string> titles = {custom[0].substr(6), custom[1].substr(6)};
    EXPECT_EQ(titles, (std::set<std::string>{"Amber Nights", "Zephyr Reels"}));
    HMENU first = CustomMenu();
    OpenMenuBar();
    EXPECT_NE(CustomMenu(), first);
    EXPECT_FALSE(IsMenu(first));  // the old popup went
    EXPECT_EQ(ReadMenu(CustomMenu()), custom);
}

// Two machines with one title are told apart by their file names; a title of its own
// stands alone.
TEST_F(GameWindowTest, TheCustomSubmenuTellsMachinesOfOneTitleApartByTheirFiles) {
    Write("zephyr2.slot", "Zephyr Reels");
    ScanCustomMachines();
    OpenMenuBar();
    const Items custom = ReadMenu(CustomMenu());
    DeleteFileA((folder_ + "\\zephyr2.slot").c_str());
    ASSERT_EQ(custom.size(), 3u);
    std::set<std::string> titles;
    for (const std::string& item : custom) titles.insert(item.substr(6));
    EXPECT_EQ(titles, (std::set<std::string>{"Amber Nights", "Zephyr Reels (zephyr.slot)", "Zephyr Reels (zephyr2.slot)"}));
}

TEST_F(GameWindowTest, MachineCommandsOpenTheScreenWindowOfAPresentFileAndReportAMissingOne) {
    openedNumber = 0;
    Command(ID_MACHINE_BARS);  // bars.slot is in the folder
    EXPECT_EQ(openedNumber, 6);
    ASSERT_NE(GetCurrentScreen(), nullptr);
    EXPECT_TRUE(IsWindowVisible(GetCurrentScreen()->GetHandle()));

    OpenMenuBar();
    Command(ID_CUSTOM_MACHINE_FIRST + 1);  // the second titled machine
    EXPECT_EQ(openedNumber, -2);

    BoxWatcher watcher("Exception!");
    Command(ID_MACHINE_WOF);  // wof.slot is not there
    const SeenBox box = watcher.Result();
    EXPECT_TRUE(box.found);
    EXPECT_EQ(box.text, "The machine file is missing.");
    EXPECT_EQ(openedNumber, -2);
}

namespace {
// A screen window that the main window owns, as the game's machine window is.
class OwnedScreenWindow : public TestScreenWindow {
public:
    OwnedScreenWindow() : TestScreenWindow(2) {}
    int Create() override { return CreateTopLevel(GetMainWindow()); }
};

bool IsAbove(HWND window, HWND other) {
    for (HWND above = GetWindow(other, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
        if (above == window) return true;
    return false;
}
}  // namespace

TEST_F(GameWindowTest, TheScreenWindowStaysAboveTheMainWindowWhenTheMainWindowIsRaised) {
    ScreenWindowMakers makers;
    makers.byNumber = [](Window*, int32_t) -> ScreenWindow* { return new OwnedScreenWindow; };
    SetScreenWindowMakers(makers);
    game_->Show();
    ASSERT_TRUE(ShowPlainScreen(2));
    HWND screen = GetCurrentScreen()->GetHandle();
    ASSERT_EQ(GetWindow(screen, GW_OWNER), game_->GetHandle());
    ASSERT_TRUE(IsAbove(screen, game_->GetHandle()));
    // Wine's X driver without a window manager raises a clicked main window past the windows
    // it owns; disowning the screen window for a moment makes the same order here.
    SetWindowLongPtrA(screen, GWLP_HWNDPARENT, 0);
    SetWindowPos(game_->GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowLongPtrA(screen, GWLP_HWNDPARENT, LONG_PTR(game_->GetHandle()));
    ASSERT_FALSE(IsAbove(screen, game_->GetHandle()));
    game_->OnIdle();
    EXPECT_TRUE(IsAbove(screen, game_->GetHandle())) << "the machine is not lost behind the lobby";
}

TEST_F(GameWindowTest, TheScreenWindowStaysAboveTheMainWindowWhileAMenuOrADialogWaits) {
    ScreenWindowMakers makers;
    makers.byNumber = [](Window*, int32_t) -> ScreenWindow* { return new OwnedScreenWindow; };
    SetScreenWindowMakers(makers);
    game_->Show();
    ASSERT_TRUE(ShowPlainScreen(2));
    HWND screen = GetCurrentScreen()->GetHandle();
    // A dialog of the main window's, as the Options dialog is, that waits for the player.
    HWND dialog = CreateWindowExA(0, "Static", "waits", WS_POPUP | WS_VISIBLE, 10, 10, 100, 50, game_->GetHandle(),
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
    for (WPARAM reason : {WPARAM(MSGF_DIALOGBOX), WPARAM(MSGF_MENU)}) {
        // The main window raised past the screen window, as a click on its menu bar does.
        SetWindowLongPtrA(screen, GWLP_HWNDPARENT, 0);
        SetWindowPos(game_->GetHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        SetWindowLongPtrA(screen, GWLP_HWNDPARENT, LONG_PTR(game_->GetHandle()));
        ASSERT_FALSE(IsAbove(screen, game_->GetHandle()));
        // The modal loop goes idle; no idle time of the game's own comes before it ends.
        SendMessageA(game_->GetHandle(), WM_ENTERIDLE, reason, reason == MSGF_MENU ? 0 : LPARAM(dialog));
        EXPECT_TRUE(IsAbove(screen, game_->GetHandle())) << "the machine is not lost behind the lobby, " << reason;
        if (reason == MSGF_DIALOGBOX) EXPECT_TRUE(IsAbove(dialog, screen)) << "the dialog stays over the machine";
        game_->OnIdle();  // the loop is over
    }
    DestroyWindow(dialog);
}

// Answers the open-file dialog of the title with the path, from another thread.
class FileDialogAnswer {
public:
    FileDialogAnswer(const char* title, std::string path)
        : thread_([title, path] {
              for (int waited = 0; waited < 20000; waited += 50, Sleep(50)) {
                  HWND dialog = FindOwnWindow("#32770", title);
                  if (!dialog) continue;
                  Sleep(200);
                  SetDlgItemTextA(dialog, 0x47C, path.c_str());  // the file name box
                  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                  return;
              }
          }) {}
    ~FileDialogAnswer() { thread_.join(); }

private:
    std::thread thread_;
};

std::string builtScript, builtMachine;

TEST_F(GameWindowTest, CompileScriptNamesTheMachineFromTheScriptAndAsksBeforeReplacingABuiltInOne) {
    GameWindowServices services = GetGameWindowServices();
    services.testBuild = [](const std::string& script, const std::string& machine) {
        builtScript = script;
        builtMachine = machine;
    };
    SetGameWindowServices(services);
    const std::string dotted = folder_ + "\\my.scripts";
    CreateDirectoryA(dotted.c_str(), nullptr);
    std::ofstream(dotted + "\\reels") << "machine\n";
    std::ofstream(dotted + "\\bars.txt") << "machine\n";
    {
        FileDialogAnswer answer("Choose script to compile", dotted + "\\reels");
        Command(ID_COMPILE_SCRIPT);
    }
    // Into the game folder, which the window keeps lower-cased.
    std::string expected = folder_ + "\\reels.slot";
    for (char& c : expected) c = char(tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(builtMachine, expected);
    EXPECT_NE(builtScript.find("reels"), std::string::npos);

    // bars.slot is one of the game's own and is in the folder: the box's OK is not a yes.
    builtMachine.clear();
    {
        FileDialogAnswer answer("Choose script to compile", dotted + "\\bars.txt");
        BoxWatcher box("Compile Script");
        Command(ID_COMPILE_SCRIPT);
        EXPECT_TRUE(box.Result().found);
    }
    EXPECT_EQ(builtMachine, "");
    DeleteFileA((dotted + "\\reels").c_str());
    DeleteFileA((dotted + "\\bars.txt").c_str());
    RemoveDirectoryA(dotted.c_str());
}

std::string Backslashed(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// The command with the machine builder behind it: a good script becomes a machine file in
// the game folder and the "results" box names it; a broken one shows its messages there.
TEST_F(GameWindowTest, CompileScriptBuildsTheChosenScriptAndShowsTheResultsOfABrokenOne) {
    GameWindowServices services = GetGameWindowServices();
    services.testBuild = previousServices_.testBuild;  // the real test build
    SetGameWindowServices(services);
    ItchyFile itchy;  // the progress dialog's animation, from the program's folder
    const std::string itchyFolder = itchy.Path().substr(0, itchy.Path().find_last_of('\\'));
    SetCurrentDirectoryA(itchyFolder.c_str());
    SetBaseDirectoryToCurrent();
    SetCurrentDirectoryA(folder_.c_str());

    const std::string built = folder_ + "\\machine.slot";
    {
        MachineFiles files;
        FileDialogAnswer answer("Choose script to compile", Backslashed(files.Script(GlassHarbor())));
        BoxWatcher box("results");
        Command(ID_COMPILE_SCRIPT);
        const SeenBox seen = box.Result();
        EXPECT_TRUE(seen.found) << "a good build says so";
        std::string lowered = seen.text;
        for (char& c : lowered) c = char(tolower(static_cast<unsigned char>(c)));
        std::string expected = "built the machine file " + built + ".";
        for (char& c : expected) c = char(tolower(static_cast<unsigned char>(c)));
        EXPECT_NE(lowered.find(expected), std::string::npos) << seen.text;
    }
    EXPECT_EQ(ReadAssetFileTitle(built), "Glass Harbor");
    DeleteFileA(built.c_str());
    {
        MachineFiles files;
        FileDialogAnswer answer("Choose script to compile", Backslashed(files.Script("Title \"Broken\"\nReels 3\n")));
        BoxWatcher box("results");
        Command(ID_COMPILE_SCRIPT);
        const SeenBox seen = box.Result();
        EXPECT_TRUE(seen.found);
        EXPECT_NE(seen.text.find(" on line "), std::string::npos) << seen.text;
    }
    EXPECT_EQ(GetFileAttributesA(built.c_str()), INVALID_FILE_ATTRIBUTES);
}

std::string editedScript;
Window* MakeRecordedEditor(GameWindow*, const std::string& script) {
    editedScript = script;
    return new Window;
}

bool IsCurrentDirectory(const std::string& folder) {
    char here[MAX_PATH] = {};
    _getcwd(here, MAX_PATH);
    return lstrcmpiA(here, folder.c_str()) == 0;
}

// The tools that work on a script in another folder leave the game in its own: it opens
// "lobbyAssets.ast", "fdassets.ast", "credits.ast" and its help files by their names, there.
TEST_F(GameWindowTest, EditMachineCompileScriptAndCalculatePayoutLeaveTheGameInItsFolder) {
    GameWindowServices services = GetGameWindowServices();
    services.makeEditor = MakeRecordedEditor;
    services.testBuild = [](const std::string&, const std::string&) {};
    SetGameWindowServices(services);
    const std::string scripts = folder_ + "\\scripts";
    CreateDirectoryA(scripts.c_str(), nullptr);
    const std::string script = scripts + "\\machine.txt";
    std::ofstream(script) << "machine\n";
    const char* const gameFiles[] = {"lobbyAssets.ast", "fdassets.ast", "credits.ast", "vS_HELP.hlp", "viradu.hlp"};
    for (const char* name : gameFiles) Write(name, name);
    const struct {
        int command;
        const char* title;
    } tools[] = {{ID_EDIT_MACHINE, "Select Script to Edit"},
                 {ID_COMPILE_SCRIPT, "Choose script to compile"},
                 {ID_CALCULATE_PAYOUT, "Choose script to analyze"}};
    for (const auto& tool : tools) {
        {
            FileDialogAnswer answer(tool.title, script);
            std::unique_ptr<BoxWatcher> results;
            if (tool.command == ID_CALCULATE_PAYOUT) results = std::make_unique<BoxWatcher>("results");
            Command(tool.command);
            if (results) EXPECT_TRUE(results->Result().found);
        }
        EXPECT_TRUE(IsCurrentDirectory(folder_)) << tool.title;
        for (const char* name : gameFiles) {
            std::ifstream file(name);
            std::string line;
            std::getline(file, line);
            EXPECT_EQ(name, line) << tool.title;
        }
    }
    EXPECT_EQ(0, lstrcmpiA(script.c_str(), editedScript.c_str())) << editedScript;
    for (const char* name : gameFiles) DeleteFileA((folder_ + "\\" + name).c_str());
    DeleteFileA(script.c_str());
    RemoveDirectoryA(scripts.c_str());
}

TEST_F(GameWindowTest, AMachineOnTheCommandLineFromTheGameFolderIsPlayedAtOnceAndOnce) {
    std::string line = "\"" + folder_ + "\\amber.slot\"";
    for (char& c : line) c = char(tolower(static_cast<unsigned char>(c)));
    ASSERT_LT(line.size(), sizeof commandLine_);
    std::copy(line.begin(), line.end(), commandLine_);
    static std::string named;
    ScreenWindowMakers makers = GetScreenWindowMakers();
    makers.byFile = [](Window*, const std::string& file) -> ScreenWindow* {
        named = file;
        return new TestScreenWindow(2);
    };
    SetScreenWindowMakers(makers);
    named.clear();
    game_->SendMessage(kLobbyEnteredMessage, 0, 0);
    EXPECT_EQ(named, "amber.slot");
    EXPECT_EQ(commandLine_[0], '\0');
    named.clear();
    game_->SendMessage(kLobbyEnteredMessage, 0, 0);
    EXPECT_EQ(named, "");
}

struct CaptionSearch {
    std::string text;
    HWND found = nullptr;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<CaptionSearch*>(data);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (std::string(caption).find(search->text) == std::string::npos) return TRUE;
    search->found = window;
    return FALSE;
}

// A top-level window of any process whose caption holds `text`, waited for a while.
HWND WaitForWindowCaptioned(const std::string& text) {
    CaptionSearch search{text};
    const DWORD deadline = GetTickCount() + 20000;
    while (!search.found && GetTickCount() < deadline) {
        EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(100);
    }
    return search.found;
}

// Closes the word processor's window and waits for its process to end: a process that
// this one started shares its output, and the test run waits for every holder of that.
void EndWordProcessor(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (!process) return;
    if (WaitForSingleObject(process, 20000) != WAIT_OBJECT_0) TerminateProcess(process, 1);
    CloseHandle(process);
}

// The notes stand in no menu; their command opens "VevuVura.doc" of the game's folder with
// what the shell has for documents, the word processor.
TEST_F(GameWindowTest, TheMilestoneNotesCommandOpensTheNotesInTheWordProcessor) {
    Write("VevuVura.doc", "{\\rtf1\\ansi Notes of this release.\\par}");
    Command(ID_MILESTONE_NOTES);
    HWND notes = WaitForWindowCaptioned("VevuVura");
    ASSERT_NE(notes, nullptr) << "no window shows the notes";
    EndWordProcessor(notes);
}

// The game window's background is black whatever brush the device context holds, both
// when WM_ERASEBKGND is sent to it and when its own painting erases an invalid client area.
TEST_F(GameWindowTest, ErasingTheBackgroundFillsTheClientAreaBlack) {
    RECT client;
    GetClientRect(game_->GetHandle(), &client);
    ASSERT_GT(client.right, 0);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, client.right, client.bottom, WHITENESS);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(1, game_->SendMessage(WM_ERASEBKGND, WPARAM(dc), 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, client.right / 2, client.bottom / 2));
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, client.right - 1, client.bottom - 1));
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);

    // The erase that BeginPaint asks for is answered as done: the paint finds it erased.
    game_->Show();
    InvalidateRect(game_->GetHandle(), nullptr, TRUE);
    ASSERT_TRUE(GetUpdateRect(game_->GetHandle(), nullptr, FALSE));
    PAINTSTRUCT paint = {};
    BeginPaint(game_->GetHandle(), &paint);
    EndPaint(game_->GetHandle(), &paint);
    EXPECT_FALSE(paint.fErase) << "the game window's erase did not answer done";
    game_->Hide();
}

namespace {
std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}
}  // namespace

// A desktop draws the main window's title bar from its text: the text says who plays and
// with how much, after every change of the player or the money, whatever the screen's title.
TEST_F(GameWindowTest, TheWindowTextShowsTheCurrentPlayersNameAndCash) {
    PlayerRoster& roster = PlayerRoster::Instance();
    const int previous = roster.GetCurrentIndex();
    const Money cash0 = roster.GetRecord(0).GetCash(), cash2 = roster.GetRecord(2).GetCash();
    const std::string name0 = roster.GetRecord(0).GetFullName(), name2 = roster.GetRecord(2).GetFullName();
    roster.GetRecord(0).SetName("Ada Lovelace");
    roster.GetRecord(2).SetName("Grace Hopper");
    HWND window = game_->GetHandle();
    roster.SetCurrentIndex(0);
    roster.SetCash(Money(10000));
    EXPECT_EQ(TextOf(window), "Vellmoor(tm) Slots - Ada Lovelace : $100.00");
    roster.AddCash(Money(-2550));
    EXPECT_EQ(TextOf(window), "Vellmoor(tm) Slots - Ada Lovelace : $74.50") << "after a money change";
    roster.SetCurrentIndex(2);
    roster.SetCash(Money(3005));
    EXPECT_EQ(TextOf(window), "Vellmoor(tm) Slots - Grace Hopper : $30.05") << "after a player change";
    roster.GetRecord(0).SetCash(Money(1));
    EXPECT_EQ(TextOf(window), "Vellmoor(tm) Slots - Grace Hopper : $30.05") << "Ada is not playing";
    SetWindowTextA(window, "Zephyr Reels");
    EXPECT_EQ(TextOf(window), "Zephyr Reels - Grace Hopper : $30.05") << "a screen's title keeps the player";
    roster.SetCurrentIndex(-1);
    EXPECT_EQ(TextOf(window), "Zephyr Reels") << "nobody plays";

    roster.GetRecord(0).SetName(name0);
    roster.GetRecord(2).SetName(name2);
    roster.SetCurrentIndex(0);
    roster.SetCash(cash0);
    roster.SetCurrentIndex(2);
    roster.SetCash(cash2);
    roster.SetCurrentIndex(previous);
}

// The program makes the caption painter at start-up and keeps it to the end: game windows
// come and go without making or deleting one.
TEST_F(GameWindowTest, TheCaptionPainterIsTheProgramsAndOutlivesTheGameWindow) {
    EXPECT_EQ(GetCaptionPainter(), nullptr) << "no game window makes one";
    CaptionPainter painter;
    SetCaptionPainter(&painter);
    auto* another = new GameWindow(commandLine_, RECT{0, 0, 640, 480});
    EXPECT_EQ(GetCaptionPainter(), &painter);
    delete another;
    EXPECT_EQ(GetCaptionPainter(), &painter);
    SetCaptionPainter(nullptr);
}
}  // namespace
