// The multi-cell display behind every indicator of a machine ("Credit", "Bet",
// "WinnerPaid", the coin lights and other lamps). Cell 0 is the rightmost, least
// significant one. With a cell asset each cell is an image sprite whose sequence 0 is a
// blank, sequence d + 1 the digit d and, with the dollar sign, sequence 11 a "$"; a cell
// asset with one sequence besides the blank makes a lamp (lit for a non-zero value).
// Without a cell asset the display is one text sprite of decimal digits.
//
// Values are set on the user-interface thread, the cell animations step on the engine's
// frame thread: sprite changes take the engine's token 0 first and the display's lock
// second.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "AnimationClock.h"
#include "DisplayItem.h"
#include "ItemEventSource.h"
#include "ListenerList.h"
#include "MemberFrameListener.h"
#include "SpriteHandle.h"
#include "SpriteParent.h"

class IndicatorDisplay : public DisplayItem {
public:
    static constexpr uint32_t kDollarSequence = 11;
    enum Mode { kCellLoops = 0, kWave = 1, kTogether = 2 };

    IndicatorDisplay();
    IndicatorDisplay(const IndicatorDisplay&) = delete;
    IndicatorDisplay& operator=(const IndicatorDisplay&) = delete;
    ~IndicatorDisplay() override;

    // Builds the cells: image cells of `cellAsset`, or (asset 0) a text sprite in a bold
    // font of the face and height.
    void Init(const SpriteParent& parent, int32_t cellCount, int32_t fontHeight, uint32_t cellAsset,
              const char* fontName, POINT position, int32_t depth, bool dollarSign);
    // The thousands separators and the decimal point of a money display.
    void CreateSeparators(const SpriteParent& parent);
    // The display tells the sink of its value changes; it releases the sink when it goes.
    void SetEventSink(ItemEventSink* sink) { events_.SetEventSink(sink); }
    ItemEventSink* GetEventSink() const { return events_.GetEventSink(); }
    ListenerList& Listeners() { return listeners_; }

    void Show() override;
    void Hide() override;
    void Blank() override;
    void ShowValue() override;
    bool IsBlank() override { return !shown_; }
    void MoveBy(POINT delta, int32_t depth) override;
    void PlaceAt(POINT point, int32_t depth) override;
    void SetValue(int32_t value) override;
    void AddValue(int32_t amount) override;
    void SubtractValue(int32_t amount) override;
    int32_t GetValue() override { return value_; }
    void OnValueChanged(int32_t value) override;

    void SetPosition(POINT point) { PlaceAt(point, GetDepth()); }
    void SetDepth(int32_t depth) { PlaceAt(GetPosition(), depth); }
    POINT GetPosition() const { return POINT{x_, y_}; }
    int32_t GetDepth() const;

    int32_t GetCellCount() const { return cellCount_; }
    int32_t GetMaximum() const { return maximum_; }
    int32_t GetRadix() const { return radix_; }
    int32_t GetPitch() const { return pitch_; }
    bool HasSpriteCells() const { return spriteCells_; }
    const SpriteHandle* GetCell(int32_t cell) const;
    const SpriteHandle* GetSeparator(int32_t index) const;
    int32_t GetSeparatorCount() const { return separatorCount_; }
    const SpriteHandle* GetDecimalPoint() const { return decimalPoint_.get(); }
    const SpriteHandle* GetTextSprite() const { return text_.get(); }

    // Cell animations (IndicatorAnimation.cpp).
    void SetCellFrame(int32_t cell, int32_t frame);
    void SetAllCellsFrame(int32_t frame);
    void AnimateCell(int32_t cell, int32_t loops);
    void AnimateAllCells(int32_t loops);
    void StopCell(int32_t cell);
    void StopAllCells();
    void PlayWave(int32_t first, int32_t last, int32_t step, int32_t repeats);
    void PlayTogether(int32_t first, int32_t last, int32_t step, int32_t repeats);
    // Steps per second; false when refused (0 or below).
    bool SetRate(int32_t rate);
    int32_t GetRate() const { return clock_.GetRate(); }
    Mode GetMode() const { return mode_; }
    int32_t GetCellRepeats(int32_t cell) const { return cell >= 0 && cell < cellCount_ ? repeats_[size_t(cell)] : 0; }
    bool IsAnimating() const { return animating_; }
    // One frame of the engine (called by the display's frame listener).
    void OnFrame(int32_t elapsedFrames);

    void SetRotation(double degrees);
    void SetScale(double factor);
    double GetRotation() const { return rotation_; }
    double GetScale() const { return scale_; }

private:
    // Construction of the cells and of the text sprite.
    void InitSpriteCells(const SpriteParent& parent, uint32_t cellAsset, int32_t depth);
    void InitTextSprite(const SpriteParent& parent, int32_t fontHeight, const char* fontName, int32_t depth);
    void ResizeCells(int32_t cellCount);
    // A white comma or point on a transparent owner-drawn sprite.
    bool MakeGlyphSprite(const SpriteParent& parent, std::unique_ptr<SpriteHandle>& holder, bool comma, POINT at,
                         int32_t depth);
    // Where separator k and the decimal point stand.
    POINT SeparatorAt(int32_t k) const;
    POINT DecimalPointAt() const;
    // Drawing, under the lock.
    void ChangeValue(int32_t value);
    void DrawValue();
    void DrawDigits(int32_t value);
    void DrawText(int32_t value);
    void DrawLamps(int32_t value);
    void ShowSeparatorsFor(int64_t value, int64_t growth);
    void ShowCellSequence(int32_t cell, uint32_t sequence);
    void ShowCellFrame(int32_t cell, int32_t frame);
    void Layout(int32_t depth);
    void ApplyTransform();
    // Animation steps, under the lock; false when a finite mode has just ended.
    void StartTimer();
    bool Step();
    void StepCellLoops();
    bool StepWave();
    bool StepTogether();
    bool EndModeRepeat();
    void StartMode(Mode mode, int32_t first, int32_t last, int32_t step, int32_t repeats);

    ListenerList listeners_;
    mutable CRITICAL_SECTION lock_;
    std::unique_ptr<FontSpriteHandle> text_;
    int32_t textOffset_ = 0;  // of the text sprite from the display's origin
    double rotation_ = 0.0, scale_ = 1.0;
    double transform_[4] = {1.0, 0.0, 0.0, 1.0};
    int32_t x_ = 0, y_ = 0, depth_ = 0;
    std::vector<std::unique_ptr<SpriteHandle>> cells_;
    int32_t cellCount_ = 0;
    AnimationClock clock_;
    bool animating_ = false;
    MemberFrameListener<IndicatorDisplay> frameListener_;
    std::vector<int32_t> currentFrame_, currentSequence_, repeats_;
    std::vector<int32_t> sequenceLengths_;
    int32_t pitch_ = 0;
    int32_t value_ = 0;
    int32_t maximum_ = 0;
    int32_t radix_ = 0;
    bool shown_ = true;
    bool spriteCells_ = false;
    bool dollarSign_ = false;
    ItemEventSource events_;
    Mode mode_ = kCellLoops;
    int32_t modeCell_ = 0, modeFirst_ = 0, modeLast_ = 0, modeStep_ = 0, modeCurrent_ = -1, modeRepeats_ = 0;
    bool separators_ = false;
    int32_t separatorCount_ = 0;
    std::vector<std::unique_ptr<SpriteHandle>> separatorSprites_;
    std::unique_ptr<SpriteHandle> decimalPoint_;
};
