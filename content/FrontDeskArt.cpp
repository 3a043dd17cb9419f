// "fdassets.ast": the Front Desk's ledger backdrop, the pictures of its labels and fields,
// its sprite font (a level picture of fixed glyph cells), the caret, the check box and its
// three buttons, in the order the layout fixes.
#include <stdexcept>
#include <vector>

#include "Canvas.h"
#include "ContentFolders.h"
#include "FrontDeskLayout.h"
#include "OrderedAssets.h"

namespace content {

namespace {

using namespace frontdesk;

const int32_t kWidth = 794, kHeight = 556;

void DrawLedger(Canvas& c) {
    c.Gradient(RECT{0, 0, kWidth, kHeight}, RGB(70, 40, 20), RGB(30, 15, 5));
    c.RoundBox(RECT{20, 20, kWidth - 20, 110}, 20, RGB(110, 14, 24), RGB(230, 180, 60), 4);
    c.ShadowText("FRONT DESK", RECT{20, 24, kWidth - 20, 86}, FontSpec{"Times New Roman", 54, FW_BOLD},
                 RGB(255, 214, 90), RGB(40, 0, 0), 3);
    c.Text("Name the players, pick the one who plays, and see the cashier for credit", RECT{20, 80, kWidth - 20, 106},
           FontSpec{"Arial", 15, FW_NORMAL, true}, RGB(250, 230, 200));
    // The ledger page.
    const RECT page{ScreenX(100) - 10, 190, kWidth - 30, ScreenY(380)};
    c.RoundBox(page, 8, RGB(246, 236, 206), RGB(120, 80, 30), 3);
    c.Text("Player", RECT{kNameColumn, 196, kNameColumn + kNameWidth, 222}, FontSpec{"Arial", 18, FW_BOLD}, RGB(90, 30, 10),
           DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    c.Text("Cash", RECT{kCashColumn, 196, kCashColumn + kCashWidth, 222}, FontSpec{"Arial", 18, FW_BOLD}, RGB(90, 30, 10),
           DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    c.Text("Since", RECT{kDateColumn, 196, kDateColumn + kDateWidth, 222}, FontSpec{"Arial", 18, FW_BOLD}, RGB(90, 30, 10),
           DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    for (int32_t r = 0; r < kRows; ++r) {
        const int32_t y = ScreenY(kY1[r] - 29) + kLabelHeight + 1;
        c.Line(POINT{page.left + 8, y}, POINT{page.right - 8, y}, RGB(170, 190, 220), 1);
    }
    // A line halfway between each column and the one before it.
    for (const int32_t column : {kCashColumn, kDateColumn}) {
        const int32_t x = column - kColumnGap / 2;
        c.Line(POINT{x, 196}, POINT{x, page.bottom - 6}, RGB(200, 90, 90), 1);
    }
}

void AddLabel(OrderedAssets& file, int32_t width) {
    const uint32_t picture = file.AddLevelPicture(uint16_t(width), uint16_t(kLabelHeight),
                                                  std::vector<uint8_t>(size_t(width) * kLabelHeight, 0));
    file.AddFramesSprite(picture, 1);
}

// White glyphs on black, each with its pen on the base line of its cell; the brightness
// becomes the level.
void AddFont(OrderedAssets& file) {
    Canvas c(kFontPictureWidth, kFontPictureHeight);
    HFONT font = CreateFontA(-18, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, ANTIALIASED_QUALITY, FIXED_PITCH,
                             "Liberation Mono");
    HGDIOBJ old = SelectObject(c.Dc(), font);
    SetBkMode(c.Dc(), TRANSPARENT);
    SetTextColor(c.Dc(), RGB(255, 255, 255));
    SetTextAlign(c.Dc(), TA_BASELINE | TA_LEFT);
    for (int32_t i = 0; i < kGlyphs; ++i) {
        const GlyphSource g = GlyphSourceOf(i);
        const char ch = char(32 + i);
        TextOutA(c.Dc(), g.penX, g.baseY, &ch, 1);
    }
    SelectObject(c.Dc(), old);
    DeleteObject(font);
    std::vector<uint8_t> levels(size_t(kFontPictureWidth) * kFontPictureHeight);
    for (int32_t y = 0; y < kFontPictureHeight; ++y)
        for (int32_t x = 0; x < kFontPictureWidth; ++x) levels[size_t(y) * kFontPictureWidth + x] = GetGValue(c.PixelAt(x, y));
    file.AddFramesSprite(file.AddLevelPicture(uint16_t(kFontPictureWidth), uint16_t(kFontPictureHeight), levels), 1);
}

void AddCaret(OrderedAssets& file) {
    // The field puts the caret's anchor past the text and above the field's bottom.
    Canvas c(2, kLabelHeight - 4, RGB(40, 40, 200));
    file.AddFramesSprite(file.AddPicture(c.Picture(), false), 1, -22, -(kLabelHeight - 5));
}

// Frames: 0 unchecked, 1 unchecked lit, 2 checked, 3 checked lit, 4 disabled.
void AddCheckBox(OrderedAssets& file) {
    for (int frame = 0; frame < 5; ++frame) {
        const bool checked = frame == 2 || frame == 3, lit = frame == 1 || frame == 3, disabled = frame == 4;
        Canvas c(kCheckSize, kCheckSize, kKeyColour);
        c.RoundBox(RECT{0, 0, kCheckSize, kCheckSize}, 4, lit ? RGB(255, 240, 160) : RGB(255, 255, 255),
                   disabled ? RGB(150, 150, 150) : RGB(60, 30, 10), 2);
        if (checked) {
            c.Line(POINT{4, 10}, POINT{8, 15}, RGB(0, 120, 0), 3);
            c.Line(POINT{8, 15}, POINT{16, 4}, RGB(0, 120, 0), 3);
        }
        file.AddPicture(c.Picture(), true);
    }
    file.AddFramesSprite(kCheckFirstFrame, 5);
}

// Frames: 0 normal, 1 hover, 2 pressed, 3 disabled.
void AddButton(OrderedAssets& file, const char* text) {
    const uint32_t first = file.Count() + 1;
    for (int frame = 0; frame < 4; ++frame) {
        const COLORREF fill = frame == 1 ? RGB(200, 40, 50) : frame == 2 ? RGB(90, 10, 15)
                              : frame == 3 ? RGB(110, 100, 100) : RGB(150, 20, 30);
        Canvas c(kButtonWidth, kButtonHeight, kKeyColour);
        c.RoundBox(RECT{0, 0, kButtonWidth, kButtonHeight}, 10, fill, RGB(230, 180, 60), 2);
        c.Text(text, RECT{0, frame == 2 ? 2 : 0, kButtonWidth, kButtonHeight}, FontSpec{"Arial", 14, FW_BOLD},
               frame == 3 ? RGB(170, 160, 160) : RGB(255, 240, 200));
        file.AddPicture(c.Picture(), true);
    }
    file.AddFramesSprite(first, 4);
}

}  // namespace

void MakeFrontDeskAssets(const ContentFolders& to) {
    OrderedAssets file;
    Canvas ledger(kWidth, kHeight);
    DrawLedger(ledger);
    file.AddPicture(ledger.Picture(), false);
    file.AddBackdrop(kBackdropPicture);
    for (int32_t r = 0; r < kRows; ++r) AddLabel(file, kNameWidth);
    for (int32_t r = 0; r < kRows; ++r) AddLabel(file, kDateWidth);
    for (int32_t r = 0; r < kRows; ++r) AddLabel(file, kCashWidth);
    AddFont(file);
    AddCaret(file);
    AddCheckBox(file);
    AddButton(file, "Credit");
    AddButton(file, "Delete");
    AddButton(file, "Lobby");
    if (file.Count() != kExitSprite) throw std::runtime_error("fdassets.ast: assets out of their places");
    const std::string path = to.program + "fdassets.ast";
    Check(file.Write(path), path);
}

}  // namespace content
