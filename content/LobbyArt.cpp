// The lobby's pictures in "lobbyAssets.ast": the panorama of five rooms (40 strips of 100
// columns, each stored turned a quarter turn so that a panorama column is a stored row),
// the highlight that outlines each machine, and the scroll control's five frames. Each
// machine stands in the colours of its theme.
#include <cstring>
#include <stdexcept>
#include <string>

#include "BuiltInMachines.h"
#include "Canvas.h"
#include "LobbyArt.h"
#include "LobbyAssetLayout.h"
#include "LobbyHotspots.h"
#include "LobbyRooms.h"
#include "MachineThemes.h"
#include "ThemeSymbolArt.h"

namespace content {

namespace {

const int32_t kPanoramaHeight = 600;
const int32_t kStripColumns = 100;

struct RoomLook {
    COLORREF wallTop, wallBottom, carpet, trim;
    const char* sign;
};
const RoomLook kRooms[kLobbyRooms] = {
    {RGB(120, 30, 40), RGB(60, 10, 20), RGB(90, 20, 30), RGB(230, 190, 80), "25 CENT ROOM"},
    {RGB(30, 60, 120), RGB(10, 20, 60), RGB(20, 30, 90), RGB(200, 220, 255), "$25 ROOM"},
    {RGB(30, 90, 50), RGB(8, 40, 20), RGB(20, 70, 40), RGB(255, 215, 0), "$100 ROOM"},
    {RGB(90, 40, 110), RGB(40, 10, 60), RGB(60, 20, 80), RGB(255, 180, 240), "$5 ROOM"},
    {RGB(130, 80, 20), RGB(60, 30, 5), RGB(100, 50, 10), RGB(255, 240, 200), "$1 ROOM"},
};

const MachineTheme& ThemeOf(int32_t machine) {
    const char* script = FindBuiltInScript(machine);
    const std::string stem = script ? std::string(script, std::strlen(script) - std::strlen(".slot")) : "";
    const MachineTheme* theme = FindMachineTheme(stem.c_str());
    if (!theme) throw std::runtime_error("the lobby shows a machine without a theme: " + std::to_string(machine));
    return *theme;
}

// The machine's best symbol, drawn small and copied into the reel window at `x`, `y`.
void SmallSymbol(Canvas& c, const MachineTheme& theme, int size, int x, int y) {
    Canvas symbol(size, size, theme.reelFace);
    DrawThemeSymbol(symbol, theme.symbols[5]);
    GdiFlush();
    BitBlt(c.Dc(), x, y, size, size, symbol.Dc(), 0, 0, SRCCOPY);
}

// A slot machine cabinet filling the rectangle in the machine's own colours: a topper
// with its scene and title, a reel window showing its best symbol three times, and a base.
void Cabinet(Canvas& c, const RECT& r, int32_t machine) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    const MachineTheme& theme = ThemeOf(machine);
    c.RoundBox(r, 10, theme.cabinet, theme.trim, 2);
    const RECT top{r.left + 4, r.top + 4, r.right - 4, r.top + h / 4};
    c.Gradient(top, theme.skyTop, theme.skyBottom);
    c.ShadowText(LobbyMachineTitle(machine), top, FontSpec{"Arial", w > 70 ? 11 : 9, FW_BOLD}, theme.trim, RGB(0, 0, 0),
                 1, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    const RECT window{r.left + 6, r.top + h / 4 + 8, r.right - 6, r.top + h / 2 + 6};
    c.Fill(window, RGB(10, 10, 10));
    const int cell = (window.right - window.left - 4) / 3;
    const int size = cell < window.bottom - window.top - 4 ? cell : window.bottom - window.top - 4;
    for (int i = 0; i < 3; ++i)
        SmallSymbol(c, theme, size, window.left + 2 + i * (cell + 1), window.top + (window.bottom - window.top - size) / 2);
    c.Fill(RECT{r.left + 6, r.bottom - h / 5, r.right - 6, r.bottom - 6}, Blend(theme.cabinet, RGB(0, 0, 0), 0.4));
}

void Room(Canvas& c, int32_t room) {
    const RoomLook& look = kRooms[room];
    const int x0 = room * kLobbyRoomWidth;
    c.Gradient(RECT{x0, 0, x0 + kLobbyRoomWidth, 300}, look.wallTop, look.wallBottom);
    c.Fill(RECT{x0, 165, x0 + kLobbyRoomWidth, 172}, look.trim);  // the balcony's rail
    c.Gradient(RECT{x0, 300, x0 + kLobbyRoomWidth, kPanoramaHeight}, look.carpet, RGB(10, 5, 5));
    for (int x = x0 + 20; x < x0 + kLobbyRoomWidth; x += 40)  // carpet pattern
        for (int y = 440; y < kPanoramaHeight; y += 40)
            c.Ellipse(RECT{x, y, x + 10, y + 10}, look.trim, look.trim);
    c.Fill(RECT{x0, 0, x0 + 4, kPanoramaHeight}, look.trim);  // a pillar between rooms
    c.ShadowText(look.sign, RECT{x0, 4, x0 + kLobbyRoomWidth, 38}, FontSpec{"Times New Roman", 30, FW_BOLD}, look.trim,
                 RGB(0, 0, 0));
    for (int32_t place = 0; place < kLobbyMachinesPerRoom; ++place) {
        const LobbyRect p = LobbyMachinePlace(place);
        Cabinet(c, RECT{x0 + p.left, p.top, x0 + p.right, p.bottom}, LobbyMachineAt(place));
    }
}

void ExitDoor(Canvas& c) {
    const LobbyRect d = kLobbyExitRect;
    c.RoundBox(RECT{d.left, d.top, d.right, d.bottom}, 6, RGB(110, 70, 30), RGB(40, 20, 5), 3);
    c.Fill(RECT{d.left + 8, d.top + 8, d.right - 8, d.top + 30}, RGB(20, 140, 40));
    c.Text("EXIT", RECT{d.left + 8, d.top + 8, d.right - 8, d.top + 30}, FontSpec{"Arial", 16, FW_BOLD},
           RGB(255, 255, 255));
    c.Ellipse(RECT{d.right - 22, d.top + 70, d.right - 12, d.top + 80}, RGB(230, 200, 60), RGB(120, 90, 0));
}

// Strip i of the panorama: its 100 columns as rows of 600 pixels.
Bitmap TurnedStrip(const Bitmap& panorama, int32_t strip) {
    Bitmap out;
    out.Create(kPanoramaHeight, kStripColumns, 24, true);
    for (int32_t j = 0; j < kStripColumns; ++j) {
        const int32_t x = strip * kStripColumns + j;
        uint8_t* row = out.Pixels() + size_t(j) * out.RowBytes();
        for (int32_t y = 0; y < kPanoramaHeight; ++y)
            std::memcpy(row + 3 * y, panorama.Pixels() + size_t(y) * panorama.RowBytes() + 3 * x, 3);
    }
    return out;
}

void AddPanorama(OrderedAssets& file) {
    Canvas panorama(kLobbyPanoramaWidth, kPanoramaHeight);
    for (int32_t room = 0; room < kLobbyRooms; ++room) Room(panorama, room);
    ExitDoor(panorama);
    GdiFlush();
    for (uint32_t i = 0; i < kPanoramaStrips; ++i) {
        Bitmap strip = TurnedStrip(panorama.Picture(), int32_t(i));
        file.AddPicture(strip, false);
    }
    file.AddFramesSprite(kPanoramaFirstStrip, kPanoramaStrips);
}

// Frame f outlines the machine whose highlight frame is f, three pixels outside it; the
// picture's corner pixel stays the key colour, which makes the rest transparent.
void AddHighlight(OrderedAssets& file) {
    for (uint32_t frame = 0; frame < kHighlightFrames; ++frame) {
        int32_t machine = -1;
        for (int32_t place = 0; place < kLobbyMachinesPerRoom; ++place)
            if (LobbyMachineFrame(LobbyMachineAt(place)) == int32_t(frame)) machine = LobbyMachineAt(place);
        const LobbyRect p = LobbyMachinePlace(LobbyPlaceOf(machine));
        const int w = p.right - p.left + 8, h = p.bottom - p.top + 8;
        Canvas c(w, h, kKeyColour);
        for (int i = 1; i < 4; ++i) {
            const POINT corners[5] = {{i, i}, {w - 1 - i, i}, {w - 1 - i, h - 1 - i}, {i, h - 1 - i}, {i, i}};
            for (int k = 0; k < 4; ++k) c.Line(corners[k], corners[k + 1], RGB(255, 255, 0), 1);
        }
        file.AddPicture(c.Picture(), true);
    }
    file.AddFramesSprite(kHighlightFirstFrame, kHighlightFrames, -4, -4);
}

// Frames: 0 idle, 1 left pressed, 2 left lit, 3 right pressed, 4 right lit.
void AddScrollControl(OrderedAssets& file) {
    for (uint32_t frame = 0; frame < kScrollFrames; ++frame) {
        Canvas c(128, 72, RGB(20, 20, 30));
        c.RoundBox(RECT{0, 0, 128, 72}, 14, RGB(40, 40, 60), RGB(200, 170, 60), 2);
        for (int side = 0; side < 2; ++side) {
            const bool pressed = frame == uint32_t(1 + 2 * side), lit = frame == uint32_t(2 + 2 * side);
            const COLORREF fill = pressed ? RGB(255, 120, 0) : lit ? RGB(255, 230, 60) : RGB(160, 140, 60);
            const POINT left[3] = {{8, 36}, {38, 12}, {38, 60}};
            const POINT right[3] = {{120, 36}, {90, 12}, {90, 60}};
            c.Polygon(side ? right : left, 3, fill, RGB(60, 40, 0), 2);
        }
        c.Text("SCROLL", RECT{40, 24, 88, 48}, FontSpec{"Arial", 11, FW_BOLD}, RGB(220, 220, 220));
        file.AddPicture(c.Picture(), false);
    }
    file.AddFramesSprite(kScrollFirstFrame, kScrollFrames);
}

}  // namespace

void AddLobbyArt(OrderedAssets& file) {
    if (file.Count() + 1 != kPanoramaFirstStrip) throw std::runtime_error("the lobby art follows the splash backdrop");
    AddPanorama(file);
    AddHighlight(file);
    AddScrollControl(file);
    if (file.Count() != kScrollSprite) throw std::runtime_error("the lobby art is out of its places");
}

}  // namespace content
