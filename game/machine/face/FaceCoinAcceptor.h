// The coin acceptor's regions joined to the machine's money: a click on the coin slot
// drops one coin, the bill acceptor buys coins through the "Add Coins" dialog, and the
// denomination region turns to the machine's next denomination.
#pragma once
#include "FaceRegions.h"
#include "MachineMoney.h"

class FaceElement;
class Window;

class FaceCoinAcceptor {
public:
    // The number of coins the dialog offers.
    static const uint32_t kOfferedCoins = 100;

    // owner: the window the dialog belongs to (null: none).
    FaceCoinAcceptor(FaceRegions& regions, MachineMoney& money, Window* owner);

    void OnCoinIn(FaceElement&);
    void OnAddCoins(FaceElement&);
    void OnChangeDenomination(FaceElement&);

private:
    MachineMoney& money_;
    Window* owner_;
};
