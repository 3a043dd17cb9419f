// The base of the six sprite kinds: the engine's copy of the creation record, position,
// depth, scale, visibility, clipping, colour table, effect, transforms, the pieces where the
// world wraps, notifications and drawing.
#pragma once
#include <windows.h>
#include <cstdint>

#include "ImageRecord.h"
#include "Quor2_5.h"
#include "SpritePieces.h"
#include "SpriteTransform.h"

class ColorXlateTable;
class SpriteLayer;
struct EffectRecord;

// The 3D projection block a sprite owns while a 3D transform is applied.
struct SpriteProjection {
    quor::Projection projection;
    uint8_t reserved[248 - sizeof(quor::Projection)];
};
static_assert(sizeof(SpriteProjection) == 248, "projection block size");

// The links of a layer's circular list; a layer's sentinel is a bare link.
struct SpriteLink {
    SpriteLink* next = this;
    SpriteLink* prev = this;
};

// A four-character kind tag as a u32, first letter lowest.
constexpr uint32_t KindTag(const char (&s)[5]) {
    return uint32_t(uint8_t(s[0])) | uint32_t(uint8_t(s[1])) << 8 | uint32_t(uint8_t(s[2])) << 16 |
           uint32_t(uint8_t(s[3])) << 24;
}

// What a sprite tells the host through its notification target.
enum SpriteEvent : int32_t {
    SpriteSequenceEnded = 1,  // an automatic sequence showed its last frame
    SpriteDestroyed = 3,
};

class Sprite : public SpriteLink {
public:
    // Flag bits the host may set; every other bit belongs to the engine.
    // The mirror bits of the flags, which are also the blitter's flip bits.
    static const uint32_t kFlipBits = QuorSpriteMirrorH | QuorSpriteMirrorV;
    static const uint32_t kHostFlags = 0x1 | 0x2 | 0x4 | 0x8 | 0x20 | 0x40 | 0x80 | QuorSpriteHidden;

    // Copies the record and takes its colour table; raises on a bad table or scale.
    Sprite(int32_t handle, const SpriteCreateRecord& record);
    virtual ~Sprite();

    virtual int Move(const int16_t deltas[4]);
    virtual int Place(int16_t x, int16_t y, int32_t depth);
    virtual int Scale(uint32_t numerator, uint32_t denominator);
    virtual int TranslateColors(ColorXlateTable* table);
    virtual int SetVisible(bool visible);
    virtual int Examine(SpriteCreateRecord* out) const;
    virtual void Delete();
    virtual int SetCallback(uintptr_t target, int32_t mode);
    virtual int ApplyTransform(const double matrix[4]);
    virtual int Apply3DTransform(const double rotation[4], const double position[3]);
    virtual int RemoveTransform();
    virtual void SetClippingRectangle(bool enable, const RECT* rect);
    virtual int ApplyEffect(EffectRecord* effect);
    virtual int RemoveEffect();
    virtual bool IsHidden() const;
    // `filePart` is an asset file's slot shifted left by 24.
    virtual bool UsesAssetFile(uint32_t filePart) const;
    // Draws the sprite's part inside `area` (layer coordinates) into a 16-bit picture
    // buffer whose pixel (0, 0) shows layer point (originX, originY).
    virtual void Render(quor::ImageHeader* buffer, const quor::Rect32& area, int32_t originX,
                        int32_t originY);
    virtual void EndFrame();
    virtual void Tick(int32_t frames);
    virtual uint32_t Kind() const;
    // Recomputes the bounds and pieces after a change.
    virtual void Invalidate();

    virtual ColorXlateTable* ColorTable() const { return colorTable_; }

    int32_t Handle() const { return handle_; }
    const SpriteCreateRecord& Record() const { return record_; }
    int32_t Depth() const { return record_.depth; }
    uint32_t Flags() const { return record_.flags; }
    bool Alive() const { return (record_.flags & QuorSpriteAlive) != 0; }
    bool Constructed() const { return constructed_; }
    double Ratio() const { return ratio_; }
    bool Scaled() const { return scaled_; }
    quor::Rect32 Bounds() const;
    const quor::PieceSet& Pieces() const { return pieces_; }
    const quor::PieceSet& ShadowPieces() const { return shadowPieces_; }

