// The machine chunk: everything the machine screen needs from a machine file besides the
// pictures, sounds and region tables, packed into one raw chunk of type "vsl0" that is the
// file's last asset. All words are 32-bit little-endian; texts are packed texts.
//
// Layout: a fixed header of 60 words (title field of 128 bytes, then the counts, asset
// indices and coin and progressive settings), then the reel strips (symbol number and
// weight per stop), the button section, six words per reel position, the indicator
// section, the packed pay table, the animation, sound and region maps, the symbol names,
// the script code, the script file's line of the code, and last the count of the pay
// table's payouts followed by the script file's line of each (older machine files end
// after the code or after its line).
//
// Element records are 17 words: the name in 32 bytes, the sprite's asset index (0 for
// none), seven words that differ for buttons and indicators, and the scriptlet count; the
// scriptlets follow the record as packed texts.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "PayTable.h"
#include "ScriptRect.h"

const uint32_t kMachineChunkType = 0x306C7376u;  // "vsl0"
const uint32_t kChunkHeaderWords = 60;
const size_t kChunkTitleBytes = 128;
const size_t kElementNameBytes = 32;
const uint32_t kElementRecordWords = 17;

// One record of the button or indicator section, as stored.
struct ChunkElement {
    std::string name;          // at most 32 bytes; a longer one is refused
    uint32_t sprite = 0;       // asset index of the element's sprite; 0 for none
    ScriptRect rectangle;
    int32_t priority = 0;
    int32_t hotKey = 0;        // buttons: character code
    int32_t hotKeyFlags = 0;   // buttons: SHIFT 4, CTRL 2, ALT 1
    int32_t digits = 0;        // indicators
    bool dollarSign = false;   // indicators
    std::vector<std::string> scriptlets;
};

struct ReelStop {
    int32_t symbol = 0;
    int32_t weight = 0;
};

// The values of a machine chunk with every sprite, sound and region already turned into
// the asset index it has in the written file.
struct MachineChunk {
    std::string title;  // cut to 127 bytes when packed
    int32_t reelCount = 0;
    int32_t stopCount = 0;
    int32_t symbolWidth = 0;
    int32_t symbolHeight = 0;
    int32_t maxBet = 0;
    int32_t payLineCount = 0;
    uint32_t backdrop = 0;
    uint32_t symbolSprite = 0;
    int32_t soundCount = 0;
    int32_t regionCount = 0;
    uint32_t denominationMask = 0;
    uint32_t coinSprite = 0;
    uint32_t coinInRegion = 0;
    uint32_t denominationRegion = 0;
    uint32_t coinDropSprite = 0;
    int32_t denominationIndicator = -1;
    int32_t dropX = 0;
    int32_t dropY = 0;
    int32_t coinSound = -1;
    uint32_t billRegion = 0;
    int32_t progressiveIndicator = -1;
    int32_t progressiveInitial = 0;
    int32_t progressiveIncrement = 0;  // cents
    int32_t progressiveThird = 0;

    std::vector<ReelStop> stops;                 // reel by reel, reelCount x stopCount
    std::vector<ChunkElement> buttons;           // the whole button section in order
    std::vector<std::array<int32_t, 6>> reels;   // rectangle and two densities per reel
    std::vector<ChunkElement> indicators;
    PayTable payTable;
    std::map<std::string, int32_t> animations;   // stored values
    std::map<std::string, int32_t> sounds;
    std::map<std::string, int32_t> regions;
    std::vector<std::string> symbolNames;        // in symbol-number order
    std::string scriptCode;
    int32_t scriptCodeLine = 1;                  // the script file's line of the code's first line
    // The script file's line of every payout of the pay table, line by line and coin by coin
    // (0 where it is not known), so that an expression's error at play names it.
    std::vector<int32_t> payoutLines;
};

// An element name that does not fit the 32-byte name field.
class ElementNameTooLong : public std::length_error {
public:
    using std::length_error::length_error;
};

// Packed-text and map helpers over a growing word buffer; each writes at `position` and
// moves it past what it wrote.
void PackString(std::vector<uint32_t>& buffer, size_t& position, const std::string& text);
bool PackMap(std::vector<uint32_t>& buffer, size_t& position, const std::map<std::string, int32_t>& map,
             int32_t base);
uint32_t PackedMapSize(const std::map<std::string, int32_t>& map);
void PackRect(std::vector<uint32_t>& buffer, size_t& position, const ScriptRect& rect);

// The chunk's words. `afterHeader` (may be empty) runs once the fixed header is packed, so
// that a build can stop there. An element name longer than 32 bytes, which could no longer
// be told apart from another once cut, throws ElementNameTooLong naming it.
std::vector<uint32_t> PackMachineChunk(const MachineChunk& chunk,
                                       const std::function<void()>& afterHeader = {});
