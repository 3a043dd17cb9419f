#include "TvWindow.h"

#include <cstring>
#include <list>
#include <new>

#include "CurrentPalette.h"
#include "LibraryContext.h"
#include "MutexPair.h"
#include "PixelConversion.h"

namespace {

// The platform field of the operating system's version, read once.
DWORD PlatformId() {
    static const DWORD id = [] {
        OSVERSIONINFOA version = {};
        version.dwOSVersionInfoSize = sizeof version;
        GetVersionExA(&version);
        return version.dwPlatformId;
    }();
    return id;
}

bool DepthUsableDirectly(int depth) {
    return PlatformId() == VER_PLATFORM_WIN32_NT ? depth == 15 : (depth == 15 || depth == 16);
}

// What every TV shares: one per process, changed only with the painting mutex held (the
// window procedures and the palette switch take it; the frame thread holds it while it
// repaints).
struct TvScreen {
    std::list<TV*> tvs;  // every TV, oldest first
    int depth = 0;       // the display's depth as measured (0 before the first TV)
    bool conversion = false;  // pixels reach the display through a conversion surface
    HWND topLevel = nullptr;  // the top-level window subclassed for palette messages
    WNDPROC previousProc = nullptr;
    bool realising = false;  // our own realisation is under way: ignore its echo
    bool moviePalette = false;
    HPALETTE movieLogPalette = nullptr;

    void SetDepth(int bits) {
        depth = bits;
        conversion = !DepthUsableDirectly(bits);
    }
};

// Never destroyed: the frame thread repaints through it up to the end of the process.
TvScreen& g_screen = *new TvScreen;

int CountBits(DWORD v) {
    int n = 0;
    for (; v; v &= v - 1) ++n;
    return n;
}

// The display's depth: 16 with plain pixels counts as 15; with bit fields the bits of
// the three masks count (so 5-6-5 gives 16), except that 32 stays 32.
int MeasureDepth() {
    HDC screen = GetDC(nullptr);
    HBITMAP probe = CreateCompatibleBitmap(screen, 1, 1);
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[256];
    } info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    GetDIBits(screen, probe, 0, 1, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    GetDIBits(screen, probe, 0, 1, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(probe);
    ReleaseDC(nullptr, screen);
    int bits = info.header.biBitCount;
    if (info.header.biCompression == BI_BITFIELDS) {
        if (bits == 32) return 32;
        return CountBits(info.masks[0]) + CountBits(info.masks[1]) + CountBits(info.masks[2]);
    }
    return bits == 16 ? 15 : bits;
}

// A BITMAPINFO for a top-down 16-bit 5-5-5 engine picture.
BITMAPINFO PictureInfo(const quor::ImageHeader* picture) {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = picture->width;
    bmi.bmiHeader.biHeight = -int32_t(picture->height);
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 16;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

quor::PixelPlane PlaneOf(const quor::ImageHeader* picture) {
    quor::PixelPlane p;
    p.pixels = const_cast<quor::ImageHeader*>(picture) + 1;
    p.width = picture->width;
    p.height = -int32_t(picture->height);
    p.bitCount = 16;
    p.rowBytes = quor::RowBytes(picture->width, 2);
    return p;
}

quor::PixelPlane PlaneOf(const SurfaceRecord& s) {
    quor::PixelPlane p;
    p.pixels = s.pixels;
    p.width = s.right - s.left;
    p.height = s.info->bmiHeader.biHeight;
    p.bitCount = s.info->bmiHeader.biBitCount;
    p.rowBytes = s.rowBytes;
    return p;
}

// The movie palette: the system's static colours at both ends and a colour cube with a
// grey ramp between them.
HPALETTE MakeMoviePalette() {
    struct {
        WORD version, count;
        PALETTEENTRY entries[256];
    } log = {0x300, 256, {}};
    HDC screen = GetDC(nullptr);
    GetSystemPaletteEntries(screen, 0, 10, log.entries);
    GetSystemPaletteEntries(screen, 246, 10, log.entries + 246);
    ReleaseDC(nullptr, screen);
    int i = 10;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                log.entries[i++] = {BYTE(r * 51), BYTE(g * 51), BYTE(b * 51), PC_NOCOLLAPSE};
    for (int k = 1; k <= 20; ++k) {
        BYTE v = BYTE(k * 255 / 21);
        log.entries[i++] = {v, v, v, PC_NOCOLLAPSE};
    }
    return CreatePalette(reinterpret_cast<LOGPALETTE*>(&log));
}

// The palette used to draw: the movie palette while a movie plays, else the engine's.
HPALETTE DrawingPalette() {
    if (g_screen.moviePalette && g_screen.movieLogPalette) return g_screen.movieLogPalette;
    CurrentPalette* p = CurrentPalette::Current();
    return p ? p->Palette() : nullptr;
}

void RealiseIn(HDC dc, bool background) {
    if (g_screen.depth > 8) return;
    if (HPALETTE palette = DrawingPalette()) {
        SelectPalette(dc, palette, background);
        RealizePalette(dc);
    }
}

LRESULT CALLBACK TopLevelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_DISPLAYCHANGE: {
            PaintingLock hold;
            g_screen.SetDepth(int(wParam));
            for (TV* tv : g_screen.tvs) {
                if (g_screen.conversion) tv->MakeConversionSurface();
                else tv->DropConversionSurface();
            }
            HDC dc = GetDC(window);
            g_screen.realising = true;
            RealiseIn(dc, false);
            g_screen.realising = false;
            ReleaseDC(window, dc);
            break;
        }
        case WM_QUERYNEWPALETTE:
            if (g_screen.conversion) {
                HDC dc = GetDC(window);
                RealiseIn(dc, false);
                ReleaseDC(window, dc);
                InvalidateRect(window, nullptr, FALSE);
                return TRUE;
            }
            break;
        case WM_PALETTECHANGED:
            if (g_screen.conversion && !g_screen.realising && HWND(wParam) != window) {
                HDC dc = GetDC(window);
                RealiseIn(dc, true);
                ReleaseDC(window, dc);
            }
            if (g_screen.moviePalette) return 0;
            break;
        case WM_PALETTEISCHANGING:
            if (g_screen.moviePalette) return 0;
            break;
        default:
            break;
        }
    } catch (...) {
        // Nothing may unwind into the window manager.
    }
    return CallWindowProcA(g_screen.previousProc, window, message, wParam, lParam);
}

