// Every kind of element on the Graphics page driven through its own input handling: the
// mouse on the page, the commands of its menu and the answers typed into its dialogs.
// After the save, the script compiled again shows exactly the edits made, and the
// elements that were not touched are as they were.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "AnimationSet.h"
#include "ArmElement.h"
#include "Bitmap.h"
#include "ButtonElement.h"
#include "CoinSlotElement.h"
#include "DialogDriver.h"
#include "EditorDialogIds.h"
#include "EditorPageIds.h"
#include "ElementDialogControls.h"
#include "EditorFixture.h"
#include "EnginePictureProbe.h"
#include "ElementMenu.h"
#include "ElementName.h"
#include "IndicatorElement.h"
#include "PolygonRegionElement.h"
#include "ReelElement.h"

namespace {

// The dialog as it draws itself, as a .bmp file named after its caption in the folder.
void SavePicture(HWND dialog, const std::string& folder, const std::string& caption) {
    RECT r = {};
    GetWindowRect(dialog, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    PrintWindow(dialog, dc, 0);
    // The controls draw themselves into their place of the picture.
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT c = {};
        GetWindowRect(child, &c);
        const POINT at = {c.left - r.left, c.top - r.top};
        SetViewportOrgEx(dc, at.x, at.y, nullptr);
        PrintWindow(child, dc, 0);
    }
    SetViewportOrgEx(dc, 0, 0, nullptr);
    GdiFlush();
    const DWORD rowBytes = DWORD((w * 3 + 3) & ~3), size = rowBytes * DWORD(h);
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info.bmiHeader + size), 0, 0,
                             DWORD(sizeof file + sizeof info.bmiHeader)};
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    bytes.append(static_cast<const char*>(bits), size);
    std::string name;
    for (char c : caption) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    WriteFileBytes(folder + "\\" + name + ".bmp", bytes);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
}

// Answers the dialog of the caption from a helper thread: the steps fill it, then OK.
// With VSL_DIALOG_PICTURES naming a folder, a picture of the filled dialog goes there; with
// VSL_DIALOG_HOLD_MS, the filled dialog stays that long on the display before OK.
void AnswerDialog(const std::string& caption, const std::function<void(HWND)>& steps,
                  const std::function<void()>& opens) {
    DialogDriver driver([&] {
        HWND dialog = WaitForDialog(caption.c_str());
        if (!dialog) return;
        steps(dialog);
        if (const char* folder = std::getenv("VSL_DIALOG_PICTURES")) SavePicture(dialog, folder, caption);
        if (const char* hold = std::getenv("VSL_DIALOG_HOLD_MS")) Sleep(DWORD(std::atoi(hold)));
        PressButton(dialog, IDOK);
    });
    opens();
    driver.Join();
}

void Rename(EditableElement* element, int renameCommand, const std::string& caption, const char* typed,
            const std::function<void(int)>& run) {
    AnswerDialog(caption, [typed](HWND dialog) { SetDlgItemTextA(dialog, IDC_RENAME_NAME, typed); },
                 [&] { run(renameCommand); });
    (void)element;
}

std::pair<int, int> XY(const Point& p) { return {p.x, p.y}; }

// A picture file's size and the colour of one of its pixels.
struct PictureSample {
    int width = 0, height = 0;
    COLORREF colour = CLR_INVALID;
};

PictureSample SampleBmp(const std::string& path, int x, int y) {
    PictureSample sample;
    Bitmap picture;
    if (!picture.LoadImageFile(path) || !picture.StretchInto(24)) return sample;
    sample.width = picture.Width(), sample.height = picture.Height();
    const int row = picture.IsTopDown() ? y : picture.Height() - 1 - y;
    const uint8_t* bgr = picture.Pixels() + size_t(row) * picture.RowBytes() + size_t(x) * 3;
    sample.colour = RGB(bgr[2], bgr[1], bgr[0]);
    return sample;
}

