#include "IndicatorDisplay.h"

#include <mmsystem.h>

#include <climits>
#include <cmath>
#include <string>

#include "CriticalLock.h"
#include "IndicatorLightShow.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"
#include "ThreadSyncToken.h"

namespace {

const int32_t kInitialRate = 3;
// The decimal point and the thousands separators are drawn as the digits' font draws them,
// white in the gap between two cells: a round point that stands on the digits' baseline, 13
// pixels below the top of a money display's cells, and a comma that is the same point with
// a tail hanging below it. Both begin a pixel left of the gap's cell edge.
const int32_t kGlyphTop = 10;
const int32_t kGlyphWidth = 5, kPointHeight = 5, kCommaHeight = 8;

// The rows of the glyph's ink, from its top: each row's first and last column.
struct InkRow {
    int32_t first, last;
};
const InkRow kPointInk[kPointHeight] = {{1, 3}, {0, 4}, {0, 4}, {0, 4}, {1, 3}};
const InkRow kCommaInk[kCommaHeight] = {{1, 3}, {0, 4}, {0, 4}, {0, 4}, {1, 4}, {2, 4}, {1, 3}, {0, 2}};

// radix^cells - 1, as large as a 32-bit value allows.
int32_t MaximumFor(int32_t radix, int32_t cells) {
    const double power = std::pow(double(radix), double(cells)) + 0.5;
    if (power > double(INT32_MAX)) return INT32_MAX;
    return int32_t(power) - 1;
}

}  // namespace

IndicatorDisplay::IndicatorDisplay() : clock_(kInitialRate), frameListener_(this, &IndicatorDisplay::OnFrame) {
    InitializeCriticalSection(&lock_);
}

IndicatorDisplay::~IndicatorDisplay() {
    IndicatorLightShow::RemoveIfShown(this);
    // Waits for a tick under way on the frame thread; none starts after it.
    if (animating_) RemoveFrameListener(&frameListener_);
    {
        ThreadSyncToken token;
        decimalPoint_.reset();
        separatorSprites_.clear();
        cells_.clear();
        text_.reset();
    }
    DeleteCriticalSection(&lock_);
}

void IndicatorDisplay::Init(const SpriteParent& parent, int32_t cellCount, int32_t fontHeight, uint32_t cellAsset,
                            const char* fontName, POINT position, int32_t depth, bool dollarSign) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    x_ = position.x;
    y_ = position.y;
    depth_ = depth;
    ResizeCells(cellCount < 0 ? 0 : cellCount);
    dollarSign_ = dollarSign;
    if (cellAsset) InitSpriteCells(parent, cellAsset, depth);
    else InitTextSprite(parent, fontHeight, fontName, depth);
}

void IndicatorDisplay::ResizeCells(int32_t cellCount) {
    cellCount_ = cellCount;
    cells_.clear();
    for (int32_t i = 0; i < cellCount; ++i) cells_.push_back(std::make_unique<SpriteHandle>());
    currentFrame_.assign(size_t(cellCount), 0);
    currentSequence_.assign(size_t(cellCount), 0);
    repeats_.assign(size_t(cellCount), 0);
}

void IndicatorDisplay::InitSpriteCells(const SpriteParent& parent, uint32_t cellAsset, int32_t depth) {
    spriteCells_ = true;
    for (int32_t i = 0; i < cellCount_; ++i) {
        AnimSpriteDesc d;
        d.block.asset = cellAsset;
        d.x = x_ + (cellCount_ - 1 - i) * pitch_;
        d.y = y_;
        d.depth = uint32_t(depth);
        CreateAnimSprite(parent, *cells_[size_t(i)], d);
        if (i == 0) {
            const RECT bounds = HeldSpriteBounds(*cells_[0]);
            pitch_ = bounds.right - bounds.left;
            PlaceHeldSprite(*cells_[0], POINT{x_ + (cellCount_ - 1) * pitch_, y_}, depth);
        }
    }
    const SpriteHandle* first = cellCount_ > 0 ? cells_[0].get() : nullptr;
    const int32_t sequences = first ? int32_t(GetSpriteSequenceCount(*first)) : 0;
    radix_ = sequences - (dollarSign_ ? 2 : 1);
    // One picture besides the blank (or none) makes a lamp, not a one-digit counter.
    if (radix_ <= 1) radix_ = 0;
    sequenceLengths_.clear();
    for (int32_t s = 0; s < sequences; ++s)
        sequenceLengths_.push_back(int32_t(GetSpriteFrameCount(*first, uint32_t(s))));
    maximum_ = MaximumFor(radix_, cellCount_);
}

