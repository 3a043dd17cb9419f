// The editor's Graphics, Animations and Sounds pages on foxfire (as the content build
// makes it, with a chime of its own kept in an asset file), driven by mouse, key and menu
// commands: scrolling and adding elements where they were clicked, frames copied and
// pasted through the real clipboard, dragged, deleted and previewed, animation
// properties, and sounds added, renamed, played on the silent sink and deleted. Each
// test saves and compiles the script again to see exactly its edits.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <deque>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "AnimationPage.h"
#include "AnimationSet.h"
#include "AssetBuilder.h"
#include "AssetSound.h"
#include "Bitmap.h"
#include "BmpBytes.h"
#include "EditorDriver.h"
#include "EditorPageIds.h"
#include "ElementName.h"
#include "MachineScript.h"
#include "PageDialogs.h"
#include "PictureFileText.h"
#include "PolygonRegionElement.h"
#include "SequencePreviewWindow.h"
#include "SoundFileCheck.h"
#include "SoundPage.h"
#include "SoundSystem.h"
#include "TestScreens.h"

namespace {

const char kSaveQuestion[] = "Vellmoor Slots Editor: Save Changes";

// The lines of the saved text that the original does not have (a line moved down by an
// inserted one counts as unchanged).
std::vector<std::string> ChangedLines(const std::string& before, const std::string& after) {
    std::multiset<std::string> original;
    std::istringstream a(before), b(after);
    std::string line;
    while (std::getline(a, line)) original.insert(line);
    std::vector<std::string> changed;
    while (std::getline(b, line)) {
        auto found = original.find(line);
        if (found == original.end()) changed.push_back(line);
        else original.erase(found);
    }
    return changed;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The lines of the original that the saved text no longer has.
std::vector<std::string> RemovedLines(const std::string& before, const std::string& after) {
    return ChangedLines(after, before);
}

// Answers every message box of the caption with OK until it is destroyed, keeping their
// texts.
class BoxesAnswered {
public:
    explicit BoxesAnswered(const char* caption) : thread_([this, caption] { Run(caption); }) {}
    ~BoxesAnswered() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }
    std::vector<std::string> Texts() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return texts_;
    }

private:
    void Run(const char* caption) {
        while (!stop_) {
            HWND box = FindOwnWindow("#32770", caption);
            if (box && IsWindowVisible(box)) {
                char text[512] = {};
                GetDlgItemTextA(box, 0xFFFF, text, sizeof text - 1);
                texts_.push_back(text);
                SendMessageA(box, WM_COMMAND, IDOK, 0);
            }
            Sleep(20);
        }
    }
    std::atomic<bool> stop_{false};
    std::vector<std::string> texts_;
    std::thread thread_;
};

// The names typed into the page's name prompt, one per question; an empty queue cancels.
struct TypedNames {
    std::deque<std::string> names;
    std::vector<std::string> asked;  // the name each question started from
    void Install() {
        GetPageDialogs().askName = [this](Window*, const std::string& kind, std::string& name) {
            asked.push_back(kind + ":" + name);
            if (names.empty()) return false;
            name = names.front();
            names.pop_front();
            return true;
        };
    }
};

class EditorPagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterMainWindowClass(nullptr);
        InitCommonControls();
        folder_ = ::testing::TempDir() + "pages_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
        CopyMachineFiles(folder_);
        DeleteFileA((folder_ + "\\foxfire.old.txt").c_str());
        AssetBuilder chimes;
        chime_ = int32_t(chimes.AddWaveFile("foxfire_win.wav"));
        ASSERT_TRUE(chimes.Write(folder_ + "\\chimes.ast", nullptr));
        original_ = ReadFileBytes(folder_ + "\\foxfire.txt");
        const std::string before = "    Region CoinSlot";
        original_.replace(original_.find(before), 0,
                          "    Sound Chime { \"chimes.ast\", " + std::to_string(chime_) + " }\n");
        WriteFileBytes(folder_ + "\\foxfire.txt", original_);
        saved_ = GetPageDialogs();
    }
    void TearDown() override {
        editor_.reset();
        GetPageDialogs() = saved_;
    }

    void Open() {
        editor_ = std::make_unique<EditorWindow>(nullptr, folder_ + "\\foxfire.txt");
        ASSERT_EQ(1, editor_->Create());
        editor_->Show();
        PumpMessages();
    }
    std::string SaveAndRead() {
        BoxAnswer answer(kSaveQuestion, IDYES);
        EXPECT_EQ(1, editor_->CanClose());
        EXPECT_TRUE(answer.Seen());
        editor_.reset();
        return ReadFileBytes(folder_ + "\\foxfire.txt");
    }
    std::unique_ptr<MachineScript> Compiled() {
        auto script = std::make_unique<MachineScript>();
        script->Compile(folder_ + "\\foxfire.txt", nullptr, nullptr);
        EXPECT_TRUE(script->IsCompiled());
        return script;
    }

    std::string folder_, original_;
    int32_t chime_ = 0;
    PageDialogs saved_;
    std::unique_ptr<EditorWindow> editor_;
};

// ---- Graphics page -------------------------------------------------------------------