// A pixel of an owner-drawn sprite's picture.
COLORREF SurfacePixel(const OwnerDrawSpriteHandle& sprite, int x, int y) {
    if (!sprite.Surface().bitmap) return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, sprite.Surface().bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

// A pixel of the element's own sprite.
COLORREF SpritePixel(EditableElement* element, int x, int y) {
    auto* sprite = dynamic_cast<OwnerDrawSpriteHandle*>(element->GetSprite());
    return sprite ? SurfacePixel(*sprite, x, y) : CLR_INVALID;
}

// Colours alike but for what a 16-bit picture loses.
bool CloseColours(COLORREF a, COLORREF b) {
    if (a == CLR_INVALID || b == CLR_INVALID) return false;
    auto alike = [](int p, int q) { return std::abs(p - q) <= 8; };
    return alike(GetRValue(a), GetRValue(b)) && alike(GetGValue(a), GetGValue(b)) && alike(GetBValue(a), GetBValue(b));
}

// The page point in the middle of the element.
POINT Middle(const EditableElement* element) {
    const ElementRect& r = element->GetRect();
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void DragBy(PageDriver& mouse, const EditableElement* element, int dx, int dy) {
    const POINT from = Middle(element);
    mouse.Drag(from.x, from.y, from.x + dx, from.y + dy);
}

std::vector<std::string> ComboEntries(HWND dialog, int id) {
    std::vector<std::string> entries;
    const LRESULT count = SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = {};
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
        entries.push_back(text);
    }
    return entries;
}

TEST_F(EditorWindowTest, ButtonsAreAddedMovedEditedRenamedAndDeletedAndTheScriptShowsExactlyThat) {
    Open();
    const std::unique_ptr<MachineScript> before = CompiledOriginal();
    PageDriver mouse(page_);
    ButtonElement* spin = Find<ButtonElement>("Spin");
    ButtonElement* lamp = Find<ButtonElement>("Lamp");
    ButtonElement* bell = Find<ButtonElement>("Bell");
    ASSERT_TRUE(spin && lamp && bell);
    EXPECT_EQ(300 - lamp->GetRect().Width() / 2, lamp->GetRect().left);  // its hot spot is centred
    // Glow is transparent and read from image files: the page leaves out the key border
    // round its picture.
    const PictureSample glow = SampleBmp(folder_ + "\\foxfire_glow1.bmp", 2, 24);
    EXPECT_EQ(glow.width - 2, lamp->GetRect().Width());
    EXPECT_EQ(glow.height - 2, lamp->GetRect().Height());
    EXPECT_TRUE(CloseColours(glow.colour, SpritePixel(lamp, 1, 23)));  // the glow's frame
    DragBy(mouse, lamp, 20, 10);

    // A drag followed by Properties: the button stays where it was dragged.
    DragBy(mouse, spin, 12, -6);
    const ElementRect dragged = spin->GetRect();
    std::vector<std::string> offered;
    AnswerDialog("Spin: Button Properties", [&](HWND dialog) {
        offered = ComboEntries(dialog, IDC_ANIMATION);
        SetDlgItemInt(dialog, IDC_PRIORITY, 150, TRUE);
        SetDlgItemTextA(dialog, IDC_HOTKEY, "x");
        CheckDlgButton(dialog, IDC_SHIFT, BST_CHECKED);
    }, [&] { spin->RunCommand(ID_ITEM_PROPERTIES, editor_.get()); });
    EXPECT_EQ(dragged, spin->GetRect());
    EXPECT_EQ(1, std::count_if(offered.begin(), offered.end(), [](const std::string& e) { return e[0] == '{'; }));
    EXPECT_EQ(1, std::count(offered.begin(), offered.end(), "{Button Spin}"));
    EXPECT_EQ(1, std::count(offered.begin(), offered.end(), "Glow"));
    {
        BoxAnswer changed(kNameChangeCaption, IDOK);
        Rename(lamp, ID_RENAME_ITEM, "Rename Button", "Big Lamp!",
               [&](int command) { lamp->RunCommand(command, editor_.get()); });
        EXPECT_TRUE(changed.Seen());
    }
    EXPECT_EQ("Big_Lamp_ Button", lamp->GetDisplayText());
    bell->RunCommand(ID_DELETE_ITEM, editor_.get());

    // A new button takes the centred glow and is dragged: it is saved where it is shown.
    auto* added = static_cast<ButtonElement*>(page_->GetLayout().AddButton(*page_->GetStage(), POINT{60, 470}, folder_));
    page_->AddElement(added, false);
    AnswerDialog("New_Button_0: Button Properties",
                 [](HWND dialog) { SendDlgItemMessageA(dialog, IDC_ANIMATION, CB_SELECTSTRING, WPARAM(-1), LPARAM("Glow")); },
                 [&] { added->EditProperties(editor_.get()); });
    EXPECT_EQ(60 - added->GetRect().Width() / 2, added->GetRect().left);
    DragBy(mouse, added, 10, 0);

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const auto buttons = Compiled()->GetButtons();
    const auto original = before->GetButtons();
    EXPECT_EQ(0u, buttons.count("Bell"));
    EXPECT_EQ(0u, buttons.count("Lamp"));
    ASSERT_EQ(1u, buttons.count("Spin"));
    const ButtonPart& big = buttons.at("Spin").button;
    EXPECT_EQ(std::make_pair(372, 394), XY(big.position));
    EXPECT_EQ(150, big.priority);
    EXPECT_EQ('x', big.hotKey);
    EXPECT_EQ(HotKeyShift, big.hotKeyFlags & HotKeyShift);
    EXPECT_EQ(original.at("Spin").button.scriptlets, big.scriptlets);
    ASSERT_EQ(1u, buttons.count("Big_Lamp_"));
    EXPECT_EQ(std::make_pair(320, 460), XY(buttons.at("Big_Lamp_").button.position));
    ASSERT_EQ(1u, buttons.count("New_Button_0"));
    EXPECT_EQ(std::make_pair(70, 470), XY(buttons.at("New_Button_0").button.position));
    EXPECT_EQ("Glow", buttons.at("New_Button_0").button.picture.animationName);
    for (const char* name : {"BetOne", "BetMax", "CashOut"}) {
        EXPECT_EQ(original.at(name).button.rectangle, buttons.at(name).button.rectangle) << name;
        EXPECT_EQ(original.at(name).button.hotKey, buttons.at(name).button.hotKey) << name;
    }
    EXPECT_EQ(6u, buttons.size());
}

// Add Button on the page's menu: a Properties box cancelled takes the add back (a button
// needs a picture to be saved) and leaves its name to the next one, the box starts on an
// animation, and the animation chosen in it is saved with the button.
TEST_F(EditorWindowTest, AButtonAddedFromTheMenuIsSavedWithTheAnimationChosenForIt) {
    Open();
    const size_t elements = page_->GetLayout().GetElements().size();
    {
        DialogDriver driver([] {
            if (HWND dialog = WaitForDialog("New_Button_0: Button Properties")) PressButton(dialog, IDCANCEL);
        });
        page_->RunMenuCommand(ID_ADD_BUTTON, POINT{292, 427});
    }
    EXPECT_EQ(elements, page_->GetLayout().GetElements().size());
    std::string first;
    AnswerDialog("New_Button_0: Button Properties", [&first](HWND dialog) {
        char text[128] = {};
        GetDlgItemTextA(dialog, IDC_ANIMATION, text, sizeof text);
        first = text;
    }, [&] { page_->RunMenuCommand(ID_ADD_BUTTON, POINT{100, 427}); });
    EXPECT_NE("", first);
    AnswerDialog("New_Button_1: Button Properties", [](HWND dialog) {
        HWND combo = GetDlgItem(dialog, IDC_ANIMATION);
        const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("Glow"));
        SendMessageA(combo, CB_SETCURSEL, WPARAM(index), 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_ANIMATION, CBN_SELCHANGE), LPARAM(combo));
    }, [&] { page_->RunMenuCommand(ID_ADD_BUTTON, POINT{470, 380}); });
    EXPECT_EQ(elements + 2, page_->GetLayout().GetElements().size());

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const auto buttons = Compiled()->GetButtons();
    EXPECT_EQ(0u, buttons.count("New_Button_2"));
    ASSERT_EQ(1u, buttons.count("New_Button_0"));
    EXPECT_EQ(first, buttons.at("New_Button_0").button.picture.animationName);
    ASSERT_EQ(1u, buttons.count("New_Button_1"));
    EXPECT_EQ("Glow", buttons.at("New_Button_1").button.picture.animationName);
    EXPECT_EQ(470, buttons.at("New_Button_1").button.position.x);
}

