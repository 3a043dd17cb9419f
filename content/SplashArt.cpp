// "lobbyAssets.ast": the splash picture and its backdrop, then the lobby's art, in the places
// the layout fixes.
#include "Canvas.h"
#include "DetMath.h"
#include "LobbyArt.h"
#include "ContentFolders.h"
#include "LobbyAssetLayout.h"
#include "OrderedAssets.h"

namespace content {

namespace {

// A row of lit bulbs along a marquee's edge.
void Bulbs(Canvas& c, int left, int right, int y, int step) {
    for (int x = left; x <= right; x += step)
        c.Ellipse(RECT{x - 5, y - 5, x + 5, y + 5}, RGB(255, 236, 150), RGB(200, 140, 20));
}

// Three reels showing a row of symbols, framed in brass.
void Reels(Canvas& c, int left, int top) {
    static const char* const kSymbols[] = {"7", "7", "7"};
    for (int i = 0; i < 3; ++i) {
        const RECT r{left + i * 110, top, left + i * 110 + 96, top + 120};
        c.RoundBox(RECT{r.left - 6, r.top - 6, r.right + 6, r.bottom + 6}, 16, RGB(176, 128, 40), RGB(90, 60, 10), 2);
        c.Gradient(r, RGB(200, 200, 210), RGB(255, 255, 255));
        c.Gradient(RECT{r.left, r.top + 60, r.right, r.bottom}, RGB(255, 255, 255), RGB(190, 190, 200));
        c.ShadowText(kSymbols[i], r, FontSpec{"Times New Roman", 96, FW_BOLD}, RGB(200, 20, 30), RGB(60, 0, 0), 3);
    }
}

void DrawSplash(Canvas& c) {
    const int w = c.Width(), h = c.Height();
    c.Gradient(RECT{0, 0, w, h}, RGB(8, 40, 24), RGB(2, 10, 6));
    for (int i = 0; i < 24; ++i) {  // rays of light from behind the title
        const double a = i * 3.14159265 / 12;
        const POINT p[3] = {{w / 2, 170},
                            {LONG(w / 2 + 900 * DetCos(a)), LONG(170 + 900 * DetSin(a))},
                            {LONG(w / 2 + 900 * DetCos(a + 0.12)), LONG(170 + 900 * DetSin(a + 0.12))}};
        c.Polygon(p, 3, RGB(16, 62, 36), RGB(16, 62, 36));
    }
    c.RoundBox(RECT{60, 60, w - 60, 250}, 40, RGB(110, 14, 24), RGB(230, 180, 60), 5);
    Bulbs(c, 90, w - 90, 74, 30);
    Bulbs(c, 90, w - 90, 236, 30);
    c.ShadowText("VELLMOOR", RECT{60, 86, w - 60, 190}, FontSpec{"Times New Roman", 96, FW_BOLD}, RGB(255, 214, 90),
                 RGB(40, 0, 0), 4);
    c.ShadowText("S L O T S", RECT{60, 180, w - 60, 228}, FontSpec{"Arial", 34, FW_BOLD}, RGB(255, 250, 230),
                 RGB(40, 0, 0), 2);
    Reels(c, w / 2 - 158, 290);
    c.Text("Tarrowind presents a casino of your own", RECT{0, 452, w, 486}, FontSpec{"Arial", 22, FW_NORMAL, true},
           RGB(220, 230, 210));
    c.Text("Click or press a key to enter", RECT{0, 500, w, 530}, FontSpec{"Arial", 16}, RGB(150, 190, 160));
}

}  // namespace

void MakeLobbyAssets(const ContentFolders& to) {
    Canvas splash(kSplashWidth, kSplashHeight);
    DrawSplash(splash);
    OrderedAssets file;
    file.AddPicture(splash.Picture(), false);
    file.AddBackdrop(kSplashPicture);
    AddLobbyArt(file);
    const std::string path = to.program + "lobbyAssets.ast";
    Check(file.Write(path), path);
}

}  // namespace content