void IndicatorDisplay::InitTextSprite(const SpriteParent& parent, int32_t fontHeight, const char* fontName,
                                      int32_t depth) {
    spriteCells_ = false;
    HFONT font = CreateFontA(fontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, fontName);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    const std::string nines(size_t(cellCount_), '9');
    SIZE extent = {};
    GetTextExtentPoint32A(dc, nines.c_str(), int(nines.size()), &extent);
    SelectObject(dc, old);
    TextSpriteDesc d;
    textOffset_ = extent.cx;
    d.x = x_ + textOffset_;
    d.y = y_;
    d.depth = uint32_t(depth);
    d.properties.font = font;
    d.properties.textColour = 255;
    d.properties.options = 2;
    const std::string blanks(size_t(cellCount_), ' ');
    d.properties.text = blanks.c_str();
    text_ = std::make_unique<FontSpriteHandle>();
    if (CreateTextSprite(parent, *text_, d)) SetTextSpriteString(*text_, blanks);
    DeleteObject(font);
    DeleteDC(dc);
    radix_ = 10;
    maximum_ = MaximumFor(10, cellCount_);
}

bool IndicatorDisplay::MakeGlyphSprite(const SpriteParent& parent, std::unique_ptr<SpriteHandle>& holder, bool comma,
                                       POINT at, int32_t depth) {
    const int32_t height = comma ? kCommaHeight : kPointHeight;
    OwnerDrawSpriteDesc d;
    d.x = at.x;
    d.y = at.y;
    d.depth = uint32_t(depth);
    d.block.width = kGlyphWidth;
    d.block.height = height;
    auto made = std::make_unique<OwnerDrawSpriteHandle>();
    if (!CreateOwnerDrawSprite(parent, *made, d)) return false;
    const QuorSurfaceRecord& surface = made->Surface();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, surface.bitmap);
    // Everything but the ink is the sprite's transparent colour.
    HBRUSH clear = CreateSolidBrush(OwnerDrawSpriteDesc::kMagenta);
    const RECT all = {0, 0, kGlyphWidth, height};
    FillRect(dc, &all, clear);
    DeleteObject(clear);
    const InkRow* ink = comma ? kCommaInk : kPointInk;
    for (int32_t row = 0; row < height; ++row)
        PatBlt(dc, ink[row].first, row, ink[row].last - ink[row].first + 1, 1, WHITENESS);
    SelectObject(dc, old);
    DeleteDC(dc);
    UpdateOwnerDrawSprite(made->Get());
    holder = std::move(made);
    return true;
}

POINT IndicatorDisplay::SeparatorAt(int32_t k) const {
    return POINT{x_ + (cellCount_ - 5 - 3 * k) * pitch_ - 1, y_ + kGlyphTop};
}

POINT IndicatorDisplay::DecimalPointAt() const { return POINT{x_ + (cellCount_ - 2) * pitch_ - 1, y_ + kGlyphTop}; }

