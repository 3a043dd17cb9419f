#include "MachineChunkReader.h"

#include <algorithm>
#include <limits>
#include <string>

#include "ChunkCursor.h"
#include "MachineFileError.h"

namespace {

const uint32_t kHeaderWords = 60;
const size_t kTitleBytes = 128;
const size_t kNameBytes = 32;
const uint32_t kRecordWords = 17;
const uint32_t kReelRectWords = 6;
const uint32_t kDenominationBits = 0xFFFF;

// The header words the reader needs besides the title (h0 to h24; h12 and h13 unused).
struct HeaderWords {
    uint32_t h[28];
};

void Refuse(const std::string& reason) { throw MachineFileError(reason); }

// An asset number of the file: 1 to the asset count, or also 0 when `optional`.
uint32_t CheckAsset(int64_t asset, uint32_t assetCount, bool optional, const std::string& what) {
    if ((optional && asset == 0) || (asset >= 1 && asset <= int64_t(assetCount))) return uint32_t(asset);
    ChunkCursor::Damaged(what + " names asset " + std::to_string(asset) + " of a file with " +
                         std::to_string(assetCount) + " assets");
}

// A position among the indicator records, or -1 for none.
int32_t CheckIndicatorPosition(int32_t position, int32_t indicators, const char* what) {
    if (position < -1 || position >= indicators)
        ChunkCursor::Damaged(std::string(what) + " is indicator " + std::to_string(position) + " of " +
                             std::to_string(indicators));
    return position;
}

void CheckPlayable(const MachineRecords& m) {
    if (m.reelCount < 1) Refuse("The machine has no reels");
    if (m.stopCount < 1) Refuse("The machine's reels have no stops");
    if (m.symbolHeight < 1) Refuse("The machine's reel symbols have no height");
    if (m.symbolCount < 1) Refuse("The machine has no reel symbols");
    if (m.maxBet < 1) Refuse("The machine takes no bet");
    if (m.payLineCount < 0 || m.payLineCount > kMostMachinePayLines)
        Refuse("The machine has " + std::to_string(m.payLineCount) + " pay lines; at most " +
               std::to_string(kMostMachinePayLines) + " can be played");
    if ((m.denominationMask & kDenominationBits) == 0) Refuse("The machine accepts no denomination");
}

void ReadCoin(MachineRecords& m, const HeaderWords& w, uint32_t assets, int32_t indicators) {
    CoinAcceptor& c = m.coin;
    if (w.h[15] != 0) {
        c.coinImage = CheckAsset(w.h[15], assets, false, "The coin image");
        c.coinInRegion = CheckAsset(w.h[16], assets, true, "The coin-in region");
        c.denominationRegion = CheckAsset(w.h[17], assets, true, "The denomination region");
        c.coinInImage = CheckAsset(w.h[18], assets, true, "The coin-in image");
        c.billRegion = CheckAsset(w.h[23], assets, true, "The bill-acceptor region");
    }
    c.denominationIndicator = CheckIndicatorPosition(int32_t(w.h[19]), indicators, "The denomination indicator");
    c.slotX = int32_t(w.h[20]);
    c.slotY = int32_t(w.h[21]);
    c.coinSound = int32_t(w.h[22]) == -1 ? -1 : int32_t(CheckAsset(int32_t(w.h[22]), assets, false, "The coin sound"));
    m.progressiveIndicator = CheckIndicatorPosition(int32_t(w.h[24]), indicators, "The progressive indicator");
}

// The title and h0 to h27; answers the header length h0.
uint32_t ReadHeader(ChunkCursor& at, MachineRecords& m, HeaderWords& w, uint32_t assets) {
    at.Expect(1, kHeaderWords, "the header");
    m.title = at.Field(kTitleBytes, "the title");
    for (uint32_t& word : w.h) word = at.Word("the header");
    m.reelCount = int32_t(w.h[1]);
    m.stopCount = int32_t(w.h[2]);
    m.symbolCount = int32_t(w.h[3]);
    m.symbolWidth = int32_t(w.h[4]);
    m.symbolHeight = int32_t(w.h[5]);
    m.maxBet = int32_t(w.h[6]);
    m.payLineCount = int32_t(w.h[7]);
    m.denominationMask = w.h[14] & kDenominationBits;
    CheckPlayable(m);
    if (int32_t(w.h[8]) < 0) ChunkCursor::Damaged("the indicator count is below 0");
    if (int32_t(w.h[10]) < 0) ChunkCursor::Damaged("the element count is below 0");
    m.backdrop = CheckAsset(w.h[9], assets, false, "The backdrop");
    m.stripImage = CheckAsset(w.h[11], assets, false, "The reel-strip image");
    ReadCoin(m, w, assets, int32_t(w.h[8]));
    return w.h[0];
}

void ReadStrips(ChunkCursor& at, MachineRecords& m) {
    at.Expect(uint64_t(m.reelCount) * uint64_t(m.stopCount), 2, "the reel strips");
    m.strips.resize(size_t(m.reelCount));
    for (int32_t r = 0; r < m.reelCount; ++r) {
        ReelStripRecord& strip = m.strips[size_t(r)];
        strip.stops.resize(size_t(m.stopCount));
        for (StripStop& stop : strip.stops) {
            stop.symbol = at.Int("the reel strips");
            stop.weight = at.Int("the reel strips");
            if (stop.symbol < 0 || stop.symbol >= m.symbolCount)
                ChunkCursor::Damaged("reel " + std::to_string(r) + " shows symbol " + std::to_string(stop.symbol) +
                                     " of " + std::to_string(m.symbolCount));
            if (stop.weight < 0) ChunkCursor::Damaged("reel " + std::to_string(r) + " has a stop of weight below 0");
            strip.weightTotal += stop.weight;
        }
        if (strip.weightTotal == 0) Refuse("Every stop of reel " + std::to_string(r) + " has the weight 0");
        if (strip.weightTotal > std::numeric_limits<int32_t>::max())
            ChunkCursor::Damaged("the weights of reel " + std::to_string(r) + " add up past 2^31");
    }
}

std::vector<std::string> ReadScriptlets(ChunkCursor& at, uint32_t count) {
    at.Expect(count, 1, "the scriptlets");
    std::vector<std::string> scriptlets(count);
    for (std::string& s : scriptlets) s = at.ReadCountedString("a scriptlet");
    return scriptlets;
}

void ReadElements(ChunkCursor& at, MachineRecords& m, uint32_t count, uint32_t assets) {
    at.Expect(count, kRecordWords, "the element records");
    m.elements.resize(count);
    for (ElementRecord& e : m.elements) {
        e.name = at.Field(kNameBytes, "an element record");
        e.image = CheckAsset(at.Word("an element record"), assets, true, "The element " + e.name);
        const auto r = at.ReadRecord("an element record");
        e.rect = ChunkRect{r[0], r[1], r[2], r[3]};
        e.depth = int32_t(at.Word("an element record") & 0xFFFF);
        e.hotKey = at.Int("an element record");
        e.hotKeyFlags = at.Int("an element record");
        e.scriptlets = ReadScriptlets(at, at.Word("an element record"));
    }
}

void ReadReelRects(ChunkCursor& at, MachineRecords& m) {
    at.Expect(uint64_t(m.reelCount), kReelRectWords, "the reel rectangles");
    m.reels.resize(size_t(m.reelCount));
    for (size_t r = 0; r < m.reels.size(); ++r) {
        ReelRectRecord& reel = m.reels[r];
        const auto rect = at.ReadRecord("the reel rectangles");
        reel.rect = ChunkRect{rect[0], rect[1], rect[2], rect[3]};
        reel.innerShadow = at.Int("the reel rectangles");
        reel.outerShadow = at.Int("the reel rectangles");
        if (int64_t(reel.rect.right) - reel.rect.left < 1 || int64_t(reel.rect.bottom) - reel.rect.top < 1)
            Refuse("The window of reel " + std::to_string(r) + " is empty");
    }
    const int32_t window = m.reels[0].rect.bottom - m.reels[0].rect.top;
    m.visibleRows = VisibleReelRows(window, m.symbolHeight);
    m.stopOffset = CentreStopOffset(window, m.symbolHeight, m.stopCount);
}

void ReadIndicators(ChunkCursor& at, MachineRecords& m, uint32_t count, uint32_t assets) {
    at.Expect(count, kRecordWords, "the indicator records");
    m.indicators.resize(count);
    for (IndicatorRecord& i : m.indicators) {
        i.name = at.Field(kNameBytes, "an indicator record");
        i.image = CheckAsset(at.Word("an indicator record"), assets, true, "The indicator " + i.name);
        for (int32_t& s : i.settings) s = at.Int("an indicator record");
        i.scriptlets = ReadScriptlets(at, at.Word("an indicator record"));
    }
}

void ReadPayTable(ChunkCursor& at, MachineRecords& m) {
    const uint32_t* after = m.payTable.Unpack(at.Position(), at.End(), m.symbolCount);
    if (!after) ChunkCursor::Damaged("the pay table is not a valid pay table");
    at.MoveTo(after);
}

// The script file's line of every payout, as many as the pay table has. Machines built
// before the chunk carried them end before; their payouts' errors name no line.
void ReadPayoutLines(ChunkCursor& at, MachineRecords& m) {
    const uint32_t count = at.Word("the payouts' lines");
    size_t payouts = 0;
    for (const PayTable::PayoutLine& line : m.payTable.GetLines()) payouts += line.payouts.size();
    if (count != payouts)
        ChunkCursor::Damaged("the chunk gives the lines of " + std::to_string(count) + " payouts for " +
                             std::to_string(payouts));
    at.Expect(count, 1, "the payouts' lines");
    for (const PayTable::PayoutLine& line : m.payTable.GetLines()) {
        std::vector<int32_t> lines;
        for (size_t coin = 0; coin < line.payouts.size(); ++coin) lines.push_back(std::max(0, at.Int("the payouts' lines")));
        m.payoutLines.push_back(std::move(lines));
    }
}

std::vector<NamedAsset> ReadNameTable(ChunkCursor& at, uint32_t assets, const char* what) {
    const uint32_t count = at.Word(what);
    at.Expect(count, 2, what);
    std::vector<NamedAsset> table(count);
    for (NamedAsset& entry : table) {
        const int32_t asset = at.Int(what);
        entry.name = at.ReadCountedString(what);
        entry.asset = CheckAsset(asset, assets, true, "The name " + entry.name);
    }
    return table;
}

void ReadNames(ChunkCursor& at, MachineRecords& m, uint32_t assets) {
    m.animations = ReadNameTable(at, assets, "the animation names");
    m.sounds = ReadNameTable(at, assets, "the sound names");
    m.regions = ReadNameTable(at, assets, "the region names");
    at.Expect(uint64_t(m.symbolCount), 1, "the symbol names");
    m.symbolNames.resize(size_t(m.symbolCount));
    for (std::string& name : m.symbolNames) name = at.ReadCountedString("the symbol names");
    m.scriptCode = at.ReadCountedString("the script code");
    // Machines built before the chunk carried it end with the code; their code counts from line 1.
    if (at.Position() < at.End()) m.scriptCodeLine = std::max(1, at.Int("the script code's line"));
    if (at.Position() < at.End()) ReadPayoutLines(at, m);
}

}  // namespace

