// The payout analyzer's grouped count beside the odometer that visits every combination
// of stops, on five-reel machines of 26 to 32 stops with 1, 3 and 5 pay lines. Each run
// checks that both give the same report and prints both times and their ratio.
#include <cstdio>
#include <random>
#include <string>

#include "BenchClock.h"
#include "GroupedCount.h"
#include "MessageList.h"
#include "OdometerCount.h"
#include "PayoutAnalyzer.h"
#include "PayoutReport.h"

namespace {

const char* const kSymbols[] = {"Seven", "Bar", "Bell", "Plum", "Cherry", "Lemon", "Orange", "Star"};

// What the compiler asks of a playable machine; the pictures need not exist.
std::string PlayableArt() {
    std::string art = "Art\n{\n    Backdrop \"bench.bmp\"\n";
    for (int reel = 0; reel < 5; ++reel)
        art += "    ReelPosition " + std::to_string(reel) + " = " + std::to_string(40 + 100 * reel) +
               ", 100, 90 x 270\n";
    for (const char* symbol : kSymbols) art += std::string("    Symbol ") + symbol + " \"sym.bmp\"\n";
    for (const char* button : {"BetOne", "BetMax", "CashOut", "Spin"})
        art += std::string("    Button ") + button + " { \"button.bmp\" = 0, 0 }\n";
    for (const char* indicator : {"Bet", "Credit", "WinnerPaid"})
        art += std::string("    Indicator ") + indicator + " { \"digits.bmp\" = 0, 0 }\n";
    return art + "}\n";
}

// Five reels of `stops` stops, random symbols and weights from 1 to 4, and a pay table
// of every kind of line, with a wild symbol and a scriptlet payout.
std::string MachineScript(int stops, int payLines, unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::string text = "Title \"Bench\"\nReels 5 " + std::to_string(stops) + "\n{\n";
    for (int reel = 0; reel < 5; ++reel) {
        text += "    Reel {";
        for (int stop = 0; stop < stops; ++stop)
            text += std::string(" ") + kSymbols[stop < 8 ? stop : pick(0, 7)] + " " +
                    std::to_string(pick(1, 4));
        text += " }\n";
    }
    text += "}\nPayLines " + std::to_string(payLines) + "\nMaxBet 5\nPayouts BestMatch\nJoker Star\n{\n"
            "    all Seven * 500\n"
            "    all Bar * \"Bonus()\"\n"
            "    BothWays Bell Bell Bell any any * 20\n"
            "    [Plum,Orange] [Plum,Orange] [Plum,Orange] [Plum,Orange] any * 12\n"
            "    any 4 Cherry * 8\n"
            "    [^Lemon] Lemon Lemon Lemon [^Lemon] 5, 10, 15, 20, 30\n"
            "    any 2 Cherry * 1\n"
            "}\n" + PlayableArt() + "function Bonus() { return 250; }\n";
    return text;
}

void Compare(int stops, int payLines) {
    const std::string path = "payout_bench.vsl";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    const std::string text = MachineScript(stops, payLines, 40u + stops);
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);

    MessageList messages;
    PayoutAnalyzer analyzer;
    if (!analyzer.Run(path, messages)) {
        std::printf("%s", messages.Joined().c_str());
        return;
    }
    const AnalyzedMachine& machine = analyzer.GetAnalyzedMachine();
    std::string grouped, odometer;
    const double groupedSeconds =
        SecondsPerCall([&] { grouped = WritePayoutReport(machine, CountByGroups(machine)); }, 1.0);
    const double start = Now();
    odometer = WritePayoutReport(machine, CountByOdometer(machine));
    const double odometerSeconds = Now() - start;
    std::remove(path.c_str());
    std::printf("5 reels x %2d stops, %d line%s: odometer %8.3f s, grouped %8.5f s, %6.0f times "
                "faster, reports %s\n",
                stops, payLines, payLines == 1 ? " " : "s", odometerSeconds, groupedSeconds,
                odometerSeconds / groupedSeconds, grouped == odometer ? "identical" : "DIFFER");
}

}  // namespace

int main() {
    for (int payLines : {1, 3, 5})
        for (int stops : {26, 32}) Compare(stops, payLines);
    return 0;
}
