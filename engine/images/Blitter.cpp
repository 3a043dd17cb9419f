#include "DecoratedExport.h"
#include "Blitter.h"

const char* const Blitter::kEntryNames[Blitter::EntryCount] = {
    "_FillBits@4",
    "_RenderShadow@4",
    "_CopyBits_NoXlate@4",
    "_CopyBits_Xlate@4",
    "_ScaleBits_NoXlate@4",
    "_ScaleBits_Xlate@4",
    "_OverlayBits_NoXlate@8",
    "_OverlayBits_Xlate@8",
    "_ScaleAndOverlayBits_NoXlate@8",
    "_ScaleAndOverlayBits_Xlate@8",
    "_GetXlateElementSize@0",
    "_GetMaxXlateElements@0",
    "_SetXlateEntries@16",
    "_CreateSurfaceDIB@12",
    "_CreateSurfaceQUORBITMAP@8",
    "_SelectTransparentColorForText@4",
    "_SelectTransparentColorForOwnerDraw@4",
    "_RegisterPalette@12",
    "_HandleMsgPALETTECHANGED@4",
    "_HandleMsgQUERYNEWPALETTE@4",
    "_FadeRectangle@12",
    "_FadeAndCopyRectangle@12",
    "_TranslateOneColor@4",
    "_ScaleAlphaChannel@4",
};

bool Blitter::Load() {
    HDC screen = GetDC(nullptr);
    format_[0] = 32;
    format_[1] = 16;
    format_[2] = screen ? uint32_t(GetDeviceCaps(screen, HORZRES)) : 0;
    format_[3] = screen ? uint32_t(GetDeviceCaps(screen, VERTRES)) : 0;
    format_[4] = 15;
    format_[5] = 2;
    format_[6] = 2;
    format_[7] = 0;
    if (screen) ReleaseDC(nullptr, screen);

    module_ = LoadLibraryA("BLIT16.DLL");
    if (!module_) return false;
    for (int i = 0; i < EntryCount; ++i) {
        entries_[i] = GetDecoratedProc(module_, kEntryNames[i]);
        if (!entries_[i]) {
            Unload();
            return false;
        }
    }
    loaded_ = true;
    return true;
}

void Blitter::Unload() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
    loaded_ = false;
    for (FARPROC& e : entries_) e = nullptr;
}
