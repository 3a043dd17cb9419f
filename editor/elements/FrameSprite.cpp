#include "FrameSprite.h"

#include <algorithm>

#include "AnimationSet.h"
#include "Bitmap.h"
#include "EnginePicture.h"
#include "SpriteDesc.h"

namespace {
const COLORREF kUnusedKey = 0x00FF0000;
const uint32_t kPictureDepth = 100;

void CopyPicture(HDC dc, const FramePicture& picture, const ElementRect& rect) {
    const Bitmap& image = *picture.image;
    const int border = picture.border;
    const int w = std::min<int>(rect.Width(), image.Width() - 2 * border);
    const int h = std::min<int>(rect.Height(), image.Height() - 2 * border);
    const int fromBottom = image.IsTopDown() ? border : image.Height() - border - h;
    StretchDIBits(dc, 0, 0, w, h, border, fromBottom, w, h, image.Pixels(), image.Info(), DIB_RGB_COLORS,
                  SRCCOPY);
}

void WriteText(HDC dc, const ElementRect& rect, const std::string& text) {
    const RECT all = {0, 0, rect.Width(), rect.Height()};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, 0, 0, text.c_str(), int(text.size()));
}
}  // namespace

FramePicture FrameOf(const AnimationSet* set, size_t frame) {
    FramePicture picture;
    if (!set || set->GetSequences().empty()) return picture;
    const auto& frames = set->GetSequences()[0]->GetFrames();
    if (frame >= frames.size()) return picture;
    const Bitmap* image = frames[frame]->GetImage().get();
    if (!image || !image->IsValid()) return picture;
    picture.image = image;
    picture.width = image->Width();
    picture.height = image->Height();
    return picture;
}

FramePicture WithoutKeyBorder(const AnimationSet* set, const FramePicture& picture, bool transparent) {
    if (!transparent || !set || !picture.image || picture.width <= 2 || picture.height <= 2) return picture;
    if (set->GetCommonSource() != FrameSource::ImageFile) return picture;
    FramePicture shown = picture;
    shown.border = 1;
    shown.width -= 2;
    shown.height -= 2;
    return shown;
}

ElementRect InsetBy(const ElementRect& rect, int32_t border) {
    return ElementRect{rect.left + border, rect.top + border, rect.right - border, rect.bottom - border};
}

COLORREF SpriteKeyFor(const FramePicture& picture, bool transparent) {
    if (!transparent || !picture.image) return kUnusedKey;
    const uint32_t rgb = GetColorKey(*picture.image);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

namespace {
// An owner-draw sprite over the element's rectangle at the pictures' depth.
OwnerDrawSpriteDesc PictureSpriteDesc(const ElementRect& rect, COLORREF key) {
    OwnerDrawSpriteDesc desc;
    desc.x = rect.left;
    desc.y = rect.top;
    desc.depth = kPictureDepth;
    desc.block.width = std::max(1, rect.Width());
    desc.block.height = std::max(1, rect.Height());
    desc.block.transparentColour = key;
    return desc;
}
}  // namespace

bool DrawFrameSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder, const ElementRect& rect,
                     const FramePicture& picture, COLORREF key, const std::string& text) {
    const OwnerDrawSpriteDesc desc = PictureSpriteDesc(rect, key);
    if (!CreateOwnerDrawSprite(parent, holder, desc)) return false;
    if (HBITMAP surface = holder.Surface().bitmap) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, surface);
        if (picture.image) CopyPicture(dc, picture, rect);
        else WriteText(dc, rect, text);
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    UpdateOwnerDrawSprite(holder.Get());
    return true;
}

bool DrawPlaceholderSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder, const ElementRect& rect,
                           const std::string& text) {
    const OwnerDrawSpriteDesc desc = PictureSpriteDesc(rect, kUnusedKey);
    if (!CreateOwnerDrawSprite(parent, holder, desc)) return false;
    if (HBITMAP surface = holder.Surface().bitmap) {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ oldBitmap = SelectObject(dc, surface);
        const RECT all = {0, 0, desc.block.width, desc.block.height};
        HBRUSH key = CreateSolidBrush(kUnusedKey);
        FillRect(dc, &all, key);
        DeleteObject(key);
        HPEN pen = CreatePen(PS_SOLID, 1, kPlaceholderFrameColour);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kPlaceholderTextColour);
        TextOutA(dc, 0, 0, text.c_str(), int(text.size()));
        Rectangle(dc, 0, 0, all.right, all.bottom);
        Rectangle(dc, 1, 1, all.right - 1, all.bottom - 1);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
        SelectObject(dc, oldBitmap);
        DeleteDC(dc);
    }
    UpdateOwnerDrawSprite(holder.Get());
    return true;
}
