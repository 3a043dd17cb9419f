#include "BodyArtText.h"

#include <sstream>

namespace {

// The parts every body shares, below and beside its reels.
const char kDenomination[] = "parts\\denom.bmp";
const char kLed[] = "parts\\led.bmp";
const char kCoin[] = "parts\\coin.bmp";
const char kCoinDrop[] = "parts\\coindrop.bmp";
const char kCoinLight[] = "parts\\coinlight.bmp";
const char kPayline[] = "parts\\payline.bmp";

std::string Art(const char* file)
{
    return std::string("\"$artpath\\") + file + "\"";
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

void WriteCoinAcceptor(std::ostringstream& out)
{
    WriteRegion(out, "gimmeCoins", 560, 440, 24, 56);
    WriteRegion(out, "changeDenom", 540, 520, 90, 30);
    WriteRegion(out, "gimmeBills", 540, 570, 100, 20);
    out << "    Animation aniDenom { { " << Art(kDenomination) << " } }\n";
    out << "    Indicator IDenom { aniDenom = 545, 524, 80 x 24 }\n";
    out << "    Coin { { { " << Art(kCoin) << " } Transparent } { { " << Art(kCoinDrop)
        << " } Transparent } = 560, 700 gimmeCoins changeDenom gimmeBills\n"
        << "$coinsound    IDenom }\n";
}

void WriteMeters(std::ostringstream& out)
{
    out << "    Animation LED { { " << Art(kLed) << " } }\n";
    out << "    Indicator Credit { LED = 122, 650, 120 x 24 }\n";
    out << "    Indicator Bet { LED = 262, 650, 48 x 24 }\n";
    out << "    Indicator WinnerPaid { LED = 330, 650, 120 x 24 }\n";
}

void WritePayLights(std::ostringstream& out, const std::vector<CoinLight>& coinLights)
{
    if (coinLights.empty()) {
        out << "    Indicator IPayline { " << Art(kPayline) << " = 100, 540 }\n";
        return;
    }
    for (const CoinLight& light : coinLights)
        out << "    Indicator " << light.name << " { " << Art(kCoinLight) << " = " << light.left
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
    WritePayLights(out, coinLights);
    return out.str();
}

std::vector<std::string> BodyArtFiles()
{
    return {kDenomination, kLed, kCoin, kCoinDrop, kCoinLight, kPayline};
}
