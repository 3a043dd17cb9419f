#include "ReelElement.h"

#include <string>
#include <vector>

#include "MachineScript.h"
#include "OutlineSprite.h"
#include "SpriteDesc.h"

namespace {
const COLORREF kReelFrameColour = RGB(255, 255, 0);
const int32_t kMarkLength = 6;

// The rows of symbols a reel area shows: the middle row's top and bottom, and every row
// boundary above and below it, as offsets from the area's top inside its height.
std::vector<int32_t> RowBoundaries(int32_t height, int32_t symbolHeight) {
    std::vector<int32_t> rows;
    if (symbolHeight <= 0) return rows;
    const int32_t middle = height / 2;
    for (int32_t y = middle - symbolHeight / 2; y > 0; y -= symbolHeight) rows.push_back(y);
    for (int32_t y = middle - symbolHeight / 2 + symbolHeight; y < height; y += symbolHeight) rows.push_back(y);
    return rows;
}
}  // namespace

bool ReelElement::Setup(MachineScript* machine, const SpriteParent& parent, int32_t reel,
                        const ReelPosition& position) {
    parent_ = &parent;
    if (machine) symbol_ = machine->LoadSymbolImage();
    reel_ = reel;
    const std::string name = std::string("Reel ") + char('0' + reel) + " Area";
    SetName(name);
    SetDisplayText(name);
    const ScriptRect& r = position.rectangle;
    SetBounds(ElementRect{r.left, r.top, r.right, r.bottom});
    PaintArea(GetRect());
    SetSprite(&frame_);
    DrawSelection(parent);
    SetVisible(false);
    return true;
}

void ReelElement::PaintArea(const ElementRect& rect) {
    if (parent_ && DrawOutlineSprite(*parent_, frame_, rect, {}, kReelFrameColour)) DrawRowMarks(rect);
}

// A stroke through the middle of the area and short marks at both sides where the rows
// of symbols end; the symbols' size came from the machine at set-up (a missing side takes
// the other one, and with neither the rows are as high as the area is wide).
void ReelElement::DrawRowMarks(const ElementRect& rect) {
    HBITMAP surface = frame_.Surface().bitmap;
    if (!surface) return;
    PictureSize symbol = symbol_;
    if (symbol.height == 0) symbol.height = symbol.width ? symbol.width : rect.Width();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, surface);
    HPEN pen = CreatePen(PS_SOLID, 1, kReelFrameColour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const int32_t width = rect.Width(), middle = rect.Height() / 2;
    MoveToEx(dc, 0, middle, nullptr);
    LineTo(dc, width, middle);
    for (const int32_t y : RowBoundaries(rect.Height(), symbol.height)) {
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, kMarkLength, y);
        MoveToEx(dc, width - kMarkLength, y, nullptr);
        LineTo(dc, width, y);
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBitmap);
    DeleteObject(pen);
    DeleteDC(dc);
    UpdateOwnerDrawSprite(frame_.Get());
}

void ReelElement::Commit(MachineScript& script) {
    if (!modified_) return;
    const ElementRect& r = GetRect();
    script.SetReelRect(reel_, ScriptRect{r.left, r.top, r.right, r.bottom});
    MoveAndRenameWritten();
}
