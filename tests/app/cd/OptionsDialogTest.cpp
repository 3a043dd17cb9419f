// The options dialog shows and stores every setting it holds, Cancel stores nothing, a
// new CD drive moves the folders there, and the denomination keeps still while a machine
// holds its lock.
#include "CDTestSupport.h"

#include "CDDialogIds.h"
#include "OptionsDialog.h"

namespace {
struct Shown {
    bool soundEffects = false, ambientSounds = false, skipIntro = false, promptCD = false;
    int denomination = 0;  // the id of the checked button
    bool denominationEnabled = false;
    std::string drive;
};

Shown ReadDialog(HWND options) {
    Shown shown;
    shown.soundEffects = IsChecked(options, IDC_SOUND_EFFECTS);
    shown.ambientSounds = IsChecked(options, IDC_AMBIENT_SOUNDS);
    shown.skipIntro = IsChecked(options, IDC_SKIP_INTRO);
    shown.promptCD = IsChecked(options, IDC_PROMPT_CD);
    for (int id = IDC_DENOMINATION_FIRST; id <= IDC_DENOMINATION_LAST; ++id) {
        if (IsChecked(options, id)) shown.denomination = shown.denomination ? -1 : id;
        if (IsWindowEnabled(GetDlgItem(options, id))) shown.denominationEnabled = true;
    }
    shown.drive = SelectedEntry(options, IDC_CD_DRIVES);
    return shown;
}

// Checks the radio button as a click would, even on a disabled one.
void CheckDenomination(HWND options, int id) {
    CheckRadioButton(options, IDC_DENOMINATION_FIRST, IDC_DENOMINATION_LAST, id);
}

void SetFlags(bool on) {
    GetSoundEffectsSetting().Set(on);
    GetAmbientSoundsSetting().Set(on);
    GetIntroSequenceSetting().Set(on);
    GetPromptCDSetting().Set(on);
}
}  // namespace

TEST_F(CDTest, OptionsShowEverySettingAndOkStoresWhatWasChanged) {
    for (const bool on : {true, false}) {
        SetFlags(on);
        GetDenominationSetting().Set(on ? 2500 : 100);
        SetFolders(cd_->Root(), cd_->Root(), cd_->Root());
        Shown shown;
        DialogDriver player([&] {
            HWND options = WaitForDialog(kOptionsCaption);
            if (!options) return;
            shown = ReadDialog(options);
            for (int id : {IDC_SOUND_EFFECTS, IDC_AMBIENT_SOUNDS, IDC_SKIP_INTRO, IDC_PROMPT_CD}) PressButton(options, id);
            CheckDenomination(options, on ? IDC_DENOMINATION_FIRST : IDC_DENOMINATION_LAST);
            PressButton(options, IDOK);
        });
        OptionsDialog dialog;
        EXPECT_EQ(IDOK, dialog.Run(nullptr));
        player.Join();
        EXPECT_EQ(on, shown.soundEffects);
        EXPECT_EQ(on, shown.ambientSounds);
        EXPECT_EQ(on, shown.skipIntro);
        EXPECT_EQ(on, shown.promptCD);
        EXPECT_EQ(on ? IDC_DENOMINATION_FIRST + 3 : IDC_DENOMINATION_FIRST + 1, shown.denomination);
        EXPECT_TRUE(shown.denominationEnabled);
        EXPECT_EQ(cd_->Root(), shown.drive);
        EXPECT_EQ(!on, GetSoundEffectsSetting().Get());
        EXPECT_EQ(!on, GetAmbientSoundsSetting().Get());
        EXPECT_EQ(!on, GetIntroSequenceSetting().Get());
        EXPECT_EQ(!on, GetPromptCDSetting().Get());
        EXPECT_EQ(on ? 25 : 10000, GetDenominationSetting().Get());
    }
}

TEST_F(CDTest, OptionsCancelStoresNothingAndAnUnknownDenominationChecksNoneAndStays) {
    SetFlags(true);
    GetDenominationSetting().Set(5);
    Shown shown;
    DialogDriver player([&] {
        HWND options = WaitForDialog(kOptionsCaption);
        if (!options) return;
        shown = ReadDialog(options);
        PressButton(options, IDC_SOUND_EFFECTS);
        CheckDenomination(options, IDC_DENOMINATION_LAST);
        PressButton(options, IDCANCEL);
    });
    OptionsDialog dialog;
    EXPECT_EQ(IDCANCEL, dialog.Run(nullptr));
    player.Join();
    EXPECT_EQ(0, shown.denomination) << "no value that is not in play";
    EXPECT_TRUE(GetSoundEffectsSetting().Get());
    EXPECT_EQ(5, GetDenominationSetting().Get());

    // OK for another setting leaves the denomination in play as it is.
    DialogDriver again([&] {
        HWND options = WaitForDialog(kOptionsCaption);
        if (!options) return;
        PressButton(options, IDC_SOUND_EFFECTS);
        PressButton(options, IDOK);
    });
    OptionsDialog second;
    EXPECT_EQ(IDOK, second.Run(nullptr));
    again.Join();
    EXPECT_FALSE(GetSoundEffectsSetting().Get());
    EXPECT_EQ(5, GetDenominationSetting().Get()) << "not the first button's 25 cents";
}

TEST_F(CDTest, ANewDriveInTheOptionsMovesTheFoldersAndChecksForTheCD) {
    SetFolders("C:\\vellmoor\\movies", "", "C:\\vellmoor\\clipart");
    GetPromptCDSetting().Set(true);
    DialogDriver player([&] {
        HWND options = WaitForDialog(kOptionsCaption);
        if (!options) return;
        ChooseEntry(options, IDC_CD_DRIVES, cd_->Root());
        PressButton(options, IDOK);
    });
    OptionsDialog dialog;
    bool prompted = PromptAppearedDuring([&] { dialog.Run(nullptr); });
    player.Join();
    // The movie is not in the CD's "vellmoor\movies": the prompt asked and was cancelled.
    EXPECT_TRUE(prompted);
    EXPECT_EQ(cd_->Root() + "vellmoor\\movies", GetMoviePathSetting().Get());
    EXPECT_EQ(cd_->Root(), GetAmbientPathSetting().Get());
    EXPECT_EQ(cd_->Root() + "vellmoor\\clipart", GetClipArtPathSetting().Get());
}

TEST_F(CDTest, WhileADenominationIsLockedTheOptionsKeepItUnchanged) {
    GetDenominationSetting().Set(500);
    GetDenominationSetting().Lock();
    Shown shown;
    DialogDriver player([&] {
        HWND options = WaitForDialog(kOptionsCaption);
        if (!options) return;
        shown = ReadDialog(options);
        CheckDenomination(options, IDC_DENOMINATION_LAST);
        PressButton(options, IDOK);
    });
    OptionsDialog dialog;
    dialog.Run(nullptr);
    player.Join();
    GetDenominationSetting().Unlock();
    EXPECT_FALSE(shown.denominationEnabled);
    EXPECT_EQ(IDC_DENOMINATION_FIRST + 2, shown.denomination);
    EXPECT_EQ(500, GetDenominationSetting().Get());
}
