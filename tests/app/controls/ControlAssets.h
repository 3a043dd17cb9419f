// An asset file for the sprite control tests, opened in the engine: a font of simple
// block glyphs, a caret, a check box with its five frames and blank label pictures, with
// a window, its element host and a stage to put them on.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "ControlPictures.h"
#include "ElementHost.h"
#include "ImageRecord.h"
#include "Quor2_5.h"
#include "SpriteFont.h"
#include "SpriteParent.h"
#include "SpriteRecords.h"
#include "Window.h"

// The test font: glyph i (in code order) is a block of level i + 1, 4 by 8 pixels at
// (8 i, 0), advance 5, ascent 6, descent 2. Exceptions: 'W' is 7 wide and reaches one
// pixel left of its pen, '~' two; the cent sign (162) has a glyph, no other character
// above 127 has one; 'q' has none at all.
class BlockFont {
public:
    BlockFont() {
        for (int32_t c = 32; c <= 126; ++c)
            if (c != 'q') Add(c);
        Add(162);
    }
    void Add(int32_t c) {
        const int32_t i = int32_t(glyphs.size());
        const int32_t width = c == 'W' ? 7 : 4;
        const int32_t x = 8 * i;
        const int32_t xOffset = c == 'W' ? 1 : c == '~' ? 2 : 0;
        glyphs.push_back(GlyphRecord{c, x, 0, x + width, 8, xOffset, 6, 5, 6, 2});
    }
    // The level a glyph's block has.
    uint8_t LevelOf(int32_t c) const {
        for (size_t i = 0; i < glyphs.size(); ++i)
            if (glyphs[i].code == c) return uint8_t(i + 1);
        return 0;
    }
    uint16_t PictureWidth() const { return uint16_t(8 * glyphs.size()); }
    std::vector<uint8_t> Picture() const {
        const uint16_t w = PictureWidth();
        std::vector<uint8_t> pixels(size_t(w) * 8, 0);
        for (size_t i = 0; i < glyphs.size(); ++i)
            for (int32_t y = 0; y < 8; ++y)
                for (int32_t x = glyphs[i].left; x < glyphs[i].right; ++x) pixels[size_t(y) * w + size_t(x)] = uint8_t(i + 1);
        return LevelPictureData(w, 8, pixels);
    }
    std::vector<GlyphRecord> glyphs;
};

class ControlAssets : public ::testing::Test {
protected:
    static const uint32_t kFontSprt = 1, kCaretSprt = 3, kBoxSprt = 5, kFirstLabel = 11;
    static const uint16_t kLabelWidth = 60, kLabelHeight = 8;
    static const int kLabels = 4;

    void SetUp() override {
        AssetFileBuilder b;
        b.Add(kSprtType, FramesOf(2, 1)).Add(kBmapType, font_.Picture());
        b.Add(kSprtType, FramesOf(4, 1)).Add(kBmapType, SolidPictureData(2, 10, 0x7FFF, 0));
        b.Add(kSprtType, FramesOf(6, 5));
        for (uint16_t i = 0; i < 5; ++i) b.Add(kBmapType, SolidPictureData(12, 12, uint16_t(0x1000 + i), 0));
        // Label pictures start full of 0x55: creating a label clears its picture.
        for (uint32_t i = 0; i < kLabels; ++i) {
            b.Add(kSprtType, FramesOf(kFirstLabel + 2 * i + 1, 1));
            b.Add(kBmapType, LevelPictureData(kLabelWidth, kLabelHeight,
                                              std::vector<uint8_t>(kLabelWidth * kLabelHeight, 0x55)));
        }
        path_ = WriteTempAssetFile(b.Build(), "vsl_controls");
        file_ = OpenAssetFile(path_.c_str());
        ASSERT_NE(file_, -1);
        stage_.stage = CreateStage(7);
        ASSERT_NE(stage_.stage, 0);
        window_.SetStyle(WS_POPUP | WS_VISIBLE);
        window_.SetRect(RECT{20, 20, 420, 320});
        ASSERT_EQ(1, window_.Create(nullptr));
        window_.Attach(static_cast<MessageTarget*>(&host_));
        host_.SetOwnerWindow(&window_);
        host_.SetRootElement(&root_);
        SetShift(false);
    }
    void TearDown() override {
        SetShift(false);
        window_.Detach();
        Sleep(100);  // deleted sprites leave their slots at the end of the frame
        DeleteStage(stage_.stage);
        stage_.stage = 0;
        CloseAssetFile(uint32_t(file_));
        DeleteFileA(path_.c_str());
    }
    uint32_t Asset(uint32_t index) const { return uint32_t(file_) | index; }
    uint32_t Label(int i) const { return Asset(kFirstLabel + 2 * uint32_t(i)); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(window_.GetHandle(), message, wParam, lParam);
    }
    void Key(WPARAM key) { Send(WM_KEYDOWN, key, 1); }
    void Type(const std::string& text) {
        for (char c : text) Send(WM_CHAR, WPARAM(uint8_t(c)), 1);
    }
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    static void SetShift(bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        keys[VK_CONTROL] = keys[VK_MENU] = 0;
        SetKeyboardState(keys);
    }

    BlockFont font_;
    std::string path_;
    int32_t file_ = -1;
    StageParent stage_;
    CameraParent root_;
    Window window_;
    ElementHost host_;
};

// A level picture's pixel, and the frame an image sprite shows.
inline uint8_t PixelOf(const void* picture, int x, int y) {
    return quor::PixelsOf(picture)[size_t(y) * quor::RowBytes(quor::HeaderOf(picture)->width, 1) + size_t(x)];
}
inline uint32_t FrameOf(int32_t sprite) {
    return reinterpret_cast<const QuorImageBlock*>(uintptr_t(Examined(sprite).extra))->frame;
}
