#include "ModelDump.h"

namespace {

std::string Join(const std::vector<std::string>& texts) {
    std::string out;
    for (const std::string& text : texts) out += "[" + text + "]";
    return out;
}

std::string PointText(const Point& p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

template <class Part, class Text>
void DumpKind(const std::map<std::string, SymbolRecord>& records, Part SymbolRecord::*part,
              const char* kind, Text text, const std::set<std::string>& deleted,
              ModelLines& lines) {
    for (const auto& entry : records) {
        const Part& p = entry.second.*part;
        if (!deleted.count(p.name)) lines[std::string(kind) + " " + p.name] = text(p);
    }
}

void DumpHeader(const MachineDescription& md, ModelLines& lines) {
    lines["title"] = md.GetTitle();
    lines["reels"] = std::to_string(md.GetReelCount()) + " x " + std::to_string(md.GetStopCount());
    lines["pay"] = std::to_string(md.GetPayLineCount()) + " lines, max bet " +
                   std::to_string(md.GetMaxBet()) + ", joker " + md.GetPayouts().joker +
                   ", mode " + std::to_string(static_cast<int>(md.GetPayouts().payoutMode));
    std::string denominations;
    for (const Money& m : md.GetDenominations()) denominations += std::to_string(m.Cents()) + " ";
    lines["denominations"] = denominations;
    lines["progressive"] = md.GetProgressive().indicator;
    lines["code"] = md.GetScriptCode();
    for (int32_t reel = 0; reel < md.GetReelCount(); ++reel)
        lines["strip " + std::to_string(reel)] = StripText(md.GetReelStrip(reel));
    for (const auto& symbol : md.GetReelSymbols())
        lines["symbol " + symbol.first] = SymbolText(symbol.second);
    const auto& payLines = md.GetPayouts().lines;
    for (size_t i = 0; i < payLines.size(); ++i)
        lines["payline " + std::to_string(i)] = PayLineText(payLines[i]);
}

void DumpScene(const MachineDescription& md, ModelLines& lines) {
    lines["backdrop"] = md.GetBackdropFile() + " #" + std::to_string(md.GetBackdropAsset());
    const auto& positions = md.GetReelPositions();
    for (size_t reel = 0; reel < positions.size(); ++reel)
        lines["reel position " + std::to_string(reel)] =
            RectText(positions[reel].rectangle) + " shadow " +
            std::to_string(positions[reel].outerDensity) + " " +
            std::to_string(positions[reel].innerDensity);
    lines["arm rect"] = RectText(md.GetArmRect());
    lines["arm picture"] = ReferenceText(md.GetArmAnimation());
    const CoinSettings coin = md.GetCoin();
    lines["coin picture"] = ReferenceText(coin.coin);
    lines["coin drop picture"] = ReferenceText(coin.coinDrop);
    lines["coin drop position"] = PointText(coin.dropPosition);
    lines["coin names"] = coin.insertionRegion + " " + coin.denominationRegion + " " +
                          coin.billRegion + " " + coin.denominationIndicator + " " + coin.sound;
}

}  // namespace

std::string RectText(const ScriptRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

std::string ReferenceText(const AnimationReference& r) {
    std::string out = "name=" + r.animationName + " files=";
    for (const auto& sequence : r.sequences) out += "{" + Join(sequence) + "}";
    return out + " scriptlets=" + Join(r.scriptlets) + " transparent=" +
           std::to_string(r.transparent) + " hotspot=" + std::to_string(r.horizontalHotSpot) +
           "," + std::to_string(r.verticalHotSpot) + " library=" + std::to_string(r.libraryAsset);
}

std::string ButtonText(const ButtonPart& b) {
    return ReferenceText(b.picture) + " rect=" + RectText(b.rectangle) + " priority=" +
           std::to_string(b.priority) + " key=" + std::to_string(b.hotKey) + "/" +
           std::to_string(b.hotKeyFlags) + " scriptlets=" + Join(b.scriptlets);
}

std::string IndicatorText(const IndicatorPart& i) {
    return ReferenceText(i.picture) + " rect=" + RectText(i.rectangle) + " priority=" +
           std::to_string(i.priority) + " digits=" + std::to_string(i.digits) + " dollar=" +
           std::to_string(i.dollarSign) + " scriptlets=" + Join(i.scriptlets);
}

std::string SoundText(const SoundPart& s) {
    return s.file + " #" + std::to_string(s.assetNumber) + " compressed=" +
           std::to_string(s.compressed);
}

std::string RegionText(const RegionPart& r) {
    std::string points;
    for (const Point& p : r.region.vertices) points += "(" + PointText(p) + ")";
    return std::to_string(r.region.originX) + "," + std::to_string(r.region.originY) + " " +
           points + " key=" + std::to_string(r.hotKey) + "/" + std::to_string(r.hotKeyFlags) +
           " scriptlets=" + Join(r.scriptlets);
}

std::string StripText(const ReelStrip& strip) {
    std::string out;
    for (const StripEntry& entry : strip) out += entry.symbol + "*" + std::to_string(entry.weight) + " ";
    return out;
}

// The definition index only says which span is the symbol's (the order in which the strips
// first name it), so a strip edit may change it; it is no value of the machine.
std::string SymbolText(const ReelSymbol& symbol) {
    return Join(symbol.files) + " #" + std::to_string(symbol.assetNumber);
}

std::string PayLineText(const ScriptPayTable::PayoutLine& line) {
    std::string out = "kind " + std::to_string(line.kind) + ":";
    for (const auto& item : line.items) out += " " + std::to_string(item.kind) + Join(item.symbols);
    out += " pays";
    for (const auto& payout : line.payouts)
        out += " " + std::to_string(payout.type) + "/" + payout.scriptlet + "/" +
               std::to_string(payout.amount);
    return out;
}

ModelLines DumpModel(const MachineDescription& md, const std::set<std::string>& deleted) {
    ModelLines lines;
    DumpHeader(md, lines);
    DumpScene(md, lines);
    DumpKind(md.GetAnimations(), &SymbolRecord::animation, "animation",
             [](const AnimationRecord& a) { return ReferenceText(a.reference); }, deleted, lines);
    DumpKind(md.GetButtons(), &SymbolRecord::button, "button", ButtonText, deleted, lines);
    DumpKind(md.GetIndicators(), &SymbolRecord::indicator, "indicator", IndicatorText, deleted,
             lines);
    DumpKind(md.GetSounds(), &SymbolRecord::sound, "sound", SoundText, deleted, lines);
    DumpKind(md.GetRegions(), &SymbolRecord::region, "region", RegionText, deleted, lines);
    return lines;
}

std::string DescribeDifferences(const ModelLines& expected, const ModelLines& actual) {
    std::string out;
    for (const auto& line : expected) {
        auto it = actual.find(line.first);
        if (it == actual.end())
            out += line.first + ": missing, expected " + line.second + "\n";
        else if (it->second != line.second)
            out += line.first + ":\n  expected " + line.second + "\n  actual   " + it->second + "\n";
    }
    for (const auto& line : actual)
        if (!expected.count(line.first)) out += line.first + ": unexpected " + line.second + "\n";
    return out;
}
