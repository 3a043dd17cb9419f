#include "AwardCardComposer.h"

#include "DecoratedExport.h"
#include <array>
#include <exception>

#include "AwardCardAmounts.h"
#include "CardPicture.h"
#include "MachineArtBlock.h"
#include "MachineText.h"
#include "WizardDocument.h"

namespace {

constexpr int32_t kCardWidth = 800;
constexpr int32_t kCardHeight = 600;

// The seven symbol pictures: a gallery sprite's first frame, or the custom bitmap with
// white as its transparent colour.
bool LoadSymbols(const WizardDocument& document, int32_t galleryFile, std::array<CardPicture, kSymbolSlots>& symbols)
{
    for (int slot = 0; slot < kSymbolSlots; ++slot) {
        CardPicture& picture = symbols[slot];
        const int32_t index = document.symbolGalleryIndexes[slot];
        if (index >= 0) {
            if (!LoadSpriteFrameBitmap(picture, galleryFile, index, 0, 0))
                return false;
            continue;
        }
        if (!picture.bitmap.LoadImageFile(document.symbolCustomFiles[slot]))
            return false;
        picture.key = RGB(255, 255, 255);
        picture.transparent = true;
    }
    return true;
}

bool MakeBackground(const WizardDocument& document, int32_t galleryFile, CardPicture& background)
{
    if (document.customAwardBackdrop.IsValid()) {
        Bitmap custom(document.customAwardBackdrop);
        if (!custom.StretchInto(15) || !custom.Resize(kCardWidth, kCardHeight))
            return false;
        return background.bitmap.Create(kCardWidth, kCardHeight, 15, true) &&
               custom.BlitClipped(background.bitmap, POINT{0, 0}, RECT{0, 0, kCardWidth, kCardHeight});
    }
    return LoadBitmapAsset(background, galleryFile, int32_t(document.awardBackdropIndex)) &&
           background.bitmap.Resize(kCardWidth, kCardHeight);
}

// The card that NERINE.DLL returns: its GDI bitmap and header block are ours to free.
class GeneratedCard {
public:
    GeneratedCard() = default;
    ~GeneratedCard()
    {
        if (image.bitmap != nullptr)
            DeleteObject(image.bitmap);
        if (image.info != nullptr)
            HeapFree(GetProcessHeap(), 0, image.info);
    }
    GeneratedCard(const GeneratedCard&) = delete;
    GeneratedCard& operator=(const GeneratedCard&) = delete;

    AwardImage image{};
};

bool GenerateCard(const WizardDocument& document, const std::array<CardPicture, kSymbolSlots>& symbols,
                  const CardPicture& background, GenerationProgress& progress, GeneratedCard& card)
{
    HMODULE library = LoadLibraryA("NERINE.DLL");
    if (library == nullptr)
        return false;
    const auto generate =
        reinterpret_cast<GenerateAwardCardEntry>(GetDecoratedProc(library, "_GenerateAwardCard@52"));
    std::array<AwardImage, kAwardRecords> images;
    std::array<AwardCardRecord, kAwardRecords> records{};
    const AwardAmounts amounts = ComputeAwardAmounts(document);
    for (int i = 0; i < kAwardRecords; ++i) {
        images[i] = symbols[i].Image();
        records[i].image = &images[i];
        for (int w = 0; w < 4; ++w)
            records[i].amounts[w] = amounts[i][w];
        records[i].wild = amounts[i][4];
    }
    AwardImage backdrop = background.Image();
    if (generate != nullptr)
        generate(&card.image, document.name.c_str(), int32_t(document.reelCount),
                 MaxBetForLines(document.payLines), int32_t(document.payLines), &backdrop, document.fontName.c_str(),
                 records.data(), document.cherry ? 1 : 0, AwardGroupPayout(document), document.groupName.c_str(),
                 AwardCardProgress, &progress);
    FreeLibrary(library);
    return generate != nullptr;
}

// Draws the card scaled into the placement of the body picture.
bool DrawCardIntoBody(const Bitmap& card, Bitmap& body, const AwardCardPlacement& place)
{
    return body.Convert(BitmapPlacement{place.left, place.top, place.right, place.bottom, place.sourceWidth,
                                        place.sourceHeight},
                        card);
}

bool SaveBackdrop(const Bitmap& body, const std::string& name)
{
    try {
        return body.Save(name);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

void __cdecl AwardCardProgress(int32_t value, void* context)
{
    static_cast<GenerationProgress*>(context)->SetPercent(20 + value / 50);
}

bool ComposeAwardCard(const WizardDocument& document, int32_t galleryFile, const std::string& clipArt,
                      GenerationProgress& progress)
{
    std::array<CardPicture, kSymbolSlots> symbols;
    CardPicture body, background;
    const BodyLayout& layout = ChosenLayout(document);
    if (!LoadSymbols(document, galleryFile, symbols) || !LoadArtBitmap(body, layout.bitmap, clipArt) ||
        !MakeBackground(document, galleryFile, background))
        return false;
    progress.SetPercent(20);
    if (progress.IsCancelled())
        return true;
    GeneratedCard generated;
    if (!GenerateCard(document, symbols, background, progress, generated))
        return false;
    Bitmap card;
    QuorSurfaceRecord record{};
    record.format = generated.image.kind & kAwardKindMask;
    record.bitmap = generated.image.bitmap;
    record.info = generated.image.info;
    record.pixels = generated.image.pixels;
    record.left = generated.image.rect.left, record.top = generated.image.rect.top;
    record.right = generated.image.rect.right, record.bottom = generated.image.rect.bottom;
    if (!card.InitFromHeader(record))
        return false;
    progress.SetPercent(60);
    if (progress.IsCancelled())
        return true;
    if (!DrawCardIntoBody(card, body.bitmap, layout.awardCard))
        return false;
    const std::string name = document.identifier + ".bmp";
    progress.SetPercent(80);
    if (progress.IsCancelled())
        return true;
    if (!SaveBackdrop(body.bitmap, name))
        return false;
    progress.SetPercent(100);
    return true;
}