TEST_F(EditorPagesTest, GraphicsScrollsWithinTheBackdropAndAddsElementsWhereTheyWereClicked) {
    Open();
    GraphicsPage* page = editor_->GetGraphicsPage();
    HWND window = page->GetHandle();
    const LONG backdrop = page->GetSize().cy;
    // A page shorter than the backdrop scrolls.
    MoveWindow(window, 0, 24, 600, 300, TRUE);
    RECT client;
    GetClientRect(window, &client);
    ASSERT_LT(client.bottom, backdrop);
    SCROLLINFO bar = {sizeof bar, SIF_ALL};
    GetScrollInfo(window, SB_VERT, &bar);
    EXPECT_EQ(backdrop, bar.nMax);
    EXPECT_EQ(UINT(client.bottom), bar.nPage);

    SendMessageA(window, WM_VSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(0, page->GetScrollY());
    for (int i = 0; i < 4; ++i) SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(20, page->GetScrollY());
    for (int i = 0; i < 5; ++i) SendMessageA(window, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(backdrop - client.bottom, page->GetScrollY());
    SendMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 100), 0);
    EXPECT_EQ(100, page->GetScrollY());
    GetScrollInfo(window, SB_VERT, &bar);
    EXPECT_EQ(100, bar.nPos);

    // Scrolled by 100: a region added at client (100, 150) stands at (100, 250), and a
    // click there selects it.
    page->RunMenuCommand(ID_ADD_REGION, POINT{100, 150});
    EditableElement* added = page->GetLayout().GetElements().back().Get();
    ASSERT_EQ("New_Region_0", added->GetName());
    const RegionPart region = static_cast<PolygonRegionElement*>(added)->CurrentRegion();
    EXPECT_EQ(100, region.region.originX);
    EXPECT_EQ(250, region.region.originY);
    PageDriver mouse(page);
    mouse.Press(100, 155);
    mouse.Release(100, 155);
    EXPECT_EQ(added, page->GetActiveElement());
    EXPECT_EQ("New_Region_0 Region (90,240 21x21)", StatusText(editor_->GetStatusBar()));

    // Growing the page again leaves no position past the backdrop's end.
    MoveWindow(window, 0, 24, 600, backdrop, TRUE);
    EXPECT_EQ(0, page->GetScrollY());

    const std::string saved = SaveAndRead();
    const std::vector<std::string> changed = ChangedLines(original_, saved);
    // Only the Art block's closing brace moves behind the new definition.
    EXPECT_EQ((std::vector<std::string>{"}"}), RemovedLines(original_, saved)) << saved;
    const auto regions = Compiled()->GetRegions();
    ASSERT_EQ(1u, regions.count("New_Region_0")) << Joined(changed);
    EXPECT_EQ(100, regions.at("New_Region_0").region.region.originX);
    EXPECT_EQ(250, regions.at("New_Region_0").region.region.originY);
}

TEST_F(EditorPagesTest, ChoosingABackdropReplacesItRelativeToTheMachineFolder) {
    Open();
    GraphicsPage* page = editor_->GetGraphicsPage();
    Bitmap tall(640, 700, 24, false);
    ASSERT_TRUE(tall.Save(folder_ + "\\tall_back.bmp"));
    GetPageDialogs().chooseFile = [this](Window*, std::string& path, const char*, const char* title) {
        EXPECT_STREQ("Choose Backdrop", title);
        path = folder_ + "\\tall_back.bmp";
        return true;
    };
    // A picture that is not read is refused with its reason, and changes nothing.
    const std::vector<uint8_t> deep = Version5Bmp(640, 700);
    WriteFileBytes(folder_ + "\\deep_back.bmp", std::string(deep.begin(), deep.end()));
    auto choose = GetPageDialogs().chooseFile;
    GetPageDialogs().chooseFile = [this](Window*, std::string& path, const char*, const char*) {
        path = folder_ + "\\deep_back.bmp";
        return true;
    };
    const LONG height = page->GetSize().cy;
    {
        BoxAnswer refusal("Error loading file", IDOK);
        page->RunMenuCommand(ID_CHOOSE_BACKDROP, POINT{10, 10});
        EXPECT_EQ(PictureNotReadText(folder_ + "\\deep_back.bmp"), refusal.Text());
    }
    EXPECT_EQ(height, page->GetSize().cy);
    GetPageDialogs().chooseFile = choose;

    RECT before;
    GetWindowRect(editor_->GetHandle(), &before);
    page->RunMenuCommand(ID_CHOOSE_BACKDROP, POINT{10, 10});
    EXPECT_EQ(700, page->GetSize().cy);
    RECT after;
    GetWindowRect(editor_->GetHandle(), &after);
    EXPECT_GE(after.bottom - after.top, before.bottom - before.top);
    const std::string saved = SaveAndRead();
    const std::vector<std::string> changed = ChangedLines(original_, saved);
    EXPECT_EQ(changed.size(), RemovedLines(original_, saved).size()) << Joined(changed);
    ASSERT_EQ(1u, changed.size()) << Joined(changed);
    EXPECT_NE(std::string::npos, changed[0].find("Backdrop \"tall_back.bmp\"")) << changed[0];
}

// ---- Animations page ----------------------------------------------------------------