int32_t VisibleReelRows(int32_t windowHeight, int32_t symbolHeight) {
    return int32_t((int64_t(windowHeight) + symbolHeight - 1) / symbolHeight + 1);
}

int32_t CentreStopOffset(int32_t windowHeight, int32_t symbolHeight, int32_t stopCount) {
    const int64_t above = (int64_t(windowHeight) - symbolHeight) / 2 / symbolHeight;
    const int64_t offset = (int64_t(stopCount) - above - 1) % stopCount;
    return int32_t(offset < 0 ? offset + stopCount : offset);
}

MachineRecords ReadMachineChunk(const uint32_t* words, size_t wordCount, uint32_t assetCount) {
    MachineRecords m;
    HeaderWords header;
    ChunkCursor at(words, words + wordCount);
    const uint32_t headerLength = ReadHeader(at, m, header, assetCount);
    if (headerLength < kHeaderWords || headerLength > wordCount)
        ChunkCursor::Damaged("the header length " + std::to_string(headerLength) + " is outside the chunk");
    at.MoveTo(words + headerLength);
    ReadStrips(at, m);
    ReadElements(at, m, header.h[10], assetCount);
    ReadReelRects(at, m);
    ReadIndicators(at, m, header.h[8], assetCount);
    ReadPayTable(at, m);
    ReadNames(at, m, assetCount);
    return m;
}