// Add Indicator on the page's menu, as Add Button: its Properties box starts on the first
// animation offered, a box cancelled takes the add back and leaves its name to the next
// one, and the indicator kept shows its animation (no longer a bare rectangle) and is saved
// with it.
TEST_F(EditorWindowTest, AnIndicatorAddedFromTheMenuShowsAndIsSavedWithTheAnimationChosenForIt) {
    Open();
    const size_t elements = page_->GetLayout().GetElements().size();
    {
        DialogDriver driver([] {
            if (HWND dialog = WaitForDialog("New_Indicator_0: Indicator Properties")) PressButton(dialog, IDCANCEL);
        });
        page_->RunMenuCommand(ID_ADD_INDICATOR, POINT{40, 520});
    }
    EXPECT_EQ(elements, page_->GetLayout().GetElements().size());
    EXPECT_EQ(nullptr, Find<IndicatorElement>("New_Indicator_0"));
    std::string first;
    AnswerDialog("New_Indicator_0: Indicator Properties", [&first](HWND dialog) {
        char text[128] = {};
        GetDlgItemTextA(dialog, IDC_ANIMATION, text, sizeof text);
        first = text;
    }, [&] { page_->RunMenuCommand(ID_ADD_INDICATOR, POINT{40, 520}); });
    EXPECT_NE("", first);
    AnswerDialog("New_Indicator_1: Indicator Properties", [](HWND dialog) {
        HWND combo = GetDlgItem(dialog, IDC_ANIMATION);
        SendMessageA(combo, CB_SETCURSEL, WPARAM(SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("Meter"))), 0);
        SetDlgItemInt(dialog, IDC_DIGITS, 3, TRUE);
    }, [&] { page_->RunMenuCommand(ID_ADD_INDICATOR, POINT{140, 520}); });
    EXPECT_EQ(elements + 2, page_->GetLayout().GetElements().size());
    IndicatorElement* meter = Find<IndicatorElement>("New_Indicator_1");
    ASSERT_NE(nullptr, meter);
    EXPECT_EQ(3u, meter->GetCellCount());
    const SIZE digit = meter->GetSet()->GetLargestFrameSize();
    EXPECT_EQ(3 * digit.cx, meter->GetRect().Width());

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const auto indicators = Compiled()->GetIndicators();
    EXPECT_EQ(0u, indicators.count("New_Indicator_2"));
    ASSERT_EQ(1u, indicators.count("New_Indicator_0"));
    EXPECT_EQ(first, indicators.at("New_Indicator_0").indicator.picture.animationName);
    ASSERT_EQ(1u, indicators.count("New_Indicator_1"));
    const IndicatorPart& saved = indicators.at("New_Indicator_1").indicator;
    EXPECT_EQ("Meter", saved.picture.animationName);
    EXPECT_EQ(3, saved.digits);
    EXPECT_EQ((ScriptRect{140, 520, 140 + 3 * digit.cx, 520 + digit.cy}), saved.rectangle);
}

