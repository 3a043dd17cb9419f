// The machine editor on one of our machines (see EditorFixture.h), driven by mouse and
// key messages: opening, selecting, dragging, nudging and renaming elements, and saving,
// with the backup and the failures of a save; and the layout model the Graphics page owns.
#include <gtest/gtest.h>

#include <cstdlib>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "AnimationSet.h"
#include "DialogDriver.h"
#include "EditorDriver.h"
#include "EditorFixture.h"
#include "EditorDialogIds.h"
#include "ElementName.h"
#include "HelpTopic.h"
#include "MachineScript.h"
#include "PolygonRegionElement.h"
#include "ReelElement.h"
#include "SoundPage.h"
#include "EditorPageIds.h"
#include "TestScreens.h"

namespace {

TEST_F(EditorWindowTest, OpeningAndClosingWithoutEditsLeavesLfAndCrLfScriptsByteIdentical) {
    for (const std::string& text : {original_, WithCrLf(original_)}) {
        WriteFileBytes(script_, text);
        Open();
        EXPECT_EQ("Editor", editor_->GetText());
        ASSERT_TRUE(page_->Apply());
        EXPECT_FALSE(editor_->GetScript().HasPatches());
        const std::string copy = folder_ + "\\copy.txt";
        ASSERT_TRUE(editor_->GetScript().WriteScript(copy));
        EXPECT_EQ(text, ReadFileBytes(copy));
        EXPECT_EQ(1, editor_->CanClose());  // no question without edits
        EXPECT_EQ(text, ReadFileBytes(script_));
        EXPECT_EQ("<missing>", ReadFileBytes(folder_ + "\\foxfire.old.txt"));
        editor_.reset();
    }
}

// A script copied without its pictures and sounds: the editor does not open, and its box
// ends with why, naming every file it misses.
TEST_F(EditorWindowTest, AScriptWithoutItsFilesSaysWhyTheEditorDidNotOpen) {
    const std::string alone = folder_ + "\\alone";
    CreateDirectoryA(alone.c_str(), nullptr);
    const std::string script = alone + "\\foxfire.txt";
    WriteFileBytes(script, original_);
    SetCurrentDirectoryA(alone.c_str());
    {
        BoxAnswer results("results", IDOK);
        EditorWindow editor(nullptr, script);
        EXPECT_EQ(0, editor.Create());
        const std::string text = results.Text();
        const size_t note = text.find("The editor did not open " + script + ": ");
        ASSERT_NE(std::string::npos, note) << text;
        for (const char* file : {"foxfire_spin.wav", "foxfire_stop.wav"})
            EXPECT_NE(std::string::npos, text.find(file, note)) << file;
    }
    SetCurrentDirectoryA(folder_.c_str());
    DeleteFileA(script.c_str());
    RemoveDirectoryA(alone.c_str());
}

TEST_F(EditorWindowTest, DraggingNudgingAndRenamingReachTheScriptAndTheBackupKeepsTheOriginal) {
    Open();
    PageDriver mouse(page_);
    ReelElement* reel = Find<ReelElement>("Reel 0 Area");
    PolygonRegionElement* lucky = Find<PolygonRegionElement>("Lucky");
    ASSERT_TRUE(reel && lucky);
    EXPECT_EQ((ElementRect{110, 120, 206, 312}), reel->GetRect());

    mouse.Drag(200, 200, 230, 215);
    EXPECT_EQ(reel, page_->GetActiveElement());
    EXPECT_EQ((ElementRect{140, 135, 236, 327}), reel->GetRect());
    EXPECT_EQ("Reel 0 Area (140,135 96x192)", StatusText(editor_->GetStatusBar()));
    mouse.Key(VK_RIGHT);
    mouse.Key(VK_RIGHT);
    mouse.Key(VK_DOWN);
    EXPECT_EQ((ElementRect{142, 136, 238, 328}), reel->GetRect());

    // A click with one pixel of movement selects without moving.
    mouse.Press(110, 510);
    mouse.MoveTo(111, 511);
    mouse.Release(111, 511);
    EXPECT_EQ(lucky, page_->GetActiveElement());
    EXPECT_FALSE(lucky->IsModified());
    EXPECT_EQ("Lucky Region (100,500 31x21)", StatusText(editor_->GetStatusBar()));
    lucky->SetCaption(MakeValidName("Lucky A"));
    lucky->SetCaption(MakeValidName("Lucky B!"));  // a second rename before the save

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::string saved = ReadFileBytes(script_);
    EXPECT_EQ(original_, ReadFileBytes(folder_ + "\\foxfire.old.txt"));
    EXPECT_EQ("<missing>", ReadFileBytes(folder_ + "\\foxfire.new.txt"));
    const std::vector<std::string> changed = ChangedLines(original_, saved);
    ASSERT_EQ(2u, changed.size()) << saved;
    EXPECT_NE(std::string::npos, changed[0].find("ReelPosition 0")) << changed[0];
    EXPECT_NE(std::string::npos, changed[1].find("Region Lucky_B_ { 100, 500")) << changed[1];
    EXPECT_EQ((ScriptRect{142, 136, 238, 328}), CompiledReel(script_, 0));
    EXPECT_EQ((ScriptRect{110 + 104, 120, 206 + 104, 312}), CompiledReel(script_, 1));
}

// The editor works in its script's folder while it handles its windows' messages and leaves
// the program's current directory as it was, where the game opens "lobbyAssets.ast",
// "fdassets.ast", "credits.ast" and its help files by their names. Opened from another
// folder, it finds the script's pictures and sounds, and its save compiles the edited script
// against them.
TEST_F(EditorWindowTest, TheEditorWorksInItsScriptsFolderAndLeavesTheCurrentDirectoryAsItWas) {
    const std::string game = folder_ + "\\game";
    CreateDirectoryA(game.c_str(), nullptr);
    const char* const gameFiles[] = {"lobbyAssets.ast", "fdassets.ast", "credits.ast", "vS_HELP.hlp", "viradu.hlp"};
    for (const char* name : gameFiles) WriteFileBytes(game + "\\" + name, name);
    SetCurrentDirectoryA(game.c_str());
    auto inTheGameFolder = [&](const char* when) {
        char here[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, here);
        EXPECT_EQ(0, lstrcmpiA(here, game.c_str())) << when << ": " << here;
        for (const char* name : gameFiles) EXPECT_EQ(name, ReadFileBytes(name)) << when;
    };
    Open();
    inTheGameFolder("open");
    PageDriver mouse(page_);
    mouse.Drag(200, 200, 230, 215);
    EXPECT_EQ((ElementRect{140, 135, 236, 327}), Find<ReelElement>("Reel 0 Area")->GetRect());
    inTheGameFolder("edited");
    EXPECT_EQ(1, CloseAnswering(IDYES));
    EXPECT_EQ("", editor_->GetSaveError());
    inTheGameFolder("saved");
    SetCurrentDirectoryA(folder_.c_str());
    EXPECT_EQ((ScriptRect{140, 135, 236, 327}), CompiledReel(script_, 0));
    for (const char* name : gameFiles) DeleteFileA((game + "\\" + name).c_str());
    RemoveDirectoryA(game.c_str());
}

// The status bar speaks of the page shown: the Graphics page's selection is not left
// standing on the Sounds and Animations pages, and comes back with the Graphics page.
TEST_F(EditorWindowTest, TheStatusBarShowsThePageShown) {
    Open();
    PageDriver mouse(page_);
    mouse.Press(110, 510);
    mouse.Release(110, 510);
    const std::string lucky = "Lucky Region (100,500 31x21)";
    ASSERT_EQ(lucky, StatusText(editor_->GetStatusBar()));
    editor_->ShowPage(EditorWindow::SoundsTab);
    EXPECT_EQ("Ready", StatusText(editor_->GetStatusBar()));
    editor_->ShowPage(EditorWindow::AnimationsTab);
    EXPECT_EQ("Ready", StatusText(editor_->GetStatusBar())) << "no frame is selected";
    editor_->ShowPage(EditorWindow::PayoutsTab);
    EXPECT_EQ("Ready", StatusText(editor_->GetStatusBar()));
    editor_->ShowPage(EditorWindow::GraphicsTab);
    EXPECT_EQ(lucky, StatusText(editor_->GetStatusBar()));
}

TEST_F(EditorWindowTest, AFailedSaveLosesNothingAndTheRetryWritesEachEditOnce) {
    Open();
    PageDriver mouse(page_);
    mouse.Drag(300, 200, 310, 200);  // reel 1
    PolygonRegionElement* lucky = Find<PolygonRegionElement>("Lucky");
    ASSERT_NE(nullptr, lucky);
    lucky->SetCaption("Lucky_Two");
    ASSERT_TRUE(CreateDirectoryA((folder_ + "\\foxfire.new.txt").c_str(), nullptr));

    {
        BoxAnswer error(kSaveError, IDOK);
        EXPECT_EQ(0, CloseAnswering(IDYES));
        EXPECT_EQ("Couldn't write new script", error.Text());
    }
    EXPECT_EQ(original_, ReadFileBytes(script_));
    EXPECT_EQ("<missing>", ReadFileBytes(folder_ + "\\foxfire.old.txt"));
    EXPECT_TRUE(editor_->GetHandle() != nullptr);

    ASSERT_TRUE(RemoveDirectoryA((folder_ + "\\foxfire.new.txt").c_str()));
    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::string saved = ReadFileBytes(script_);
    EXPECT_EQ(original_, ReadFileBytes(folder_ + "\\foxfire.old.txt"));
    EXPECT_EQ(2u, ChangedLines(original_, saved).size()) << saved;
    EXPECT_NE(std::string::npos, saved.find("Region Lucky_Two {"));
    EXPECT_EQ(saved.find("Lucky_Two"), saved.rfind("Lucky_Two"));
    EXPECT_EQ((ScriptRect{110 + 104 + 10, 120, 206 + 104 + 10, 312}), CompiledReel(script_, 1));
}

TEST_F(EditorWindowTest, CancelKeepsEditingAndALaterYesSavesTheEditOnce) {
    Open();
    PageDriver mouse(page_);
    mouse.Drag(200, 200, 200, 205);
    EXPECT_EQ(0, CloseAnswering(IDCANCEL));
    EXPECT_EQ(original_, ReadFileBytes(script_));
    mouse.Key(VK_UP);
    EXPECT_EQ(1, CloseAnswering(IDYES));
    EXPECT_EQ((ScriptRect{110, 124, 206, 316}), CompiledReel(script_, 0));
    EXPECT_EQ(1u, ChangedLines(original_, ReadFileBytes(script_)).size());
}

TEST_F(EditorWindowTest, EditsQueuedOutsideTheLayoutAreSavedToo) {
    Open();
    editor_->GetScript().SetBackdrop("other_back.bmp");  // as Choose Backdrop does
    EXPECT_FALSE(page_->IsModified());
    EXPECT_EQ(1, CloseAnswering(IDYES));
    EXPECT_NE(std::string::npos, ReadFileBytes(script_).find("Backdrop \"other_back.bmp\""));
    EXPECT_EQ(original_, ReadFileBytes(folder_ + "\\foxfire.old.txt"));
}

TEST_F(EditorWindowTest, AnsweringNoClosesWithoutWritingAnything) {
    Open();
    PageDriver mouse(page_);
    mouse.Drag(200, 200, 220, 200);
    EXPECT_EQ(1, CloseAnswering(IDNO));
    EXPECT_EQ(original_, ReadFileBytes(script_));
    EXPECT_EQ("<missing>", ReadFileBytes(folder_ + "\\foxfire.old.txt"));
}

TEST_F(EditorWindowTest, TheLayoutSharesNamedAnimationsAndGivesOwnPicturesSetsInBraces) {
    Open();
    MachineLayout& layout = page_->GetLayout();
    std::vector<std::string> names;
    AnimationSet* glow = nullptr;
    for (AnimationSet* set : layout.GetAnimationSets()) {
        names.push_back(set->GetName());
        if (set->GetName() == "Glow") glow = set;
    }
    auto has = [&](const std::string& name) { return std::count(names.begin(), names.end(), name); };
    EXPECT_EQ(1, has("Glow"));
    EXPECT_EQ(1, has("Lever"));
    EXPECT_EQ(1, has("{Button Spin}"));
    EXPECT_EQ(1, has("Meter"));
    EXPECT_EQ(1, has("DenomValues"));
    EXPECT_EQ(0, has("{Indicator Credit}"));  // the meters name Meter, the plate DenomValues
    EXPECT_EQ(1, has("{Coin}"));
    EXPECT_EQ(0, has("{Coin Drop}"));  // the coin drop names Glow
    EXPECT_EQ(0, has("{Pull Arm}"));   // the arm names Lever
    EXPECT_EQ(1, has("{Symbol Lantern}"));
    ASSERT_NE(nullptr, glow);
    EXPECT_EQ(2u, glow->GetSequences()[0]->GetFrameCount());
    EXPECT_EQ(4u, layout.GetSoundEntries().size());
    int reels = 0, regions = 0;
    for (const ElementRef& element : layout.GetElements()) {
        reels += dynamic_cast<ReelElement*>(element.Get()) != nullptr;
        regions += dynamic_cast<PolygonRegionElement*>(element.Get()) != nullptr;
        EXPECT_EQ(1, element.Get()->GetRefCount());
    }
    EXPECT_EQ(3, reels);
    EXPECT_EQ(4, regions);
    EXPECT_FALSE(layout.IsModified());
}

TEST_F(EditorWindowTest, RegionsAreAddedMovedEditedAndDeletedFromTheirMenusAndWrittenOnce) {
    Open();
    PageDriver mouse(page_);
    MachineLayout& layout = page_->GetLayout();
    EditableElement* added = layout.AddRegion(*page_->GetStage(), POINT{10, 420});
    page_->AddElement(added, false);
    EXPECT_EQ("New_Region_0", added->GetName());
    EXPECT_TRUE(layout.IsModified());
    mouse.Drag(10, 425, 20, 435);
    Find<PolygonRegionElement>("Lucky")->RunCommand(ID_REGION_DELETE, editor_.get());
    PolygonRegionElement* plate = Find<PolygonRegionElement>("DenomPlate");
    ASSERT_NE(nullptr, plate);
    DialogDriver driver([] {
        HWND dialog = WaitForDialog("DenomPlate: Region Properties");
        if (!dialog) return;
        SetDlgItemTextA(dialog, IDC_HOTKEY, "d");
        CheckDlgButton(dialog, IDC_SHIFT, BST_CHECKED);
        if (const char* hold = std::getenv("VSL_DIALOG_HOLD_MS")) Sleep(DWORD(std::atoi(hold)));
        PressButton(dialog, IDOK);
    });
    plate->RunCommand(ID_ITEM_PROPERTIES, editor_.get());
    driver.Join();
    EXPECT_EQ(1, CloseAnswering(IDYES));
    const auto regions = Compiled()->GetRegions();
    EXPECT_EQ(0u, regions.count("Lucky"));
    ASSERT_EQ(1u, regions.count("New_Region_0"));
    EXPECT_EQ(20, regions.at("New_Region_0").region.region.originX);
    EXPECT_EQ(430, regions.at("New_Region_0").region.region.originY);
    EXPECT_EQ(3u, regions.at("New_Region_0").region.region.vertices.size());
    EXPECT_EQ('d', regions.at("DenomPlate").region.hotKey);
    EXPECT_EQ(HotKeyShift, regions.at("DenomPlate").region.hotKeyFlags);
    // The coin slot keeps what its statement had: no key of its own (the face's C stands).
    EXPECT_EQ(0, regions.at("CoinSlot").region.hotKey);
    EXPECT_EQ(4u, regions.size());
}

TEST_F(EditorWindowTest, PolygonNodesAreInsertedDraggedAndDeletedDownToThreeAndSaved) {
    Open();
    PageDriver mouse(page_);
    PolygonRegionElement* lucky = Find<PolygonRegionElement>("Lucky");
    ASSERT_NE(nullptr, lucky);
    mouse.Drag(110, 510, 120, 500);  // the whole region first: nodes follow the new origin
    PageDriver::HoldKeys(true, false);
    mouse.Press(125, 491);  // just inside the top edge, which now runs from (110, 490) to (140, 490)
    mouse.Release(125, 491);
    PageDriver::HoldKeys(false, false);
    EXPECT_EQ(5u, lucky->CurrentRegion().region.vertices.size());
    EXPECT_EQ((ElementRect{110, 490, 141, 511}), lucky->GetRect());

    mouse.Press(140, 490);  // node 2, dragged up and right
    mouse.MoveTo(145, 488);
    mouse.MoveTo(150, 485);  // the handle follows the pointer, so the release finds it
    mouse.Release(150, 485);
    EXPECT_EQ((ElementRect{110, 485, 151, 511}), lucky->GetRect());

    PageDriver::HoldKeys(true, true);
    for (const POINT node : {POINT{110, 490}, POINT{125, 491}, POINT{150, 485}}) {
        mouse.Press(node.x, node.y);
        mouse.Release(node.x, node.y);
    }
    PageDriver::HoldKeys(false, false);
    EXPECT_EQ(3u, lucky->CurrentRegion().region.vertices.size());  // the third delete was refused

    // The pointer over the region says what a click does: the arrow, with Ctrl the pointer
    // that inserts a node, with Ctrl and Shift the one that deletes it.
    const HMODULE program = GetModuleHandleA(nullptr);
    const HCURSOR insert = LoadCursorA(program, MAKEINTRESOURCEA(110)), remove = LoadCursorA(program, MAKEINTRESOURCEA(111));
    ASSERT_TRUE(insert && remove && insert != remove);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), lucky->GetCursor());
    PageDriver::HoldKeys(true, false);
    EXPECT_EQ(insert, lucky->GetCursor());
    PageDriver::HoldKeys(true, true);
    EXPECT_EQ(remove, lucky->GetCursor());
    PageDriver::HoldKeys(false, false);

    EXPECT_EQ(1, CloseAnswering(IDYES));
    Point origin{};
    const std::vector<Point> nodes = CompiledNodes(script_, "Lucky", &origin);
    ASSERT_EQ(3u, nodes.size());
    EXPECT_EQ(110, origin.x);
    EXPECT_EQ(490, origin.y);
    const int expected[3][2] = {{40, -5}, {30, 20}, {0, 20}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(expected[i][0], nodes[i].x) << i;
        EXPECT_EQ(expected[i][1], nodes[i].y) << i;
    }
}

