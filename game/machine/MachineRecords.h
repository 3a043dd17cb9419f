// A machine as its machine file's machine chunk describes it, read back into plain data:
// geometry, reel strips, the element, reel and indicator records, the pay table, the named
// assets, the symbol names and the script code. Asset numbers here are the 1-based
// numbers inside the machine file (0 = none); the machine file turns them into engine
// handles. The reels, the face items and the script host read these records.
#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "PayTable.h"

// One stop of a reel strip: the symbol number shown there and the stop's weight.
struct StripStop {
    int32_t symbol = 0;
    int32_t weight = 0;
};

// One reel's strip, S stops, with the total of its weights (above 0 for a loaded machine).
struct ReelStripRecord {
    std::vector<StripStop> stops;
    int64_t weightTotal = 0;
};

// A rectangle as the chunk stores it: left, top, right, bottom.
struct ChunkRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// A button (or the arm) of the machine's face: the element record and its scriptlets
// (event name, "=", code).
struct ElementRecord {
    std::string name;
    uint32_t image = 0;
    ChunkRect rect;
    int32_t depth = 0;  // low 16 bits of the stored word
    int32_t hotKey = 0;
    int32_t hotKeyFlags = 0;
    std::vector<std::string> scriptlets;
};

// An indicator: its name, image and the settings the indicator display takes (the seven
// words between the image and the scriptlet count, as stored), with its scriptlets.
struct IndicatorRecord {
    std::string name;
    uint32_t image = 0;
    std::array<int32_t, 7> settings{};
    std::vector<std::string> scriptlets;

    // The settings by meaning: digit count, rectangle, depth, dollar sign flag.
    int32_t Digits() const { return settings[0]; }
    ChunkRect Rect() const { return ChunkRect{settings[1], settings[2], settings[3], settings[4]}; }
    int32_t Depth() const { return settings[5]; }
    bool DollarSign() const { return settings[6] != 0; }
};

// Where a reel shows its symbols and how dark its shadows are.
struct ReelRectRecord {
    ChunkRect rect;
    int32_t innerShadow = 0;
    int32_t outerShadow = 0;
};

// One entry of a name table: a name and the asset number it stands for (0 = none).
struct NamedAsset {
    std::string name;
    uint32_t asset = 0;
};

// The coin acceptor's assets and places; all asset numbers are 0 without a coin image.
struct CoinAcceptor {
    uint32_t coinImage = 0;
    uint32_t coinInRegion = 0;
    uint32_t denominationRegion = 0;
    uint32_t coinInImage = 0;
    uint32_t billRegion = 0;
    int32_t slotX = 0, slotY = 0;
    int32_t coinSound = -1;           // asset number, -1 = none
    int32_t denominationIndicator = -1;  // position among the indicator records
};

struct MachineRecords {
    std::string title;
    int32_t reelCount = 0;
    int32_t stopCount = 0;
    int32_t symbolCount = 0;
    int32_t symbolWidth = 0;
    int32_t symbolHeight = 0;
    int32_t maxBet = 0;
    int32_t payLineCount = 0;
    uint32_t backdrop = 0;
    uint32_t stripImage = 0;
    uint32_t denominationMask = 0;
    CoinAcceptor coin;
    int32_t progressiveIndicator = -1;  // position among the indicator records

    std::vector<ReelStripRecord> strips;       // one per reel
    std::vector<ElementRecord> elements;       // in chunk order
    std::vector<ReelRectRecord> reels;         // one per reel
    std::vector<IndicatorRecord> indicators;   // in chunk order
    PayTable payTable;
    std::vector<NamedAsset> animations;        // first name table
    std::vector<NamedAsset> sounds;            // second name table
    std::vector<NamedAsset> regions;           // region outlines ('regn' assets)
    std::vector<std::string> symbolNames;      // by symbol number
    std::string scriptCode;
    int32_t scriptCodeLine = 1;                // the script file's line of the code's first line
    // Per pay table line, per coin count: the script file's line of the payout (empty for
    // machines built before the chunk carried them; 0 where the line is not known).
    std::vector<std::vector<int32_t>> payoutLines;

    // Rows of symbols a reel window shows, and the stop at the window's centre line for
    // reel position 0 (both from the first reel's window and the symbol height).
    int32_t visibleRows = 0;
    int32_t stopOffset = 0;

    // The element record of the name (the last one of the name wins), or null.
    const ElementRecord* FindElement(const std::string& name) const;
    // Every asset number the records name, in record order (0 and -1 left out).
    std::vector<uint32_t> ReferencedAssets() const;
};
