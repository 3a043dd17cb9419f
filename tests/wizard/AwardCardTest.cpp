// The award card: NERINE.DLL's entry point and the card it hands back, the progress
// mapping, and the card composed into the body picture of two machines and saved as
// their backdrops (kept as award_card_*.bmp beside the test for a look).
#include "DecoratedExport.h"
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AwardCardComposer.h"
#include "CardPicture.h"
#include "GeneratorDocuments.h"
#include "Nerine.h"
#include "Quor2_5.h"
#include "WizardClipArt.h"
#include "WizardDocument.h"

namespace {

struct ProgressValues {
    std::vector<int32_t> values;
    static void __cdecl Record(int32_t value, void* context)
    {
        static_cast<ProgressValues*>(context)->values.push_back(value);
    }
};

GenerateAwardCardEntry Generator(HMODULE& library)
{
    library = LoadLibraryA("NERINE.DLL");
    return library ? reinterpret_cast<GenerateAwardCardEntry>(GetDecoratedProc(library, "_GenerateAwardCard@52"))
                   : nullptr;
}

TEST(Nerine, DrawsAnEightHundredBySixHundredCardOnTheProcessHeapAndReportsProgress)
{
    HMODULE library = nullptr;
    const GenerateAwardCardEntry generate = Generator(library);
    ASSERT_NE(nullptr, generate);
    // A 15-bit symbol, white keyed, bottom-up.
    CardPicture symbol;
    ASSERT_TRUE(symbol.bitmap.Create(16, 16, 15, false));
    symbol.transparent = true;
    symbol.key = RGB(255, 255, 255);
    AwardImage image = symbol.Image();
    AwardCardRecord records[kAwardRecords] = {};
    for (AwardCardRecord& r : records)
        r.image = &image;
    records[0].amounts[0] = 800, records[0].amounts[1] = 1000, records[0].wild = 1;
    ProgressValues progress;
    AwardImage card{};
    generate(&card, "Test Card", 3, 5, 5, nullptr, "Times New Roman", records, 1, 3, "Fruit", ProgressValues::Record,
             &progress);
    ASSERT_NE(nullptr, card.bitmap);
    ASSERT_NE(nullptr, card.info);
    EXPECT_EQ(4u, card.kind & kAwardKindMask);
    EXPECT_EQ(800, card.rect.right - card.rect.left);
    EXPECT_EQ(600, card.rect.bottom - card.rect.top);
    EXPECT_GE(HeapSize(GetProcessHeap(), 0, card.info), sizeof(BITMAPINFOHEADER));
    ASSERT_FALSE(progress.values.empty());
    EXPECT_EQ(0, progress.values.front());
    EXPECT_EQ(kAwardProgressEnd, progress.values.back());
    for (std::size_t i = 1; i < progress.values.size(); ++i)
        EXPECT_LE(progress.values[i - 1], progress.values[i]);
    DeleteObject(card.bitmap);
    HeapFree(GetProcessHeap(), 0, card.info);

    // Without its records the generator gives no card.
    generate(&card, "x", 3, 5, 5, nullptr, "Arial", nullptr, 0, 0, "", nullptr, nullptr);
    EXPECT_EQ(nullptr, card.bitmap);
    FreeLibrary(library);
}

TEST(AwardCardProgress, GeneratorValuesMoveTheStepFromTwentyToSixtyPercent)
{
    RecordedProgress progress;
    for (int32_t value : {0, 49, 1000, 2000})
        AwardCardProgress(value, &progress);
    EXPECT_EQ((std::vector<int32_t>{20, 20, 40, 60}), progress.percents);
}

class AwardCardComposition : public ClipArtSuite {
protected:
    void SetUp() override
    {
        gallery_ = OpenAssetFile((art_->Folder() + "\\gallery.ast").c_str());
        ASSERT_NE(-1, gallery_);
    }
    void TearDown() override { CloseAssetFile(uint32_t(gallery_)); }

    // The document with the test gallery's symbols.
    static void UseGallery(WizardChoices& d)
    {
        for (int slot = 0; slot < kSymbolSlots; ++slot)
            d.symbolGalleryIndexes[slot] = art_->SymbolSprite(slot);
        d.awardBackdropIndex = uint32_t(art_->AwardBackdrop(0));
    }