TEST_F(EditorWindowTest, IndicatorsAreAddedMovedEditedRenamedAndDeletedAndKeepTheDigitsThePlaySideDraws) {
    Open();
    const std::unique_ptr<MachineScript> before = CompiledOriginal();
    PageDriver mouse(page_);
    IndicatorElement* credit = Find<IndicatorElement>("Credit");
    IndicatorElement* jackpot = Find<IndicatorElement>("Jackpot");
    IndicatorElement* spare = Find<IndicatorElement>("Spare");
    ASSERT_TRUE(credit && jackpot && spare);
    mouse.Drag(credit->GetRect().right - 10, 50, credit->GetRect().right, 60);  // the part Bet does not cover
    const ElementRect dragged = credit->GetRect();
    AnswerDialog("Credit: Indicator Properties", [](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_DIGITS, "25");  // more than ten digits cannot be shown
        SetDlgItemInt(dialog, IDC_PRIORITY, 80, TRUE);
        CheckDlgButton(dialog, IDC_DOLLAR_SIGN, BST_UNCHECKED);
    }, [&] { credit->RunCommand(ID_ITEM_PROPERTIES, editor_.get()); });
    EXPECT_EQ(10u, credit->GetCellCount());
    EXPECT_EQ(dragged.left, credit->GetRect().left);
    EXPECT_EQ(dragged.top, credit->GetRect().top);
    {
        // The blank the name cannot hold is not dropped silently: the author sees the name it becomes.
        BoxAnswer changed(kNameChangeCaption, IDOK);
        Rename(jackpot, ID_RENAME_ITEM, "Rename Indicator", "Grand Prize",
               [&](int command) { jackpot->RunCommand(command, editor_.get()); });
        EXPECT_NE(std::string::npos, changed.Text().find("\"Grand Prize\" becomes \"Grand_Prize\"")) << changed.Text();
    }
    EXPECT_EQ("Grand_Prize Indicator", jackpot->GetDisplayText());
    // Renamed, the indicator still finds its own animation among the choices, chosen.
    std::vector<std::string> offered;
    std::string chosen;
    {
        DialogDriver driver([&] {
            HWND dialog = WaitForDialog("Grand_Prize: Indicator Properties");
            if (!dialog) return;
            offered = ComboEntries(dialog, IDC_ANIMATION);
            char text[256] = {};
            GetDlgItemTextA(dialog, IDC_ANIMATION, text, sizeof text);
            chosen = text;
            PressButton(dialog, IDCANCEL);
        });
        jackpot->RunCommand(ID_ITEM_PROPERTIES, editor_.get());
    }
    EXPECT_EQ(1, std::count(offered.begin(), offered.end(), "{Indicator Jackpot}"));
    EXPECT_EQ("{Indicator Jackpot}", chosen);
    spare->RunCommand(ID_DELETE_ITEM, editor_.get());
    EditableElement* added = page_->GetLayout().AddIndicator(*page_->GetStage(), POINT{40, 520});
    page_->AddElement(added, false);
    mouse.Drag(45, 525, 50, 530);

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const auto indicators = Compiled()->GetIndicators();
    const auto original = before->GetIndicators();
    EXPECT_EQ(0u, indicators.count("Spare"));
    EXPECT_EQ(0u, indicators.count("Jackpot"));
    ASSERT_EQ(1u, indicators.count("Grand_Prize"));
    EXPECT_EQ(original.at("Jackpot").indicator.rectangle, indicators.at("Grand_Prize").indicator.rectangle);
    const IndicatorPart& cash = indicators.at("Credit").indicator;
    EXPECT_EQ(170, cash.rectangle.left);
    EXPECT_EQ(50, cash.rectangle.top);
    EXPECT_EQ(10, cash.digits);
    EXPECT_EQ(80, cash.priority);
    EXPECT_EQ(0, cash.dollarSign);
    ASSERT_EQ(1u, indicators.count("New_Indicator_0"));
    const IndicatorPart& fresh = indicators.at("New_Indicator_0").indicator;
    EXPECT_EQ((ScriptRect{45, 525, 55, 535}), fresh.rectangle);
    EXPECT_EQ(1, fresh.digits);
    for (const char* name : {"Bet", "WinnerPaid", "Denomination"}) {
        EXPECT_EQ(original.at(name).indicator.rectangle, indicators.at(name).indicator.rectangle) << name;
        EXPECT_EQ(original.at(name).indicator.digits, indicators.at(name).indicator.digits) << name;
    }
    EXPECT_EQ(6u, indicators.size());
}

