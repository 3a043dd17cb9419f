// BLIT16.DLL: the engine's pixel plug-in for 16-bit 5-5-5 surfaces.
// The entry points are in place; each reports that it did nothing (0) until its pixel
// work is written.
#include <windows.h>
#include <cstdint>

#define BLIT_ENTRY extern "C" int __stdcall

BLIT_ENTRY FillBits(void*) { return 0; }
BLIT_ENTRY RenderShadow(void*) { return 0; }
BLIT_ENTRY CopyBits_NoXlate(void*) { return 0; }
BLIT_ENTRY CopyBits_Xlate(void*) { return 0; }
BLIT_ENTRY ScaleBits_NoXlate(void*) { return 0; }
BLIT_ENTRY ScaleBits_Xlate(void*) { return 0; }
BLIT_ENTRY OverlayBits_NoXlate(void*, uint32_t) { return 0; }
BLIT_ENTRY OverlayBits_Xlate(void*, uint32_t) { return 0; }
BLIT_ENTRY ScaleAndOverlayBits_NoXlate(void*, uint32_t) { return 0; }
BLIT_ENTRY ScaleAndOverlayBits_Xlate(void*, uint32_t) { return 0; }
BLIT_ENTRY GetXlateElementSize() { return 0; }
BLIT_ENTRY GetMaxXlateElements() { return 0; }
BLIT_ENTRY SetXlateEntries(void*, int32_t, int32_t, void*) { return 0; }
BLIT_ENTRY CreateSurfaceDIB(uint32_t, uint32_t, uint32_t) { return 0; }
BLIT_ENTRY CreateSurfaceQUORBITMAP(int32_t, int32_t) { return 0; }
BLIT_ENTRY SelectTransparentColorForText(void*) { return 0; }
BLIT_ENTRY SelectTransparentColorForOwnerDraw(void*) { return 0; }
BLIT_ENTRY RegisterPalette(void*, void*, int32_t) { return 0; }
BLIT_ENTRY HandleMsgPALETTECHANGED(HWND) { return 0; }
BLIT_ENTRY HandleMsgQUERYNEWPALETTE(HWND) { return 0; }
BLIT_ENTRY FadeRectangle(void*, int32_t, int32_t) { return 0; }
BLIT_ENTRY FadeAndCopyRectangle(void*, int32_t, int32_t) { return 0; }
BLIT_ENTRY TranslateOneColor(COLORREF) { return 0; }
BLIT_ENTRY ScaleAlphaChannel(void*) { return 0; }
