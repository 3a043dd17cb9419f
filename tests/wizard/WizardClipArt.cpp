#include "WizardClipArt.h"

#include <windows.h>

#include <cstdio>

#include "AssetBuilder.h"
#include "Quor2_5.h"
#include "Bitmap.h"
#include "StyleTables.h"

namespace {

// A bitmap file of the size, drawn by `draw` with GDI over a background colour.
template <typename Draw>
void WritePicture(const std::string& path, int width, int height, COLORREF background, Draw draw)
{
    Bitmap picture(width, height, 24, false);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, picture.Handle());
    HBRUSH fill = CreateSolidBrush(background);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, fill);
    DeleteObject(fill);
    draw(dc);
    GdiFlush();
    SelectObject(dc, old);
    DeleteDC(dc);
    picture.Save(path);
}

void Shape(HDC dc, COLORREF colour, bool ellipse, const RECT& r)
{
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old = SelectObject(dc, brush);
    if (ellipse)
        Ellipse(dc, r.left, r.top, r.right, r.bottom);
    else
        RoundRect(dc, r.left, r.top, r.right, r.bottom, 12, 12);
    SelectObject(dc, old);
    DeleteObject(brush);
}

void Polygon(HDC dc, COLORREF colour, std::initializer_list<POINT> points)
{
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old = SelectObject(dc, brush);
    const std::vector<POINT> p(points);
    ::Polygon(dc, p.data(), int(p.size()));
    SelectObject(dc, old);
    DeleteObject(brush);
}

void Label(HDC dc, const char* text, int height, COLORREF colour, RECT r)
{
    HFONT font = CreateFontA(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0,
                             "Arial");
    HGDIOBJ old = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    DrawTextA(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteObject(font);
}

// The seven symbols on white (their transparent colour): a seven, a bar, a bell, a
// diamond, a lemon, a cherry and a skull-grey spoiler.
void DrawSymbol(HDC dc, int slot)
{
    switch (slot) {
    case 0: Label(dc, "7", 60, RGB(210, 20, 30), RECT{0, 0, 64, 64}); break;
    case 1:
        Shape(dc, RGB(20, 20, 20), false, RECT{4, 20, 60, 44});
        Label(dc, "BAR", 18, RGB(255, 255, 255), RECT{4, 20, 60, 44});
        break;
    case 2: Polygon(dc, RGB(250, 200, 30), {{32, 6}, {48, 22}, {54, 50}, {10, 50}, {16, 22}}); break;
    case 3: Polygon(dc, RGB(40, 120, 230), {{32, 4}, {58, 28}, {32, 60}, {6, 28}}); break;
    case 4: Shape(dc, RGB(245, 230, 40), true, RECT{8, 14, 56, 50}); break;
    case 5:
        Shape(dc, RGB(200, 0, 30), true, RECT{6, 30, 30, 54});
        Shape(dc, RGB(220, 10, 40), true, RECT{32, 34, 56, 58});
        Polygon(dc, RGB(40, 140, 40), {{18, 32}, {36, 6}, {40, 8}, {22, 34}});
        break;
    default: Shape(dc, RGB(120, 120, 130), true, RECT{12, 12, 52, 52}); break;
    }
}

// A minimal PCM sound: 8-bit mono at 11025 Hz, 200 samples of a square wave.
void WriteWave(const std::string& path)
{
    std::string data(200, '\0');
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = char(i / 10 % 2 ? 0xC0 : 0x40);
    auto word = [](uint32_t v, int bytes) { return std::string(reinterpret_cast<const char*>(&v), bytes); };
    const std::string wave = "RIFF" + word(uint32_t(36 + data.size()), 4) + "WAVEfmt " + word(16, 4) + word(1, 2) +
                             word(1, 2) + word(11025, 4) + word(11025, 4) + word(1, 2) + word(8, 2) + "data" +
                             word(uint32_t(data.size()), 4) + data;
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(wave.data(), 1, wave.size(), f);
        std::fclose(f);
    }
}

std::string Slashed(std::string path)
{
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

}  // namespace

WizardClipArt::WizardClipArt()
{
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, here);
    folder_ = std::string(here) + "\\wizard_clipart_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    folders_.push_back(folder_);
    WriteBodies();
    WriteSmallParts();
    WriteArms();
    WriteGallery();
}

WizardClipArt::~WizardClipArt()
{
    for (const std::string& file : files_)
        DeleteFileA(file.c_str());
    for (auto it = folders_.rbegin(); it != folders_.rend(); ++it)
        RemoveDirectoryA(it->c_str());
}