class AnimationPageTest : public EditorPagesTest {
protected:
    void OpenPage() {
        Open();
        page_ = static_cast<AnimationPage*>(editor_->GetPage(EditorWindow::AnimationsTab));
        ASSERT_NE(nullptr, page_);
        editor_->ShowPage(EditorWindow::AnimationsTab);
        PumpMessages();
        pane_ = page_->GetPane();
    }
    int Row(const std::string& name) const {
        for (size_t r = 0; r < page_->GetRows().size(); ++r)
            if (page_->GetRows()[r].set->GetName() == name) return int(r);
        return -1;
    }
    // The middle of a thumbnail in pane coordinates (the page is not scrolled).
    POINT Middle(int row, int thumb) const {
        const RECT r = page_->ThumbRect(ThumbIndex{row, thumb});
        POINT content = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        return POINT{content.x - page_->GetScrollX(), content.y - page_->GetScrollY()};
    }
    void Click(POINT at) {
        SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageA(pane_, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    void SelectFrame(int row, int thumb) {
        page_->ScrollIntoView(page_->ThumbRect(ThumbIndex{row, thumb}));
        Click(Middle(row, thumb));
        ASSERT_EQ((ThumbIndex{row, thumb}), page_->GetSelection());
    }
    const AnimationFrame* Frame(int row, int thumb) const {
        return page_->GetRows()[row].thumbs[thumb].framePointer;
    }
    static void Key(HWND window, WPARAM key, bool shift) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageA(window, WM_KEYDOWN, key, 1);
        keys[VK_SHIFT] = 0;
        SetKeyboardState(keys);
    }

    AnimationPage* page_ = nullptr;
    HWND pane_ = nullptr;
};

// The pixels of a picture as GDI gives them in 16 bits, to compare pictures of any depth.
std::vector<uint16_t> Pixels16(const Bitmap& image) {
    BITMAPINFOHEADER header = {sizeof header, image.Width(), image.Height(), 1, 16, BI_RGB};
    std::vector<uint16_t> pixels(size_t((image.Width() + 1) & ~1) * image.Height());
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, image.Handle(), 0, UINT(image.Height()), pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(AnimationPageTest, KeysAndClicksSelectFramesAndReportThemInTheStatusBar) {
    OpenPage();
    const int glow = Row("Glow");
    ASSERT_GE(glow, 0);
    ASSERT_EQ(2u, page_->GetRows()[glow].thumbs.size());
    const size_t rows = page_->GetRows().size();

    Key(page_->GetHandle(), VK_TAB, false);
    EXPECT_EQ((ThumbIndex{0, 0}), page_->GetSelection());
    Key(page_->GetHandle(), VK_TAB, true);  // from the very first back to the very last
    const ThumbIndex last = page_->GetSelection();
    EXPECT_EQ(int(rows) - 1, last.row);
    EXPECT_EQ(int(page_->GetRows().back().thumbs.size()) - 1, last.thumb);
    Key(page_->GetHandle(), VK_RIGHT, false);
    EXPECT_EQ((ThumbIndex{0, 0}), page_->GetSelection());

    SelectFrame(glow, 1);
    EXPECT_EQ("Glow 1 Sequences using 2 Images", StatusText(editor_->GetStatusBar()));
    EXPECT_TRUE(page_->GetRows()[glow].thumbs[1].selected);
    Key(page_->GetHandle(), VK_LEFT, false);
    EXPECT_EQ((ThumbIndex{glow, 0}), page_->GetSelection());
    EXPECT_FALSE(page_->GetRows()[glow].thumbs[1].selected);

    // A press that moves 3 pixels is still a click.
    const POINT at = Middle(glow, 1);
    SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x + 3, at.y));
    SendMessageA(pane_, WM_LBUTTONUP, 0, MAKELPARAM(at.x + 3, at.y));
    EXPECT_EQ((ThumbIndex{glow, 1}), page_->GetSelection());
    EXPECT_EQ(2u, page_->GetRows()[glow].thumbs.size());

    // A click on no frame clears the selection.
    RECT client;
    GetClientRect(pane_, &client);
    Click(POINT{client.right - 2, client.bottom - 2});
    EXPECT_EQ(-1, page_->GetSelection().row);
    EXPECT_EQ("Ready", StatusText(editor_->GetStatusBar()));
    EXPECT_FALSE(editor_->GetGraphicsPage()->IsModified());
}

// Frames from files that include one the game does not read: the reason every reader of
// pictures gives, and no frame inserted.
TEST_F(AnimationPageTest, FramesFromAFileThatIsNotReadAreRefusedWithItsReason) {
    OpenPage();
    const int glow = Row("Glow");
    ASSERT_GE(glow, 0);
    SelectFrame(glow, 0);
    Bitmap good(8, 8, 24, false);
    ASSERT_TRUE(good.Save(folder_ + "\\good_frame.bmp"));
    const std::vector<uint8_t> deep = Version5Bmp(8, 8);
    WriteFileBytes(folder_ + "\\deep_frame.bmp", std::string(deep.begin(), deep.end()));
    GetPageDialogs().chooseFiles = [this](Window*, std::vector<std::string>& paths, const char*, const char*) {
        paths = {folder_ + "\\good_frame.bmp", folder_ + "\\deep_frame.bmp"};
        return true;
    };
    {
        BoxAnswer refusal("Error loading file", IDOK);
        page_->RunCommand(ID_INSERT_FRAMES);
        EXPECT_EQ(PictureNotReadText(folder_ + "\\deep_frame.bmp"), refusal.Text());
    }
    EXPECT_EQ(2u, page_->GetRows()[glow].thumbs.size());
}