// The digits of the indicator as the machine builder compiles the script: with the sizes
// of its pictures.
int32_t BuiltDigits(const std::string& path, const std::string& indicator) {
    EnginePictureProbe probe;
    MachineScript script;
    script.SetPictureProbe(&probe);
    script.Compile(path, nullptr, nullptr);
    EXPECT_TRUE(script.IsCompiled());
    const auto indicators = script.GetIndicators();
    return indicators.count(indicator) ? indicators.at(indicator).indicator.digits : 0;
}

// Credit leaves its number of digits to its size and its pictures. Its properties show
// the digits the played machine has, and OK with nothing changed leaves the script as it
// was, to the byte.
TEST_F(EditorWindowTest, OKOnUnchangedIndicatorPropertiesKeepsTheDigitsAndTheScript) {
    Open();
    IndicatorElement* credit = Find<IndicatorElement>("Credit");
    ASSERT_NE(nullptr, credit);
    const int32_t digits = BuiltDigits(script_, "Credit");
    ASSERT_GT(digits, 1);
    EXPECT_EQ(size_t(digits), credit->GetCellCount());
    std::string shown;
    AnswerDialog("Credit: Indicator Properties", [&](HWND dialog) {
        char text[16] = {};
        GetDlgItemTextA(dialog, IDC_DIGITS, text, sizeof text);
        shown = text;
    }, [&] { credit->RunCommand(ID_ITEM_PROPERTIES, editor_.get()); });
    EXPECT_EQ(std::to_string(digits), shown);
    EXPECT_EQ(size_t(digits), credit->GetCellCount());

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::string saved = ReadFileBytes(script_);
    std::string changed;
    for (const std::string& line : ChangedLines(original_, saved)) changed += line + "\n";
    EXPECT_TRUE(saved == original_) << changed;
    EXPECT_EQ(digits, BuiltDigits(script_, "Credit"));
}

