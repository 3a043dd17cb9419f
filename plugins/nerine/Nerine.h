// NERINE.DLL, the award-card generator: draws a machine's pay table (its name, the pay
// lines, each paying symbol's picture and amounts, the cherries and the group) on a
// background and hands the card back as a DIB section. Its one entry point is
// `_GenerateAwardCard@52`.
#pragma once
#include <windows.h>

#include <cstdint>

// An image as it crosses to and from the generator.
struct AwardImage {
    uint32_t kind;  // low three bits: 0 8 bits with colours, 2 15 bits, 3 16 bits, 4 24 bits; bit 3 transparent
    HBITMAP bitmap;
    BITMAPINFO* info;
    void* pixels;
    RECT rect;
    COLORREF transparent;
};

constexpr uint32_t kAwardKindMask = 7;
constexpr uint32_t kAwardTransparent = 8;

// One paying symbol: its picture and its amounts (what the words mean depends on the
// symbol: see the card's rows), and for the jackpot symbol whether it is wild.
struct AwardCardRecord {
    AwardImage* image;
    int32_t amounts[4];
    int32_t wild;
};

constexpr int kAwardRecords = 6;  // Sym0 to Sym4, Cherry
constexpr int32_t kAwardProgressEnd = 2000;

// Called as the card is drawn with values from 0 to 2000.
typedef void(__cdecl* AwardCardProgressFn)(int32_t value, void* context);

typedef int32_t(__stdcall* GenerateAwardCardEntry)(AwardImage* output, const char* name, int32_t reels,
                                                    int32_t maxBet, int32_t payLines, AwardImage* background,
                                                    const char* fontName, AwardCardRecord* records,
                                                    int32_t cherry, int32_t groupPayout, const char* groupName,
                                                    AwardCardProgressFn progress, void* context);
