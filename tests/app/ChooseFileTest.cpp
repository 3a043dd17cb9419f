// How the open-file dialog's answer becomes paths and a folder, and that choosing a file
// keeps the current directory.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ChooseFile.h"
#include "DialogDriver.h"

TEST(SplitChosenFiles, ThreeFilesGiveTheLowerCasedDirectoryAndEachNameAsReturned) {
    const char answer[] = "C:\\Games\\Slots\0One.TXT\0two.txt\0Three.Txt\0";
    std::vector<std::string> paths{"kept"};
    std::string folder;
    SplitChosenFiles(answer, sizeof answer, paths, folder);
    EXPECT_EQ((std::vector<std::string>{"kept", "c:\\games\\slots\\One.TXT", "c:\\games\\slots\\two.txt",
                                        "c:\\games\\slots\\Three.Txt"}),
              paths);
    EXPECT_EQ("c:\\games\\slots", folder);
}

TEST(SplitChosenFiles, OneFileGivesTheWholePathInLowerCase) {
    const char answer[] = "C:\\Games\\Slots\\Reel.TXT\0";
    std::vector<std::string> paths;
    std::string folder;
    SplitChosenFiles(answer, sizeof answer, paths, folder);
    EXPECT_EQ((std::vector<std::string>{"c:\\games\\slots\\reel.txt"}), paths);
    EXPECT_EQ("c:\\games\\slots", folder);
}

TEST(SplitChosenFiles, AnAnswerWithoutTerminatorsStaysInsideTheBuffer) {
    const char answer[4] = {'a', 'b', 'c', 'd'};
    std::vector<std::string> paths;
    std::string folder;
    SplitChosenFiles(answer, sizeof answer, paths, folder);
    EXPECT_EQ((std::vector<std::string>{"abcd"}), paths);
}

// A file chosen in another folder leaves the program's current directory where it was, so
// that the paths the program makes relative to it (a backdrop's, a sequence file's) stay
// right. The dialog is answered from a helper thread with the chosen file's full path.
TEST(ChooseFileToOpen, AFileChosenInAnotherFolderLeavesTheCurrentDirectoryAsItWas) {
    const std::string here = ::testing::TempDir() + "choose_here";
    const std::string there = ::testing::TempDir() + "choose_there";
    CreateDirectoryA(here.c_str(), nullptr);
    CreateDirectoryA(there.c_str(), nullptr);
    const std::string picked = there + "\\picked.bmp";
    HANDLE file = CreateFileA(picked.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    ASSERT_TRUE(SetCurrentDirectoryA(here.c_str()));
    char before[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof before, before);

    DialogDriver driver([&picked] {
        HWND dialog = WaitForDialog("Pick a picture");
        if (!dialog) return;
        SetDlgItemTextA(dialog, 0x47C, picked.c_str());  // the file name box
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    std::string path, folder;
    const bool chosen = ChooseFileToOpen(nullptr, path, folder, "Bitmaps (*.bmp)\0*.bmp\0", "Pick a picture");
    driver.Join();
    ASSERT_TRUE(chosen);
    EXPECT_EQ(0, lstrcmpiA(picked.c_str(), path.c_str())) << path;
    char after[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof after, after);
    EXPECT_STREQ(before, after);
}