TEST_F(AnimationPageTest, FramesCopiedAndPastedThroughTheRealClipboardAreSavedAsASequenceFile) {
    OpenPage();
    const int glow = Row("Glow"), lever = Row("Lever");
    ASSERT_TRUE(glow >= 0 && lever >= 0);
    SelectFrame(glow, 0);
    const std::shared_ptr<Bitmap> copied = Frame(glow, 0)->GetImage();
    page_->RunCommand(ID_COPY_FRAME);
    // Only announced: the picture is built when someone asks for it.
    EXPECT_EQ(page_->GetHandle(), GetClipboardOwner());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_DIB));

    // Another program reads the DIB and then puts it on the clipboard itself.
    HWND other = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    HANDLE data = GetClipboardData(CF_DIB);
    ASSERT_NE(nullptr, data);
    const SIZE_T size = GlobalSize(data);
    HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
    const auto* header = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    EXPECT_EQ(copied->Width(), header->biWidth);
    EXPECT_EQ(copied->Height(), header->biHeight);
    EXPECT_EQ(16, header->biBitCount);
    EXPECT_EQ(DWORD(((2 * copied->Width() + 3) & ~3) * copied->Height()), header->biSizeImage);
    memcpy(GlobalLock(copy), header, size);
    GlobalUnlock(copy);
    GlobalUnlock(data);
    EmptyClipboard();
    SetClipboardData(CF_DIB, copy);
    CloseClipboard();
    EXPECT_EQ(other, GetClipboardOwner());

    SelectFrame(glow, 1);
    EXPECT_TRUE(page_->CanPaste());
    page_->RunCommand(ID_PASTE_FRAME);
    const AnimationFrame* pasted = Frame(glow, 1);
    EXPECT_EQ(FrameSource::Replaced, pasted->GetSource());
    EXPECT_EQ(Pixels16(*copied), Pixels16(*pasted->GetImage()));
    EXPECT_EQ((ThumbIndex{glow, 1}), page_->GetSelection());

    SelectFrame(glow, 0);
    page_->RunCommand(ID_PASTE_NEW_FRAME);
    ASSERT_EQ(3u, page_->GetRows()[glow].thumbs.size());
    EXPECT_EQ(Pixels16(*copied), Pixels16(*Frame(glow, 0)->GetImage()));
    EXPECT_EQ((ThumbIndex{glow, 1}), page_->GetSelection());  // still on the frame it was on
    EXPECT_EQ("Glow 1 Sequences using 3 Images", StatusText(editor_->GetStatusBar()));
    SelectFrame(lever, 1);
    page_->RunCommand(ID_DELETE_ITEM);
    EXPECT_EQ(2u, page_->GetRows()[lever].thumbs.size());
    EXPECT_EQ(-1, page_->GetSelection().row);
    DestroyWindow(other);

    const std::string saved = SaveAndRead();
    const std::vector<std::string> changed = ChangedLines(original_, saved);
    const std::vector<std::string> removed = RemovedLines(original_, saved);
    ASSERT_EQ(2u, removed.size()) << Joined(changed);
    EXPECT_EQ(0u, removed[0].find("    Animation Glow "));
    EXPECT_EQ(0u, removed[1].find("    Animation Lever "));
    EXPECT_NE(std::string::npos, Joined(changed).find("Animation Lever { { \"foxfire_lever1.bmp\" \"foxfire_lever3.bmp\" }"));
    const auto animations = Compiled()->GetAnimations();
    const AnimationReference glowSaved = animations.at("Glow").animation.reference;
    EXPECT_EQ(2u, animations.at("Lever").animation.reference.sequences[0].size());
    EXPECT_NE(0, glowSaved.libraryAsset);
    ASSERT_EQ(1u, glowSaved.sequences.size());
    EXPECT_EQ(0u, glowSaved.sequences[0][0].find("anim"));
}

TEST_F(AnimationPageTest, ADraggedFrameIsCopiedBeforeTheDropAndALostCaptureEndsTheDrag) {
    OpenPage();
    const int glow = Row("Glow"), lever = Row("Lever");
    ASSERT_TRUE(glow >= 0 && lever >= 0);
    // The drag's loop takes the posted move and release; the move that starts it is sent.
    const POINT from = Middle(glow, 0), to = Middle(lever, 1);
    SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    PostMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    PostMessageA(pane_, WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 4, from.y));
    EXPECT_FALSE(page_->IsDragging());
    EXPECT_NE(pane_, GetCapture());
    ASSERT_EQ(4u, page_->GetRows()[lever].thumbs.size());
    EXPECT_EQ(FrameSource::ImageFile, Frame(lever, 1)->GetSource());
    EXPECT_EQ("foxfire_glow1.bmp", Frame(lever, 1)->GetFileName());
    EXPECT_EQ(2u, page_->GetRows()[glow].thumbs.size());  // the dragged frame stays

    // The system takes the capture away in the middle of a drag: the drag ends there, and
    // the release that comes later is only a click.
    const POINT again = Middle(lever, 0);
    SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    PostMessageA(pane_, WM_CANCELMODE, 0, 0);
    PostMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(again.x, again.y));
    PostMessageA(pane_, WM_LBUTTONUP, 0, MAKELPARAM(again.x, again.y));
    SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 4, from.y));
    EXPECT_FALSE(page_->IsDragging());
    PumpMessages();
    EXPECT_EQ(4u, page_->GetRows()[lever].thumbs.size());
    EXPECT_EQ((ThumbIndex{lever, 0}), page_->GetSelection());

    // A drop outside every row changes nothing.
    SendMessageA(pane_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
    PostMessageA(pane_, WM_LBUTTONUP, 0, MAKELPARAM(590, 1000));
    SendMessageA(pane_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(590, 1000));
    EXPECT_EQ(4u, page_->GetRows()[lever].thumbs.size());
    EXPECT_EQ(2u, page_->GetRows()[glow].thumbs.size());

    const std::string saved = SaveAndRead();
    const std::vector<std::string> changed = ChangedLines(original_, saved);
    const std::vector<std::string> removed = RemovedLines(original_, saved);
    ASSERT_EQ(1u, removed.size()) << Joined(changed);
    EXPECT_EQ(0u, removed[0].find("    Animation Lever "));
    const AnimationReference leverSaved = Compiled()->GetAnimations().at("Lever").animation.reference;
    EXPECT_EQ((std::vector<std::string>{"foxfire_lever1.bmp", "foxfire_glow1.bmp", "foxfire_lever2.bmp",
                                        "foxfire_lever3.bmp"}),
              leverSaved.sequences.at(0));
    EXPECT_TRUE(leverSaved.transparent);
}

