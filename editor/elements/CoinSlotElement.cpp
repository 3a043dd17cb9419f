#include "CoinSlotElement.h"

#include "MachineScript.h"

bool CoinSlotElement::Setup(const CoinSettings& coin, AnimationSet* coinSet, AnimationSet* dropSet,
                            const SpriteParent& parent) {
    if (!coinSet || !dropSet) return false;
    coin_ = coin;
    SetPlace(coin.dropPosition);
    LinkedRecord& coinRecord = AddRecord(coin.coin, coinSet);
    AddRecord(coin.coinDrop, dropSet);
    SetBounds(coinRecord.PictureRect());
    SetDisplayText("Coin Slot");
    RegionElement::Setup(parent, "Coin Slot");
    modified_ = false;
    return true;
}

bool CoinSlotElement::IsModified() {
    if (GetRecords().empty()) return false;
    for (const auto& record : GetRecords())
        if (record->changed) return true;
    return IsMoved();
}

void CoinSlotElement::Commit(MachineScript& script) {
    if (GetRecords().empty()) return;
    LinkedRecord& coinRecord = *GetRecords()[0];
    LinkedRecord& dropRecord = *GetRecords()[1];
    // A record that names an Animation is written by that animation's own entry.
    if (coinRecord.changed && coinRecord.record.animationName.empty()) {
        coinRecord.set.Get()->Save(coinRecord.record);
        script.SetCoinAnimation(coinRecord.record);
    }
    if (dropRecord.changed && dropRecord.record.animationName.empty()) {
        dropRecord.set.Get()->Save(dropRecord.record);
        script.SetCoinDropAnimation(dropRecord.record);
    }
    coinRecord.changed = dropRecord.changed = false;
    if (IsMoved()) script.SetCoinDropPosition(GetDropPosition());
    MoveAndRenameWritten();
}
