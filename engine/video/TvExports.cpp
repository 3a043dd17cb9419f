// TV window exports, and the movie palette switch that acts on every TV.
#include <cstring>

#include "ExportShape.h"
#include "Quor2_5.h"
#include "TvWindow.h"

QUOR_STDCALL int PlugInTVSource(HWND window, uint32_t flags, void* source) {
    return RunExport<int>(Lock::Painting, [&] {
        return FindTV(window)->Plug(flags, static_cast<VideoSource*>(source));
    });
}

QUOR_STDCALL int QueryTVPoint(HWND window, int32_t x, int32_t y, QuorViewPoint* query) {
    static_assert(sizeof(QuorViewPoint) == sizeof(ViewPointRecord), "view point layout");
    auto* record = reinterpret_cast<ViewPointRecord*>(query);
    return RunExport<int>(Lock::Painting, [&] {
        TV* tv = FindTV(window);
        if (!record) Errors().Raise(ErrNullArgument);
        VideoSource* source = tv->Shown();
        if (source) {
            try {
                if (source->MapViewPoint(x, y, record)) return 1;
            } catch (QUORERRS) {
                // Not a point of the view: reported below as no point.
            }
        }
        if (record->size > 4) std::memset(reinterpret_cast<uint8_t*>(record) + 4, 0, record->size - 4);
        record->worldX = record->worldY = -1;
        return 0;
    });
}

QUOR_STDCALL int CylindricallyWarpTV(HWND window, int32_t circumference, int32_t centreRow,
                                     int32_t startColumn, int32_t mode) {
    return RunExport<int>(Lock::Painting, [&] {
        TV* tv = FindTV(window);
        if (mode != 0 && mode != 1) return 0;
        tv->Warp(double(circumference), centreRow, startColumn, mode);
        return 1;
    });
}

QUOR_STDCALL int StopWarpingTV(HWND window) {
    return RunExport<int>(Lock::Painting, [&] { return FindTV(window)->StopWarping() ? 1 : 0; });
}

QUOR_CDECL int StartOfMoviePalette() {
    return RunExport<int>(Lock::None, [&] {
        SwitchTvPalettes(true);
        return 1;
    });
}

QUOR_CDECL int EndOfMoviePalette() {
    return RunExport<int>(Lock::None, [&] {
        SwitchTvPalettes(false);
        return 1;
    });
}
