// Drives the blitter in a test: on Windows through BLIT16.DLL's entry points with the
// engine's 64-byte request, natively through the pixel loops themselves.
#pragma once
#include <cstdint>
#include <vector>

#include "BlitKernels.h"

enum class BlitOp { Copy, Overlay, Scale, ScaleOverlay, Fill, Shadow, Fade, FadeCopy };

struct BlitCall {
    BlitOp op = BlitOp::Copy;
    const void* src = nullptr;
    int32_t srcRowPixels = 0, srcRows = 0;
    int32_t srcX = 0, srcY = 0, width = 0, height = 0;
    uint32_t flip = 0;
    uint16_t* dst = nullptr;
    int32_t dstRowPixels = 0;
    int32_t dstX = 0, dstY = 0, dstWidth = 0, dstHeight = 0;
    uint16_t key = 0;
    const uint16_t* xlate = nullptr;
    uint16_t colour = 0;  // fill colour
    int32_t level = 0;
    const uint32_t* fadeTable = nullptr;  // count, then COLORREF entries
};

// True when the blitter could be reached.
bool BlitterAvailable();
void RunBlit(const BlitCall& call);
void RunScaleAlpha(const blit16::AlphaScaleJob& job);
uint16_t TranslateColour(uint32_t colorref);
