// The gallery pickers over a gallery file written here: ten solid pictures, four to a row,
// two rows in view. Clicks, scrolling and closing are made from another thread while the
// picker's dialog runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "AssetRecords.h"
#include "AwardBackdropPicker.h"
#include "Bitmap.h"
#include "BitmapFromAsset.h"
#include "GalleryThumbWindow.h"
#include "ModalDriver.h"
#include "ReelSymbolPicker.h"
#include "TempAssetFile.h"
#include "Window.h"

namespace {

const int32_t kPictures = 10, kCell = 20;
const uint32_t kBackdropPicture = 11, kHighlightPicture = 12, kBackdrop = 13, kThumbnails = 14, kHighlight = 15;

std::vector<uint8_t> SolidPicture(uint16_t width, uint16_t height, uint16_t colour) {
    const uint32_t row = (width * 2u + 3u) & ~3u;
    std::vector<uint8_t> pixels(size_t(row) * height);
    for (size_t i = 0; i + 1 < pixels.size(); i += 2) std::memcpy(&pixels[i], &colour, 2);
    PictureAsset picture;
    picture.width = width;
    picture.height = height;
    picture.pixels = pixels.data();
    picture.pixelBytes = uint32_t(pixels.size());
    return PictureAssetData(picture);
}

// Record 0 numbers the pictures from 0 (step 1), record 1 from 100 in steps of 3.
std::vector<uint8_t> UserInfo() {
    const int32_t words[17] = {kPictures, 0, 0,   1, kThumbnails, kBackdrop, kHighlight,
                               kPictures, 0, 100, 3, kThumbnails, kBackdrop, kHighlight};
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(words);
    return std::vector<uint8_t>(bytes, bytes + sizeof words);
}

// With a short backdrop, the gallery's backdrop asset ends before its size words.
std::string WriteGallery(bool shortBackdrop = false) {
    AssetFileBuilder b;
    for (int32_t i = 0; i < kPictures; ++i) b.Add(kImageAssetType, SolidPicture(kCell, kCell, uint16_t(0x0C63 * (i + 1))));
    b.Add(kImageAssetType, SolidPicture(4 * kCell, 2 * kCell, 0x2108));
    b.Add(kImageAssetType, SolidPicture(kCell, kCell, 0x7FE0));
    if (shortBackdrop)
        b.Add(kBackdropAssetType, std::vector<uint8_t>{1, 0, 0, 0});
    else
        b.Add(kBackdropAssetType, BackdropAssetData(4 * kCell, 2 * kCell, uint16_t(kBackdropPicture)));
    std::vector<SpriteSequence> columns(4);
    for (int32_t i = 0; i < kPictures; ++i) {
        SpriteFrame frame;
        frame.picture = uint32_t(i + 1);
        columns[size_t(i % 4)].push_back(frame);
    }
    b.Add(kSpriteAssetType, SpriteAssetData(columns));
    SpriteFrame highlight;
    highlight.picture = kHighlightPicture;
    b.Add(kSpriteAssetType, SpriteAssetData({SpriteSequence{highlight}}));
    b.UserInfo(UserInfo());
    return WriteTempAssetFile(b.Build(), "vsl_gallery");
}

class GalleryPickerTest : public ::testing::Test {
protected:
    void SetUp() override { path_ = WriteGallery(); }
    std::string path_;
};

HWND ViewOf(HWND dialog) { return FindWindowExA(dialog, nullptr, "BraskQUOR_TV", nullptr); }

void ClickView(HWND dialog, int x, int y) {
    PostMessageA(ViewOf(dialog), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

TEST_F(GalleryPickerTest, APickOfTheNumberZeroIsStillAPick) {
    GalleryPicker picker(path_, 0, 2, POINT{0, 0}, POINT{0, 0}, "Test Gallery");
    EXPECT_EQ(3, picker.GetGrid().GetRows());
    WhenShown dialog("Test Gallery", [](HWND d) { ClickView(d, 5, 5); });
    int32_t firstRow = 0;
    const GalleryPick pick = picker.Pick(nullptr, firstRow);
    ASSERT_TRUE(dialog.Seen());
    EXPECT_TRUE(pick.picked);
    EXPECT_EQ(0, pick.picture);
    EXPECT_EQ(0, pick.column);
    EXPECT_EQ(0, pick.row);
}

TEST_F(GalleryPickerTest, ScrollingHoveringAndClosingWithoutAPick) {
    GalleryPicker picker(path_, 0, 2, POINT{0, 0}, POINT{0, 0}, "Test Gallery");
    bool stillOpen = false, hoverShown = false, hiddenAfterLeave = false;
    GalleryCell hovered, hoveredAgain;
    int32_t scrolledTo = -1, client = 0;
    WhenShown dialog("Test Gallery", [&](HWND d) {
        RECT r;
        GetClientRect(d, &r);
        client = r.right;
        SendMessageA(d, WM_VSCROLL, SB_PAGEDOWN, 0);
        SendMessageA(d, WM_VSCROLL, SB_PAGEDOWN, 0);  // already at the last full view
        scrolledTo = picker.GetFirstRow();
        SendMessageA(ViewOf(d), WM_MOUSEMOVE, 0, MAKELPARAM(25, 25));
        hovered = picker.GetView()->GetHovered();
        hoverShown = picker.GetView()->IsHighlightShown();
        SendMessageA(ViewOf(d), WM_MOUSEMOVE, 0, MAKELPARAM(38, 38));  // the same cell
        hoveredAgain = picker.GetView()->GetHovered();
        SendMessageA(ViewOf(d), WM_MOUSELEAVE, 0, 0);
        hiddenAfterLeave = !picker.GetView()->IsHighlightShown();
        ClickView(d, 45, 25);  // the third cell of the last row holds no picture
        Sleep(300);
        stillOpen = IsWindowVisible(d) != 0;
        SendMessageA(d, WM_CLOSE, 0, 0);
    });
    int32_t firstRow = 0;
    const GalleryPick pick = picker.Pick(nullptr, firstRow);
    ASSERT_TRUE(dialog.Seen());
    EXPECT_EQ(4 * kCell, client);  // the scroll bar lies beside the backdrop
    EXPECT_EQ(1, scrolledTo);
    EXPECT_EQ(1, hovered.column);
    EXPECT_EQ(2, hovered.row);
    EXPECT_TRUE(hoverShown);
    EXPECT_EQ(2, hoveredAgain.row);
    EXPECT_TRUE(hiddenAfterLeave);
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(pick.picked);
    EXPECT_EQ(1, firstRow);  // the row scrolled to comes back
}

// The mouse wheel did not scroll the gallery: a notch moves one row, over the thumbnails
// as over the dialog, and half notches add up.
TEST_F(GalleryPickerTest, TheMouseWheelScrollsARowANotch) {
    GalleryPicker picker(path_, 0, 2, POINT{0, 0}, POINT{0, 0}, "Test Gallery");
    int32_t down = -1, back = -1, half = -1, whole = -1, overView = -1, bar = -1;
    WhenShown dialog("Test Gallery", [&](HWND d) {
        SendMessageA(d, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
        down = picker.GetFirstRow();
        bar = GetScrollPos(d, SB_VERT);
        SendMessageA(d, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        back = picker.GetFirstRow();
        SendMessageA(d, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA / 2), 0);
        half = picker.GetFirstRow();
        SendMessageA(d, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA / 2), 0);
        whole = picker.GetFirstRow();
        SendMessageA(ViewOf(d), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
        overView = picker.GetFirstRow();
        SendMessageA(d, WM_CLOSE, 0, 0);
    });
    int32_t firstRow = 0;
    picker.Pick(nullptr, firstRow);
    ASSERT_TRUE(dialog.Seen());
    EXPECT_EQ(1, down);
    EXPECT_EQ(1, bar);
    EXPECT_EQ(0, back);
    EXPECT_EQ(0, half);
    EXPECT_EQ(1, whole);
    EXPECT_EQ(0, overView);
}

TEST_F(GalleryPickerTest, TheAwardBackdropPickerNumbersFromItsOwnRecord) {
    AwardBackdropPicker picker(path_);
    std::string title;
    WhenShown dialog("Select Award Card Backdrop", [&](HWND d) { ClickView(d, 25, 15); });
    int32_t firstRow = 0;
    const GalleryPick pick = picker.Pick(nullptr, firstRow);
    ASSERT_TRUE(dialog.Seen());
    ASSERT_TRUE(pick.picked);
    EXPECT_EQ(1, pick.column);
    EXPECT_EQ(1, pick.row);
    EXPECT_EQ((1 + 1 * 4) * 3 + 100, pick.picture);
}

TEST_F(GalleryPickerTest, AGalleryThatCannotBeOpenedThrowsZero) {
    try {
        ReelSymbolPicker picker(path_ + ".missing");
        FAIL() << "no exception";
    } catch (int code) {
        EXPECT_EQ(0, code);
    }
}

// A gallery whose backdrop asset is too short to hold its size words says so and picks
// nothing; the words beyond the asset are never read.
TEST(DamagedGalleryTest, ABackdropAssetTooShortForItsSizeIsReportedAndNothingIsPicked) {
    const std::string path = WriteGallery(true);
    GalleryPicker picker(path, 0, 2, POINT{0, 0}, POINT{0, 0}, "Damaged Gallery");
    std::string text;
    WhenShown box("Damaged Gallery", [&text](HWND shown) {
        char buffer[512] = {};
        GetDlgItemTextA(shown, 0xFFFF, buffer, sizeof buffer - 1);
        text = buffer;
        PostMessageA(shown, WM_COMMAND, IDOK, 0);
    });
    int32_t firstRow = 0;
    const GalleryPick pick = picker.Pick(nullptr, firstRow);
    ASSERT_TRUE(box.Seen());
    EXPECT_NE(std::string::npos, text.find("damaged")) << text;
    EXPECT_FALSE(pick.picked);
}

// A picture asset is read only when it holds the whole picture its words announce.
TEST(DamagedGalleryTest, APictureAssetShorterThanItsPictureIsRefusedWithAClearError) {
    AssetFileBuilder b;
    std::vector<uint8_t> cut = SolidPicture(kCell, kCell, 0x7FE0);
    cut.resize(cut.size() / 2);
    b.Add(kImageAssetType, cut);
    b.Add(kImageAssetType, SolidPicture(kCell, kCell, 0x7FE0));
    const std::string path = WriteTempAssetFile(b.Build(), "vsl_cut_picture");
    Bitmap picture;
    bool keyed = false;
    std::string error;
    EXPECT_FALSE(BitmapFromAssetFile(path, 1, picture, keyed, &error));
    EXPECT_NE(std::string::npos, error.find("cut short")) << error;
    EXPECT_TRUE(BitmapFromAssetFile(path, 2, picture, keyed, &error)) << error;
    EXPECT_EQ(kCell, picture.Width());
    EXPECT_EQ("", error);
    EXPECT_FALSE(BitmapFromAssetFile(path + ".missing", 1, picture, keyed, &error));
    EXPECT_NE(std::string::npos, error.find("cannot be opened")) << error;
}

}  // namespace