// The Large Sword arm of our clip art, as a Gold wizard machine has it, shows the colours
// the game shows: a red pommel and a silver blade. The engine's pictures are 15-bit; read
// as 16-bit ones the pommel was green and the blade blue.
TEST_F(EditorWindowTest, AnArmFromAnAssetFileShowsTheColoursTheGameShows) {
    std::string arms = std::string("Z:") + VSL_CLIP_ART_DIR + "\\arms.ast";
    for (char& c : arms)
        if (c == '/') c = '\\';
    const std::string arm = "    Arm { Glow = 520, 110 }";
    ASSERT_NE(std::string::npos, original_.find(arm));
    original_.replace(original_.find(arm), arm.size(), "    Arm { { \"" + arms + "\" , 130 } = 480, 110 }");
    WriteFileBytes(script_, original_);
    Open();
    ArmElement* sword = Find<ArmElement>("Pull Arm");
    ASSERT_NE(nullptr, sword);
    EXPECT_EQ(48, sword->GetRect().Width());
    ASSERT_EQ(1u, sword->GetRecords().size());
    const COLORREF pommel = SurfacePixel(sword->GetRecords()[0]->sprite, 24, 16);
    const COLORREF blade = SurfacePixel(sword->GetRecords()[0]->sprite, 24, 100);
    EXPECT_TRUE(CloseColours(RGB(200, 30, 30), pommel)) << std::hex << pommel;
    EXPECT_TRUE(CloseColours(RGB(215, 220, 230), blade)) << std::hex << blade;
}

TEST_F(EditorWindowTest, TheCoinSlotAndTheArmMoveByTheirHotSpotsAndAReelAreaResizesByItsEdge) {
    Open();
    const std::unique_ptr<MachineScript> before = CompiledOriginal();
    PageDriver mouse(page_);
    CoinSlotElement* coin = Find<CoinSlotElement>("Coin Slot");
    ArmElement* arm = Find<ArmElement>("Pull Arm");
    ReelElement* reel = Find<ReelElement>("Reel 2 Area");
    ASSERT_TRUE(coin && arm && reel);
    EXPECT_EQ(520 - arm->GetRect().Width() / 2, arm->GetRect().left);  // the glow's hot spot is centred
    DragBy(mouse, coin, 6, 4);
    DragBy(mouse, arm, 10, 20);
    mouse.Drag(413, 200, 420, 200);  // the right edge, from just inside it

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::unique_ptr<MachineScript> saved = Compiled();
    EXPECT_EQ(std::make_pair(516, 284), XY(saved->GetCoin().dropPosition));
    EXPECT_EQ(530, saved->GetArmRect().left);
    EXPECT_EQ(130, saved->GetArmRect().top);
    EXPECT_EQ((ScriptRect{318, 120, 420, 312}), saved->GetReelPosition(2).rectangle);
    for (int r = 0; r < 2; ++r)
        EXPECT_EQ(before->GetReelPosition(r).rectangle, saved->GetReelPosition(r).rectangle) << r;
    EXPECT_EQ(before->GetCoin().coin, saved->GetCoin().coin);
    EXPECT_EQ(before->GetArmAnimation(), saved->GetArmAnimation());
}

// The buttons and indicators the compiler requires can be neither deleted nor renamed;
// other elements still can.
TEST_F(EditorWindowTest, TheButtonsAndIndicatorsEveryMachineNeedsAreNeitherDeletedNorRenamed) {
    Open();
    ButtonElement* spin = Find<ButtonElement>("Spin");
    IndicatorElement* credit = Find<IndicatorElement>("Credit");
    ButtonElement* lamp = Find<ButtonElement>("Lamp");
    ASSERT_TRUE(spin && credit && lamp);
    for (int command : {ID_DELETE_ITEM, ID_RENAME_ITEM}) {
        for (EditableElement* element : {static_cast<EditableElement*>(spin), static_cast<EditableElement*>(credit)}) {
            BoxAnswer refusal(kRequiredElementCaption, IDOK);
            if (element == spin)
                spin->RunCommand(command, editor_.get());
            else
                credit->RunCommand(command, editor_.get());
            EXPECT_NE(std::string::npos, refusal.Text().find(element->GetName())) << refusal.Text();
        }
    }
    EXPECT_FALSE(spin->IsDeleted() || credit->IsDeleted());
    EXPECT_EQ("Spin Button", spin->GetDisplayText());
    EXPECT_EQ("Credit", credit->GetName());
    lamp->RunCommand(ID_DELETE_ITEM, editor_.get());

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::unique_ptr<MachineScript> saved = Compiled();
    EXPECT_EQ(1u, saved->GetButtons().count("Spin"));
    EXPECT_EQ(0u, saved->GetButtons().count("Lamp"));
    EXPECT_EQ(1u, saved->GetIndicators().count("Credit"));
}

