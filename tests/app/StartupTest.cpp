// Start-up: the first player's record, the single running copy of vsl.exe, and the CD
// prompt when the intro movie's folder is missing.
#include <gtest/gtest.h>

#include <string>

#include "CDDialogIds.h"
#include "FirstPlayer.h"
#include "PlayerDate.h"
#include "ProgramWindow.h"
#include "SavedCDSettings.h"
#include "StructuredException.h"
#include "MessageBoxWatcher.h"
#include "RegistryHelpers.h"

namespace {
const std::string kFrontDesk = "Software\\Tarrowind\\Vellmoor Slots\\1.0\\FrontDesk";
const std::string kUser = "Software\\Tarrowind Zudurozarir\\User";
// Wine reports the NT platform, so the owner is read from the NT key.
const std::string kWindows = "Software\\Microsoft\\Windows NT\\CurrentVersion";

class FirstPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Whatever the folder settings are, nobody here answers a CD prompt.
        GetPromptCDSetting().Set(false);
        owner_ = ReadRegistryString(kWindows, "RegisteredOwner");
        DeleteRegistryValue(kWindows, "RegisteredOwner");
        DeleteKeys();
    }
    void TearDown() override {
        DeleteKeys();
        if (owner_[0] != '<') WindowsOwner(owner_.c_str());
    }
    static void DeleteKeys() {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kFrontDesk);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, "Software\\Tarrowind Zudurozarir");
    }

    static void PublisherUser(const char* first, const char* last) {
        WriteRegistryString(kUser + "\\VELLMOOR(tm) Slots", "Installed", "yes");
        WriteRegistryString(kUser, "FirstName", first);
        if (last) WriteRegistryString(kUser, "LastName", last);
    }
    static void WindowsOwner(const char* name) { WriteRegistryString(kWindows, "RegisteredOwner", name); }

private:
    SavedCDSettings cdSettings_;
    std::string owner_;
};

DWORD Dword(const char* name) {
    DWORD value = 0xDEADBEEF;
    ReadRegistryDword(kFrontDesk, name, &value);
    return value;
}

std::string ProgramPath() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path);
    return text.substr(0, text.rfind('\\') + 1) + "vsl.exe";
}

struct Program {
    PROCESS_INFORMATION info = {};
    bool Start() {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        std::string command = "\"" + ProgramPath() + "\"";
        return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info) != 0;
    }
    bool WaitForExit(DWORD* code, DWORD bound = 30000) {
        if (WaitForSingleObject(info.hProcess, bound) != WAIT_OBJECT_0) return false;
        GetExitCodeProcess(info.hProcess, code);
        return true;
    }
    ~Program() {
        if (info.hProcess) {
            if (WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 9);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

// The program's main window: its text is the game's title, then the player's name and cash
// once somebody plays.
HWND FindMainWindow(DWORD process) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, "Y7", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        char text[128] = {};
        GetWindowTextA(found, text, sizeof text);
        const std::string title = text;
        if (owner == process && (title == "Vellmoor(tm) Slots" || title.rfind("Vellmoor(tm) Slots - ", 0) == 0))
            return found;
    }
    return nullptr;
}

HWND WaitForMainWindow(const Program& program, int bound = 30000) {
    for (int waited = 0; waited < bound; waited += 50) {
        if (HWND window = FindMainWindow(program.info.dwProcessId)) return window;
        Sleep(50);
    }
    return nullptr;
}
}  // namespace

TEST_F(FirstPlayerTest, PublisherUserGetsTheLargerStake) {
    PublisherUser("Ada", "Lovelace");
    LoadSettings();
    EXPECT_EQ("Ada Lovelace", ReadRegistryString(kFrontDesk, "Player1Name"));
    EXPECT_EQ(2500000u, Dword("Player1Cash"));
    EXPECT_EQ(0u, Dword("Player1Credit"));
    EXPECT_EQ(1u, Dword("Player1Active"));
    EXPECT_EQ(TodayAsPlayerDate(), Dword("Player1Date"));
}

TEST_F(FirstPlayerTest, EmptyLastNameGivesTheFirstNameAlone) {
    PublisherUser("Ada", nullptr);
    LoadSettings();
    EXPECT_EQ("Ada", ReadRegistryString(kFrontDesk, "Player1Name"));
}