// A body picture per style and layout: a cabinet in the style's colour with a dark reel
// window and a lighter panel above it where the award card goes.
void WizardClipArt::WriteBodies()
{
    const COLORREF colours[3] = {RGB(150, 30, 40), RGB(190, 150, 50), RGB(30, 140, 150)};
    for (std::size_t b = 0; b < GetMachineBodies().size(); ++b)
        for (const BodyLayout& layout : GetMachineBodies()[b].layouts) {
            const std::string path = folder_ + "\\" + Slashed(layout.bitmap.file);
            const std::string sub = path.substr(0, path.find_last_of('\\'));
            if (CreateDirectoryA(sub.c_str(), nullptr))
                folders_.push_back(sub);
            if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
                continue;
            WritePicture(path, 720, 720, colours[b], [&](HDC dc) {
                Shape(dc, RGB(30, 30, 36), false, RECT{110, 460, 480, 640});
                Shape(dc, RGB(60, 50, 70), false, RECT{30, 30, 490, 380});
                Shape(dc, RGB(230, 220, 200), false, RECT{590, 90, 700, 400});
            });
            files_.push_back(path);
        }
}

// Buttons, meters, coin and lights: small plain pictures; the blank symbol.
void WizardClipArt::WriteSmallParts()
{
    for (const std::string& file : StyleArtFiles()) {
        if (file.find(".ast") != std::string::npos)
            continue;
        const std::string path = folder_ + "\\" + Slashed(file);
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        for (std::string::size_type at = path.find('\\', folder_.size() + 1); at != std::string::npos;
             at = path.find('\\', at + 1))
            if (CreateDirectoryA(path.substr(0, at).c_str(), nullptr))
                folders_.push_back(path.substr(0, at));
        WritePicture(path, 48, 24, RGB(200, 200, 210), [](HDC) {});
        files_.push_back(path);
    }
    const std::string blank = folder_ + "\\BlankSym.bmp";
    WritePicture(blank, 64, 64, RGB(255, 255, 255), [](HDC) {});
    files_.push_back(blank);
}

// One lever picture, shown by sprites 2 to 130 so that every arm of the tables has its
// asset number.
void WizardClipArt::WriteArms()
{
    const std::string lever = folder_ + "\\lever.bmp";
    WritePicture(lever, 32, 120, RGB(255, 0, 255), [](HDC dc) {
        Shape(dc, RGB(180, 180, 190), false, RECT{12, 20, 20, 120});
        Shape(dc, RGB(220, 20, 20), true, RECT{2, 0, 30, 28});
    });
    files_.push_back(lever);
    AssetBuilder arms;
    for (int sprite = 2; sprite <= 130; ++sprite) {
        arms.BeginSprite();
        arms.BeginSequence();
        arms.AddFrame(lever, 1, 1, 1);
        arms.EndSequence();
        arms.EndSprite();
    }
    arms.Write(folder_ + "\\arms.ast", nullptr);
    files_.push_back(folder_ + "\\arms.ast");
}

// Two award backdrops (images 1 and 2), the seven symbol sprites, then six sounds.
void WizardClipArt::WriteGallery()
{
    AssetBuilder gallery;
    const COLORREF tops[2] = {RGB(90, 20, 120), RGB(10, 90, 50)};
    for (int b = 0; b < 2; ++b) {
        const std::string path = folder_ + "\\backdrop" + std::to_string(b) + ".bmp";
        WritePicture(path, 400, 300, tops[b], [b](HDC dc) {
            for (int i = 0; i < 12; ++i)
                Shape(dc, b ? RGB(20, 130, 70 + i * 8) : RGB(130 + i * 8, 40, 150), true,
                      RECT{200 - 300 + i * 25, 150 - 300 + i * 25, 200 + 300 - i * 25, 150 + 300 - i * 25});
        });
        files_.push_back(path);
        Bitmap picture;
        picture.LoadImageFile(path);
        picture.StretchInto(15);
        gallery.AddImage(picture, false);
    }
    std::vector<std::string> symbols;
    for (int slot = 0; slot < 7; ++slot) {
        const std::string path = folder_ + "\\symbol" + std::to_string(slot) + ".bmp";
        WritePicture(path, 64, 64, RGB(255, 255, 255), [slot](HDC dc) { DrawSymbol(dc, slot); });
        files_.push_back(path);
        symbols.push_back(path);
    }
    for (const std::string& path : symbols) {
        gallery.BeginSprite();
        gallery.BeginSequence();
        gallery.AddFrame(path, 1, 1, 1);
        gallery.EndSequence();
        gallery.EndSprite();
    }
    const std::string wave = folder_ + "\\tone.wav";
    WriteWave(wave);
    files_.push_back(wave);
    for (int s = 0; s < 6; ++s)
        gallery.AddWaveFile(wave);
    firstSymbol_ = int32_t(gallery.GetFirstSpriteIndex());
    firstSound_ = int32_t(gallery.GetFirstChunkIndex());
    gallery.Write(folder_ + "\\gallery.ast", nullptr);
    files_.push_back(folder_ + "\\gallery.ast");
}

WizardClipArt* ClipArtSuite::art_ = nullptr;

void ClipArtSuite::SetUpTestSuite()
{
    RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");  // "BMAP"
    art_ = new WizardClipArt;
}

void ClipArtSuite::TearDownTestSuite()
{
    delete art_;
    art_ = nullptr;
}