    int32_t gallery_ = -1;
};

TEST_F(AwardCardComposition, PicturesComeFromSpritesImagesAndBitmapFiles)
{
    CardPicture symbol, image, body, none;
    ASSERT_TRUE(LoadSpriteFrameBitmap(symbol, gallery_, art_->SymbolSprite(5), 0, 0));
    EXPECT_EQ(64, symbol.bitmap.Width());
    EXPECT_EQ(15, symbol.bitmap.Depth());
    EXPECT_FALSE(LoadSpriteFrameBitmap(none, gallery_, art_->SymbolSprite(5), 0, 1));
    EXPECT_FALSE(LoadSpriteFrameBitmap(none, gallery_, art_->AwardBackdrop(0), 0, 0));
    ASSERT_TRUE(LoadBitmapAsset(image, gallery_, art_->AwardBackdrop(1)));
    EXPECT_EQ(400, image.bitmap.Width());
    EXPECT_FALSE(image.transparent);
    EXPECT_FALSE(LoadBitmapAsset(none, gallery_, art_->SymbolSprite(0)));
    ASSERT_TRUE(LoadArtBitmap(body, GetMachineBodies()[1].layouts[2].bitmap, art_->Folder()));
    EXPECT_EQ(720, body.bitmap.Width());
    EXPECT_TRUE(LoadArtBitmap(image, ArtRef{true, "gallery.ast", art_->AwardBackdrop(0)}, art_->Folder()));
    EXPECT_FALSE(LoadArtBitmap(none, GetMachineBodies()[1].arms[0].image, art_->Folder()));  // a sprite
    EXPECT_FALSE(LoadBitmapAssetFromFile(none, art_->Folder() + "\\gallery.ast", 100000));
}

// The composed backdrop keeps the body's size and shows the card where the layout puts it.
void ExpectCardInBody(const std::string& file, const BodyLayout& layout)
{
    Bitmap backdrop;
    ASSERT_TRUE(backdrop.LoadImageFile(file)) << file;
    EXPECT_EQ(720, backdrop.Width());
    EXPECT_EQ(720, backdrop.Height());
    const AwardCardPlacement& place = layout.awardCard;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, backdrop.Handle());
    const COLORREF plainPanel = RGB(60, 50, 70);
    int changed = 0;
    for (int y = place.top + 5; y < place.bottom - 5; y += 7)
        for (int x = place.left + 5; x < place.right - 5; x += 7)
            changed += GetPixel(dc, x, y) != plainPanel ? 1 : 0;
    SelectObject(dc, old);
    DeleteDC(dc);
    EXPECT_GT(changed, 2000) << file;
}

TEST_F(AwardCardComposition, TwoMachinesGetTheirCardsInTheirBodies)
{
    WizardDocument one;
    static_cast<WizardChoices&>(one) = CoralCrown();
    UseGallery(one);
    one.identifier = "award_card_coral";
    one.groupName = "Sea Treasures";
    RecordedProgress progress;
    ASSERT_TRUE(ComposeAwardCard(one, gallery_, art_->Folder(), progress));
    EXPECT_EQ(20, progress.percents.front());
    EXPECT_EQ(100, progress.percents.back());
    ExpectCardInBody("award_card_coral.bmp", GetMachineBodies()[2].layouts[4]);

    WizardDocument two;
    static_cast<WizardChoices&>(two) = AmberOrchard();
    UseGallery(two);
    two.identifier = "award_card_amber";
    two.fontName = "Arial";
    // A background picked from disk instead of the gallery's.
    ASSERT_TRUE(two.customAwardBackdrop.LoadImageFile(art_->Folder() + "\\backdrop1.bmp"));
    RecordedProgress second;
    ASSERT_TRUE(ComposeAwardCard(two, gallery_, art_->Folder(), second));
    ExpectCardInBody("award_card_amber.bmp", GetMachineBodies()[0].layouts[0]);
}

TEST_F(AwardCardComposition, CancelLeavesNoBackdropAndMissingPicturesFail)
{
    WizardDocument document;
    static_cast<WizardChoices&>(document) = BrassLagoon();
    UseGallery(document);
    document.identifier = "award_card_cancelled";
    RecordedProgress cancelled;
    cancelled.cancelled = true;
    EXPECT_TRUE(ComposeAwardCard(document, gallery_, art_->Folder(), cancelled));
    EXPECT_EQ((std::vector<int32_t>{20}), cancelled.percents);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("award_card_cancelled.bmp"));

    RecordedProgress progress;
    document.symbolGalleryIndexes[3] = art_->AwardBackdrop(0);  // an image, not a sprite
    EXPECT_FALSE(ComposeAwardCard(document, gallery_, art_->Folder(), progress));
    UseGallery(document);
    document.symbolGalleryIndexes[6] = -1;
    document.symbolCustomFiles[6] = "no_such_symbol.bmp";
    EXPECT_FALSE(ComposeAwardCard(document, gallery_, art_->Folder(), progress));
    UseGallery(document);
    EXPECT_FALSE(ComposeAwardCard(document, gallery_, art_->Folder() + "\\missing", progress));
    EXPECT_TRUE(progress.percents.empty());
}

}  // namespace
