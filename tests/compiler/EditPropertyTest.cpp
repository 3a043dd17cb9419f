// Random edit sessions on the example machine. After every edit the machine holds exactly
// what the edit gave and nothing else changed; the written script compiles to the same
// machine, also across saves (a write followed by DiscardPatches) within a session.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ModelDump.h"
#include "WriteTestHelpers.h"

namespace {

const std::vector<std::string> kPictures = {"pool_a.bmp", "pool_b.bmp", "pool_c.bmp"};
const std::vector<std::string> kSounds = {"pool_a.wav", "pool_b.wav", "orchard_chime.wav"};
const std::set<std::string> kRequired = {"BetMax", "BetOne", "CashOut", "Spin",
                                         "Bet",    "Credit", "WinnerPaid", "Jackpot"};

// An element as the session knows it: the name the symbol table keeps it under, the name
// it has now, and whether it is gone.
struct Element {
    SymbolKind kind;
    std::string key;
    std::string name;
    bool deleted = false;
};

class EditSession {
public:
    explicit EditSession(unsigned seed) : session_(), rng_(seed) {
        for (const auto& kind : {SymbolKind::Button, SymbolKind::Indicator, SymbolKind::Sound,
                                 SymbolKind::Region})
            for (const auto& record : Records(kind))
                elements_.push_back(Element{kind, record.first, record.first});
    }

    bool Compiled() const { return session_.md.IsCompiled(); }

    // One random edit; checks that it changed exactly what it was to change.
    void Step() {
        const ModelLines before = Dump();
        expected_ = before;
        loose_.clear();
        const size_t pick = Next(kEdits.size());
        log_ += std::string(kEdits[pick].first) + "; ";
        (this->*kEdits[pick].second)();
        const ModelLines after = Dump();
        for (const std::string& key : loose_) {
            if (after.count(key)) expected_[key] = after.at(key);
            else expected_.erase(key);
        }
        const std::string differences = DescribeDifferences(expected_, after);
        ASSERT_EQ(differences, "") << log_;
    }

    // Writes, compiles the written script and compares the machines; saving also discards
    // the patches, as the editor's save does.
    void CheckWritten(bool save) {
        auto again = session_.Recompiled();
        ASSERT_EQ(DescribeDifferences(Dump(), DumpModel(*again)), "") << log_;
        if (save) {
            session_.md.DiscardPatches(true);
            ASSERT_FALSE(session_.md.HasPatches());
            log_ += "save; ";
        }
    }

private:
    using Edit = std::pair<const char*, void (EditSession::*)()>;
    static const std::vector<Edit> kEdits;

    MachineDescription& Md() { return session_.md; }
    size_t Next(size_t n) { return n == 0 ? 0 : rng_() % n; }
    int32_t Range(int32_t low, int32_t high) {
        return low + static_cast<int32_t>(Next(static_cast<size_t>(high - low + 1)));
    }
    bool Coin() { return Next(2) == 0; }
    template <class T>
    const T& Pick(const std::vector<T>& from) { return from[Next(from.size())]; }

    ModelLines Dump() const {
        std::set<std::string> deleted;
        for (const Element& e : elements_)
            if (e.deleted) deleted.insert(e.name);
        return DumpModel(session_.md, deleted);
    }
    std::map<std::string, SymbolRecord> Records(SymbolKind kind) {
        switch (kind) {
        case SymbolKind::Button: return Md().GetButtons();
        case SymbolKind::Indicator: return Md().GetIndicators();
        case SymbolKind::Sound: return Md().GetSounds();
        default: return Md().GetRegions();
        }
    }
    // A live element of the kind; null when there is none.
    Element* PickElement(SymbolKind kind, bool editableName) {
        std::vector<Element*> live;
        for (Element& e : elements_)
            if (e.kind == kind && !e.deleted && !(editableName && kRequired.count(e.name)))
                live.push_back(&e);
        return live.empty() ? nullptr : Pick(live);
    }
    std::string NewName() { return "Made_" + std::to_string(++made_); }
    std::string SymbolName() { return Md().GetSymbol(static_cast<int32_t>(Next(5))); }

    AnimationReference Pictures(bool names, bool copyNamed, bool library) {
        AnimationReference r;
        if (names && Next(3) == 0) {
            const std::string name = Coin() ? "Glow" : "Lever";
            if (copyNamed) r = Md().GetAnimations().at(name).animation.reference;
            r.animationName = name;
            return r;
        }
        if (library && Next(3) == 0) {
            r.sequences = {{"pool_lib.ast"}};
            r.libraryAsset = Range(1, 8);
        } else {
            for (size_t s = 0, n = 1 + Next(2); s < n; ++s) {
                r.sequences.emplace_back();
                for (size_t f = 0, m = 1 + Next(3); f < m; ++f)
                    r.sequences.back().push_back(Pick(kPictures));
            }
        }
        r.transparent = Coin();
        r.horizontalHotSpot = Range(0, 2);
        r.verticalHotSpot = Range(0, 2);
        return r;
    }
    // Every picture of the pool is 20 by 12, so a placed element is that size.
    ScriptRect Placed() {
        const int32_t x = Range(0, 700), y = Range(0, 500);
        return ScriptRect{x, y, x + 20, y + 12};
    }
    int32_t Key() { return Next(3) == 0 ? 0 : Pick(std::vector<int32_t>{'a', 'q', ' ', '"', '7'}); }

