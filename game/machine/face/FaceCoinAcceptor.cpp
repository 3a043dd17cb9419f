#include "FaceCoinAcceptor.h"

#include "ActionCallback.h"
#include "AddCoinsDialog.h"

FaceCoinAcceptor::FaceCoinAcceptor(FaceRegions& regions, MachineMoney& money, Window* owner)
    : money_(money), owner_(owner) {
    using Action = ActionCallback<FaceCoinAcceptor>;
    regions.Bind(CoinRegion::CoinIn, new Action(this, &FaceCoinAcceptor::OnCoinIn));
    regions.Bind(CoinRegion::BillAcceptor, new Action(this, &FaceCoinAcceptor::OnAddCoins));
    regions.Bind(CoinRegion::Denomination, new Action(this, &FaceCoinAcceptor::OnChangeDenomination));
}

void FaceCoinAcceptor::OnCoinIn(FaceElement&) { money_.OnCoinIn(); }

void FaceCoinAcceptor::OnAddCoins(FaceElement&) {
    AddCoinsDialog dialog(kOfferedCoins);
    if (dialog.DoModal(owner_) == IDOK) money_.AddCoins(dialog.GetCoins());
}

void FaceCoinAcceptor::OnChangeDenomination(FaceElement&) { money_.OnChangeDenomination(); }