void SubclassTopLevel(HWND child) {
    // Once per top-level window: a new one is taken when the old one is gone.
    if (g_screen.topLevel && IsWindow(g_screen.topLevel)) return;
    HWND top = child;
    while (HWND parent = GetParent(top)) top = parent;
    if (top == child) return;  // a TV that is itself top-level has nothing to subclass
    g_screen.topLevel = top;
    g_screen.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TopLevelProc)));
}

TV* TvOf(HWND window) { return reinterpret_cast<TV*>(GetWindowLongPtrA(window, 0)); }

LRESULT CALLBACK TvWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_CREATE: {
            PaintingLock hold;
            TV* tv = new (std::nothrow) TV(window);
            SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(tv));
            break;
        }
        case WM_DESTROY:
        case WM_CLOSE: {
            PaintingLock hold;
            TV* tv = TvOf(window);
            SetWindowLongPtrA(window, 0, 0);
            delete tv;
            break;
        }
        case WM_SIZE: {
            PaintingLock hold;
            if (TV* tv = TvOf(window)) tv->Resized();
            break;
        }
        case WM_PAINT: {
            PaintingLock hold;
            if (TV* tv = TvOf(window)) {
                tv->Paint();
            } else {
                PAINTSTRUCT ps;
                BeginPaint(window, &ps);
                EndPaint(window, &ps);
            }
            return 0;
        }
        case WM_ERASEBKGND:
            return 0;
        default:
            break;
        }
    } catch (...) {
        // Nothing may unwind into the window manager.
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TV::TV(HWND window) : VideoSink(1), window_(window) {
    RECT client;
    GetClientRect(window, &client);
    clientWidth_ = client.right - client.left;
    clientHeight_ = client.bottom - client.top;
    if (g_screen.tvs.empty() && g_screen.depth == 0) g_screen.SetDepth(MeasureDepth());
    if (g_screen.conversion) MakeConversionSurface();
    g_screen.tvs.push_back(this);
    SubclassTopLevel(window);
}

TV::~TV() {
    warp_.reset();
    g_screen.tvs.remove(this);
    if (Shown()) Disconnect(0);
}

void TV::MakeConversionSurface() {
    conversionValid_ = false;
    conversion_.reset();
    if (clientWidth_ <= 0 || clientHeight_ <= 0) return;
    auto surface = std::make_unique<DibSurface>();
    if (surface->Create(clientWidth_, clientHeight_, uint32_t(g_screen.depth == 15 ? 16 : g_screen.depth), true, nullptr))
        conversion_ = std::move(surface);
}

void TV::DropConversionSurface() {
    conversion_.reset();
    conversionValid_ = false;
}

int TV::Plug(uint32_t flags, VideoSource* source) {
    if (flags & 1) {
        if (!VideoSource::IsValid(source)) Errors().Raise(ErrBadVideoSource, int32_t(uintptr_t(source)));
        if (Shown()) Replace(0, source);
        else Connect(0, source);
        conversionValid_ = false;
        InvalidateRect(window_, nullptr, FALSE);
        return 1;
    }
    if ((flags & 2) && Shown()) {
        Disconnect(0);
        InvalidateRect(window_, nullptr, FALSE);
    }
    return 1;
}

void TV::Resized() {
    RECT client;
    GetClientRect(window_, &client);
    clientWidth_ = client.right - client.left;
    clientHeight_ = client.bottom - client.top;
    if (VideoSource* s = Shown()) s->SinkRectChanged();
    if (g_screen.conversion) MakeConversionSurface();
}

void TV::Blit(HDC dc, const quor::ImageHeader* picture, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    if (g_screen.conversion) {
        if (!conversion_) return;
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, conversion_->Record().bitmap);
        BitBlt(dc, r.left, r.top, w, h, memory, r.left, r.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        return;
    }
    BITMAPINFO bmi = PictureInfo(picture);
    StretchDIBits(dc, r.left, r.top, w, h, r.left, r.top, w, h, picture + 1, &bmi, DIB_RGB_COLORS, SRCCOPY);
}

void TV::Show(HDC dc, const quor::ImageHeader* picture, const RECT* rects, int count, bool whole) {
    const quor::ImageHeader* shown = picture;
    alignas(4) quor::ImageHeader warpedHeader = {};
    if (warp_) {
        // The whole picture is bent each time: every column depends on its place.
        warp_->Prepare(picture->width, picture->height, 1.0);
        const uint32_t row = quor::RowBytes(picture->width, 2) / 2;
        warped_.assign(sizeof(quor::ImageHeader) / 2 + size_t(row) * picture->height, 0);
        warpedHeader = *picture;
        std::memcpy(warped_.data(), &warpedHeader, sizeof warpedHeader);
        auto* out = reinterpret_cast<quor::ImageHeader*>(warped_.data());
        warp_->Resample(reinterpret_cast<const uint16_t*>(picture + 1), int32_t(row),
                        reinterpret_cast<uint16_t*>(out + 1), int32_t(row));
        shown = out;
        whole = true;
    }
    const RECT all = {0, 0, shown->width, shown->height};
    if (g_screen.conversion) {
        if (!conversion_) return;
        const quor::PixelPlane src = PlaneOf(shown), dst = PlaneOf(conversion_->Record());
        if (whole || !conversionValid_) {
            quor::ConvertRect(src, 0, 0, shown->width, shown->height, dst, 0, 0);
            conversionValid_ = !warp_;
            Blit(dc, shown, all);
            return;
        }
        for (int i = 0; i < count; ++i) {
            const RECT& r = rects[i];
            quor::ConvertRect(src, r.left, r.top, r.right - r.left, r.bottom - r.top, dst, r.left, r.top);
        }
    } else if (whole) {
        Blit(dc, shown, all);
        return;
    }
    for (int i = 0; i < count; ++i) Blit(dc, shown, rects[i]);
}

void TV::Repaint() {
    VideoSource* source = Shown();
    if (!source || clientWidth_ <= 0 || clientHeight_ <= 0) return;
    RenderResult* result = source->Render();
    if (!result || !result->surface) return;
    if (result->written == 0 && !warp_ && (conversionValid_ || !g_screen.conversion)) return;
    HDC dc = GetDC(window_);
    if (!dc) return;
    RealiseIn(dc, true);
    Show(dc, result->surface, result->rects, result->written, false);
    ReleaseDC(window_, dc);
    WakeWindowThread();
}

// The frame thread draws through the window's DC from its own thread, which never waits for
// messages. Wine puts what is drawn into a window on the display when a thread next waits
// for messages: while the window's thread sits in a modal loop (a dialog, a property
// sheet) with no input coming, the frame would stay off the display until the next
// message. An empty message wakes that thread, and its next wait shows the frame.
void TV::WakeWindowThread() const {
    if (GetWindowThreadProcessId(window_, nullptr) != GetCurrentThreadId()) PostMessageA(window_, WM_NULL, 0, 0);
}

void TV::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    VideoSource* source = Shown();
    const quor::ImageHeader* picture = source ? source->CurrentImage() : nullptr;
    if (dc && picture) {
        RealiseIn(dc, true);
        Show(dc, picture, &ps.rcPaint, 1, false);
        if (g_screen.conversion && conversionValid_) Blit(dc, picture, ps.rcPaint);
    }
    EndPaint(window_, &ps);
}

