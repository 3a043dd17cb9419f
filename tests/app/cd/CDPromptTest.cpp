// The CD prompt over a folder mounted as a CD-ROM drive: found without a prompt; when the
// drive is gone, the prompt lists the drives and asks again until the CD is found; empty
// folder settings; going without the CD for the rest of the run; "Don't ask me again".
#include "CDTestSupport.h"

#include "CDDialogIds.h"
#include "PromptForCD.h"

namespace {
bool HasRootDirectory(const std::string& root) {
    const UINT type = GetDriveTypeA(root.c_str());
    return type >= DRIVE_REMOVABLE && type <= DRIVE_RAMDISK;
}
}  // namespace

TEST_F(CDTest, TheMountedCDIsFoundWithoutAPrompt) {
    EXPECT_EQ(UINT(DRIVE_CDROM), GetDriveTypeA(cd_->Root().c_str()));
    SetFolders(cd_->Root(), cd_->Root(), cd_->Root());
    bool found = false;
    EXPECT_FALSE(PromptAppearedDuring([&] { found = PromptForCD(GetModuleHandleA(nullptr), nullptr); }));
    EXPECT_TRUE(found);
    EXPECT_TRUE(CheckCDFile(kClipArtFolder, "clipart.bmp"));
    EXPECT_FALSE(CheckCDFile(kAmbientFolder, "missing.wav"));
}

TEST_F(CDTest, WithoutTheCDThePromptListsTheDrivesAndAsksAgainUntilItIsFound) {
    SetFolders(cd_->Root() + "movies", cd_->Root() + "ambient", cd_->Root());
    ASSERT_TRUE(CreateDirectoryA((folder_ + "\\movies").c_str(), nullptr));
    ASSERT_TRUE(MoveFileA((folder_ + "\\" + kCDDataFile).c_str(), (folder_ + "\\movies\\" + kCDDataFile).c_str()));
    cd_->Unmount();
    std::vector<std::string> firstList, secondList;
    std::string firstLine, chosenLine;
    DialogDriver player([&] {
        HWND first = WaitForDialog(kNoCDCaption);
        if (!first) return;
        firstList = ComboEntries(first, IDC_CD_DRIVES);
        firstLine = ItemText(first, IDC_INSERT_CD_LINE);
        cd_->Mount();  // the player puts the CD in, but OK still names the old drive
        PressButton(first, IDOK);
        WaitUntil([first] { return !IsWindow(first); });
        HWND second = WaitForDialog(kNoCDCaption);
        if (!second) return;
        secondList = ComboEntries(second, IDC_CD_DRIVES);
        ChooseEntry(second, IDC_CD_DRIVES, cd_->Root());
        chosenLine = ItemText(second, IDC_INSERT_CD_LINE);
        PressButton(second, IDOK);
    });
    EXPECT_TRUE(PromptForCD(GetModuleHandleA(nullptr), nullptr));
    player.Join();
    MoveFileA((folder_ + "\\movies\\" + kCDDataFile).c_str(), (folder_ + "\\" + kCDDataFile).c_str());
    RemoveDirectoryA((folder_ + "\\movies").c_str());

    ASSERT_FALSE(firstList.empty());
    for (const std::string& root : firstList) EXPECT_TRUE(HasRootDirectory(root)) << root;
    EXPECT_EQ(firstList.end(), std::find(firstList.begin(), firstList.end(), cd_->Root()));
    EXPECT_EQ("Insert the CD in drive " + firstList.front(), firstLine);  // its drive is gone: the first
    EXPECT_NE(secondList.end(), std::find(secondList.begin(), secondList.end(), cd_->Root()));
    EXPECT_EQ("Insert the CD in drive " + cd_->Root(), chosenLine);
    EXPECT_EQ(cd_->Root() + "movies", GetMoviePathSetting().Get());
    EXPECT_EQ(cd_->Root() + "ambient", GetAmbientPathSetting().Get());
    EXPECT_EQ(cd_->Root(), GetClipArtPathSetting().Get());
}

TEST_F(CDTest, EmptyFoldersStillNameADriveAndTheChosenDrivesRootHoldsTheFiles) {
    SetFolders("", "", "");
    std::string line, selected;
    DialogDriver player([&] {
        HWND prompt = WaitForDialog(kNoCDCaption);
        if (!prompt) return;
        selected = SelectedEntry(prompt, IDC_CD_DRIVES);
        line = ItemText(prompt, IDC_INSERT_CD_LINE);
        ChooseEntry(prompt, IDC_CD_DRIVES, cd_->Root());
        PressButton(prompt, IDOK);
    });
    EXPECT_TRUE(PromptForCD(GetModuleHandleA(nullptr), nullptr));
    player.Join();
    ASSERT_EQ(3u, selected.size());
    EXPECT_EQ("Insert the CD in drive " + selected, line);
    for (PersistentString* folder : {&GetMoviePathSetting(), &GetAmbientPathSetting(), &GetClipArtPathSetting()})
        EXPECT_EQ(cd_->Root(), folder->Get());
    EXPECT_TRUE(CheckCDFile(kClipArtFolder, "clipart.bmp"));
    // A bare drive stored by an earlier run also stands for the drive's root.
    SetFolders(cd_->Root().substr(0, 2), "", cd_->Root().substr(0, 2));
    EXPECT_TRUE(FindCDData());
    EXPECT_TRUE(CheckCDFile(kClipArtFolder, "clipart.bmp"));
}

TEST_F(CDTest, GoingWithoutTheCDEndsThePromptForTheRestOfTheRun) {
    for (const bool cancel : {false, true}) {
        SetSkippingCD(false);
        SetFolders("", "", "");
        DialogDriver player([cancel] {
            HWND prompt = WaitForDialog(kNoCDCaption);
            if (!prompt) return;
            if (cancel) {
                CloseDialog(prompt);
                return;
            }
            PressButton(prompt, IDC_DONT_USE_CD);
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(prompt, IDC_CD_DRIVES)));
            PressButton(prompt, IDOK);
        });
        EXPECT_FALSE(PromptForCD(GetModuleHandleA(nullptr), nullptr)) << cancel;
        player.Join();
        EXPECT_TRUE(IsSkippingCD());
        bool found = true;
        EXPECT_FALSE(PromptAppearedDuring([&] { found = PromptForCD(GetModuleHandleA(nullptr), nullptr); }));
        EXPECT_FALSE(found);
        EXPECT_TRUE(GetPromptCDSetting().Get());
    }
}

TEST_F(CDTest, DontAskMeAgainTurnsThePromptOffInLaterRunsToo) {
    SetFolders("", "", "");
    GetPromptCDSetting().Set(true);
    bool wasAsking = false;
    DialogDriver player([&] {
        HWND prompt = WaitForDialog(kNoCDCaption);
        if (!prompt) return;
        wasAsking = !IsChecked(prompt, IDC_DONT_ASK_AGAIN) && IsChecked(prompt, IDC_USE_CD);
        PressButton(prompt, IDC_DONT_ASK_AGAIN);
        PressButton(prompt, IDOK);
    });
    EXPECT_FALSE(PromptForCD(GetModuleHandleA(nullptr), nullptr));
    player.Join();
    EXPECT_TRUE(wasAsking);
    EXPECT_FALSE(GetPromptCDSetting().Get());
    EXPECT_FALSE(IsSkippingCD());  // a later run starts without the choice, and "PromptCD" is off
    EXPECT_FALSE(PromptAppearedDuring([] { PromptForCD(GetModuleHandleA(nullptr), nullptr); }));
}