// What the Coin statement names (its regions and its denomination indicator) is not
// deleted, under its script name or a new one; the message says who uses it. A region the
// statement does not name is deleted, and the saved script's Coin statement still finds
// everything it names.
TEST_F(EditorWindowTest, TheRegionsAndTheIndicatorTheCoinStatementNamesAreNotDeleted) {
    Open();
    PolygonRegionElement* coinSlot = Find<PolygonRegionElement>("CoinSlot");
    PolygonRegionElement* plate = Find<PolygonRegionElement>("DenomPlate");
    PolygonRegionElement* lucky = Find<PolygonRegionElement>("Lucky");
    IndicatorElement* denomination = Find<IndicatorElement>("Denomination");
    ASSERT_TRUE(coinSlot && plate && lucky && denomination);
    Rename(plate, ID_REGION_RENAME, "Rename Region", "Plate",
           [&](int command) { plate->RunCommand(command, editor_.get()); });
    const std::pair<EditableElement*, std::string> named[] = {
        {coinSlot, "CoinSlot cannot be deleted: the Coin statement names it as its coin slot region"},
        {plate, "Plate cannot be deleted: the Coin statement names it as its denomination region"},
        {denomination, "Denomination cannot be deleted: the Coin statement names it as its denomination indicator"}};
    for (const auto& [element, message] : named) {
        BoxAnswer refusal(kCoinUseCaption, IDOK);
        if (element == denomination)
            denomination->RunCommand(ID_DELETE_ITEM, editor_.get());
        else
            static_cast<PolygonRegionElement*>(element)->RunCommand(ID_REGION_DELETE, editor_.get());
        EXPECT_EQ(0u, refusal.Text().find(message)) << refusal.Text();
        EXPECT_FALSE(element->IsDeleted()) << message;
    }
    lucky->RunCommand(ID_REGION_DELETE, editor_.get());
    EXPECT_TRUE(lucky->IsDeleted());

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::unique_ptr<MachineScript> saved = Compiled();
    const auto regions = saved->GetRegions();
    EXPECT_EQ(0u, regions.count("Lucky"));
    const CoinSettings coin = saved->GetCoin();
    EXPECT_EQ("Plate", coin.denominationRegion);
    for (const std::string& name : {coin.insertionRegion, coin.denominationRegion, coin.billRegion})
        EXPECT_EQ(1u, regions.count(name)) << name;
    EXPECT_EQ(1u, saved->GetIndicators().count(coin.denominationIndicator));
}

// A double quote typed as a button's hot key is refused in the dialog, which stays open;
// the key typed after it is saved, and a refused key that is cancelled changes nothing.
TEST_F(EditorWindowTest, AButtonsHotKeyIsNeverADoubleQuote) {
    Open();
    ButtonElement* lamp = Find<ButtonElement>("Lamp");
    ButtonElement* betMax = Find<ButtonElement>("BetMax");
    ASSERT_TRUE(lamp && betMax);
    std::string text;
    bool stayed = false;
    auto refuseThen = [&](ButtonElement* button, const char* caption, int finally) {
        DialogDriver driver([&] {
            HWND dialog = WaitForDialog(caption);
            if (!dialog) return;
            SetDlgItemTextA(dialog, IDC_HOTKEY, "\"");
            BoxAnswer refusal(kInvalidHotKeyCaption, IDOK);
            PressButton(dialog, IDOK);
            text = refusal.Text();
            stayed = IsWindowVisible(dialog) != FALSE;
            SetDlgItemTextA(dialog, IDC_HOTKEY, "q");
            PressButton(dialog, finally);
        });
        button->RunCommand(ID_ITEM_PROPERTIES, editor_.get());
    };
    refuseThen(lamp, "Lamp: Button Properties", IDOK);
    EXPECT_EQ(HotKeyRefusal('"'), text);
    EXPECT_NE(std::string::npos, text.find("\"")) << text;
    EXPECT_TRUE(stayed);
    text.clear();
    refuseThen(betMax, "BetMax: Button Properties", IDCANCEL);
    EXPECT_EQ(HotKeyRefusal('"'), text);
    EXPECT_TRUE(stayed);

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const auto buttons = Compiled()->GetButtons();
    EXPECT_EQ('q', buttons.at("Lamp").button.hotKey);
    // BetMax keeps what its statement had: no key of its own (the face's M stands).
    EXPECT_EQ(0, buttons.at("BetMax").button.hotKey);
}

