#include "PlayerRoster.h"

#include <windows.h>

#include "PlayerDate.h"
#include "ProductKey.h"
#include "RegKey.h"

namespace {
std::string ValueName(int slot, const char* field) { return "Player" + std::to_string(slot + 1) + field; }
}  // namespace

PlayerRoster& PlayerRoster::Instance() {
    static PlayerRoster roster;
    return roster;
}

PlayerRoster::PlayerRoster() {
    for (int slot = 0; slot < kPlayers; ++slot) Load(slot);
    for (int slot = 0; slot < kPlayers; ++slot)
        if (records_[slot].IsActive()) current_ = slot;
}

PlayerRoster::~PlayerRoster() {
    for (int slot = 0; slot < kPlayers; ++slot) Save(slot);
}

void PlayerRoster::Load(int slot) {
    if (slot < 0 || slot >= kPlayers) return;
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath("FrontDesk"));
    if (key.Open() != ERROR_SUCCESS) {
        if (key.Create() == ERROR_SUCCESS) {
            const DWORD today = TodayAsPlayerDate();
            for (int s = 0; s < kPlayers; ++s) {
                key.SetString(ValueName(s, "Name").c_str(), "Player " + std::to_string(s + 1));
                key.SetDword(ValueName(s, "Cash").c_str(), 1000000);
                key.SetDword(ValueName(s, "Credit").c_str(), 0);
                key.SetDword(ValueName(s, "Date").c_str(), today);
                key.SetDword(ValueName(s, "Active").c_str(), 0);
            }
        }
        key.Close();
        key.Open();
    }
    PlayerRecord& record = records_[slot];
    record.SetName(key.QueryString(ValueName(slot, "Name").c_str(), ""));
    record.SetCash(Money(int32_t(key.QueryDword(ValueName(slot, "Cash").c_str(), 0))));
    record.SetCredit(Money(int32_t(key.QueryDword(ValueName(slot, "Credit").c_str(), 0))));
    record.SetDate(key.QueryDword(ValueName(slot, "Date").c_str(), 0));
    record.SetActive(int32_t(key.QueryDword(ValueName(slot, "Active").c_str(), 0)) > 0);
}

void PlayerRoster::Save(int slot) {
    if (slot < 0 || slot >= kPlayers) return;
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath("FrontDesk"));
    if (key.Open() != ERROR_SUCCESS && key.Create() != ERROR_SUCCESS) return;
    const PlayerRecord& record = records_[slot];
    key.SetString(ValueName(slot, "Name").c_str(), record.GetFullName());
    key.SetDword(ValueName(slot, "Cash").c_str(), DWORD(record.GetCash().Cents()));
    key.SetDword(ValueName(slot, "Credit").c_str(), DWORD(record.GetCredit().Cents()));
    key.SetDword(ValueName(slot, "Date").c_str(), record.GetDate());
    key.SetDword(ValueName(slot, "Active").c_str(), record.IsActive() ? 1 : 0);
}

PlayerRecord* PlayerRoster::Current() { return current_ >= 0 && current_ < kPlayers ? &records_[current_] : nullptr; }
const PlayerRecord* PlayerRoster::Current() const {
    return current_ >= 0 && current_ < kPlayers ? &records_[current_] : nullptr;
}

Money PlayerRoster::GetCash() const {
    const PlayerRecord* record = Current();
    return record ? record->GetCash() : Money();
}

void PlayerRoster::SetCash(const Money& m) {
    if (PlayerRecord* record = Current()) record->SetCash(m);
}

void PlayerRoster::AddCash(const Money& m) {
    if (PlayerRecord* record = Current()) record->AddCash(m);
}

std::string PlayerRoster::GetFullName() const {
    const PlayerRecord* record = Current();
    return record ? record->GetFullName() : std::string();
}