void IndicatorDisplay::CreateSeparators(const SpriteParent& parent) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    separatorCount_ = cellCount_ / 3 - 1;
    if (separatorCount_ < 0) separatorCount_ = 0;
    separatorSprites_.resize(size_t(separatorCount_));
    for (int32_t k = 0; k < separatorCount_; ++k)
        MakeGlyphSprite(parent, separatorSprites_[size_t(k)], true, SeparatorAt(k), depth_);
    MakeGlyphSprite(parent, decimalPoint_, false, DecimalPointAt(), depth_);
    separators_ = true;
}

const SpriteHandle* IndicatorDisplay::GetCell(int32_t cell) const {
    return cell >= 0 && cell < cellCount_ ? cells_[size_t(cell)].get() : nullptr;
}

const SpriteHandle* IndicatorDisplay::GetSeparator(int32_t index) const {
    return index >= 0 && size_t(index) < separatorSprites_.size() ? separatorSprites_[size_t(index)].get() : nullptr;
}

int32_t IndicatorDisplay::GetDepth() const {
    const SpriteHandle* first = spriteCells_ ? GetCell(0) : text_.get();
    SpriteCreateRecord record;
    if (first && !first->IsEmpty() && ExamineSprite(first->Get(), &record)) return record.depth;
    return depth_;
}

// The listeners and the script hear of the change after the token is given back: what
// they do (a script's message box) must not hold up the frame thread's painting.
void IndicatorDisplay::SetValue(int32_t value) {
    {
        ThreadSyncToken token;
        CriticalLock locked(&lock_);
        if (value == value_) return;
        ChangeValue(value);
    }
    OnValueChanged(value);
}

void IndicatorDisplay::AddValue(int32_t amount) { SetValue(int32_t(uint32_t(GetValue()) + uint32_t(amount))); }
void IndicatorDisplay::SubtractValue(int32_t amount) { SetValue(int32_t(uint32_t(GetValue()) - uint32_t(amount))); }

void IndicatorDisplay::OnValueChanged(int32_t value) {
    listeners_.NotifyAll(value);
    events_.Fire(ItemEventSink::kOnUpdate);
}

void IndicatorDisplay::ChangeValue(int32_t value) {
    value_ = value;
    DrawValue();
}

void IndicatorDisplay::Blank() {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    shown_ = false;
    if (!spriteCells_) {
        if (text_) SetTextSpriteString(*text_, std::string(size_t(cellCount_), ' '));
        return;
    }
    for (int32_t i = 0; i < cellCount_; ++i) ShowCellSequence(i, 0);
}

void IndicatorDisplay::ShowValue() {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    if (maximum_ == 0) return;
    shown_ = true;
    DrawValue();
}

void IndicatorDisplay::DrawValue() {
    if (!shown_) return;
    if (spriteCells_ && radix_ == 0) {
        DrawLamps(value_);
        return;
    }
    // What a negative value would be taken as (the maximum minus it) lies above the
    // maximum: it shows the maximum, as every value above it does.
    const int32_t value = value_ < 0 || value_ > maximum_ ? maximum_ : value_;
    if (spriteCells_) DrawDigits(value);
    else DrawText(value);
    ShowSeparatorsFor(value, 99900);
}

void IndicatorDisplay::DrawDigits(int32_t value) {
    int32_t remaining = value;
    bool dollarShown = false;
    for (int32_t i = 0; i < cellCount_; ++i) {
        if (i == 0 || remaining != 0) {
            ShowCellSequence(i, uint32_t(remaining % radix_ + 1));
        } else if (dollarSign_ && !dollarShown) {
            ShowCellSequence(i, kDollarSequence);
            dollarShown = true;
        } else {
            ShowCellSequence(i, 0);
        }
        remaining /= radix_;
    }
}

void IndicatorDisplay::DrawText(int32_t value) {
    if (text_) SetTextSpriteString(*text_, std::to_string(value));
}

void IndicatorDisplay::DrawLamps(int32_t value) {
    for (int32_t i = 0; i < cellCount_; ++i) ShowCellSequence(i, value != 0 ? 1 : 0);
}

