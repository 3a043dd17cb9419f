#include "CoinDrop.h"

void CoinDrop::StartCoin() {
    for (int coin = 0; coin < kCoins; ++coin) {
        Holder& holder = coins_[coin];
        if (!holder.free) continue;
        holder.free = false;
        holder.y = slotY_ - kStartHeight;
        sprites_->ShowCoin(coin, frame_, slotX_, holder.y);
        ++started_;
        ++inFlight_;
        fallSinceStart_ = 0;
        return;
    }
}

void CoinDrop::Move(int frames) {
    if (!sprites_) return;
    if (started_ != dropped_ && (inFlight_ == 0 || fallSinceStart_ >= kSpacing)) StartCoin();
    const int32_t step = kSpeed * frames;
    for (int coin = 0; coin < kCoins; ++coin) {
        Holder& holder = coins_[coin];
        if (holder.free) continue;
        holder.y += step;
        sprites_->MoveCoin(coin, step);
        if (holder.y > slotY_) {
            sprites_->HideCoin(coin);
            holder.free = true;
            --inFlight_;
        }
    }
    if (inFlight_ > 0) fallSinceStart_ += step;
}