TEST_F(EditorWindowTest, RenamingARegionRefusesBadNamesAndSavesTheValidOne) {
    Open();
    PolygonRegionElement* lucky = Find<PolygonRegionElement>("Lucky");
    ASSERT_NE(nullptr, lucky);
    std::string prompt, changed;
    bool stayedOpen = false;
    std::vector<std::string> refusals;
    DialogDriver driver([&] {
        HWND dialog = WaitForDialog("Rename Region");
        if (!dialog) return;
        char text[256] = {};
        GetDlgItemTextA(dialog, IDC_RENAME_PROMPT, text, sizeof text);
        prompt = text;
        for (const char* typed : {"", "7up", "BillSlot", "Reel", "any", "Title", " x", "coin in"}) {
            SetDlgItemTextA(dialog, IDC_RENAME_NAME, typed);
            PostMessageA(dialog, WM_COMMAND, IDOK, 0);  // the refusal's box is modal: do not wait in it
            if (std::string(typed) == "coin in") {
                // The blank made "_" is shown; Cancel keeps the dialog open, OK takes the name.
                HWND box = WaitForDialog(kNameChangeCaption);
                if (!box) return;
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                changed = text;
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
                WaitUntil([box] { return !IsWindow(box); });
                stayedOpen = IsWindow(dialog) != FALSE;
                PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                if ((box = WaitForDialog(kNameChangeCaption)) != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
                break;
            }
            HWND box = WaitForDialog("Invalid Name");
            if (!box) return;
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            refusals.push_back(text);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            WaitUntil([box] { return !IsWindow(box); });
        }
    });
    EXPECT_TRUE(lucky->Rename(editor_.get()));
    driver.Join();
    EXPECT_EQ("Enter new name for Lucky", prompt);
    ASSERT_EQ(7u, refusals.size());
    EXPECT_NE(std::string::npos, refusals[2].find("already used")) << refusals[2];
    // Words of the script language, and " x" made "_x", are no names the script can read.
    for (size_t i = 3; i < 6; ++i) EXPECT_NE(std::string::npos, refusals[i].find("word of the script")) << refusals[i];
    EXPECT_NE(std::string::npos, refusals[6].find("_x")) << refusals[6];
    EXPECT_NE(std::string::npos, changed.find("\"coin in\" becomes \"coin_in\"")) << changed;
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ("coin_in", lucky->GetName());
    EXPECT_EQ("coin_in Region", lucky->GetDisplayText());

    EXPECT_EQ(1, CloseAnswering(IDYES));
    Point origin{};
    EXPECT_EQ(4u, CompiledNodes(script_, "coin_in", &origin).size());
    EXPECT_EQ(100, origin.x);
}

// The Coin statement names its regions and its sound: renaming them renames them there in
// the same save, and the machine still finds its coin slot and its coin's sound.
TEST_F(EditorWindowTest, RenamingARegionOrASoundTheCoinNamesRenamesItInTheCoinStatementToo) {
    Open();
    PolygonRegionElement* slot = Find<PolygonRegionElement>("CoinSlot");
    ASSERT_NE(nullptr, slot);
    auto typeName = [](const char* caption, const char* name) {
        return DialogDriver([caption, name] {
            HWND dialog = WaitForDialog(caption);
            if (!dialog) return;
            SetDlgItemTextA(dialog, IDC_RENAME_NAME, name);
            PressButton(dialog, IDOK);
        });
    };
    {
        DialogDriver driver = typeName("Rename Region", "Slot");
        EXPECT_TRUE(slot->Rename(editor_.get()));
        driver.Join();
    }
    auto* sounds = static_cast<SoundPage*>(editor_->GetPage(EditorWindow::SoundsTab));
    editor_->ShowPage(EditorWindow::SoundsTab);
    for (int row = 0; row < 8; ++row) {  // a click on the sound's row
        const POINT at = {20, row * sounds->GetRowHeight() + sounds->GetRowHeight() / 2};
        const SoundEntry* entry = sounds->EntryAt(at);
        if (entry && entry->GetName() == "Clink")
            SendMessageA(sounds->GetPane(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    ASSERT_NE(nullptr, sounds->GetSelected());
    ASSERT_EQ("Clink", sounds->GetSelected()->GetName());
    {
        DialogDriver driver = typeName("Rename Sound", "Ding");
        sounds->RunCommand(ID_RENAME_ITEM);
        driver.Join();
    }
    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::string saved = ReadFileBytes(script_);
    EXPECT_NE(std::string::npos, saved.find("Glow = 510, 280 Slot DenomPlate BillSlot Sound = Ding Denomination"))
        << saved;
    const std::unique_ptr<MachineScript> compiled = Compiled();
    EXPECT_EQ("Slot", compiled->GetCoin().insertionRegion);
    EXPECT_EQ("Ding", compiled->GetCoin().sound);
    EXPECT_EQ(1u, compiled->GetRegions().count("Slot"));
    EXPECT_EQ(1u, compiled->GetSounds().count("Ding"));
}

std::string askedHelp;

// F1 on any page, or on a child control of it, asks for the editor's topic of the
// authors' reference.
TEST_F(EditorWindowTest, F1OnEveryPageOpensTheEditorsTopic) {
    const HelpTopicOpener previous = SetHelpTopicOpener([](HWND, const std::string& file, const std::string& topic) {
        askedHelp += file + "#" + topic + ";";
        return true;
    });
    Open();
    for (int index = 0; index < EditorWindow::PageCount; ++index) {
        editor_->ShowPage(index);
        HWND page = editor_->GetPage(index)->GetHandle();
        askedHelp.clear();
        // What the system does with F1: WM_KEYF1 to the window with the focus.
        SendMessageA(page, 0x004D /* WM_KEYF1 */, 0, 0);
        EXPECT_EQ(askedHelp, "viradu.hlp#editor;") << "page " << index;
        if (HWND child = GetWindow(page, GW_CHILD)) {
            askedHelp.clear();
            SendMessageA(child, 0x004D, 0, 0);
            EXPECT_EQ(askedHelp, "viradu.hlp#editor;") << "a control of page " << index;
        }
    }
    SetHelpTopicOpener(previous);
}

}  // namespace
