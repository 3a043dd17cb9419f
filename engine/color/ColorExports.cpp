// Exports of colour translate tables, the engine palette and the pixel effects.
#include "AssetManager.h"
#include "ColorXlateTable.h"
#include "CurrentPalette.h"
#include "ExportShape.h"
#include "PixelEffects.h"
#include "Quor2_5.h"

namespace {
// One load or lock of an asset, given back when this goes: a guard built of these gives
// back what it took even when its own constructor throws half way.
class AssetHold {
public:
    enum What { Load, Lock };
    AssetHold(uint32_t asset, What what) : asset_(asset), what_(what) {
        AssetManager& assets = *Context()->assets;
        if (what == Load) {
            assets.LoadAsset(asset);
        } else {
            data_ = static_cast<const uint8_t*>(assets.DereferenceAndLockAsset(asset));
            if (!data_) Errors().Raise(ErrReadFailed, int32_t(asset));
        }
    }
    ~AssetHold() {
        AssetManager& assets = *Context()->assets;
        if (what_ == Load) assets.UnloadAsset(asset_);
        else assets.ReleaseAsset(asset_);
    }
    AssetHold(const AssetHold&) = delete;
    AssetHold& operator=(const AssetHold&) = delete;
    const uint8_t* Data() const { return data_; }

private:
    uint32_t asset_;
    What what_;
    const uint8_t* data_ = nullptr;
};

// A colour list: type word, u16 count at offset 4, the colour entries from offset 6.
class LockedColourList {
public:
    explicit LockedColourList(uint32_t asset) : loaded_(asset, AssetHold::Load), locked_(asset, AssetHold::Lock) {
        AssetInfoRecord info;
        Context()->assets->GetAssetInfo(asset, &info);
        if (info.dataSize < 2) Errors().Raise(ErrReadFailed, int32_t(asset));
        const uint8_t* data = locked_.Data();
        count_ = uint16_t(data[4] | data[5] << 8);
        // The blitter's colour entries are four bytes each; the list must hold them all.
        if (2u + 4u * uint32_t(count_) > info.dataSize) Errors().Raise(ErrReadFailed, int32_t(asset));
    }
    const void* Colours() const { return locked_.Data() + 6; }
    int32_t Count() const { return count_; }

private:
    AssetHold loaded_;
    AssetHold locked_;
    int32_t count_ = 0;
};
}  // namespace

namespace {
HQUORXLATE Handle(ColorXlateTable* t) { return reinterpret_cast<HQUORXLATE>(t); }
EffectRecord* Record(HQUOREFFECT e) { return reinterpret_cast<EffectRecord*>(e); }
HQUOREFFECT Handle(EffectRecord* e) { return reinterpret_cast<HQUOREFFECT>(e); }
}  // namespace

QUOR_STDCALL HQUORXLATE CreateColorXlateTable(int32_t count, const void* colours) {
    return RunExport<HQUORXLATE>(Lock::Painting, [&] { return Handle(ColorXlateTable::Create(count, colours)); });
}

// The source is a colour-list asset. A source that cannot be loaded as one fails: it is
// never taken for an address in memory.
QUOR_STDCALL HQUORXLATE LoadColorXlateTable(uint32_t source) {
    return RunExport<HQUORXLATE>(Lock::Painting, [&] {
        LockedColourList list(source);
        return Handle(ColorXlateTable::Create(list.Count(), list.Colours()));
    });
}

QUOR_STDCALL int ModifyColorXlateTable(HQUORXLATE table, int32_t first, int32_t end, const void* colours) {
    return RunExport<int>(Lock::Painting, [&] { return ColorXlateTable::Find(table)->Modify(first, end, colours); });
}

// The table goes in every case; sprites still drawing through it drop it, and that is
// reported as ErrXlateTableInUse beside the success.
QUOR_STDCALL int DeleteColorXlateTable(HQUORXLATE table) {
    return RunExport<int>(Lock::Painting, [&] {
        if (!ColorXlateTable::Delete(ColorXlateTable::Find(table)))
            Errors().Set(ErrXlateTableInUse, int32_t(uintptr_t(table)));
        return 1;
    });
}

QUOR_STDCALL int LoadCurrentPalette(int32_t count, uint32_t asset) {
    return RunExport<int>(Lock::Painting, [&] {
        LockedColourList list(asset);
        if (count > list.Count()) Errors().Raise(ErrBadXlateRange, count);
        return CurrentPalette::Install(count, list.Colours());
    });
}

QUOR_STDCALL int CreateCurrentPalette(int32_t count, const void* colours) {
    return RunExport<int>(Lock::Painting, [&] { return CurrentPalette::Install(count, colours); });
}

// Pixel effects: C calling convention, no export shape.
QUOR_CDECL HQUOREFFECT BlankByteEffect() { return Handle(NewEffect()); }

QUOR_CDECL HQUOREFFECT FadeToColorEffect(COLORREF colour) {
    EffectRecord* e = NewEffect();
    if (e) FillFadeToColor(*e, colour);
    return Handle(e);
}

QUOR_CDECL HQUOREFFECT LightSourceEffect(COLORREF colour, float gain, float base) {
    EffectRecord* e = NewEffect();
    if (e) FillLightSource(*e, colour, gain, base);
    return Handle(e);
}

QUOR_CDECL void LockEffect(HQUOREFFECT effect) {
    if (effect) InterlockedIncrement(reinterpret_cast<volatile LONG*>(&Record(effect)->references));
}

QUOR_CDECL void ReleaseEffect(HQUOREFFECT effect) {
    if (effect && InterlockedDecrement(reinterpret_cast<volatile LONG*>(&Record(effect)->references)) <= 0)
        FreeEffect(Record(effect));
}
