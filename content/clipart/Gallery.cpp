// "gallery.ast": the award-card backdrops with their thumbnails, the reel symbols, the two
// pickers' dialog backdrops and highlight frames, the thumbnail sprites (sequence c holds
// column c, frame r row r), the symbol sprites, then the sounds' names and the sounds. The
// user information records the layout (GalleryLayout.h). "GalleryExtra.ast" holds the
// symbols page's frame and empty-slot pictures.
#include <stdexcept>
#include <string>
#include <vector>

#include "Canvas.h"
#include "ClipArt.h"
#include "ContentFolders.h"
#include "GalleryLayout.h"
#include "GallerySounds.h"
#include "OrderedAssets.h"
#include "SoundFiles.h"

namespace content {

namespace {

using namespace gallery;

const COLORREF kSymbolGround = RGB(250, 248, 238);

// Backdrop b: rings, stripes or rays around the card's middle in a colour pair of its own.
void DrawBackdrop(Canvas& c, int b) {
    const int w = c.Width(), h = c.Height();
    const COLORREF from = RGB(40 + b * 13 % 160, 20 + b * 37 % 140, 60 + b * 53 % 170);
    const COLORREF to = RGB(250 - b * 29 % 120, 230 - b * 17 % 110, 200 - b * 41 % 150);
    c.Gradient(RECT{0, 0, w, h}, from, to, b % 2 == 0);
    for (int i = 0; i < 10; ++i) {
        const COLORREF ink = Blend(from, to, i / 10.0);
        if (b % 4 == 0)
            c.Ellipse(RECT{w / 2 - 120 + i * 12, h / 2 - 90 + i * 9, w / 2 + 120 - i * 12, h / 2 + 90 - i * 9}, ink, ink);
        else if (b % 4 == 1)
            c.Fill(RECT{i * w / 10, 0, i * w / 10 + w / 20, h}, ink);
        else if (b % 4 == 2)
            c.Line(POINT{w / 2, h / 2}, POINT{i * w / 9, i % 2 ? 0 : h}, ink, 6);
        else
            c.RoundBox(RECT{i * 9, i * 7, w - i * 9, h - i * 7}, 20, ink, to, 1);
    }
}

// A highlight: a coloured frame on the colour key.
void AddFrame(OrderedAssets& g, int width, int height) {
    // The engine keys a picture on its top-left pixel: the thick edge keeps off the corner.
    Canvas c(width, height, kKeyColour);
    c.RoundBox(RECT{2, 2, width - 2, height - 2}, 8, kKeyColour, RGB(255, 220, 40), 4);
    g.AddPicture(c.Picture(), true);
}

// A dialog's backdrop: a panel behind each cell.
void AddGrid(OrderedAssets& g, int width, int height, int cellWidth, int cellHeight) {
    Canvas c(width, height, RGB(36, 40, 52));
    for (int y = 0; y < height; y += cellHeight)
        for (int x = 0; x < width; x += cellWidth)
            c.RoundBox(RECT{x + 1, y + 1, x + cellWidth - 1, y + cellHeight - 1}, 6, RGB(60, 66, 84), RGB(90, 96, 120));
    g.AddPicture(c.Picture(), false);
}

// Four sequences, one per column; frame r of sequence c shows picture first + c + 4r.
std::vector<SpriteSequence> ThumbnailColumns(uint32_t first, int count) {
    std::vector<SpriteSequence> columns(4);
    for (int i = 0; i < count; ++i) {
        SpriteFrame f;
        f.picture = first + uint32_t(i);
        columns[std::size_t(i % 4)].push_back(f);
    }
    return columns;
}

void Expect(uint32_t got, uint32_t wanted) {
    if (got != wanted) throw std::runtime_error("gallery.ast: asset " + std::to_string(got) + " out of place");
}

void AddPictures(OrderedAssets& g) {
    for (int b = 0; b < kBackdropCount; ++b) {
        Canvas c(kBackdropWidth, kBackdropHeight);
        DrawBackdrop(c, b);
        Expect(g.AddPicture(c.Picture(), false), kFirstBackdrop + uint32_t(b));
    }
    for (int b = 0; b < kBackdropCount; ++b) {
        Canvas c(kBackdropThumbWidth, kBackdropThumbHeight);
        DrawBackdrop(c, b);
        g.AddPicture(c.Picture(), false);
    }
    for (int s = 0; s < kSymbolCount; ++s) {
        Canvas c(kSymbolSize, kSymbolSize, kSymbolGround);
        DrawGallerySymbol(c, s);
        Expect(g.AddPicture(c.Picture(), false), kFirstSymbolPicture + uint32_t(s));
    }
    AddGrid(g, 4 * kSymbolCell, 6 * kSymbolCell, kSymbolCell, kSymbolCell);
    AddGrid(g, 4 * kBackdropCellWidth, 4 * kBackdropCellHeight, kBackdropCellWidth, kBackdropCellHeight);
    AddFrame(g, kSymbolSize + 4, kSymbolSize + 4);
    AddFrame(g, kBackdropThumbWidth + 20, kBackdropThumbHeight + 19);
    Expect(g.Count(), kBackdropHighlightPicture);
}

void AddSprites(OrderedAssets& g) {
    g.AddBackdrop(kSymbolDialogPicture);
    Expect(g.AddBackdrop(kBackdropDialogPicture), kBackdropDialog);
    for (int s = 0; s < kSymbolCount; ++s) g.AddFramesSprite(kFirstSymbolPicture + uint32_t(s), 1);
    g.AddSequences(ThumbnailColumns(kFirstSymbolPicture, kSymbolCount));
    g.AddSequences(ThumbnailColumns(kFirstBackdropThumb, kBackdropCount));
    g.AddFramesSprite(kSymbolHighlightPicture, 1);
    Expect(g.AddFramesSprite(kBackdropHighlightPicture, 1), kBackdropHighlight);
}

void AddSounds(OrderedAssets& g) {
    for (int s = 0; s < kSoundCount; ++s) {
        const std::string name = GallerySoundName(s);
        g.AddChunk(kNameType, std::vector<uint8_t>(name.c_str(), name.c_str() + name.size() + 1));
    }
    for (int s = 0; s < kSoundCount; ++s) g.AddChunk(0x45564157u /* "WAVE" */, WavImage(GallerySound(s)));
    Expect(g.Count(), kAssetCount);
}

std::vector<uint8_t> UserInfo() {
    int32_t words[kUserInfoBytes / 4] = {
        kSymbolCount,   0, int32_t(kFirstSymbolSprite), 1, int32_t(kSymbolThumbnails),   int32_t(kSymbolDialog),
        int32_t(kSymbolHighlight),
        kBackdropCount, 0, int32_t(kFirstBackdrop),     1, int32_t(kBackdropThumbnails), int32_t(kBackdropDialog),
        int32_t(kBackdropHighlight),
        kSoundCount,    int32_t(kFirstName),            int32_t(kFirstSoundAsset)};
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(words);
    return std::vector<uint8_t>(bytes, bytes + sizeof words);
}

}  // namespace

void MakeGallery(const std::string& folder) {
    OrderedAssets g;
    AddPictures(g);
    AddSprites(g);
    AddSounds(g);
    g.SetUserInfo(UserInfo());
    const std::string path = folder + "gallery.ast";
    Check(g.Write(path), path);
}

void MakeGalleryExtra(const std::string& folder) {
    OrderedAssets extra;
    AddFrame(extra, kSymbolSize, kSymbolSize);
    Canvas empty(kSymbolSize, kSymbolSize, kSymbolGround);
    empty.Text("?", RECT{0, 0, kSymbolSize, kSymbolSize}, FontSpec{"Arial", 40, FW_BOLD}, RGB(190, 190, 180));
    extra.AddPicture(empty.Picture(), false);
    extra.AddFramesSprite(kExtraFramePicture, 1);
    Expect(extra.AddFramesSprite(kExtraEmptyPicture, 1), kExtraEmpty);
    const std::string path = folder + "GalleryExtra.ast";
    Check(extra.Write(path), path);
}

}  // namespace content
