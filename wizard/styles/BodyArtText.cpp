#include "BodyArtText.h"

#include <sstream>
#include <string>
#include <vector>

#include "BodyParts.h"

namespace {

// The parts every body shares, below and beside its reels. An indicator shows its
// picture's first sequence when blank (or, for a lamp, when off), then one sequence per
// digit (the denomination window: per denomination; a lamp: on), one file each.
const char kCoin[] = "parts\\coin.bmp";
const char kCoinDrop[] = "parts\\coindrop.bmp";
const int kDenominationLabels = 5;  // the denominations the machines take
// Where the coin drops, from the acceptor's top left: the 32 x 32 coin on edge centred on
// the slot (x + 30 to x + 50, y + 14 to y + 64).
const int kCoinSlotX = 24, kCoinSlotY = 23;

std::vector<std::string> Sequence(const std::string& stem, int count)
{
    std::vector<std::string> files = {stem + "_blank.bmp"};
    for (int i = 0; i < count; ++i)
        files.push_back(stem + "_" + std::to_string(i) + ".bmp");
    return files;
}

std::vector<std::string> LedFiles() { return Sequence("parts\\led", 10); }
std::vector<std::string> DenominationFiles() { return Sequence("parts\\denom", kDenominationLabels); }
std::vector<std::string> CoinLightFiles() { return {"parts\\coinlight_off.bmp", "parts\\coinlight_on.bmp"}; }
std::vector<std::string> PaylineFiles() { return {"parts\\payline_off.bmp", "parts\\payline.bmp"}; }

std::string Art(const std::string& file)
{
    return "\"$artpath\\" + file + "\"";
}

// An Animation of one single-file sequence per file.
void WriteAnimation(std::ostringstream& out, const char* name, const std::vector<std::string>& files,
                    bool transparent = false)
{
    out << "    Animation " << name << " {";
    for (const std::string& file : files)
        out << " { " << Art(file) << " }";
    out << (transparent ? " Transparent }\n" : " }\n");
}

void WriteRegion(std::ostringstream& out, const char* name, int x, int y, int w, int h)
{
    out << "    Region " << name << " { " << x << ", " << y << " { (0,0) (" << w << ",0) (" << w
        << "," << h << ") (0," << h << ") } }\n";
}

void WriteReels(std::ostringstream& out, const std::vector<ReelPlacement>& reels)
{
    for (std::size_t i = 0; i < reels.size(); ++i)
        out << "    ReelPosition " << i << " = " << reels[i].left << " , " << reels[i].top << " , "
            << reels[i].width << " x " << reels[i].height << " Shadow 80 40\n";
}

// The regions, the denomination window and the coin's slot, on the coin acceptor.
void WriteCoinAcceptor(std::ostringstream& out)
{
    const int x = kCoinAcceptor.left, y = kCoinAcceptor.top;
    WriteRegion(out, "gimmeCoins", x + 28, y + 10, 24, 56);
    WriteRegion(out, "changeDenom", x + 8, y + 90, 90, 30);
    WriteRegion(out, "gimmeBills", x + 8, y + 140, 100, 20);
    WriteAnimation(out, "aniDenom", DenominationFiles());
    out << "    Indicator IDenom { aniDenom = " << x + 13 << ", " << y + 94 << ", 80 x 24 }\n";
    // The coin drops into the acceptor's slot, its picture on edge in the slot's middle: the
    // whole fall and the coin at rest stand inside the body.
    out << "    Coin { { { " << Art(kCoin) << " } Transparent } { { " << Art(kCoinDrop)
        << " } Transparent } = " << x + kCoinSlotX << ", " << y + kCoinSlotY
        << " gimmeCoins changeDenom gimmeBills\n"
        << "$coinsound    IDenom }\n";
}

void WriteMeters(std::ostringstream& out)
{
    WriteAnimation(out, "LED", LedFiles());
    out << "    Indicator Credit { LED = 122, 650, 120 x 24 }\n";
    out << "    Indicator Bet { LED = 262, 650, 48 x 24 }\n";
    out << "    Indicator WinnerPaid { LED = 330, 650, 120 x 24 }\n";
}

void WritePayLights(std::ostringstream& out, const std::vector<ReelPlacement>& reels,
                    const std::vector<CoinLight>& coinLights)
{
    if (coinLights.empty()) {
        const PartBox lamp = PaylineLampBox(ReelWindowBox(reels));
        WriteAnimation(out, "aniPayline", PaylineFiles(), true);
        out << "    Indicator IPayline { aniPayline = " << lamp.left << ", " << lamp.top << " }\n";
        return;
    }
    WriteAnimation(out, "aniCoinLight", CoinLightFiles());
    for (const CoinLight& light : coinLights)
        out << "    Indicator " << light.name << " { aniCoinLight = " << light.left
            << ", " << light.top << ", " << light.right - light.left << " x "
            << light.bottom - light.top << " }\n";
}

}  // namespace

std::string BodyArtText(const std::vector<ReelPlacement>& reels,
                        const std::vector<CoinLight>& coinLights)
{
    std::ostringstream out;
    WriteReels(out, reels);
    WriteCoinAcceptor(out);
    WriteMeters(out);
    WritePayLights(out, reels, coinLights);
    return out.str();
}

std::vector<std::string> BodyArtFiles()
{
    std::vector<std::string> files = {kCoin, kCoinDrop};
    for (const auto& group : {DenominationFiles(), LedFiles(), CoinLightFiles(), PaylineFiles()})
        files.insert(files.end(), group.begin(), group.end());
    return files;
}
