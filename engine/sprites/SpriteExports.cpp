// Exports of sprites: creation, placement, scale, visibility, clipping, colour tables,
// effects, transforms, notifications and deletion; animation of image sprites, new text
// for text sprites and the host's drawing for owner-draw sprites.
#include <cstring>
#include <new>

#include "ColorXlateTable.h"
#include "ExportShape.h"
#include "PixelEffects.h"
#include "Quor2_5.h"
#include "SpriteKinds.h"
#include "SpriteTable.h"

namespace {
SpriteTable& Sprites() { return *Context()->sprites; }
Sprite* Find(int32_t handle) { return Sprites().Find(handle); }
template <class T>
const T* Required(const T* p) {
    if (!p) Errors().Raise(ErrNullArgument);
    return p;
}
}  // namespace

QUORAPI int32_t __stdcall CreateSprite(const SpriteCreateRecord* record) {
    return RunExport<int32_t>(Lock::Painting, [&] { return Sprites().Create(Required(record)); });
}

QUORAPI int __stdcall MoveSprite(int32_t sprite, const int16_t* deltas) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        return s->Move(Required(deltas));
    });
}

QUORAPI int __stdcall PlaceSprite(int32_t sprite, const void* position) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        const uint8_t* p = static_cast<const uint8_t*>(Required(position));
        int16_t x, y;
        int32_t depth;
        std::memcpy(&x, p, 2);
        std::memcpy(&y, p + 2, 2);
        std::memcpy(&depth, p + 4, 4);
        return s->Place(x, y, depth);
    });
}

QUORAPI int __stdcall ScaleSprite(int32_t sprite, uint32_t numerator, uint32_t denominator) {
    return RunExport<int>(Lock::Painting, [&] { return Find(sprite)->Scale(numerator, denominator); });
}

QUORAPI int __stdcall MakeSpriteVisible(int32_t sprite, int32_t visible) {
    return RunExport<int>(Lock::Painting, [&] { return Find(sprite)->SetVisible(visible != 0); });
}

QUORAPI void __stdcall DeleteSprite(int32_t sprite) {
    RunExportVoid(Lock::Painting, [&] { Find(sprite)->Delete(); });
}

QUORAPI void __stdcall SetSpriteClippingRectangle(int32_t sprite, int32_t enable, const RECT* rect) {
    RunExportVoid(Lock::Painting, [&] { Find(sprite)->SetClippingRectangle(enable != 0, rect); });
}

QUORAPI int __stdcall ExamineSprite(int32_t sprite, SpriteCreateRecord* record) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        return s->Examine(const_cast<SpriteCreateRecord*>(Required(record)));
    });
}

QUORAPI int __stdcall TranslateSpriteColors(int32_t sprite, HQUORXLATE table) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        ColorXlateTable* t = table ? ColorXlateTable::Find(table) : nullptr;
        return s->TranslateColors(t);
    });
}

QUORAPI int __stdcall ApplyTransformToSprite(int32_t sprite, const double* matrix) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        return s->ApplyTransform(Required(matrix));
    });
}

QUORAPI int __stdcall Apply3DTransformToSprite(int32_t sprite, const double* rotation, const double* position) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        return s->Apply3DTransform(Required(rotation), Required(position));
    });
}

QUORAPI int __stdcall RemoveTransformFromSprite(int32_t sprite) {
    return RunExport<int>(Lock::Painting, [&] { return Find(sprite)->RemoveTransform(); });
}

QUORAPI int __stdcall ApplyEffectToSprite(int32_t sprite, HQUOREFFECT effect) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        if (!effect) Errors().Raise(ErrNullArgument);
        return s->ApplyEffect(reinterpret_cast<EffectRecord*>(effect));
    });
}

QUORAPI int __stdcall RemoveEffectFromSprite(int32_t sprite) {
    return RunExport<int>(Lock::Painting, [&] { return Find(sprite)->RemoveEffect(); });
}

QUORAPI int __stdcall SetSpriteCallback(int32_t sprite, uintptr_t target, int32_t mode) {
    return RunExport<int>(Lock::Painting, [&] { return Find(sprite)->SetCallback(target, mode); });
}

// Image sprites: props and actors only.
namespace {
ImageSprite* FindImage(int32_t handle) {
    Sprite* s = Find(handle);
    const uint32_t kind = s->Kind();
    if (kind != KindTag("ACTR") && kind != KindTag("PROP")) Errors().Raise(ErrWrongKind, handle);
    return static_cast<ImageSprite*>(s);
}
}  // namespace

QUORAPI int __stdcall AnimateSprite(int32_t sprite, uint32_t sequence, uint32_t frame, uint32_t flips) {
    return RunExport<int>(Lock::Painting, [&] { return FindImage(sprite)->Animate(sequence, frame, flips); });
}

QUORAPI int __stdcall AutoSequenceSprite(int32_t sprite, uint32_t sequence, uint32_t start, uint32_t flips) {
    return RunExport<int>(Lock::Painting, [&] { return FindImage(sprite)->AutoSequence(sequence, start, flips); });
}

QUORAPI int __stdcall ModifyTextSpriteProperties(int32_t sprite, const void* properties) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        const uint32_t kind = s->Kind();
        if (kind != KindTag("FTXT") && kind != KindTag("MTXT")) Errors().Raise(ErrWrongKind, sprite);
        TextProperties copy;
        std::memcpy(&copy, Required(properties), sizeof copy);
        return static_cast<TextSprite*>(s)->Modify(copy);
    });
}

QUORAPI int __stdcall UpdateOwnerDrawSprite(int32_t sprite) {
    return RunExport<int>(Lock::Painting, [&] {
        Sprite* s = Find(sprite);
        const uint32_t kind = s->Kind();
        if (kind != KindTag("OWNF") && kind != KindTag("OWNM")) Errors().Raise(ErrWrongKind, sprite);
        return static_cast<OwnerDrawSprite*>(s)->Update();
    });
}
