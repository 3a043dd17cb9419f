#include "PlayerRoster.h"

PlayerRoster::PlayerRoster(PlayerStore& store) : store_(store) {
    for (int slot = 0; slot < kPlayers; ++slot) Load(slot);
    for (int slot = 0; slot < kPlayers; ++slot)
        if (records_[slot].IsActive()) current_ = slot;
    for (int slot = 0; slot < kPlayers; ++slot) ReclaimHeld(slot);
}

PlayerRoster::~PlayerRoster() {
    for (int slot = 0; slot < kPlayers; ++slot) Save(slot);
}

void PlayerRoster::Load(int slot) {
    if (IsSlot(slot)) store_.Load(slot, records_[slot]);
}

bool PlayerRoster::Save(int slot) {
    if (!IsSlot(slot)) return false;
    PlayerRecord& record = records_[slot];
    if (!record.IsInUse() && !record.GetFirstName().empty()) record.SetDate(store_.Today());
    return Report(StoreMoney(slot) && store_.Save(slot, record), slot);
}

void PlayerRoster::ReclaimHeld(int slot) {
    Money held, cash;
    if (!store_.TakeHeld(slot, held, cash)) return;
    PlayerRecord& record = records_[slot];
    const auto total = CheckedSum(cash, held);
    record.SetCash(total ? *total : Money(INT32_MAX));
    Report(StoreMoney(slot), slot);
}

bool PlayerRoster::StoreMoney(int slot) {
    const Money held = slot == current_ ? held_ : Money();
    return store_.SaveMoney(slot, records_[slot], held);
}

bool PlayerRoster::Report(bool stored, int slot) {
    if (!stored && reporter_)
        reporter_("The money of player " + std::to_string(slot + 1) +
                  " could not be saved. It is kept while the program runs.");
    return stored;
}

PlayerRecord* PlayerRoster::Current() { return IsSlot(current_) ? &records_[current_] : nullptr; }
const PlayerRecord* PlayerRoster::Current() const { return IsSlot(current_) ? &records_[current_] : nullptr; }

Money PlayerRoster::GetCash() const {
    const PlayerRecord* record = Current();
    return record ? record->GetCash() : Money();
}

bool PlayerRoster::SetCash(const Money& m) {
    PlayerRecord* record = Current();
    if (!record) return false;
    record->SetCash(m);
    Report(StoreMoney(current_), current_);
    return true;
}

bool PlayerRoster::AddCash(const Money& m) { return Exchange(m, held_); }

bool PlayerRoster::Exchange(const Money& toCash, const Money& held) {
    PlayerRecord* record = Current();
    if (!record || !record->AddCash(toCash)) return false;
    held_ = held;
    Report(StoreMoney(current_), current_);
    return true;
}

bool PlayerRoster::SetHeld(const Money& held) { return Exchange(Money(), held); }

std::string PlayerRoster::GetFullName() const {
    const PlayerRecord* record = Current();
    return record ? record->GetFullName() : std::string();
}

bool PlayerRoster::Borrow(int slot, const Money& m) {
    if (!IsSlot(slot) || !records_[slot].Borrow(m)) return false;
    Report(StoreMoney(slot), slot);
    return true;
}

bool PlayerRoster::Repay(int slot, const Money& m) {
    if (!IsSlot(slot) || !records_[slot].Repay(m)) return false;
    Report(StoreMoney(slot), slot);
    return true;
}

bool PlayerRoster::DeletePlayer(int slot) {
    if (!IsSlot(slot)) return false;
    const bool wasCurrent = slot == current_;
    if (wasCurrent) {
        current_ = -1;
        held_ = Money();
    }
    records_[slot].Clear();
    const bool stored = Report(StoreMoney(slot) && store_.Save(slot, records_[slot]), slot);
    if (wasCurrent) listeners_.NotifyAll(int32_t(current_));
    return stored;
}

void PlayerRoster::SetCurrentIndex(int index) {
    current_ = index;
    listeners_.NotifyAll(int32_t(current_));
}

int PlayerRoster::BeginPlay() {
    if (Current() && Current()->IsInUse()) return current_;
    int chosen = -1;
    for (int slot = 0; slot < kPlayers; ++slot)
        if (records_[slot].IsInUse() && records_[slot].IsActive()) chosen = slot;
    for (int slot = 0; slot < kPlayers && chosen < 0; ++slot)
        if (records_[slot].IsInUse()) chosen = slot;
    if (chosen < 0) {
        chosen = 0;
        records_[0].SetName("Player 1");
        records_[0].SetDate(store_.Today());
    }
    for (int slot = 0; slot < kPlayers; ++slot) records_[slot].SetActive(slot == chosen);
    current_ = chosen;
    for (int slot = 0; slot < kPlayers; ++slot) Save(slot);
    listeners_.NotifyAll(int32_t(current_));
    return current_;
}