// The script keeps only the coin slot's and the arm's places: a press on their edges drags
// them as a press inside does, and their size stays the picture's.
TEST_F(EditorWindowTest, APressOnTheCoinSlotsOrTheArmsEdgeMovesThemAndNeverResizesThem) {
    Open();
    PageDriver mouse(page_);
    CoinSlotElement* coin = Find<CoinSlotElement>("Coin Slot");
    ArmElement* arm = Find<ArmElement>("Pull Arm");
    ASSERT_TRUE(coin && arm);
    const ElementRect armBefore = arm->GetRect(), coinBefore = coin->GetRect();
    const int armY = (armBefore.top + armBefore.bottom) / 2, coinY = (coinBefore.top + coinBefore.bottom) / 2;
    mouse.Drag(armBefore.right - 1, armY, armBefore.right + 9, armY);
    mouse.Drag(coinBefore.left + 1, coinY, coinBefore.left + 7, coinY);
    EXPECT_EQ(armBefore.Width(), arm->GetRect().Width());
    EXPECT_EQ(armBefore.Height(), arm->GetRect().Height());
    EXPECT_EQ(armBefore.left + 10, arm->GetRect().left);
    EXPECT_EQ(coinBefore.Width(), coin->GetRect().Width());
    EXPECT_EQ(coinBefore.left + 6, coin->GetRect().left);

    EXPECT_EQ(1, CloseAnswering(IDYES));
    const std::unique_ptr<MachineScript> saved = Compiled();
    EXPECT_EQ(530, saved->GetArmRect().left);
    EXPECT_EQ(std::make_pair(516, 280), XY(saved->GetCoin().dropPosition));
}

// A machine without a Coin statement has no coin slot to show or to drag; its other edits
// are saved.
TEST_F(EditorWindowTest, AMachineWithoutACoinStatementShowsNoCoinSlotAndSavesItsEdits) {
    const size_t coin = original_.find("    Coin {");
    ASSERT_NE(std::string::npos, coin);
    original_.erase(coin, original_.find('\n', coin) + 1 - coin);
    WriteFileBytes(script_, original_);
    Open();
    EXPECT_EQ(nullptr, Find<CoinSlotElement>("Coin Slot"));
    for (AnimationSet* set : page_->GetLayout().GetAnimationSets()) EXPECT_NE("{Coin}", set->GetName());
    PageDriver mouse(page_);
    mouse.Drag(20, 20, 30, 30);  // where a coin slot without a place was shown
    ArmElement* arm = Find<ArmElement>("Pull Arm");
    ASSERT_NE(nullptr, arm);
    DragBy(mouse, arm, 10, 0);
    EXPECT_EQ(1, CloseAnswering(IDYES));
    EXPECT_EQ(530, Compiled()->GetArmRect().left);
}

// An indicator whose animation has no pictures yet stands as "0000000000" in orange-red
// inside a green frame two pixels wide; the rest of its sprite is left out.
TEST_F(EditorWindowTest, AnIndicatorWithoutPicturesShowsItsPlaceholderInAGreenFrame) {
    Open();
    IndicatorElement* spare = Find<IndicatorElement>("Spare");
    ASSERT_NE(nullptr, spare);
    auto* sprite = dynamic_cast<OwnerDrawSpriteHandle*>(spare->GetSprite());
    ASSERT_TRUE(sprite && sprite->Surface().bitmap);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, sprite->Surface().bitmap);
    BITMAP info = {};
    GetObjectA(sprite->Surface().bitmap, sizeof info, &info);
    const int w = info.bmWidth, h = info.bmHeight;
    auto isGreen = [dc](int x, int y) {
        const COLORREF c = GetPixel(dc, x, y);
        return GetGValue(c) > 0xC0 && GetRValue(c) < 0x40 && GetBValue(c) < 0x40;
    };
    int frame = 0, text = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            frame += isGreen(x, y);
            text += GetRValue(c) > 0xC0 && GetBValue(c) < 0x40 && GetGValue(c) > 0x10 && GetGValue(c) < 0x60;
        }
    for (int x = 0; x < w; ++x)
        EXPECT_TRUE(isGreen(x, 0) && isGreen(x, h - 1) && (x == 0 || x == w - 1 || (isGreen(x, 1) && isGreen(x, h - 2))))
            << x;
    for (int y = 0; y < h; ++y)
        EXPECT_TRUE(isGreen(0, y) && isGreen(w - 1, y) && (y == 0 || y == h - 1 || (isGreen(1, y) && isGreen(w - 2, y))))
            << y;
    EXPECT_GT(text, 0);
    EXPECT_LT(frame, w * h);
    SelectObject(dc, old);
    DeleteDC(dc);
}

}  // namespace
