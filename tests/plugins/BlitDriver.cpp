#include "BlitDriver.h"

#ifdef _WIN32
#include "DecoratedExport.h"
#include <windows.h>

#include "BlitRequest.h"

namespace {

using Request = BlitRequest;

HMODULE Module() {
    static HMODULE m = LoadLibraryA("BLIT16.DLL");
    return m;
}

template <class Fn>
Fn Entry(const char* name) {
    return reinterpret_cast<Fn>(GetDecoratedProc(Module(), name));
}

uintptr_t Address(const void* p) { return uintptr_t(p); }

}  // namespace

bool BlitterAvailable() { return Module() != nullptr; }

void RunBlit(const BlitCall& c) {
    Request r = {};
    r.srcFormat = 18;
    r.dstFormat = 18;
    r.srcPixels = Address(c.src);
    r.srcX = c.srcX;
    r.srcY = c.srcY;
    r.width = c.width;
    r.height = c.height;
    r.srcRowPixels = uint32_t(c.srcRowPixels);
    r.srcRows = c.srcRows;
    r.flip = c.flip;
    r.dstPixels = Address(c.dst);
    r.dstX = c.dstX;
    r.dstY = c.dstY;
    r.dstWidth = c.dstWidth;
    r.dstHeight = c.dstHeight;
    r.dstRowPixels = uint32_t(c.dstRowPixels);
    r.extra = Address(c.xlate);
    typedef int(__stdcall * E1)(Request*);
    typedef int(__stdcall * E2)(Request*, uint32_t);
    typedef int(__stdcall * E3)(Request*, int32_t, int32_t);
    const bool x = c.xlate != nullptr;
    switch (c.op) {
    case BlitOp::Copy: Entry<E1>(x ? "_CopyBits_Xlate@4" : "_CopyBits_NoXlate@4")(&r); break;
    case BlitOp::Overlay: Entry<E2>(x ? "_OverlayBits_Xlate@8" : "_OverlayBits_NoXlate@8")(&r, c.key); break;
    case BlitOp::Scale: Entry<E1>(x ? "_ScaleBits_Xlate@4" : "_ScaleBits_NoXlate@4")(&r); break;
    case BlitOp::ScaleOverlay:
        Entry<E2>(x ? "_ScaleAndOverlayBits_Xlate@8" : "_ScaleAndOverlayBits_NoXlate@8")(&r, c.key);
        break;
    case BlitOp::Fill:
        r.extra = c.colour;
        Entry<E1>("_FillBits@4")(&r);
        break;
    case BlitOp::Shadow: Entry<E1>("_RenderShadow@4")(&r); break;
    case BlitOp::Fade:
    case BlitOp::FadeCopy:
        r.extra = c.fadeTable ? Address(c.fadeTable + 1) : 0;
        Entry<E3>(c.op == BlitOp::Fade ? "_FadeRectangle@12" : "_FadeAndCopyRectangle@12")(
            &r, c.level, c.fadeTable ? int32_t(c.fadeTable[0]) : 0);
        break;
    }
}

void RunScaleAlpha(const blit16::AlphaScaleJob& j) {
    struct {
        uintptr_t src;
        int32_t sw, sh;
        uintptr_t dst;
        int32_t dw, dh;
        uint32_t fraction;
        int32_t integer;
    } r = {Address(j.src), j.srcWidth, j.srcHeight, Address(j.dst), j.dstWidth, j.dstHeight, j.stepFraction,
           j.stepInteger};
    Entry<int(__stdcall*)(void*)>("_ScaleAlphaChannel@4")(&r);
}

uint16_t TranslateColour(uint32_t colorref) {
    return uint16_t(Entry<int(__stdcall*)(uint32_t)>("_TranslateOneColor@4")(colorref));
}

#else

bool BlitterAvailable() { return true; }

void RunBlit(const BlitCall& c) {
    blit16::BlitJob j;
    j.src = c.src;
    j.srcRowPixels = c.srcRowPixels;
    j.srcRows = c.srcRows;
    j.srcX = c.srcX;
    j.srcY = c.srcY;
    j.width = c.width;
    j.height = c.height;
    j.flip = c.flip;
    j.dst = c.dst;
    j.dstRowPixels = c.dstRowPixels;
    j.dstX = c.dstX;
    j.dstY = c.dstY;
    j.dstWidth = c.dstWidth;
    j.dstHeight = c.dstHeight;
    const uint16_t target =
        c.fadeTable && c.fadeTable[0] > 0 ? blit16::PixelFromColorRef(c.fadeTable[1]) : uint16_t(0);
    switch (c.op) {
    case BlitOp::Copy: blit16::Copy(j, c.xlate); break;
    case BlitOp::Overlay: blit16::Overlay(j, c.key, c.xlate); break;
    case BlitOp::Scale: blit16::Scale(j, c.xlate); break;
    case BlitOp::ScaleOverlay: blit16::ScaleOverlay(j, c.key, c.xlate); break;
    case BlitOp::Fill: blit16::Fill(j, c.colour); break;
    case BlitOp::Shadow: blit16::Shadow(j); break;
    case BlitOp::Fade: blit16::Fade(j, c.level, target); break;
    case BlitOp::FadeCopy: blit16::FadeCopy(j, c.level, target); break;
    }
}

void RunScaleAlpha(const blit16::AlphaScaleJob& j) { blit16::ScaleAlpha(j); }

uint16_t TranslateColour(uint32_t colorref) { return blit16::PixelFromColorRef(colorref); }

#endif
