#include "Backdrop.h"

#include "AssetBackdrops.h"
#include "BlitRequestBuilder.h"
#include "Blitter.h"
#include "FourCC.h"
#include "LibraryContext.h"
#include "UserBackdrops.h"

namespace {
int32_t Saturated(int64_t v) { return v > kUnboundedWorld ? kUnboundedWorld : int32_t(v); }
typedef int(__stdcall* FillEntry)(BlitRequest*);
typedef uint32_t(__stdcall* TranslateEntry)(COLORREF);
}  // namespace

void Backdrop::Describe(uint32_t source, const BackdropDescription& d, const uint16_t* images) {
    source_ = source;
    flags_ = d.flags;
    images_ = images;
    columns_ = d.columns;
    rows_ = d.rows;
    cellWidth_ = d.cellWidth;
    cellHeight_ = d.cellHeight;
    filePart_ = source & 0xFF000000u;
}

int32_t Backdrop::WorldWidth() const { return Saturated(int64_t(cellWidth_) * columns_); }
int32_t Backdrop::WorldHeight() const { return Saturated(int64_t(cellHeight_) * rows_); }

uint32_t NullBackdrop::Kind() const { return FourCC("NULL"); }

int NullBackdrop::Draw(BackdropDrawRequest& request, int32_t) {
    FillBufferRect(request.surface, request.dest, RGB(0, 0, 0));
    return 1;
}

void FillBufferRect(quor::ImageHeader* surface, const RECT& dest, COLORREF colour) {
    if (!surface) return;
    Blitter& blitter = *Context()->blitter;
    if (dest.right <= dest.left || dest.bottom <= dest.top) return;
    BlitRequestBuilder r(surface);
    r.To(dest.left, dest.top)
        .Size(dest.right - dest.left, dest.bottom - dest.top)
        .Extra(uint32_t(blitter.As<TranslateEntry>(Blitter::TranslateOneColor)(colour)));
    blitter.As<FillEntry>(Blitter::FillBits)(r.Get());
}

Backdrop* MakeBackdrop(uint32_t source) {
    if (source >= kUserBackdropBase) return UserBackdrops::Make(source);
    return MakeAssetBackdrop(source);
}
