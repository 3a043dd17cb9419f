// A sprite font made at run time from a Windows font: each character from 32 to 126, and
// the cent sign, is drawn white on black with GDI and its brightness becomes the glyph's
// levels in one level picture, with the glyph table that describes it.
#pragma once
#include <windows.h>

#include <vector>

#include "ControlPictures.h"
#include "SpriteFont.h"

struct RenderedFont {
    std::vector<GlyphRecord> glyphs;
    std::vector<uint8_t> picture;  // the level picture's asset data
    int32_t height = 0;
};

inline RenderedFont RenderFont(const char* face, int pixelHeight) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(-pixelHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, face);
    HGDIOBJ oldFont = SelectObject(dc, font);
    TEXTMETRICA tm;
    GetTextMetricsA(dc, &tm);
    std::vector<int> codes;
    for (int c = 32; c <= 126; ++c) codes.push_back(c);
    codes.push_back(162);
    RenderedFont out;
    out.height = tm.tmHeight;
    int32_t x = 0;
    for (int c : codes) {
        ABC abc = {};
        GetCharABCWidthsA(dc, UINT(c), UINT(c), &abc);
        const int32_t width = int32_t(abc.abcB) + 2;
        // The glyph's box starts one pixel left of its black box.
        const int32_t left = abc.abcA - 1;
        out.glyphs.push_back(GlyphRecord{c, x, 0, x + width, tm.tmHeight, -left, tm.tmAscent,
                                         int32_t(abc.abcA + int32_t(abc.abcB) + abc.abcC), tm.tmAscent, tm.tmDescent});
        x += width + 1;
    }
    const int32_t w = x, h = tm.tmHeight;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    uint32_t* bits = nullptr;
    HBITMAP sheet = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, sheet);
    PatBlt(dc, 0, 0, w, h, BLACKNESS);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    for (const GlyphRecord& g : out.glyphs) {
        const char c = char(g.code);
        TextOutA(dc, g.left + g.xOffset, 0, &c, 1);
    }
    GdiFlush();
    std::vector<uint8_t> levels(size_t(w) * size_t(h));
    for (size_t i = 0; i < levels.size(); ++i) levels[i] = uint8_t(bits[i] >> 8);
    out.picture = LevelPictureData(uint16_t(w), uint16_t(h), levels);
    SelectObject(dc, oldBitmap);
    SelectObject(dc, oldFont);
    DeleteObject(sheet);
    DeleteObject(font);
    DeleteDC(dc);
    return out;
}
