// Coins dropped into a machine's slot, falling as up to three sprites, 5 pixels a frame
// over the last 60 pixels above the slot, each at least 15 pixels behind the one before.
// Moved on the engine's frame thread; the user-interface thread only counts coins in.
#pragma once
#include <atomic>
#include <cstdint>

// The three coin sprites.
class CoinSprites {
public:
    virtual ~CoinSprites() = default;
    // Shows the coin with the frame at (x, y).
    virtual void ShowCoin(int coin, int frame, int32_t x, int32_t y) = 0;
    virtual void MoveCoin(int coin, int32_t dy) = 0;
    virtual void HideCoin(int coin) = 0;
};

class CoinDrop {
public:
    static const int kCoins = 3;
    static const int32_t kStartHeight = 60;
    static const int32_t kSpeed = 5;
    static const int32_t kSpacing = 15;

    // Without sprites the coins are counted and never shown.
    CoinDrop(CoinSprites* sprites, int32_t slotX, int32_t slotY, int frame)
        : sprites_(sprites), slotX_(slotX), slotY_(slotY), frame_(frame) {}

    // A coin went in (user-interface thread).
    void CountCoin() { ++dropped_; }
    // One step of `frames` frames (frame thread).
    void Move(int frames);

    uint32_t Dropped() const { return dropped_; }
    uint32_t Started() const { return started_; }
    int InFlight() const { return inFlight_; }

private:
    struct Holder {
        bool free = true;
        int32_t y = 0;
    };

    void StartCoin();

    CoinSprites* sprites_;
    int32_t slotX_, slotY_;
    int frame_;
    std::atomic<uint32_t> dropped_{0};
    uint32_t started_ = 0;
    int inFlight_ = 0;
    int32_t fallSinceStart_ = 0;
    Holder coins_[kCoins];
};
