#include "FaceCoinDrop.h"

#include <algorithm>

#include "MachineScreen.h"
#include "Quor2_5.h"
#include "SpriteDesc.h"
#include "SpriteQueries.h"

FaceCoinDrop::FaceCoinDrop(MachineScreen& screen, int denominationIndex)
    : drop_(this, screen.Records().coin.slotX, screen.Records().coin.slotY, MakeCoins(screen, denominationIndex)) {}

int FaceCoinDrop::MakeCoins(MachineScreen& screen, int denominationIndex) {
    const uint32_t image = screen.File().Asset(screen.Records().coin.coinImage);
    for (SpriteHandle& coin : coins_) CreateAnimSpriteAt(screen.GetStage(), coin, image, 0, 0, kDepth, false);
    const int lastFrame = int(GetSpriteFrameCount(coins_[0], 0)) - 1;
    return std::max(0, std::min(denominationIndex, lastFrame));
}

void FaceCoinDrop::ShowCoin(int coin, int frame, int32_t x, int32_t y) {
    const SpriteHandle& sprite = coins_[coin];
    AnimateSprite(sprite.Get(), 0, uint32_t(frame), 0);
    PlaceHeldSprite(sprite, POINT{x, y}, kDepth);
    MakeSpriteVisible(sprite.Get(), 1);
}

void FaceCoinDrop::MoveCoin(int coin, int32_t dy) {
    const int16_t deltas[4] = {0, int16_t(dy), 0, 0};
    MoveSprite(coins_[coin].Get(), deltas);
}

void FaceCoinDrop::HideCoin(int coin) { MakeSpriteVisible(coins_[coin].Get(), 0); }
