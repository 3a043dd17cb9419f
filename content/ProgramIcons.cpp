// The program's icon (resource 32000, 32 and 16 pixels) and its cursors: 110 and 111 the
// editor's move and copy pointers, 115 the bill acceptor's, 116 the coin slot's.
#include "Canvas.h"
#include "ContentFolders.h"
#include "IconFile.h"
#include "SoundFiles.h"

namespace content {

namespace {

// The canvas as icon pixels: the key colour becomes transparent.
IconImage ToIcon(const Canvas& c) {
    IconImage image;
    image.size = c.Width();
    for (int32_t y = 0; y < c.Height(); ++y)
        for (int32_t x = 0; x < c.Width(); ++x) {
            const COLORREF p = c.PixelAt(x, y);
            image.pixels.push_back(p == kKeyColour ? 0u
                                                   : 0xFF000000u | (uint32_t(GetRValue(p)) << 16) |
                                                         (uint32_t(GetGValue(p)) << 8) | GetBValue(p));
        }
    return image;
}

// A cherry pair on a gold coin, scaled to the icon's size.
IconImage AppIcon(int n) {
    Canvas c(n, n, kKeyColour);
    c.Ellipse(RECT{0, 0, n, n}, RGB(236, 180, 40), RGB(120, 80, 0), n > 16 ? 2 : 1);
    const int r = n / 5;
    c.Line(POINT{n / 2, n / 5}, POINT{n / 3, n * 3 / 5}, RGB(30, 110, 30), n > 16 ? 2 : 1);
    c.Line(POINT{n / 2, n / 5}, POINT{n * 2 / 3, n * 3 / 5}, RGB(30, 110, 30), n > 16 ? 2 : 1);
    c.Ellipse(RECT{n / 3 - r, n * 3 / 5 - r, n / 3 + r, n * 3 / 5 + r}, RGB(210, 20, 30), RGB(110, 0, 0));
    c.Ellipse(RECT{n * 2 / 3 - r, n * 3 / 5 - r, n * 2 / 3 + r, n * 3 / 5 + r}, RGB(210, 20, 30), RGB(110, 0, 0));
    return ToIcon(c);
}

// An arrow with a badge: none, a plus, a bill or a coin.
enum class Badge { Move, Copy, Bill, Coin };

IconImage Pointer(Badge badge) {
    Canvas c(32, 32, kKeyColour);
    const POINT arrow[7] = {{0, 0}, {0, 17}, {4, 13}, {8, 21}, {11, 20}, {7, 12}, {12, 12}};
    c.Polygon(arrow, 7, RGB(255, 255, 255), RGB(0, 0, 0));
    switch (badge) {
    case Badge::Move: c.RoundBox(RECT{14, 18, 30, 30}, 4, RGB(200, 200, 200), RGB(0, 0, 0)); break;
    case Badge::Copy:
        c.RoundBox(RECT{14, 18, 30, 30}, 4, RGB(200, 200, 200), RGB(0, 0, 0));
        c.Fill(RECT{21, 20, 23, 28}, RGB(0, 0, 0));
        c.Fill(RECT{18, 23, 26, 25}, RGB(0, 0, 0));
        break;
    case Badge::Bill: c.RoundBox(RECT{12, 20, 31, 30}, 2, RGB(120, 190, 110), RGB(20, 70, 20)); break;
    case Badge::Coin: c.Ellipse(RECT{16, 16, 31, 31}, RGB(236, 180, 40), RGB(120, 80, 0)); break;
    }
    return ToIcon(c);
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& image) {
    Check(WriteBytes(path, image.data(), image.size()), path);
}

}  // namespace

void MakeProgramIcons(const ContentFolders& to) {
    WriteFile(to.resources + "vsl.ico", IconFileImage({AppIcon(32), AppIcon(16)}));
    WriteFile(to.resources + "move.cur", CursorFileImage(Pointer(Badge::Move), 0, 0));
    WriteFile(to.resources + "copy.cur", CursorFileImage(Pointer(Badge::Copy), 0, 0));
    WriteFile(to.resources + "bill.cur", CursorFileImage(Pointer(Badge::Bill), 0, 0));
    WriteFile(to.resources + "coin.cur", CursorFileImage(Pointer(Badge::Coin), 0, 0));
}

}  // namespace content
