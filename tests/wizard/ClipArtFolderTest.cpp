// The clip-art folder of our CD as the content generator writes it, opened through the
// engine: every body, button and part the style tables name, every arm at its asset
// number in "arms.ast", and the galleries laid out as their user information says (the
// pickers' records, the symbols, backdrops and sounds), wide enough for the wizard pages'
// first choices.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "BuiltFileFolder.h"
#include "CardPicture.h"
#include "DepthConversion.h"
#include "GalleryLayout.h"
#include "Quor2_5.h"
#include "StyleTables.h"

namespace {

const std::string kFolder = BuiltFileFolder(VSL_CLIP_ART_DIR);

// An asset file opened through the engine for the test's time.
class OpenedFile {
public:
    explicit OpenedFile(const std::string& name) : handle_(OpenAssetFile((kFolder + "/" + name).c_str())) {}
    ~OpenedFile()
    {
        if (handle_ != -1)
            CloseAssetFile(uint32_t(handle_));
    }
    int32_t Handle() const { return handle_; }
    // The four-letter kind of asset `index` ("" when it cannot be loaded) and its data.
    std::string Kind(int32_t index, std::string* data = nullptr) const
    {
        const uint32_t asset = uint32_t(handle_) | uint32_t(index);
        if (index <= 0 || !LoadAsset(asset, 0))
            return "";
        std::string kind;
        QuorAssetInfo info = {};
        if (const char* locked = static_cast<const char*>(DereferenceAndLockAsset(asset))) {
            kind.assign(locked, 4);
            if (data != nullptr && GetAssetInfo(asset, &info))
                data->assign(locked, std::size_t(info.dataSize) + 4);
            ReleaseAsset(asset);
        }
        UnloadAsset(asset);
        return kind;
    }

private:
    int32_t handle_;
};

std::string Slashed(std::string path)
{
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

uint16_t Word16(const std::string& data, std::size_t at)
{
    return uint16_t(uint8_t(data[at]) | uint8_t(data[at + 1]) << 8);
}

class ClipArtFolder : public ::testing::Test {
protected:
    // The gallery's user information as words.
    static void ReadUserInfo(const OpenedFile& file, int32_t words[17])
    {
        uint32_t size = gallery::kUserInfoBytes;
        ASSERT_EQ(1, GetAssetFileUserInfo(uint32_t(file.Handle()), words, &size));
        ASSERT_EQ(gallery::kUserInfoBytes, size);
    }

    // A picker record: its pictures at base + k x step, the thumbnail sprite with four
    // columns of `rows` frames, the dialog backdrop the size of the view and the highlight.
    static void CheckRecord(const OpenedFile& file, const int32_t* record, const char* pictureKind, int visibleRows)
    {
        const int count = record[gallery::kPictureCount];
        ASSERT_EQ(0, count % 4);
        ASSERT_GE(count / 4, visibleRows);
        for (int k = 0; k < count; ++k)
            EXPECT_EQ(pictureKind, file.Kind(record[gallery::kBase] + k * record[gallery::kStep])) << k;
        CardPicture thumb;
        for (int c = 0; c < 4; ++c) {
            EXPECT_TRUE(LoadSpriteFrameBitmap(thumb, file.Handle(), record[gallery::kThumbnails], c, count / 4 - 1));
            EXPECT_FALSE(LoadSpriteFrameBitmap(thumb, file.Handle(), record[gallery::kThumbnails], c, count / 4));
        }
        std::string backdrop;
        ASSERT_EQ("BACK", file.Kind(record[gallery::kDialogBackdrop], &backdrop));
        ASSERT_GE(backdrop.size(), 14u);
        EXPECT_EQ(0, Word16(backdrop, 10) % 4);  // the view: four cells wide, the visible rows high
        EXPECT_EQ(0, Word16(backdrop, 12) % visibleRows);
        EXPECT_GE(Word16(backdrop, 10) / 4, thumb.bitmap.Width());
        EXPECT_EQ("SPRT", file.Kind(record[gallery::kHighlight]));
        // The highlight frames a thumbnail: its middle lets the thumbnail through.
        CardPicture frame;
        ASSERT_TRUE(LoadSpriteFrameBitmap(frame, file.Handle(), record[gallery::kHighlight], 0, 0));
        EXPECT_TRUE(frame.transparent);
        const PixelView pixels = frame.bitmap.View();
        EXPECT_EQ(PixelColour(pixels, 0, 0), PixelColour(pixels, frame.bitmap.Width() / 2, frame.bitmap.Height() / 2));
    }
};

TEST_F(ClipArtFolder, EveryArtFileOfTheStyleTablesLoads)
{
    for (const std::string& file : StyleArtFiles()) {
        if (file.find(".ast") != std::string::npos)
            continue;  // the arms: below
        Bitmap picture;
        EXPECT_TRUE(picture.LoadImageFile(kFolder + "/" + Slashed(file))) << file;
    }
    for (const MachineBody& body : GetMachineBodies())
        for (const BodyLayout& layout : body.layouts) {
            Bitmap picture;
            ASSERT_TRUE(picture.LoadImageFile(kFolder + "/" + Slashed(layout.bitmap.file)));
            EXPECT_GE(picture.Width(), layout.awardCard.right) << layout.bitmap.file;
            EXPECT_GE(picture.Height(), layout.awardCard.bottom) << layout.bitmap.file;
        }
    Bitmap blank;
    ASSERT_TRUE(blank.LoadImageFile(kFolder + "/BlankSym.bmp"));
    EXPECT_EQ(gallery::kSymbolSize, blank.Width());
}

// The body of every layout shows its style's cabinet, as the name page's preview of the
// style does (the Gold four-reel three-line body was drawn over by the Beach one).
TEST_F(ClipArtFolder, EveryLayoutOfAStyleShowsThatStylesCabinet)
{
    const std::vector<MachineBody>& bodies = GetMachineBodies();
    std::vector<uint32_t> cabinets;
    for (const MachineBody& body : bodies) {
        Bitmap first;
        ASSERT_TRUE(first.LoadImageFile(kFolder + "/" + Slashed(body.layouts[0].bitmap.file)));
        const uint32_t cabinet = PixelColour(first.View(), 16, 200);  // beside the award card's panel
        for (uint32_t other : cabinets)
            EXPECT_NE(other, cabinet) << body.name;
        cabinets.push_back(cabinet);
        for (int layout = 1; layout < kBodyLayouts; ++layout) {
            Bitmap picture;
            ASSERT_TRUE(picture.LoadImageFile(kFolder + "/" + Slashed(body.layouts[layout].bitmap.file)));
            EXPECT_EQ(cabinet, PixelColour(picture.View(), 16, 200)) << body.name << " layout " << layout;
        }
    }
}

TEST_F(ClipArtFolder, EveryArmIsASpriteAtItsAssetNumber)
{
    const OpenedFile arms("arms.ast");
    ASSERT_NE(-1, arms.Handle());
    for (const MachineBody& body : GetMachineBodies()) {
        ASSERT_EQ(12, body.armCount);
        for (int a = 0; a < body.armCount; ++a) {
            const ArtRef& image = body.arms[a].image;
            ASSERT_EQ("arms.ast", image.file);
            EXPECT_EQ("SPRT", arms.Kind(image.index)) << body.arms[a].name;
            CardPicture first;
            EXPECT_TRUE(LoadSpriteFrameBitmap(first, arms.Handle(), image.index, 0, 0)) << body.arms[a].name;
            EXPECT_TRUE(first.transparent) << body.arms[a].name;
        }
    }
}

TEST_F(ClipArtFolder, TheGalleryHoldsWhatItsUserInformationDescribes)
{
    const OpenedFile file("gallery.ast");
    ASSERT_NE(-1, file.Handle());
    int32_t words[17] = {};
    ReadUserInfo(file, words);
    CheckRecord(file, words, "SPRT", 6);                         // the reel symbols
    CheckRecord(file, words + gallery::kRecordWords, "BMAP", 4);  // the award-card backdrops
    CardPicture backdrop;
    EXPECT_TRUE(LoadBitmapAsset(backdrop, file.Handle(), words[gallery::kRecordWords + gallery::kBase]));
    EXPECT_FALSE(backdrop.transparent);

    const int sounds = words[gallery::kSoundCountWord];
    ASSERT_GT(sounds, 0);
    for (int s = 0; s < sounds; ++s) {
        std::string name, sound;
        ASSERT_EQ("NAME", file.Kind(words[gallery::kFirstNameWord] + s, &name)) << s;
        EXPECT_GT(std::strlen(name.c_str() + 4), 0u) << s;
        ASSERT_EQ("WAVE", file.Kind(words[gallery::kFirstSoundWord] + s, &sound)) << s;
        EXPECT_EQ("RIFF", sound.substr(4, 4)) << s;
    }
    EXPECT_EQ(uint32_t(words[gallery::kFirstSoundWord] + sounds - 1), GetNumberOfAssets(uint32_t(file.Handle())));
}

// The symbols page starts with the pictures 3, 7, 10, 9, 8, 0 and 14, the audio page with
// the sounds 253, 67, 73, 282 and 74: all of them are in the gallery.
TEST_F(ClipArtFolder, TheWizardPagesFirstChoicesAreInTheGallery)
{
    const OpenedFile file("gallery.ast");
    int32_t words[17] = {};
    ReadUserInfo(file, words);
    for (int picture : {3, 7, 10, 9, 8, 0, 14}) {
        const int32_t asset = words[gallery::kBase] + picture * words[gallery::kStep];
        CardPicture symbol;
        EXPECT_TRUE(LoadSpriteFrameBitmap(symbol, file.Handle(), asset, 0, 0)) << picture;
        EXPECT_EQ(gallery::kSymbolSize, symbol.bitmap.Width()) << picture;
    }
    for (int sound : {253, 67, 73, 282, 74})
        EXPECT_LT(sound, words[gallery::kSoundCountWord]);
}

TEST_F(ClipArtFolder, TheExtraGalleryHoldsTheSymbolPagesPictures)
{
    const OpenedFile extra("GalleryExtra.ast");
    ASSERT_NE(-1, extra.Handle());
    EXPECT_EQ("SPRT", extra.Kind(gallery::kExtraFrame));
    EXPECT_EQ("SPRT", extra.Kind(gallery::kExtraEmpty));
    CardPicture frame;
    EXPECT_TRUE(LoadSpriteFrameBitmap(frame, extra.Handle(), gallery::kExtraFrame, 0, 0));
    EXPECT_TRUE(frame.transparent);
}

}  // namespace