TEST_F(FirstPlayerTest, UserKeyWithoutTheProductKeyGivesWayToTheWindowsOwner) {
    WriteRegistryString(kUser, "FirstName", "Ada");
    EXPECT_FALSE(FindRegisteredUser().found);
    WindowsOwner("Charles Babbage");
    const FirstPlayer player = FindRegisteredUser();
    EXPECT_TRUE(player.found);
    EXPECT_EQ("Charles Babbage", player.name);
    EXPECT_EQ(1000000u, player.cash);
}

TEST_F(FirstPlayerTest, CompleteRecordIsLeftAloneWhateverItHolds) {
    PublisherUser("Ada", "Lovelace");
    WriteRegistryString(kFrontDesk, "Player1Name", "");
    WriteRegistryDword(kFrontDesk, "Player1Active", 0);
    WriteRegistryDword(kFrontDesk, "Player1Date", 1);
    WriteRegistryDword(kFrontDesk, "Player1Credit", 5);
    WriteRegistryDword(kFrontDesk, "Player1Cash", 7);
    EXPECT_TRUE(HasFirstPlayerRecord());
    LoadSettings();
    EXPECT_EQ("", ReadRegistryString(kFrontDesk, "Player1Name"));
    EXPECT_EQ(7u, Dword("Player1Cash"));
}

TEST_F(FirstPlayerTest, IncompleteRecordIsWrittenAnewWhenAUserIsKnown) {
    PublisherUser("Ada", "Lovelace");
    WriteRegistryDword(kFrontDesk, "Player1Cash", 7);
    EXPECT_FALSE(HasFirstPlayerRecord());
    LoadSettings();
    EXPECT_TRUE(HasFirstPlayerRecord());
    EXPECT_EQ(2500000u, Dword("Player1Cash"));
    EXPECT_EQ("Ada Lovelace", ReadRegistryString(kFrontDesk, "Player1Name"));
}

TEST_F(FirstPlayerTest, NoKnownUserWritesNothing) {
    LoadSettings();
    EXPECT_EQ("<no key>", ReadRegistryString(kFrontDesk, "Player1Name"));
}

TEST_F(FirstPlayerTest, ProgramRunsOnceWritesTheRecordOnItsFirstRunAndKeepsItAfterwards) {
    PublisherUser("Grace", "Hopper");
    Program first;
    ASSERT_TRUE(first.Start());
    HWND window = WaitForMainWindow(first);
    ASSERT_TRUE(window);
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(794, client.right);
    EXPECT_EQ(556, client.bottom);
    EXPECT_EQ("Grace Hopper", ReadRegistryString(kFrontDesk, "Player1Name"));
    EXPECT_EQ(2500000u, Dword("Player1Cash"));

    // A second copy says so and ends.
    Program second;
    ASSERT_TRUE(second.Start());
    const SeenBox box = WaitForBoxAndClose("Error", 20000, second.info.dwProcessId);
    EXPECT_TRUE(box.found);
    EXPECT_EQ("VELLMOOR(tm) Slots is already running.", box.text);
    DWORD code = 99;
    ASSERT_TRUE(second.WaitForExit(&code));
    EXPECT_EQ(0u, code);
    EXPECT_EQ(window, FindMainWindow(first.info.dwProcessId));

    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitForExit(&code));
    EXPECT_EQ(0u, code);

    // The next run finds the record and leaves it as it is. The record is changed by hand:
    // its cash alone, without the value that the game's roster keeps the cash in as well.
    WriteRegistryDword(kFrontDesk, "Player1Cash", 1234);
    DeleteRegistryValue(kFrontDesk, "Player1Held");
    Program again;
    ASSERT_TRUE(again.Start());
    window = WaitForMainWindow(again);
    ASSERT_TRUE(window);
    EXPECT_EQ(1234u, Dword("Player1Cash"));
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(again.WaitForExit(&code));
}

const char kNoCDCaption[] = "\"Vellmoor(tm) Slots\" CD Not Found";

// The program's first child window: the main view, made once the intro is over.
HWND MainView(HWND window) { return FindWindowExA(window, nullptr, nullptr, nullptr); }

