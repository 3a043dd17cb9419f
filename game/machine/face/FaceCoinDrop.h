// The falling coins of a machine with a coin image: three hidden sprites of that image,
// shown by the coin drop at the slot point with the frame of the machine's denomination
// (its place among the machine's denominations, at most the last frame of sequence 0).
#pragma once
#include "CoinDrop.h"
#include "SpriteHandle.h"

class MachineScreen;

class FaceCoinDrop : public CoinSprites {
public:
    static const int32_t kDepth = 99;

    FaceCoinDrop(MachineScreen& screen, int denominationIndex);

    CoinDrop& Drop() { return drop_; }
    const SpriteHandle& Coin(int coin) const { return coins_[coin]; }

    void ShowCoin(int coin, int frame, int32_t x, int32_t y) override;
    void MoveCoin(int coin, int32_t dy) override;
    void HideCoin(int coin) override;

private:
    // Makes the sprites; answers the frame they show.
    int MakeCoins(MachineScreen& screen, int denominationIndex);

    SpriteHandle coins_[CoinDrop::kCoins];
    CoinDrop drop_;
};
