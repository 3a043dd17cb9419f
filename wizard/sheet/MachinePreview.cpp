#include "MachinePreview.h"

#include "CardPicture.h"
#include "CornerKey.h"
#include "MachineArtBlock.h"
#include "Quor2_5.h"
#include "StyleTables.h"
#include "WizardChoices.h"

namespace {

uint16_t* Row(const Bitmap& b, int32_t y) { return reinterpret_cast<uint16_t*>(b.View().Row(y)); }

// The arm's first picture: a bitmap file, an image asset or a sprite's first frame.
bool LoadArmPicture(const ArmStyle& arm, const std::string& clipArt, CardPicture& picture)
{
    const ArtRef& ref = arm.singleImage || arm.frames.empty() ? arm.image : arm.frames.front();
    if (LoadArtBitmap(picture, ref, clipArt))
        return true;
    if (!ref.isAsset)
        return false;
    const int32_t file = OpenAssetFile((clipArt + "\\" + ref.file).c_str());
    if (file == -1)
        return false;
    const bool loaded = LoadSpriteFrameBitmap(picture, file, ref.index, 0, 0);
    CloseAssetFile(uint32_t(file));
    return loaded;
}

}  // namespace

void DrawKeyed(const Bitmap& part, Bitmap& body, int x, int y)
{
    Bitmap picture(part);
    if (!picture.StretchInto(15) || !body.StretchInto(15) || picture.Width() == 0 || picture.Height() == 0)
        return;
    GdiFlush();
    const int32_t w = picture.Width(), h = picture.Height();
    const uint16_t key = uint16_t(CornerKey(Row(picture, 0)[0], Row(picture, 0)[w - 1], Row(picture, h - 1)[0],
                                            Row(picture, h - 1)[w - 1]));
    for (int32_t row = 0; row < h; ++row) {
        const int32_t to = y + row;
        if (to < 0 || to >= body.Height())
            continue;
        for (int32_t column = 0; column < w; ++column) {
            const int32_t at = x + column;
            const uint16_t pixel = Row(picture, row)[column];
            if (at >= 0 && at < body.Width() && pixel != key)
                Row(body, to)[at] = pixel;
        }
    }
}

bool ComposeMachinePreview(const WizardChoices& document, const std::string& clipArt, Bitmap& preview)
{
    const MachineBody& body = GetMachineBodies().at(document.bodyIndex);
    CardPicture picture;
    if (!LoadArtBitmap(picture, ChosenLayout(document).bitmap, clipArt) || !picture.bitmap.StretchInto(15))
        return false;
    if (document.armIndex < uint32_t(body.armCount)) {
        const ArmStyle& arm = body.arms[document.armIndex];
        CardPicture armPicture;
        if (LoadArmPicture(arm, clipArt, armPicture))
            DrawKeyed(armPicture.bitmap, picture.bitmap, arm.x, arm.y);
    }
    if (document.buttonSetIndex < uint32_t(body.buttonSetCount)) {
        for (const ButtonStyle& button : body.buttonSets[document.buttonSetIndex].buttons) {
            CardPicture buttonPicture;
            if (LoadArtBitmap(buttonPicture, button.images[0], clipArt))
                DrawKeyed(buttonPicture.bitmap, picture.bitmap, button.x, button.y);
        }
    }
    preview.Swap(picture.bitmap);
    return true;
}