TEST_F(AnimationPageTest, ASequencePlaysInItsPreviewAndThePropertiesReachTheScript) {
    OpenPage();
    const int glow = Row("Glow");
    ASSERT_GE(glow, 0);
    SelectFrame(glow, 0);
    page_->RunCommand(ID_PLAY_ITEM);
    ASSERT_EQ(1u, page_->GetPreviewCount());
    SequencePreviewWindow* preview = page_->GetLastPreview();
    RECT client;
    GetClientRect(preview->GetHandle(), &client);
    EXPECT_GE(client.right, SequencePreviewWindow::kMinimumWidth);
    const size_t first = preview->GetCurrent();
    for (int waited = 0; waited < 20000 && preview->GetCurrent() == first; waited += 20) {
        PumpMessages();
        Sleep(20);
    }
    EXPECT_NE(first, preview->GetCurrent());

    // The properties dialog, answered from another thread: not transparent, the hot spot
    // at the right and the bottom.
    std::thread answer([] {
        for (int waited = 0; waited < 10000; waited += 20) {
            if (HWND box = FindOwnWindow("#32770", "Glow: Animation Properties")) {
                SendMessageA(GetDlgItem(box, IDC_ANIMATION_TRANSPARENT), BM_SETCHECK, BST_UNCHECKED, 0);
                SendMessageA(GetDlgItem(box, IDC_ANIMATION_HORIZONTAL), CB_SETCURSEL, 2, 0);
                SendMessageA(GetDlgItem(box, IDC_ANIMATION_VERTICAL), CB_SETCURSEL, 2, 0);
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
    page_->RunCommand(ID_ITEM_PROPERTIES);
    answer.join();
    AnimationSet* set = page_->GetRows()[glow].set;
    int32_t horizontal = 0, vertical = 0;
    set->GetHotspot(horizontal, vertical);
    EXPECT_FALSE(set->IsTransparent());
    EXPECT_EQ(2, horizontal);
    EXPECT_EQ(2, vertical);

    const std::string saved = SaveAndRead();
    const std::vector<std::string> changed = ChangedLines(original_, saved);
    const std::vector<std::string> removed = RemovedLines(original_, saved);
    ASSERT_EQ(1u, removed.size()) << Joined(changed);
    EXPECT_EQ(0u, removed[0].find("    Animation Glow "));
    const AnimationReference glowSaved = Compiled()->GetAnimations().at("Glow").animation.reference;
    EXPECT_FALSE(glowSaved.transparent);
    EXPECT_EQ(2, glowSaved.horizontalHotSpot);
    EXPECT_EQ(2, glowSaved.verticalHotSpot);
    EXPECT_EQ(2u, glowSaved.sequences.at(0).size());
}

// ---- Sounds page -----------------------------------------------------------------------

class SoundPageTest : public EditorPagesTest {
protected:
    void OpenPage() {
        SetEnvironmentVariableA("AULOSND_SILENT", "1");
        GetSoundSystem().Open(nullptr, 22050, 16, 2);
        names_.Install();
        Open();
        page_ = static_cast<SoundPage*>(editor_->GetPage(EditorWindow::SoundsTab));
        ASSERT_NE(nullptr, page_);
        editor_->ShowPage(EditorWindow::SoundsTab);
        PumpMessages();
    }
    void TearDown() override {
        EditorPagesTest::TearDown();
        GetSoundSystem().Close();
    }
    // Clicks the row showing the sound; false when no row shows it.
    bool ClickSound(const std::string& name) {
        for (int row = 0; row < 20; ++row) {
            const POINT at = {20, row * page_->GetRowHeight() + page_->GetRowHeight() / 2};
            SoundEntry* entry = page_->EntryAt(at);
            if (entry && entry->GetName() == name) {
                SendMessageA(page_->GetPane(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
                return page_->GetSelected() == entry;
            }
        }
        return false;
    }
    int Rows() {
        SIZE content;
        page_->GetContentSize(&content);
        return content.cy / page_->GetRowHeight();
    }

    TypedNames names_;
    SoundPage* page_ = nullptr;
};

TEST_F(SoundPageTest, SoundsArePlayedFromDiskOrFromTheirAssetFileWhichStaysHeldUntilTheSoundEnds) {
    OpenPage();
    // One row per sound, in the order the script defines them.
    std::vector<std::string> shown;
    for (int row = 0; row < Rows(); ++row)
        shown.push_back(page_->EntryAt(POINT{5, row * page_->GetRowHeight() + 1})->GetName());
    EXPECT_EQ((std::vector<std::string>{"Whirr", "Clack", "Clink", "Fanfare", "Chime"}), shown);
    EXPECT_EQ(nullptr, page_->EntryAt(POINT{5, Rows() * page_->GetRowHeight() + 1}));
    ASSERT_TRUE(ClickSound("Chime"));
    EXPECT_EQ("Chime chimes.ast, " + std::to_string(chime_), page_->GetSelected()->RowText());
    ASSERT_TRUE(page_->Play(*page_->GetSelected()));
    // The library reads the asset's memory while the sound plays: still held.
    EXPECT_EQ(1, AssetSound::Playing());
    // Bounded, and long: on a machine busy with other test programs the end comes late.
    for (int waited = 0; waited < 30000 && AssetSound::Playing(); waited += 20) Sleep(20);
    EXPECT_EQ(0, AssetSound::Playing());

    ASSERT_TRUE(ClickSound("Fanfare"));
    EXPECT_TRUE(page_->Play(*page_->GetSelected()));  // foxfire_win.wav from disk
    EXPECT_EQ(0, AssetSound::Playing());
    SoundPart missing;
    missing.file = "nowhere.slot";
    missing.assetNumber = 3;
    EXPECT_FALSE(page_->Play(SoundEntry("Lost", missing)));
    EXPECT_EQ(0, AssetSound::Playing());
}

// The compiler refuses what the save would write (a sound whose file is not there):
// nothing is replaced, the author hears which sound broke it and what the compiler said,
// and a later save may drop that one sound's edit and write the rest.
TEST_F(SoundPageTest, ASaveTheCompilerRefusesReplacesNothingAndTheCulpritsEditCanBeDropped) {
    OpenPage();
    ASSERT_TRUE(ClickSound("Clack"));
    names_.names = {"Knock"};
    page_->RunCommand(ID_RENAME_ITEM);  // a good edit
    CreateDirectoryA((folder_ + "\\sounds").c_str(), nullptr);
    const std::string gone = folder_ + "\\sounds\\gone.wav";
    CopyFileA((folder_ + "\\foxfire_coin.wav").c_str(), gone.c_str(), FALSE);
    GetPageDialogs().chooseFile = [gone](Window*, std::string& path, const char*, const char*) {
        path = gone;
        return true;
    };
    ASSERT_TRUE(ClickSound("Fanfare"));
    page_->RunCommand(ID_CHOOSE_SOUND_FILE);
    ASSERT_TRUE(DeleteFileA(gone.c_str()));  // gone by the time of the save
    const std::string script = folder_ + "\\foxfire.txt";
    {
        BoxAnswer refusal("Error updating script", IDNO);
        BoxAnswer answer(kSaveQuestion, IDYES);
        EXPECT_EQ(0, editor_->CanClose());
        const std::string text = refusal.Text();
        EXPECT_NE(std::string::npos, text.find("the sound Fanfare")) << text;
        EXPECT_NE(std::string::npos, text.find("The compiler says: Fanfare uses sounds\\gone.wav")) << text;
    }
    EXPECT_EQ(original_, ReadFileBytes(script));
    EXPECT_EQ("<missing>", ReadFileBytes(folder_ + "\\foxfire.new.txt"));
    EXPECT_EQ("<missing>", ReadFileBytes(folder_ + "\\foxfire.old.txt"));
    ASSERT_TRUE(editor_->GetHandle() != nullptr);

    {
        BoxAnswer refusal("Error updating script", IDYES);  // leave the Fanfare's new file out
        BoxAnswer answer(kSaveQuestion, IDYES);
        EXPECT_EQ(1, editor_->CanClose());
        EXPECT_NE(std::string::npos, refusal.Text().find("the sound Fanfare")) << refusal.Text();
    }
    editor_.reset();
    EXPECT_EQ(original_, ReadFileBytes(folder_ + "\\foxfire.old.txt"));
    const auto sounds = Compiled()->GetSounds();
    ASSERT_EQ(1u, sounds.count("Knock"));
    EXPECT_EQ("foxfire_win.wav", sounds.at("Fanfare").sound.file);
}

// The compiled script knows a renamed sound by its old name until the save succeeds: a
// failed save leaves the sound editable, and the next save writes every edit of it.
TEST_F(SoundPageTest, ASoundRenamedBeforeAFailedSaveStaysEditableAndTheNextSaveWritesItsEdits) {
    OpenPage();
    CreateDirectoryA((folder_ + "\\sounds").c_str(), nullptr);
    CopyFileA((folder_ + "\\foxfire_coin.wav").c_str(), (folder_ + "\\sounds\\knock.wav").c_str(), FALSE);
    GetPageDialogs().chooseFile = [this](Window*, std::string& path, const char*, const char*) {
        path = folder_ + "\\sounds\\knock.wav";
        return true;
    };
    ASSERT_TRUE(ClickSound("Clack"));
    names_.names = {"Knock"};
    page_->RunCommand(ID_RENAME_ITEM);
    const std::string blocked = folder_ + "\\foxfire.new.txt";
    ASSERT_TRUE(CreateDirectoryA(blocked.c_str(), nullptr));
    {
        BoxAnswer error("Error updating script", IDOK);
        BoxAnswer answer(kSaveQuestion, IDYES);
        EXPECT_EQ(0, editor_->CanClose());
        EXPECT_EQ("Couldn't write new script", error.Text());
    }
    EXPECT_EQ(original_, ReadFileBytes(folder_ + "\\foxfire.txt"));
    ASSERT_TRUE(RemoveDirectoryA(blocked.c_str()));

    ASSERT_TRUE(ClickSound("Knock"));
    page_->RunCommand(ID_CHOOSE_SOUND_FILE);
    names_.names = {"Tock"};
    page_->RunCommand(ID_RENAME_ITEM);
    const std::string saved = SaveAndRead();
    EXPECT_EQ(std::string::npos, saved.find("Clack")) << saved;
    EXPECT_EQ(std::string::npos, saved.find("Knock {")) << saved;
    const auto sounds = Compiled()->GetSounds();
    ASSERT_EQ(1u, sounds.count("Tock"));
    EXPECT_EQ("sounds\\knock.wav", sounds.at("Tock").sound.file);
    EXPECT_EQ(5u, sounds.size());
}

// The Coin statement's sound is not deleted, before and after a rename, and the message
// names the statement; the saved script's Coin statement names the renamed sound.
TEST_F(SoundPageTest, TheSoundTheCoinStatementNamesIsNotDeleted) {
    OpenPage();
    const int rows = Rows();
    auto refusalOfDelete = [this] {
        BoxAnswer refusal(kCoinUseCaption, IDOK);
        page_->RunCommand(ID_DELETE_ITEM);
        return refusal.Text();
    };
    ASSERT_TRUE(ClickSound("Clink"));
    std::string text = refusalOfDelete();
    EXPECT_EQ(0u, text.find("Clink cannot be deleted: the Coin statement names it as its sound")) << text;
    ASSERT_TRUE(ClickSound("Clink"));
    names_.names = {"Ding"};
    page_->RunCommand(ID_RENAME_ITEM);
    ASSERT_TRUE(ClickSound("Ding"));
    text = refusalOfDelete();
    EXPECT_EQ(0u, text.find("Ding cannot be deleted: the Coin statement names it as its sound")) << text;
    EXPECT_EQ(rows, Rows());
    ASSERT_TRUE(ClickSound("Ding"));
    const std::string saved = SaveAndRead();
    EXPECT_NE(std::string::npos, saved.find("Sound = Ding")) << saved;
    const std::unique_ptr<MachineScript> compiled = Compiled();
    EXPECT_EQ("Ding", compiled->GetCoin().sound);
    EXPECT_EQ(1u, compiled->GetSounds().count("Ding"));
}

namespace {
// The line (from 1) of the text on which `what` first stands.
int32_t LineOf(const std::string& text, const std::string& what) {
    const size_t at = text.find(what);
    EXPECT_NE(std::string::npos, at) << what;
    return at == std::string::npos ? 0 : int32_t(std::count(text.begin(), text.begin() + std::ptrdiff_t(at), '\n')) + 1;
}
}  // namespace

// A sound the script code plays is neither deleted nor renamed, and the box names the
// script's lines that use it; a sound the code leaves alone is deleted with its whole line.
TEST_F(SoundPageTest, ASoundTheCodeUsesIsNotDeletedNorRenamedAndADeletedSoundTakesItsLine) {
    OpenPage();
    const int rows = Rows();
    const std::string whirrLine = std::to_string(LineOf(original_, "machine.PlaySound(Whirr);"));
    for (int command : {ID_DELETE_ITEM, ID_RENAME_ITEM}) {
        ASSERT_TRUE(ClickSound("Whirr"));
        names_.names = {"Whoosh"};
        BoxAnswer refusal(kCodeUseCaption, IDOK);
        page_->RunCommand(command);
        const std::string verb = command == ID_DELETE_ITEM ? "deleted" : "renamed";
        EXPECT_EQ(0u, refusal.Text().find("Whirr cannot be " + verb + ": the script's code uses it on line " +
                                          whirrLine + ", and "))
            << refusal.Text();
    }
    EXPECT_EQ(rows, Rows());
    EXPECT_TRUE(ClickSound("Whirr"));
    EXPECT_EQ(1u, names_.names.size());  // no name was asked for

    ASSERT_TRUE(ClickSound("Clack"));
    page_->RunCommand(ID_DELETE_ITEM);
    EXPECT_EQ(rows - 1, Rows());
    const std::string saved = SaveAndRead();
    EXPECT_NE(std::string::npos, saved.find("    Sound Whirr { \"foxfire_spin.wav\" }\n    Sound Clink {")) << saved;
    EXPECT_EQ(std::count(original_.begin(), original_.end(), '\n') - 1, std::count(saved.begin(), saved.end(), '\n'));
    EXPECT_EQ(1u, Compiled()->GetSounds().count("Whirr"));
}

// A name one page holds, even one not saved yet, is taken on the other: a sound is not
// renamed to a region's new name, and a new element's name skips a sound's new name; the
// save then compiles.
TEST_F(SoundPageTest, PendingNamesOfEitherPageAreTakenOnTheOther) {
    OpenPage();
    MachineLayout& layout = editor_->GetGraphicsPage()->GetLayout();
    EditableElement* bill = nullptr;
    for (const ElementRef& element : layout.GetElements())
        if (element.Get()->GetName() == "BillSlot") bill = element.Get();
    ASSERT_NE(nullptr, bill);
    bill->SetCaption("X");
    EXPECT_TRUE(layout.IsElementNameUsed("X"));
    ASSERT_TRUE(ClickSound("Clink"));
    names_.names = {"X", "New_Region_0"};
    {
        BoxesAnswered refusals("Invalid Name");
        page_->RunCommand(ID_RENAME_ITEM);
        EXPECT_EQ(1u, refusals.Texts().size());
    }
    EXPECT_EQ("New_Region_0", page_->GetSelected()->GetName());
    EXPECT_TRUE(layout.IsNameUsed("New_Region_0"));
    editor_->GetGraphicsPage()->RunMenuCommand(ID_ADD_REGION, POINT{100, 150});
    EXPECT_EQ("New_Region_1", layout.GetElements().back().Get()->GetName());

    const std::string saved = SaveAndRead();
    EXPECT_NE(std::string::npos, saved.find("CoinSlot DenomPlate X Sound = New_Region_0 Denomination")) << saved;
    const std::unique_ptr<MachineScript> compiled = Compiled();
    EXPECT_EQ(1u, compiled->GetRegions().count("New_Region_1"));
    EXPECT_EQ(1u, compiled->GetSounds().count("New_Region_0"));
}

TEST_F(SoundPageTest, AddedRenamedReFiledAndDeletedSoundsReachTheScriptAndUnreadableNamesAreRefused) {
    OpenPage();
    const int rows = Rows();
    CreateDirectoryA((folder_ + "\\sounds").c_str(), nullptr);
    CopyFileA((folder_ + "\\foxfire_coin.wav").c_str(), (folder_ + "\\sounds\\bell.wav").c_str(), FALSE);
    GetPageDialogs().chooseFile = [this](Window*, std::string& path, const char*, const char* title) {
        EXPECT_STREQ("Choose a sound", title);
        path = folder_ + "\\sounds\\bell.wav";
        return true;
    };
    // Add: two names the script could not read, one it already uses, then a good one.
    names_.names = {"my bell", "\"Bell\"", "Clink", "Bell"};
    {
        BoxesAnswered refusals("Invalid Name");
        page_->RunCommand(ID_ADD_SOUND);
        EXPECT_EQ(3u, refusals.Texts().size());
    }
    EXPECT_EQ(rows + 1, Rows());
    ASSERT_TRUE(ClickSound("Bell"));
    EXPECT_EQ("Bell sounds\\bell.wav", page_->GetSelected()->RowText());

    // Cancelling the name adds nothing.
    page_->RunCommand(ID_ADD_SOUND);
    EXPECT_EQ(rows + 1, Rows());

    // Rename: empty and a keyword are refused, then a good name.
    ASSERT_TRUE(ClickSound("Chime"));
    names_.names = {"", "Spin", "Whoosh"};
    {
        BoxesAnswered refusals("Invalid Name");
        page_->RunCommand(ID_RENAME_ITEM);
        EXPECT_EQ(2u, refusals.Texts().size());
    }
    EXPECT_EQ("Whoosh", page_->GetSelected()->GetName());
    EXPECT_EQ("Sound:Chime", names_.asked.back().substr(0, 11));

    ASSERT_TRUE(ClickSound("Clink"));
    page_->RunCommand(ID_CHOOSE_SOUND_FILE);
    EXPECT_EQ("Clink sounds\\bell.wav", page_->GetSelected()->RowText());

    // A file that is no sound is refused as the wizard refuses it, by Add Sound and by
    // Choose Sound File alike.
    const std::string fake = folder_ + "\\sounds\\fake.wav";
    { std::ofstream(fake, std::ios::binary) << "not wave"; }
    GetPageDialogs().chooseFile = [fake](Window*, std::string& path, const char*, const char*) {
        path = fake;
        return true;
    };
    names_.names = {"Fake"};
    for (int command : {ID_ADD_SOUND, ID_CHOOSE_SOUND_FILE}) {
        BoxAnswer refusal("Error loading sound file", IDOK);
        page_->RunCommand(command);
        EXPECT_EQ(SoundRefusedText(fake), refusal.Text()) << command;
    }
    EXPECT_EQ(rows + 1, Rows());
    EXPECT_EQ("Clink sounds\\bell.wav", page_->GetSelected()->RowText());

    // Delete: the rows below move up one.
    ASSERT_TRUE(ClickSound("Clack"));
    page_->RunCommand(ID_DELETE_ITEM);
    EXPECT_EQ(rows, Rows());
    EXPECT_EQ(nullptr, page_->GetSelected());
    EXPECT_FALSE(ClickSound("Clack"));
    EXPECT_EQ("Clink", page_->EntryAt(POINT{5, page_->GetRowHeight() + 1})->GetName());

    const std::string saved = SaveAndRead();
    EXPECT_NE(std::string::npos, saved.find("Sound Whoosh { \"chimes.ast\", " + std::to_string(chime_) + " }"))
        << saved;
    EXPECT_NE(std::string::npos, saved.find("Sound Clink { \"sounds\\bell.wav\" }")) << saved;
    EXPECT_EQ(std::string::npos, saved.find("Clack"));
    const auto sounds = Compiled()->GetSounds();
    ASSERT_EQ(5u, sounds.size());
    EXPECT_EQ("sounds\\bell.wav", sounds.at("Bell").sound.file);
    EXPECT_EQ(1u, sounds.count("Whirr"));
    EXPECT_EQ(chime_, sounds.at("Whoosh").sound.assetNumber);
}

}  // namespace
