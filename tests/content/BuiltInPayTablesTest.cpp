// The pay tables of the machines we ship, read from their scripts as the compiler reads
// them: a line that every result of another line also satisfies pays less than that line
// on every bet, or the richer line would never be the one paid (a payout that the script
// computes is left out of the comparison); no line is one that a script-computed payout
// always wins over; and the award card says which symbol is wild.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "AwardCardLines.h"
#include "MachineScript.h"

namespace {

const std::string kMachines = VSL_BUILT_IN_MACHINES "/";

// Every machine script of the folder, by file name.
std::vector<std::string> MachineScripts() {
    std::vector<std::string> names;
    if (DIR* folder = opendir(kMachines.c_str())) {
        while (const dirent* entry = readdir(folder)) {
            const std::string file = entry->d_name;
            if (file.size() > 4 && file.compare(file.size() - 4, 4, ".txt") == 0) names.push_back(file);
        }
        closedir(folder);
    }
    std::sort(names.begin(), names.end());
    return names;
}

using Item = ScriptPayTable::PatternItem;
using Line = ScriptPayTable::PayoutLine;

// How far a result has come towards one line, reel by reel: the count of the symbol an
// "any count" line counts, or whether every reel so far fits a per-reel line.
struct Progress {
    int count = 0;
    bool fits = true;
    bool operator<(const Progress& o) const { return count != o.count ? count < o.count : fits < o.fits; }
};

bool Listed(const Item& item, const std::string& symbol) {
    return std::find(item.symbols.begin(), item.symbols.end(), symbol) != item.symbols.end();
}

bool IsCounted(const Line& line) { return !line.items.empty() && line.items[0].kind == 1; }

size_t CountedRun(const Line& line) {
    size_t run = 0;
    while (run < line.items.size() && line.items[run].kind == 1) ++run;
    return run;
}

// The line's progress after reel `reel` shows `symbol`, the joker standing in as the
// matcher lets it.
Progress Step(const Line& line, const std::string& joker, size_t reel, const std::string& symbol, Progress p) {
    const bool wild = !joker.empty() && symbol == joker;
    if (IsCounted(line)) {
        if (!line.items[0].symbols.empty() && (symbol == line.items[0].symbols[0] || wild)) ++p.count;
        return p;
    }
    if (reel >= line.items.size()) return p;
    const Item& item = line.items[reel];
    if (item.kind == 0) p.fits = p.fits && (wild || Listed(item, symbol));
    else if (item.kind == 2) p.fits = p.fits && !Listed(item, symbol);
    else if (item.kind != 1) p.fits = false;
    return p;
}

bool Pays(const Line& line, size_t reels, const Progress& p) {
    if (IsCounted(line)) return !line.items[0].symbols.empty() && size_t(p.count) >= CountedRun(line);
    return line.items.size() <= reels && p.fits;
}

struct Machine {
    ScriptPayTable table;
    std::vector<std::set<std::string>> reels;  // the symbols each reel can show
    std::vector<std::string> symbols;          // the machine's, in its order
    int maxBet = 0;
    bool progressive = false;                  // the machine has a progressive jackpot
};

// Whether some result pays `a` and not `b` (`b` empty: whether any result pays `a`),
// walking the reels with every pair of progresses a result can reach.
bool SomeResultPaysOnly(const Machine& m, const Line& a, const Line* b) {
    std::set<std::pair<Progress, Progress>> reached{{Progress{}, Progress{}}};
    for (size_t reel = 0; reel < m.reels.size(); ++reel) {
        std::set<std::pair<Progress, Progress>> next;
        for (const auto& [pa, pb] : reached)
            for (const std::string& symbol : m.reels[reel])
                next.insert({Step(a, m.table.joker, reel, symbol, pa),
                             b ? Step(*b, m.table.joker, reel, symbol, pb) : pb});
        reached.swap(next);
    }
    for (const auto& [pa, pb] : reached)
        if (Pays(a, m.reels.size(), pa) && !(b && Pays(*b, m.reels.size(), pb))) return true;
    return false;
}

// What a line pays for `coins` coins.
int32_t PayFor(const Line& line, int coins) {
    return size_t(coins) > line.payouts.size() ? 0 : line.payouts[size_t(coins) - 1].amount;
}

// A payout that its script computes cannot be weighed against an amount.
bool PaysByScript(const Line& line) {
    return std::any_of(line.payouts.begin(), line.payouts.end(), [](const auto& p) { return p.type != 0; });
}

Machine Compiled(const std::string& file) {
    MachineScript script;
    script.Compile(kMachines + file, nullptr, nullptr);
    Machine m;
    m.table = script.GetPayouts();
    m.maxBet = script.GetMaxBet();
    m.progressive = !script.GetProgressive().indicator.empty();
    for (int32_t symbol = 0; symbol < script.GetSymbolCount(); ++symbol) m.symbols.push_back(script.GetSymbol(symbol));
    for (int32_t reel = 0; reel < script.GetReelCount(); ++reel) {
        std::set<std::string> shown;
        for (const StripEntry& stop : script.GetReelStrip(reel))
            if (stop.weight > 0) shown.insert(stop.symbol);
        m.reels.push_back(shown);
    }
    return m;
}

std::string Describe(const Machine& m, size_t line) {
    std::string text = "line " + std::to_string(line + 1) + " (";
    for (const Item& item : m.table.lines[line].items) {
        text += item.kind == 1 ? "any:" : item.kind == 2 ? "but:" : "";
        for (const std::string& s : item.symbols) text += s + ",";
        text += " ";
    }
    return text + ")";
}

TEST(BuiltInPayTables, ALineThatImpliesAnotherPaysMoreOnEveryBet) {
    const std::vector<std::string> scripts = MachineScripts();
    ASSERT_GE(scripts.size(), size_t(22)) << kMachines;
    for (const std::string& file : scripts) {
        SCOPED_TRACE(file);
        const Machine m = Compiled(file);
        if (m.table.lines.empty()) continue;
        for (size_t i = 0; i < m.table.lines.size(); ++i) {
            const Line& a = m.table.lines[i];
            ASSERT_EQ(a.kind, 0) << "read one way only, as the check reads them";
            EXPECT_TRUE(SomeResultPaysOnly(m, a, nullptr)) << Describe(m, i) << " can never pay";
            for (size_t j = 0; j < m.table.lines.size(); ++j) {
                if (i == j || PaysByScript(a) || PaysByScript(m.table.lines[j])) continue;
                if (SomeResultPaysOnly(m, a, &m.table.lines[j])) continue;
                for (int coins = 1; coins <= m.maxBet; ++coins)
                    EXPECT_GT(PayFor(a, coins), PayFor(m.table.lines[j], coins))
                        << Describe(m, i) << " implies " << Describe(m, j) << ", bet " << coins;
            }
        }
    }
}

// Whether the matcher pays `scripted` before `line` for `coins` coins whenever both are
// made: the first script-computed payout of a forward reading wins over every amount, and
// over every later line.
bool ScriptWinsOver(const Line& scripted, size_t scriptedAt, const Line& line, size_t lineAt, int coins) {
    if (size_t(coins) > scripted.payouts.size() || scripted.payouts[size_t(coins) - 1].type == 0) return false;
    const bool lineScripted = size_t(coins) <= line.payouts.size() && line.payouts[size_t(coins) - 1].type != 0;
    return !lineScripted || scriptedAt < lineAt;
}

// A line every result of which also makes a line with a script-computed payout that wins
// over it is never the line paid, whatever the card says it pays.
TEST(BuiltInPayTables, NoLineIsAlwaysBeatenByAScriptComputedPayout) {
    for (const std::string& file : MachineScripts()) {
        SCOPED_TRACE(file);
        const Machine m = Compiled(file);
        for (size_t i = 0; i < m.table.lines.size(); ++i)
            for (size_t j = 0; j < m.table.lines.size(); ++j) {
                const Line &a = m.table.lines[i], &b = m.table.lines[j];
                if (i == j || SomeResultPaysOnly(m, a, &b)) continue;
                for (int coins = 1; coins <= m.maxBet; ++coins)
                    EXPECT_FALSE(ScriptWinsOver(b, j, a, i, coins))
                        << Describe(m, i) << " is never paid: every result of it makes " << Describe(m, j)
                        << ", whose script-computed payout wins, bet " << coins;
            }
    }
}

// What a payout computed by the script pays here: the generator asks the script engine.
int32_t Scripted(const std::string&, int coins) { return 1000 + coins; }

// The lines of the machine's award card, as the generator draws them.
std::vector<content::CardLine> CardOf(const Machine& m) {
    return content::AwardCardLines(m.table, m.symbols, int(m.reels.size()), m.maxBet, Scripted);
}

TEST(BuiltInPayTables, EveryCardOfAMachineWithAWildSymbolSaysItIsWild) {
    for (const std::string& file : MachineScripts()) {
        SCOPED_TRACE(file);
        const Machine m = Compiled(file);
        if (m.table.lines.empty()) continue;
        const std::vector<content::CardLine> card = CardOf(m);
        const auto says = std::count_if(card.begin(), card.end(), [&](const content::CardLine& line) {
            return line.symbols == std::vector<std::string>{m.table.joker} && line.after == "IS WILD" &&
                   line.amounts.empty();
        });
        EXPECT_EQ(says, m.table.joker.empty() ? 0 : 1) << "joker \"" << m.table.joker << "\"";
        EXPECT_EQ(card.size(), m.table.lines.size() + (m.table.joker.empty() ? 0 : 1));
    }
}

// A reel of "any symbol but these" shows on the card the symbols it takes, not the ones it
// refuses; and where the wild stands in on none of a line's reels, the card shows it struck
// out after the line's symbols. Foxfire Grove's three lanterns take no fox.
TEST(BuiltInPayTables, ACardLineShowsTheSymbolsItTakesAndTheWildItDoesNot) {
    for (const std::string& file : MachineScripts()) {
        SCOPED_TRACE(file);
        const Machine m = Compiled(file);
        if (m.table.lines.empty()) continue;
        const std::vector<content::CardLine> card = CardOf(m);
        ASSERT_GE(card.size(), m.table.lines.size());
        for (size_t i = 0; i < m.table.lines.size(); ++i) {
            bool standsIn = false;
            for (const Item& item : m.table.lines[i].items) {
                standsIn = standsIn || item.kind != 2 || !Listed(item, m.table.joker);
                for (const std::string& shown : card[i].symbols)
                    EXPECT_FALSE(item.kind == 2 && Listed(item, shown)) << Describe(m, i) << " shows " << shown;
            }
            EXPECT_EQ(card[i].without, m.table.joker.empty() || standsIn ? "" : m.table.joker) << Describe(m, i);
        }
        if (file != "foxfire.txt") continue;
        EXPECT_EQ(card[1].symbols, std::vector<std::string>(3, "Lantern"));
        EXPECT_EQ(card[1].without, "Fox");
        EXPECT_EQ(card[1].amounts, (std::vector<std::string>{"1001", "1002", "1003"})) << "what the script pays";
        EXPECT_EQ(card[0].symbols, std::vector<std::string>(3, "Fox"));
        EXPECT_EQ(card[0].amounts, (std::vector<std::string>{"100", "200", "400"}));
        EXPECT_FALSE(content::MiddleBetsPayPerCoin(card)) << "the lanterns pay 2 coins less than twice 1 coin";
    }
}

// A payout its script computes from the progressive meter: the jackpot.
bool PaysTheJackpot(const ScriptPayTable::Payout& payout) {
    return payout.type != 0 && payout.scriptlet.find("machine.Progressive") != std::string::npos;
}

// A machine with a progressive jackpot pays it where its help says, on the top line at the
// maximum bet and nowhere else; the card shows "JACKPOT" there, in the column of that bet,
// and amounts in the others.
TEST(BuiltInPayTables, TheCardOfAProgressiveSaysWhichLineWinsTheJackpotAndOnWhatBet) {
    int progressives = 0;
    for (const std::string& file : MachineScripts()) {
        SCOPED_TRACE(file);
        const Machine m = Compiled(file);
        if (!m.progressive || m.table.lines.empty()) continue;
        ++progressives;
        for (size_t i = 0; i < m.table.lines.size(); ++i) {
            const auto& payouts = m.table.lines[i].payouts;
            ASSERT_EQ(payouts.size(), size_t(m.maxBet));
            for (int coins = 1; coins <= m.maxBet; ++coins)
                EXPECT_EQ(PaysTheJackpot(payouts[size_t(coins) - 1]), i == 0 && coins == m.maxBet)
                    << Describe(m, i) << ", bet " << coins;
        }
        const std::vector<content::CardLine> card = CardOf(m);
        ASSERT_EQ(card[0].amounts.size(), size_t(m.maxBet)) << "a column for every bet";
        for (int coins = 1; coins < m.maxBet; ++coins)
            EXPECT_EQ(card[0].amounts[size_t(coins) - 1], std::to_string(m.table.lines[0].payouts[size_t(coins) - 1].amount))
                << "bet " << coins;
        EXPECT_EQ(card[0].amounts.back(), "JACKPOT") << "the column of the maximum bet";
        for (size_t i = 1; i < card.size(); ++i)
            for (const std::string& amount : card[i].amounts) EXPECT_NE(amount, "JACKPOT") << Describe(m, i);
    }
    EXPECT_EQ(progressives, 1) << "Classic Progressive";
}

}  // namespace