    // Layer bookkeeping.
    SpriteLayer* Layer() const { return layer_; }
    void SetLayer(SpriteLayer* layer) { layer_ = layer; }
    // The rectangles to repaint since the last collection (previous and current pieces);
    // then forgets them.
    template <class Fn>
    void TakeChanges(Fn add) {
        if (!dirty_) return;
        for (int i = 0; i < reportedCount_; ++i) add(reported_[i]);
        RememberPainted();
        for (int i = 0; i < reportedCount_; ++i) add(reported_[i]);
        dirty_ = false;
    }
    // What was last reported painted, for a sprite that leaves its layer.
    template <class Fn>
    void ForEachReported(Fn add) const {
        for (int i = 0; i < reportedCount_; ++i) add(reported_[i]);
    }
    void ForgetReported() { reportedCount_ = 0; dirty_ = true; }
    // Recomputes the pieces against the layer's world.
    void RecomputePieces();

protected:
    // The picture shown, its placement relative to the position, and a shadow (a level
    // mask drawn darkening what lies under it) when the kind has one.
    void SetPicture(const quor::ImageHeader* picture, int32_t frameX, int32_t frameY);
    // `atScale`: the shadow is already at the sprite's scale (a scaled copy), so its size
    // and offset are used as they stand.
    void SetShadow(const quor::ShadowHeader* shadow, bool atScale = false);
    // Kinds whose flag bits 0-1 mean something else (text anchors) are never mirrored.
    void SetMirrorable(bool mirrorable) { mirrorMask_ = mirrorable ? kFlipBits : 0u; }
    // The mirror bits in force.
    uint32_t Flips() const { return record_.flags & mirrorMask_; }
    const quor::ImageHeader* Picture() const { return picture_; }
    // The usual bounds, pieces and change marking of a kind that shows a picture.
    void InvalidatePicture();
    void MarkConstructed() { constructed_ = true; }
    void MarkChanged();
    void Notify(SpriteEvent event);
    // What fixed kinds answer to Move and Place: raises ErrNotMovable.
    [[noreturn]] static int NotMovable();
    SpriteCreateRecord& MutableRecord() { return record_; }

private:
    quor::Rect32 PictureBounds() const;
    void Reorder(int32_t oldDepth);
    // Drawing (SpriteDrawing.cpp): the shadow's pieces, then each picture piece by the path
    // that fits it.
    struct PieceDraw;
    void RenderShadowPiece(quor::ImageHeader* buffer, const quor::SpritePiece& piece,
                           const quor::Rect32& area, int32_t originX, int32_t originY);
    void RenderPiece(quor::ImageHeader* buffer, const quor::SpritePiece& piece, const quor::Rect32& area,
                     int32_t originX, int32_t originY);
    void DrawPrepared(const PieceDraw& d, const quor::ImageHeader& ready);
    void DrawTransformed(const PieceDraw& d);
    void DrawScaled(const PieceDraw& d);
    void DrawLevelMask(const PieceDraw& d);
    void DrawPlain(const PieceDraw& d);
    // The colour table's entries, or null.
    const uint16_t* XlateEntries() const;
    void RememberPainted();
    // Scaled and 2D-transformed pictures are drawn once at their bounds' size into a picture
    // of the sprite's own, which is then copied like any unscaled picture: redraws cost a
    // plain overlay and a partial redraw samples exactly as a whole one. Null when the
    // sprite is drawn directly.
    const quor::ImageHeader* Prepared();
    // Draws the picture into `out`, a buffer of the bounds' size, turned or scaled.
    void Prepare(quor::ImageHeader* out, bool affine);
    // The shown picture for the transform renderers, without a colour table.
    quor::PictureView ViewOfPicture(bool keyed) const;
    void DropPrepared();
    void UpdateTransformWork();
    void FreeProjection();

    int32_t handle_;
    SpriteCreateRecord record_;
    SpriteLayer* layer_ = nullptr;
    bool scaled_ = false;
    bool constructed_ = false;
    double ratio_ = 1.0;
    bool changed_ = false;
    quor::Rect32 lastDrawn_ = {0, 0, 0, 0};
    quor::Rect32 repaint_ = {0, 0, 0, 0};
    quor::PieceSet pieces_;
    quor::PieceSet shadowPieces_;
    int32_t notifyMode_ = 0;
    uintptr_t notifyTarget_ = 0;

    ColorXlateTable* colorTable_ = nullptr;
    EffectRecord* effect_ = nullptr;
    SpriteProjection* projection_ = nullptr;
    bool clipKnown_ = false;  // a clipping rectangle has been given at least once
    const quor::ImageHeader* picture_ = nullptr;
    const quor::ShadowHeader* shadow_ = nullptr;
    bool shadowAtScale_ = false;
    uint32_t mirrorMask_ = kFlipBits;
    quor::Affine affine_;
    int32_t frameX_ = 0, frameY_ = 0;

    void* prepared_ = nullptr;
    bool preparedStale_ = true;
    bool moving_ = false;  // Move or Place is invalidating: a prepared picture stays good

    // Change tracking for the render pass.
    bool dirty_ = true;
    int reportedCount_ = 0;
    RECT reported_[8];
};
