#include "OutlineSprite.h"

#include "InvertingEffect.h"
#include "SpriteDesc.h"

namespace {
const uint32_t kLevelMaskOption = 2;  // an 8-bit grey surface: black is the full level

void DrawOutline(HBITMAP bitmap, const ElementRect& rect, const std::vector<POINT>& polygon, COLORREF colour) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    // White is level 0 of the mask: the backdrop there is kept as it is.
    const RECT all = {0, 0, rect.Width(), rect.Height()};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    if (polygon.empty()) Rectangle(dc, 0, 0, rect.Width(), rect.Height());
    else Polygon(dc, polygon.data(), int(polygon.size()));
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBitmap);
    DeleteObject(pen);
    DeleteDC(dc);
}
}  // namespace

bool DrawOutlineSprite(const SpriteParent& parent, OwnerDrawSpriteHandle& holder, const ElementRect& rect,
                       const std::vector<POINT>& polygon, COLORREF colour) {
    if (rect.Width() <= 0 || rect.Height() <= 0) return false;
    OwnerDrawSpriteDesc desc;
    desc.x = rect.left;
    desc.y = rect.top;
    desc.depth = kOutlineDepth;
    desc.block.width = rect.Width();
    desc.block.height = rect.Height();
    desc.block.options = kLevelMaskOption;
    if (!CreateOwnerDrawSprite(parent, holder, desc)) return false;
    if (holder.Surface().bitmap) DrawOutline(holder.Surface().bitmap, rect, polygon, colour);
    UpdateOwnerDrawSprite(holder.Get());
    if (HQUOREFFECT effect = SharedInvertingEffect()) ApplyEffectToSprite(holder.Get(), effect);
    return true;
}