void TV::Warp(double circumference, int32_t centreRow, int32_t startColumn, int32_t mode) {
    warp_ = std::make_unique<CylinderWarp>(circumference, centreRow, startColumn, mode);
    InvalidateRect(window_, nullptr, FALSE);
}

bool TV::StopWarping() {
    bool had = warp_ != nullptr;
    warp_.reset();
    conversionValid_ = false;
    InvalidateRect(window_, nullptr, FALSE);
    return had;
}

void RegisterTvWindowClass(HINSTANCE instance) {
    const UINT style = CS_GLOBALCLASS | CS_BYTEALIGNWINDOW | CS_BYTEALIGNCLIENT | CS_DBLCLKS;
    if (PlatformId() == VER_PLATFORM_WIN32_WINDOWS) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        wc.style = style;
        wc.lpfnWndProc = TvWindowProc;
        wc.cbWndExtra = sizeof(void*);  // the TV
        wc.hInstance = instance;
        wc.lpszClassName = "BraskQUOR_TV";
        RegisterClassExA(&wc);
    } else {
        WNDCLASSA wc = {};
        wc.style = style;
        wc.lpfnWndProc = TvWindowProc;
        wc.cbWndExtra = sizeof(void*);  // the TV
        wc.hInstance = instance;
        wc.lpszClassName = "BraskQUOR_TV";
        RegisterClassA(&wc);
    }
}

void UnregisterTvWindowClass(HINSTANCE instance) { UnregisterClassA("BraskQUOR_TV", instance); }

TV* FindTV(HWND window) {
    for (TV* tv : g_screen.tvs)
        if (tv->Window() == window) return tv;
    Errors().Raise(ErrBadTV, int32_t(uintptr_t(window)));
}

void RepaintTvs() {
    for (TV* tv : g_screen.tvs) {
        try {
            tv->Repaint();
        } catch (...) {
            // One TV's failure does not stop the others.
        }
    }
}

int DisplayDepth() { return g_screen.depth; }
bool ConversionMode() { return g_screen.conversion; }

void SwitchTvPalettes(bool movie) {
    PaintingLock hold;
    if (movie && !g_screen.movieLogPalette) g_screen.movieLogPalette = MakeMoviePalette();
    g_screen.moviePalette = movie;
    for (TV* tv : g_screen.tvs) {
        HDC dc = GetDC(tv->Window());
        if (HPALETTE palette = DrawingPalette()) {
            SelectPalette(dc, palette, FALSE);
            RealizePalette(dc);
        }
        InvalidateRect(tv->Window(), nullptr, FALSE);
        ReleaseDC(tv->Window(), dc);
    }
}