// True when `upper` comes before `lower` in the z-order of the top-level windows.
bool IsAbove(HWND upper, HWND lower) {
    for (HWND below = GetWindow(upper, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
        if (below == lower) return true;
    return false;
}

class StartupCDTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        GetMoviePathSetting().Set(std::string(temp) + "vsl_no_such_cd_" + std::to_string(GetCurrentProcessId()));
        GetIntroSequenceSetting().Set(false);
        GetPromptCDSetting().Set(true);
    }
    // The prompt of the program, once it takes input; null when none came.
    static HWND WaitForPrompt(const Program& program, int bound = 30000) {
        for (int waited = 0; waited < bound; waited += 50) {
            if (HWND prompt = FindProgramWindow("#32770", kNoCDCaption, program.info.dwProcessId, true)) return prompt;
            Sleep(50);
        }
        return nullptr;
    }
    static bool StoredPromptCD() {
        DWORD value = 99;
        ReadRegistryDword(MakeSectionPath(kGeneralSection), "PromptCD", &value);
        return value != 0;
    }

    SavedCDSettings cdSettings_;
};

// Without the movie's folder the program asks for the CD over its main window before the
// intro; the player goes on without it, and the program goes on to its main view.
TEST_F(StartupCDTest, AMissingMovieFolderBringsUpThePromptAndCancelGoesOnWithoutTheCD) {
    Program program;
    ASSERT_TRUE(program.Start());
    HWND window = WaitForMainWindow(program);
    ASSERT_TRUE(window);
    HWND prompt = WaitForPrompt(program);
    ASSERT_TRUE(prompt) << "no CD prompt at start-up";
    EXPECT_EQ(window, GetWindow(prompt, GW_OWNER));
    EXPECT_TRUE(IsAbove(prompt, window));
    EXPECT_EQ(nullptr, MainView(window)) << "the main view came before the prompt was answered";
    char line[320] = {};
    GetDlgItemTextA(prompt, IDC_INSERT_CD_LINE, line, sizeof line - 1);
    EXPECT_EQ(0u, std::string(line).find("Insert the CD in drive ")) << line;

    SendMessageA(GetDlgItem(prompt, IDC_DONT_ASK_AGAIN), BM_CLICK, 0, 0);
    PostMessageA(prompt, WM_SYSCOMMAND, SC_CLOSE, 0);
    for (int waited = 0; waited < 30000 && !MainView(window); waited += 50) Sleep(50);
    EXPECT_TRUE(MainView(window)) << "the program did not go on without the CD";
    EXPECT_FALSE(IsWindow(prompt));
    EXPECT_FALSE(StoredPromptCD());
    // The program stored it: this process's copy of the setting follows, so that the
    // setting is put back after the test.
    GetPromptCDSetting().Set(false);

    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 99;
    ASSERT_TRUE(program.WaitForExit(&code));
    EXPECT_EQ(0u, code);
}

TEST(StructuredExceptions, AFaultInAHandlerIsReportedWithItsCodeName) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string(path);
    command = "\"" + command.substr(0, command.rfind('\\') + 1) + "faulting_program.exe\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    const SeenBox box = WaitForBoxAndClose("C exception!", 20000, info.dwProcessId);
    EXPECT_TRUE(box.found);
    EXPECT_EQ("SE code EXCEPTION_ACCESS_VIOLATION", box.text);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(info.hProcess, 30000));
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    EXPECT_NE(0u, code);
    if (WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(info.hProcess, 9);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
}

TEST(StructuredExceptions, CodesAreNamedOrShownInHexadecimal) {
    EXPECT_STREQ("EXCEPTION_INT_DIVIDE_BY_ZERO", GetExceptionCodeName(0xC0000094u));
    EXPECT_STREQ("EXCEPTION_IN_PAGE_ERROR", GetExceptionCodeName(0xC0000006u));
    EXPECT_EQ(nullptr, GetExceptionCodeName(0xE06D7363u));
    EXPECT_EQ("SE code EXCEPTION_ACCESS_VIOLATION", DescribeStructuredCode(0xC0000005u));
    EXPECT_EQ("SE code e06d7363", DescribeStructuredCode(0xE06D7363u));
}