// Separator k is due above T(k): T(0) = 99,900 and T(k + 1) = T(k) x 1000 + growth.
// Drawing only ever shows separators; Hide hides them.
void IndicatorDisplay::ShowSeparatorsFor(int64_t value, int64_t growth) {
    int64_t threshold = 99900;
    for (int32_t k = 0; k < int32_t(separatorSprites_.size()); ++k, threshold = threshold * 1000 + growth) {
        const SpriteHandle* separator = separatorSprites_[size_t(k)].get();
        if (value > threshold && separator) MakeSpriteVisible(separator->Get(), 1);
        if (threshold > INT32_MAX) break;
    }
}

// Keeps the cell's frame when the new sequence has it. Sequences the cell sprite does not
// have are not shown.
void IndicatorDisplay::ShowCellSequence(int32_t cell, uint32_t sequence) {
    if (cell < 0 || cell >= cellCount_ || sequence >= sequenceLengths_.size()) return;
    int32_t& frame = currentFrame_[size_t(cell)];
    if (frame < 0 || frame >= sequenceLengths_[sequence]) frame = 0;
    currentSequence_[size_t(cell)] = int32_t(sequence);
    AnimateSprite(cells_[size_t(cell)]->Get(), sequence, uint32_t(frame), 0);
}

void IndicatorDisplay::Show() {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    if (text_) MakeSpriteVisible(text_->Get(), 1);
    for (auto& cell : cells_) MakeSpriteVisible(cell->Get(), 1);
    if (!separators_) return;
    int64_t threshold = 99900;
    for (auto& separator : separatorSprites_) {
        if (separator) MakeSpriteVisible(separator->Get(), value_ > threshold ? 1 : 0);
        threshold = threshold * 1000 + 999;
    }
    if (decimalPoint_) MakeSpriteVisible(decimalPoint_->Get(), 1);
}

void IndicatorDisplay::Hide() {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    if (text_) MakeSpriteVisible(text_->Get(), 0);
    for (auto& cell : cells_) MakeSpriteVisible(cell->Get(), 0);
    for (auto& separator : separatorSprites_)
        if (separator) MakeSpriteVisible(separator->Get(), 0);
    if (decimalPoint_) MakeSpriteVisible(decimalPoint_->Get(), 0);
}

void IndicatorDisplay::PlaceAt(POINT point, int32_t depth) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    x_ = point.x;
    y_ = point.y;
    Layout(depth);
}

void IndicatorDisplay::Layout(int32_t depth) {
    depth_ = depth;
    for (int32_t i = 0; i < cellCount_; ++i)
        PlaceHeldSprite(*cells_[size_t(i)], POINT{x_ + (cellCount_ - 1 - i) * pitch_, y_}, depth);
    if (text_) PlaceHeldSprite(*text_, POINT{x_ + textOffset_, y_}, depth);
    if (decimalPoint_) PlaceHeldSprite(*decimalPoint_, DecimalPointAt(), depth);
    for (int32_t k = 0; k < int32_t(separatorSprites_.size()); ++k)
        if (separatorSprites_[size_t(k)]) PlaceHeldSprite(*separatorSprites_[size_t(k)], SeparatorAt(k), depth);
}

void IndicatorDisplay::MoveBy(POINT delta, int32_t depth) {
    ThreadSyncToken token;
    CriticalLock locked(&lock_);
    x_ += delta.x;
    y_ += delta.y;
    const int16_t deltas[4] = {int16_t(delta.x), int16_t(delta.y), int16_t(depth), int16_t(uint32_t(depth) >> 16)};
    if (text_) ::MoveSprite(text_->Get(), deltas);
    for (auto& cell : cells_) ::MoveSprite(cell->Get(), deltas);
    for (auto& separator : separatorSprites_)
        if (separator) ::MoveSprite(separator->Get(), deltas);
    if (decimalPoint_) ::MoveSprite(decimalPoint_->Get(), deltas);
}
