// The asset file of the item and reel tests and of the items demo:
//   digit cells of 10 by 16 pixels, twelve sequences (blank, the digits 0-9, "$") of three
//   frames each, and the same without the "$";
//   the lamp: a blank and a lit sequence of one frame;
//   the strip: one 40 by 40 symbol per sequence;
//   the animation: one sequence of four frames of 40 by 40.
// Every picture is one flat colour that names it: red (5 bits) = 2 x sequence + 1, green
// = 8 x frame + 4 and blue = 6 x the picture's family, so a pixel read back from the
// screen says which sequence and frame is shown there.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "SprtAssetBuilder.h"
#include "TempAssetFile.h"

class ItemAssets {
public:
    static constexpr uint32_t kSprtType = 0x54525053u, kBmapType = 0x50414D42u;
    enum Family { kDigitFamily = 1, kLampFamily = 2, kStripFamily = 3, kAnimationFamily = 4, kPlainDigitFamily = 5 };
    static constexpr int kSymbols = 8, kSymbolSize = 40;

    // The 15-bit colour of a picture, and the colour the screen shows for it.
    static uint16_t Colour(int family, int sequence, int frame) {
        return uint16_t((2 * sequence + 1) << 10 | (8 * frame + 4) << 5 | (family * 6));
    }
    static COLORREF ScreenColour(int family, int sequence, int frame) {
        const uint16_t c = Colour(family, sequence, frame);
        auto wide = [](int five) { return (five << 3) | (five >> 2); };
        return RGB(wide(c >> 10 & 31), wide(c >> 5 & 31), wide(c & 31));
    }

    // Writes the file into the temporary folder; its path.
    std::string Write(const char* stem) {
        AssetFileBuilder b;
        AddFamily(b, digitSprt, kDigitFamily, 12, 3, 10, 16);
        AddFamily(b, plainDigitSprt, kPlainDigitFamily, 11, 3, 10, 16);
        AddFamily(b, lampSprt, kLampFamily, 2, 1, 10, 10);
        AddFamily(b, stripSprt, kStripFamily, kSymbols, 1, kSymbolSize, kSymbolSize);
        AddFamily(b, animationSprt, kAnimationFamily, 1, 4, kSymbolSize, kSymbolSize);
        return WriteTempAssetFile(b.Build(), stem);
    }

    // Asset numbers in the file.
    uint32_t digitSprt = 0, plainDigitSprt = 0, lampSprt = 0, stripSprt = 0, animationSprt = 0;

private:
    // One SPRT of `sequences` x `frames` pictures of the size, each a flat colour.
    void AddFamily(AssetFileBuilder& b, uint32_t& sprt, int family, int sequences, int frames, uint16_t w, uint16_t h) {
        sprt = next_++;
        SprtAssetBuilder s;
        for (int q = 0; q < sequences; ++q) {
            std::vector<uint32_t> list;
            for (int f = 0; f < frames; ++f) {
                SprtFrameSpec frame;
                frame.picture = next_ + uint32_t(q * frames + f);
                list.push_back(uint32_t(q * frames + f));
                s.Frame(frame);
            }
            s.Sequence(list);
        }
        b.Add(kSprtType, s.BuildData());
        for (int q = 0; q < sequences; ++q)
            for (int f = 0; f < frames; ++f) b.Add(kBmapType, SolidPictureData(w, h, Colour(family, q, f), 0));
        next_ += uint32_t(sequences * frames);
    }

    uint32_t next_ = 1;
};
