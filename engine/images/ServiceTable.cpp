// Rectangles given to the services are left, top, right, bottom in the surface's visible
// coordinates (row 0 at the top, whichever way the DIB stores its rows). The services clip
// them to both surfaces before the blitter sees them, since a blit request cannot tell the
// blitter how many rows a destination has; a scaled blit that crosses a surface edge keeps
// the part of the source that maps onto the visible part of the destination.
#include "ServiceTable.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <set>

#include "BitmapDecoders.h"
#include "BlitRequestBuilder.h"
#include "Blitter.h"
#include "DibSurface.h"
#include "LibraryContext.h"

namespace {

Blitter* TheBlitter() {
    LibraryContext* c = Context();
    return c && c->blitter && c->blitter->Loaded() ? c->blitter.get() : nullptr;
}

// Surfaces made by services 3 and 4; only these may be destroyed by service 5. Never
// destroyed: plug-ins call the services on the frame thread up to the end of the process.
std::mutex& g_surfacesLock = *new std::mutex;
std::set<SurfaceRecord*>& g_surfaces = *new std::set<SurfaceRecord*>;

// One 16-bit surface as the blitter sees it.
struct Plane {
    uintptr_t pixels = 0;
    int32_t width = 0, rows = 0;
    uint32_t rowPixels = 0;
    bool bottomUp = false;
    int16_t format = 0;
};

bool PlaneOf(const SurfaceRecord* s, Plane& p) {
    if (!s || IsBadReadPtr(s, sizeof *s) || !s->pixels || !s->info ||
        IsBadReadPtr(s->info, sizeof(BITMAPINFOHEADER)))
        return false;
    const BITMAPINFOHEADER& h = s->info->bmiHeader;
    if (h.biBitCount != 16 || h.biWidth <= 0) return false;
    p.pixels = uintptr_t(s->pixels);
    p.width = h.biWidth;
    p.rows = h.biHeight < 0 ? -h.biHeight : h.biHeight;
    const uint32_t rowBytes = s->rowBytes ? s->rowBytes : (uint32_t(h.biWidth) * 2 + 3) & ~3u;
    p.rowPixels = rowBytes / 2;
    p.bottomUp = h.biHeight > 0;
    p.format = int16_t(s->format & 0xFFFF);
    return p.rowPixels >= uint32_t(p.width);
}

// One axis of an unscaled copy: source [s, s + n) inside [0, sLimit) and destination
// [d, d + n) inside [0, dLimit); mirrored copies map destination index i to n - 1 - i.
bool ClipCopyAxis(int32_t& s, int32_t& d, int32_t& n, int32_t sLimit, int32_t dLimit, bool mirrored) {
    if (n <= 0) return false;
    const int64_t frontD = std::max<int64_t>(0, -int64_t(d)), backD = std::max<int64_t>(0, int64_t(d) + n - dLimit);
    int64_t frontS = std::max<int64_t>(0, -int64_t(s)), backS = std::max<int64_t>(0, int64_t(s) + n - sLimit);
    if (mirrored) std::swap(frontS, backS);
    const int64_t front = std::max(frontD, frontS), back = std::max(backD, backS);
    if (front + back >= n) return false;
    d += int32_t(front);
    s += int32_t(mirrored ? back : front);
    n -= int32_t(front + back);
    return true;
}

// One axis of a scaled copy: the destination [d, d + dn) is cut to [0, dLimit) and the
// source [s, s + n) to the part that the kept destination shows; the source's own limits
// are the blitter's to apply.
bool ClipScaleAxis(int32_t& s, int32_t& n, int32_t& d, int32_t& dn, int32_t dLimit, bool mirrored) {
    if (n <= 0 || dn <= 0) return false;
    const int64_t front = std::max<int64_t>(0, -int64_t(d)), back = std::max<int64_t>(0, int64_t(d) + dn - dLimit);
    if (front + back >= dn) return false;
    if (front == 0 && back == 0) return true;
    int64_t kStart = front * n / dn;
    int64_t kEnd = ((dn - back) * int64_t(n) + dn - 1) / dn;
    kEnd = std::max(kEnd, kStart + 1);
    s += int32_t(mirrored ? n - kEnd : kStart);
    n = int32_t(kEnd - kStart);
    d += int32_t(front);
    dn -= int32_t(front + back);
    return true;
}

// Visible rows [y, y + h) of a bottom-up plane are stored reversed from row rows - y - h.
void ToStoredRows(const Plane& p, int32_t& y, int32_t h, uint32_t& flip) {
    if (!p.bottomUp) return;
    y = p.rows - y - h;
    flip ^= BlitMirrorV;
}

BlitRequest RequestFor(const Plane& src, const Plane& dst) {
    BlitRequestBuilder r(reinterpret_cast<void*>(uintptr_t(dst.pixels)), dst.rowPixels, dst.format);
    r.From(reinterpret_cast<const void*>(uintptr_t(src.pixels)), src.rowPixels, src.rows, src.format);
    return *r.Get();
}

// A rectangle of one destination plane, clipped, in stored rows.
bool DestinationRequest(const SurfaceRecord* surface, const RECT* rect, BlitRequest& r) {
    Plane p;
    if (!rect || !PlaneOf(surface, p)) return false;
    int32_t x = rect->left, y = rect->top, w = rect->right - rect->left, h = rect->bottom - rect->top;
    int32_t sx = x, sy = y;
    if (!ClipCopyAxis(sx, x, w, INT32_MAX, p.width, false) || !ClipCopyAxis(sy, y, h, INT32_MAX, p.rows, false))
        return false;
    uint32_t flip = 0;
    ToStoredRows(p, y, h, flip);
    r = RequestFor(p, p);
    r.srcPixels = 0;
    r.dstX = x;
    r.dstY = y;
    r.width = r.dstWidth = w;
    r.height = r.dstHeight = h;
    return true;
}

// An unscaled source-to-destination request, clipped to both planes.
bool CopyRequest(const SurfaceRecord* src, const RECT* srcRect, const SurfaceRecord* dst, const RECT* dstRect,
                 uint32_t flip, BlitRequest& r) {
    Plane s, d;
    if (!srcRect || !dstRect || !PlaneOf(src, s) || !PlaneOf(dst, d)) return false;
    int32_t sx = srcRect->left, sy = srcRect->top;
    int32_t w = srcRect->right - srcRect->left, h = srcRect->bottom - srcRect->top;
    int32_t dx = dstRect->left, dy = dstRect->top;
    if (!ClipCopyAxis(sx, dx, w, s.width, d.width, flip & BlitMirrorH) ||
        !ClipCopyAxis(sy, dy, h, s.rows, d.rows, flip & BlitMirrorV))
        return false;
    ToStoredRows(s, sy, h, flip);
    ToStoredRows(d, dy, h, flip);
    r = RequestFor(s, d);
    r.srcX = sx;
    r.srcY = sy;
    r.width = r.dstWidth = w;
    r.height = r.dstHeight = h;
    r.dstX = dx;
    r.dstY = dy;
    r.flip = flip & 3;
    return true;
}

bool ScaleRequestFor(const SurfaceRecord* src, const RECT* srcRect, const SurfaceRecord* dst, const RECT* dstRect,
                     uint32_t flip, BlitRequest& r) {
    Plane s, d;
    if (!srcRect || !dstRect || !PlaneOf(src, s) || !PlaneOf(dst, d)) return false;
    int32_t sx = srcRect->left, sy = srcRect->top;
    int32_t w = srcRect->right - srcRect->left, h = srcRect->bottom - srcRect->top;
    int32_t dx = dstRect->left, dy = dstRect->top;
    int32_t dw = dstRect->right - dstRect->left, dh = dstRect->bottom - dstRect->top;
    if (!ClipScaleAxis(sx, w, dx, dw, d.width, flip & BlitMirrorH) ||
        !ClipScaleAxis(sy, h, dy, dh, d.rows, flip & BlitMirrorV))
        return false;
    uint32_t srcFlip = 0, dstFlip = 0;
    ToStoredRows(s, sy, h, srcFlip);
    ToStoredRows(d, dy, dh, dstFlip);
    r = RequestFor(s, d);
    r.srcX = sx;
    r.srcY = sy;
    r.width = w;
    r.height = h;
    r.dstX = dx;
    r.dstY = dy;
    r.dstWidth = dw;
    r.dstHeight = dh;
    r.flip = (flip ^ srcFlip ^ dstFlip) & 3;
    return true;
}

// The fade table: a count, then the entries that go in the request.
int32_t FadeTableCount(const uint32_t* table) { return table ? int32_t(table[0]) : 0; }
uintptr_t FadeTableEntries(const uint32_t* table) { return table ? uintptr_t(table + 1) : 0; }

int __stdcall ScreenFormatService(void* buffer, int32_t length) {
    Blitter* b = TheBlitter();
    if (!b || !buffer || length <= 0) return 0;
    const int32_t n = std::min<int32_t>(length, 32);
    std::memcpy(buffer, b->ScreenFormat(), size_t(n));
    return n;
}

int __stdcall BlitService(SurfaceRecord* src, const RECT* srcRect, SurfaceRecord* dst, const RECT* dstRect,
                          uint32_t key, uint32_t flags) {
    try {
        Blitter* b = TheBlitter();
        if (!b) return 0;
        BlitRequest r;
        const bool scale = flags & BlitScale, keyed = flags & BlitSkipKey;
        if (scale) {
            if (!ScaleRequestFor(src, srcRect, dst, dstRect, flags & (BlitMirrorH | BlitMirrorV), r)) return 1;
            if (keyed)
                b->As<BlitEntry2>(Blitter::ScaleOverlayNoXlate)(&r, key);
            else
                b->As<BlitEntry1>(Blitter::ScaleNoXlate)(&r);
        } else {
            if (!CopyRequest(src, srcRect, dst, dstRect, flags & (BlitMirrorH | BlitMirrorV), r)) return 1;
            if (keyed)
                b->As<BlitEntry2>(Blitter::OverlayNoXlate)(&r, key);
            else
                b->As<BlitEntry1>(Blitter::CopyNoXlate)(&r);
        }
        return 1;
    } catch (...) {
        return 0;
    }
}

int __stdcall FillService(SurfaceRecord* surface, const RECT* rect, COLORREF colour) {
    try {
        Blitter* b = TheBlitter();
        if (!b) return 0;
        BlitRequest r;
        if (!DestinationRequest(surface, rect, r)) return 1;
        r.extra = uint32_t(b->As<int(__stdcall*)(COLORREF)>(Blitter::TranslateOneColor)(colour));
        b->As<BlitEntry1>(Blitter::FillBits)(&r);
        return 1;
    } catch (...) {
        return 0;
    }
}

SurfaceRecord* Register(DibSurface* surface) {
    std::lock_guard<std::mutex> hold(g_surfacesLock);
    g_surfaces.insert(&surface->Record());
    return &surface->Record();
}

SurfaceRecord* __stdcall NewSurfaceService(int32_t width, int32_t height) {
    try {
        DibSurface* s = new DibSurface();
        if (!s->Create15(width, height)) {
            delete s;
            return nullptr;
        }
        return Register(s);
    } catch (...) {
        return nullptr;
    }
}

SurfaceRecord* __stdcall SurfaceFromDibService(SurfaceRecord* record) {
    try {
        if (!SurfaceRecordLooksValid(record)) return nullptr;
        DibSurface* s = new DibSurface();
        s->WrapRecord(*record);
        return Register(s);
    } catch (...) {
        return nullptr;
    }
}

int __stdcall DestroySurfaceService(SurfaceRecord* record) {
    try {
        if (!SurfaceRecordLooksValid(record)) return 0;
        {
            std::lock_guard<std::mutex> hold(g_surfacesLock);
            if (!g_surfaces.erase(record)) return 0;
        }
        delete DibSurface::FromRecord(record);
        return 1;
    } catch (...) {
        return 0;
    }
}

int __stdcall FadeService(SurfaceRecord* surface, const RECT* rect, int32_t level, const uint32_t* table) {
    try {
        Blitter* b = TheBlitter();
        if (!b) return 0;
        BlitRequest r;
        if (!DestinationRequest(surface, rect, r)) return 1;
        r.extra = FadeTableEntries(table);
        b->As<BlitEntry3>(Blitter::FadeRectangle)(&r, level, FadeTableCount(table));
        return 1;
    } catch (...) {
        return 0;
    }
}

int __stdcall FadeAndCopyService(SurfaceRecord* src, const RECT* srcRect, SurfaceRecord* dst, const RECT* dstRect,
                                 int32_t level, const uint32_t* table) {
    try {
        Blitter* b = TheBlitter();
        if (!b) return 0;
        BlitRequest r;
        if (!CopyRequest(src, srcRect, dst, dstRect, 0, r)) return 1;
        r.extra = FadeTableEntries(table);
        b->As<BlitEntry3>(Blitter::FadeAndCopyRectangle)(&r, level, FadeTableCount(table));
        return 1;
    } catch (...) {
        return 0;
    }
}

int __stdcall NoService() { return 0; }

uint32_t __stdcall TranslateColourService(COLORREF colour) {
    Blitter* b = TheBlitter();
    return b ? uint32_t(b->As<int(__stdcall*)(COLORREF)>(Blitter::TranslateOneColor)(colour)) : 0;
}

int __stdcall DecodeService(void* dstPixels, uint32_t dstBytes, const void* record) {
    try {
        if (!record || IsBadReadPtr(record, 20)) return 0;
        uint32_t pixelBytes;
        std::memcpy(&pixelBytes, static_cast<const uint8_t*>(record) + 16, 4);
        if (IsBadReadPtr(record, 20 + size_t(pixelBytes))) return 0;
        if (!dstPixels || IsBadWritePtr(dstPixels, dstBytes)) return 0;
        return DecodeBitmapPixels(dstPixels, dstBytes, record);
    } catch (...) {
        return 0;
    }
}

void* const kServices[kServiceCount] = {
    reinterpret_cast<void*>(&ScreenFormatService),
    reinterpret_cast<void*>(&BlitService),
    reinterpret_cast<void*>(&FillService),
    reinterpret_cast<void*>(&NewSurfaceService),
    reinterpret_cast<void*>(&SurfaceFromDibService),
    reinterpret_cast<void*>(&DestroySurfaceService),
    reinterpret_cast<void*>(&FadeService),
    reinterpret_cast<void*>(&FadeAndCopyService),
    reinterpret_cast<void*>(&NoService),
    reinterpret_cast<void*>(&TranslateColourService),
    reinterpret_cast<void*>(&NoService),
    reinterpret_cast<void*>(&DecodeService),
};

}  // namespace

void* ServiceAddress(int32_t number) {
    return number >= 0 && number < kServiceCount ? kServices[number] : nullptr;
}