    void Expect(const std::string& key, const std::string& line) { expected_[key] = line; }

    void EditBackdrop() {
        const std::string file = "back_" + std::to_string(Next(4)) + ".bmp";
        Md().SetBackdrop(file);
        Expect("backdrop", file + " #0");
    }
    void EditReelRect() {
        const int32_t reel = Range(0, 2);
        ReelPosition p = Md().GetReelPosition(reel);
        p.rectangle = ScriptRect{Range(0, 400), Range(0, 300), Range(401, 700), Range(301, 500)};
        Md().SetReelRect(reel, p.rectangle);
        Expect("reel position " + std::to_string(reel),
               RectText(p.rectangle) + " shadow " + std::to_string(p.outerDensity) + " " +
                   std::to_string(p.innerDensity));
    }
    void EditStrip() {
        const int32_t reel = Range(0, 2);
        ReelStrip strip = Md().GetReelStrip(reel);
        for (size_t n = 1 + Next(3); n > 0; --n) {
            StripEntry& entry = strip[Next(strip.size())];
            if (Coin()) entry.symbol = SymbolName();
            else entry.weight = Range(1, 4);
        }
        Md().SetReelStrip(reel, strip);
        Expect("strip " + std::to_string(reel), StripText(strip));
    }
    void EditSymbol() {
        const int32_t index = static_cast<int32_t>(Next(5));
        const std::string name = Md().GetSymbol(index);
        ReelSymbol symbol = Md().GetSymbolFile(name);
        symbol.files = {Pick(kPictures)};
        symbol.assetNumber = 0;
        if (Coin()) symbol.files.push_back(Pick(kPictures));
        else if (Coin()) symbol.assetNumber = Range(1, 5);
        Md().SetSymbol(index, symbol);
        Expect("symbol " + name, SymbolText(symbol));
    }
    void EditArm() {
        if (Coin()) {
            const ScriptRect rect = Placed();
            Md().SetArmRect(rect);
            Expect("arm rect", RectText(rect));
        } else {
            const AnimationReference r = Pictures(true, false, false);
            Md().SetArmAnimation(r);
            Expect("arm picture", ReferenceText(r));
        }
    }
    void EditCoin() {
        const AnimationReference r = Pictures(true, false, true);
        switch (Next(3)) {
        case 0: Md().SetCoinAnimation(r); Expect("coin picture", ReferenceText(r)); break;
        case 1: Md().SetCoinDropAnimation(r); Expect("coin drop picture", ReferenceText(r)); break;
        default: {
            const Point p{Range(-20, 700), Range(-20, 500)};
            Md().SetCoinDropPosition(p);
            Expect("coin drop position", std::to_string(p.x) + "," + std::to_string(p.y));
        }
        }
    }
    void EditAnimation() {
        const std::string name = Coin() ? "Glow" : "Lever";
        AnimationReference r = Pictures(false, false, false);
        Md().SetAnimationFiles(name, r);
        Expect("animation " + name, ReferenceText(r));
        // Buttons and Indicators that name it show its new pictures.
        for (const Element& e : elements_)
            if (e.kind == SymbolKind::Button || e.kind == SymbolKind::Indicator)
                loose_.insert(LineKey(e));
    }
    void EditButton() {
        Element* e = PickElement(SymbolKind::Button, false);
        ButtonPart b = Md().GetButtons().at(e->key).button;
        if (Coin()) b.picture = Pictures(true, true, false);
        if (Coin()) b.rectangle = Placed();
        if (Coin()) b.priority = Range(0, 300);
        if (Coin()) b.hotKey = Key();
        if (Coin()) b.hotKeyFlags = Range(0, 7);
        Md().SetButton(e->key, b);
        Expect("button " + e->name, ButtonText(b));
    }
    void EditIndicator() {
        Element* e = PickElement(SymbolKind::Indicator, false);
        IndicatorPart i = Md().GetIndicators().at(e->key).indicator;
        if (Coin()) {
            i.picture = Pictures(true, true, false);
            if (!kRequired.count(e->name) && Coin()) i.picture = AnimationReference();
        }
        if (Coin()) i.rectangle = ScriptRect{Range(0, 600), Range(0, 500), 0, 0};
        i.rectangle.right = std::max(i.rectangle.right, i.rectangle.left + Range(1, 200));
        i.rectangle.bottom = std::max(i.rectangle.bottom, i.rectangle.top + Range(1, 40));
        if (Coin()) i.digits = Range(1, 9);
        if (Coin()) i.priority = Range(0, 300);
        if (Coin()) i.dollarSign = Range(0, 1);
        Md().SetIndicator(e->key, i);
        Expect("indicator " + e->name, IndicatorText(i));
    }
    void EditSound() {
        Element* e = PickElement(SymbolKind::Sound, false);
        if (!e) return;
        SoundPart s = Md().GetSounds().at(e->key).sound;
        if (Coin()) s.file = Pick(kSounds);
        if (Coin()) s.assetNumber = Range(0, 3);
        if (Coin()) s.compressed = !s.compressed;
        Md().SetSound(e->key, s);
        Expect("sound " + e->name, SoundText(s));
    }
    std::vector<Point> Points() {
        std::vector<Point> points;
        for (size_t n = Next(7); n > 0; --n) points.push_back(Point{Range(-50, 50), Range(-50, 50)});
        return points;
    }
    void EditRegion() {
        Element* e = PickElement(SymbolKind::Region, false);
        if (!e) return;
        RegionPart r = Md().GetRegions().at(e->key).region;
        if (Coin()) {
            r.region.originX = Range(0, 700);
            r.region.originY = Range(0, 500);
        }
        if (Coin()) r.region.vertices = Points();
        else if (!r.region.vertices.empty() && Coin())
            r.region.vertices[Next(r.region.vertices.size())] = Point{Range(-9, 9), Range(-9, 9)};
        if (Coin()) r.hotKey = Key();
        if (Coin()) r.hotKeyFlags = Range(0, 7);
        Md().SetRegion(e->key, r);
        Expect("region " + e->name, RegionText(r));
    }
    ScriptPayTable::PatternItem Item(bool counted) {
        ScriptPayTable::PatternItem item;
        item.kind = counted ? 1 : (Coin() ? 0 : 2);
        for (size_t n = item.kind == 0 ? 1 + Next(2) : Next(3); n > 0; --n)
            item.symbols.push_back(SymbolName());
        return item;
    }
    void EditPattern(ScriptPayTable::PayoutLine& line, const PayoutLineSource& source) {
        if (!source.wholePatternFlag) {
            if (Coin()) line.kind = 1 - line.kind;
            else line.items[Next(line.items.size())] = Item(false);
            return;
        }
        line.kind = 0;
        const std::string symbol = SymbolName();
        switch (Next(3)) {
        case 0:
            line.items.assign(3, ScriptPayTable::PatternItem{0, {symbol}});
            break;
        case 1: {
            const size_t count = 1 + Next(3);
            line.items.assign(3, ScriptPayTable::PatternItem{2, {}});
            for (size_t i = 0; i < count; ++i) line.items[i] = {1, {symbol}};
            break;
        }
        default:
            line.kind = Range(0, 1);
            for (auto& item : line.items) item = Item(false);
        }
    }
    void EditPayouts() {
        ScriptPayTable table = Md().GetPayouts();
        const size_t index = Next(table.lines.size());
        ScriptPayTable::PayoutLine& line = table.lines[index];
        if (Coin()) EditPattern(line, table.sources[index]);
        auto payout = [&]() -> ScriptPayTable::Payout {
            if (Next(4) == 0) return {1, "Pay" + std::to_string(Next(9)) + "()", 0};
            return {0, "", Range(0, 5000)};
        };
        if (Coin()) {
            if (table.sources[index].wholePayoutFlag && Coin())
                for (auto& p : line.payouts) p = payout();
            else
                line.payouts[Next(line.payouts.size())] = payout();
        }
        Md().SetPayouts(table);
        Expect("payline " + std::to_string(index), PayLineText(line));
    }
    // An element that may lose its name: none that the machine needs.
    Element* PickNamed() {
        const SymbolKind kinds[] = {SymbolKind::Button, SymbolKind::Indicator, SymbolKind::Sound,
                                    SymbolKind::Region};
        return PickElement(kinds[Next(4)], true);
    }
    static std::string LineKey(const Element& e) {
        switch (e.kind) {
        case SymbolKind::Button: return "button " + e.name;
        case SymbolKind::Indicator: return "indicator " + e.name;
        case SymbolKind::Sound: return "sound " + e.name;
        default: return "region " + e.name;
        }
    }
    void Rename() {
        Element* e = PickNamed();
        if (!e) return;
        const std::string line = expected_.at(LineKey(*e));
        expected_.erase(LineKey(*e));
        const std::string oldName = e->name;
        e->name = NewName();
        ASSERT_TRUE(Md().RenameElement(e->key, e->name));
        Expect(LineKey(*e), line);
        RenameInCoinNames(oldName, e->name);
    }
    // The Coin statement's regions, denomination indicator and sound follow their renames.
    void RenameInCoinNames(const std::string& from, const std::string& to) {
        const auto found = expected_.find("coin names");
        if (found == expected_.end()) return;
        std::string renamed;
        size_t start = 0;
        for (;;) {
            const size_t blank = found->second.find(' ', start);
            const std::string word = found->second.substr(start, blank - start);
            renamed += word == from ? to : word;
            if (blank == std::string::npos) break;
            renamed += ' ';
            start = blank + 1;
        }
        found->second = renamed;
    }
    void Delete() {
        Element* e = PickNamed();
        if (!e || Md().CoinReferenceOf(e->key) >= 0) return;  // the editor refuses it
        Md().DeleteElement(e->key);
        e->deleted = true;
        expected_.erase(LineKey(*e));
    }
    void Define() {
        const std::string name = NewName();
        switch (Next(4)) {
        case 0: {
            ButtonPart b;
            b.picture = Pictures(true, true, false);
            b.rectangle = Placed();
            b.priority = Range(0, 300);
            b.hotKey = Key();
            b.hotKeyFlags = Range(0, 7);
            if (Coin()) b.scriptlets = {"OnClick=Tap()"};
            ASSERT_TRUE(Md().DefineButton(name, b));
            elements_.push_back(Element{SymbolKind::Button, name, name});
            Expect("button " + name, ButtonText(b));
            break;
        }
        case 1: {
            IndicatorPart i;
            if (Coin()) i.picture = Pictures(true, true, false);
            i.rectangle = ScriptRect{10, 20, 10 + Range(1, 90), 20 + Range(1, 30)};
            i.digits = Range(1, 9);
            i.dollarSign = Range(0, 1);
            if (Coin()) i.scriptlets = {"OnUpdate=Shown()"};
            ASSERT_TRUE(Md().DefineIndicator(name, i));
            elements_.push_back(Element{SymbolKind::Indicator, name, name});
            Expect("indicator " + name, IndicatorText(i));
            break;
        }
        case 2: {
            SoundPart s;
            s.file = Pick(kSounds);
            s.assetNumber = Range(0, 2);
            s.compressed = Coin();
            ASSERT_TRUE(Md().DefineSound(name, s));
            elements_.push_back(Element{SymbolKind::Sound, name, name});
            Expect("sound " + name, SoundText(s));
            break;
        }
        default: {
            RegionPart r;
            r.region.originX = Range(0, 700);
            r.region.originY = Range(0, 500);
            r.region.vertices = Points();
            r.hotKey = Key();
            r.hotKeyFlags = Range(0, 7);
            if (Coin()) r.scriptlets = {"OnClick=Tap()"};
            ASSERT_TRUE(Md().DefineRegion(name, r));
            elements_.push_back(Element{SymbolKind::Region, name, name});
            Expect("region " + name, RegionText(r));
        }
        }
    }

