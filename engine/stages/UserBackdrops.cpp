#include "UserBackdrops.h"

#include "FourCC.h"
#include "LibraryContext.h"

namespace {

struct UserRecord {
    BackdropDescription description;
    uint32_t inUse;
    uint32_t handle;
    void* brushOrRoutine;
    uintptr_t userData;
};
UserRecord g_records[UserBackdrops::kSlots];

class BrushBackdrop : public Backdrop {
public:
    BrushBackdrop(uint32_t handle, const UserRecord& r) : brush_(static_cast<HBRUSH>(r.brushOrRoutine)) {
        Describe(handle, r.description, nullptr);
    }
    int Draw(BackdropDrawRequest& q, int32_t) override {
        LOGBRUSH lb = {};
        COLORREF colour = GetObjectA(brush_, sizeof lb, &lb) ? lb.lbColor : RGB(0, 0, 0);
        FillBufferRect(q.surface, q.dest, colour);
        return 1;
    }
    uint32_t Kind() const override { return FourCC("BrBk"); }

private:
    HBRUSH brush_;
};

class OwnerDrawBackdrop : public Backdrop {
public:
    OwnerDrawBackdrop(uint32_t handle, const UserRecord& r)
        : routine_(reinterpret_cast<OwnerDrawRoutine>(r.brushOrRoutine)), userData_(r.userData) {
        Describe(handle, r.description, nullptr);
    }
    int Draw(BackdropDrawRequest& q, int32_t) override {
        q.sourceHandle = source_;
        q.userData = userData_;
        return routine_ ? routine_(&q) : 0;
    }
    uint32_t Kind() const override { return FourCC("OwBk"); }

private:
    OwnerDrawRoutine routine_;
    uintptr_t userData_;
};

uint32_t Create(uint16_t flags, int32_t width, int32_t height, void* what, uintptr_t userData) {
    if (width <= 0 || height <= 0 || width > 0xFFFF || height > 0xFFFF)
        Errors().Raise(ErrInvalidState, width <= 0 || width > 0xFFFF ? width : height);
    for (int slot = 0; slot < UserBackdrops::kSlots; ++slot) {
        UserRecord& r = g_records[slot];
        if (r.inUse) continue;
        r.description = {FourCC("BACK"), flags, 1, 1, uint16_t(width), uint16_t(height)};
        r.inUse = 1;
        r.handle = kUserBackdropBase | uint32_t(slot);
        r.brushOrRoutine = what;
        r.userData = userData;
        return r.handle;
    }
    return 0;
}

}  // namespace

namespace UserBackdrops {

uint32_t CreateBrush(HBRUSH brush, int32_t width, int32_t height) {
    return Create(0xC100, width, height, brush, 0);
}

uint32_t CreateOwnerDraw(OwnerDrawRoutine routine, int32_t width, int32_t height, uintptr_t userData) {
    return Create(0x0101, width, height, reinterpret_cast<void*>(routine), userData);
}

void CheckHandle(uint32_t handle) {
    uint32_t slot = handle - kUserBackdropBase;
    if (handle < kUserBackdropBase || slot >= uint32_t(kSlots) || !g_records[slot].inUse)
        Errors().Raise(ErrBadUserBackdrop, int32_t(handle));
}

void Free(uint32_t handle) {
    CheckHandle(handle);
    g_records[handle - kUserBackdropBase] = UserRecord();
}

Backdrop* Make(uint32_t handle) {
    CheckHandle(handle);
    const UserRecord& r = g_records[handle - kUserBackdropBase];
    if ((r.description.flags & 0x1FF) == 256) return new BrushBackdrop(handle, r);
    return new OwnerDrawBackdrop(handle, r);
}

void Reset() {
    for (UserRecord& r : g_records) r = UserRecord();
}

}  // namespace UserBackdrops