    ExampleSession session_;
    std::mt19937 rng_;
    std::vector<Element> elements_;
    ModelLines expected_;
    std::set<std::string> loose_;  // keys that may change as a consequence of the edit
    int made_ = 0;
    std::string log_;
};

const std::vector<EditSession::Edit> EditSession::kEdits = {
    {"backdrop", &EditSession::EditBackdrop},   {"reel rect", &EditSession::EditReelRect},
    {"strip", &EditSession::EditStrip},         {"symbol", &EditSession::EditSymbol},
    {"arm", &EditSession::EditArm},             {"coin", &EditSession::EditCoin},
    {"animation", &EditSession::EditAnimation}, {"button", &EditSession::EditButton},
    {"indicator", &EditSession::EditIndicator}, {"sound", &EditSession::EditSound},
    {"region", &EditSession::EditRegion},       {"payouts", &EditSession::EditPayouts},
    {"rename", &EditSession::Rename},           {"delete", &EditSession::Delete},
    {"define", &EditSession::Define}};

TEST(EditProperty, RandomSessionsWriteExactlyTheirEdits) {
    StandInFiles pool({"pool_a.bmp", "pool_b.bmp", "pool_c.bmp", "pool_a.wav", "pool_b.wav"});
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        EditSession session(seed);
        ASSERT_TRUE(session.Compiled());
        std::mt19937 shape(seed * 7919u);
        const int steps = 1 + static_cast<int>(shape() % 12);
        for (int step = 0; step < steps; ++step) {
            session.Step();
            if (::testing::Test::HasFatalFailure()) return;
            if (shape() % 5 == 0) session.CheckWritten(true);
            if (::testing::Test::HasFatalFailure()) return;
        }
        session.CheckWritten(false);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

}  // namespace
