#include "RegistryPlayerStore.h"

#include <windows.h>

#include <vector>

#include "PlayerDate.h"
#include "PlayerRoster.h"
#include "ProductKey.h"
#include "RegKey.h"

namespace {
std::string ValueName(int slot, const char* field) { return "Player" + std::to_string(slot + 1) + field; }

std::string FrontDeskPath() { return MakeSectionPath("FrontDesk"); }

// Opens the key, making it when it does not exist yet.
bool OpenOrCreate(RegKey& key) { return key.Open() == ERROR_SUCCESS || key.Create() == ERROR_SUCCESS; }

void WriteFirstRunPlayers(RegKey& key) {
    const DWORD today = TodayAsPlayerDate();
    for (int s = 0; s < PlayerRoster::kPlayers; ++s) {
        key.SetString(ValueName(s, "Name").c_str(), "Player " + std::to_string(s + 1));
        key.SetDword(ValueName(s, "Cash").c_str(), 1000000);
        key.SetDword(ValueName(s, "Credit").c_str(), 0);
        key.SetDword(ValueName(s, "Date").c_str(), today);
        key.SetDword(ValueName(s, "Active").c_str(), 0);
    }
}
}  // namespace

void RegistryPlayerStore::Load(int slot, PlayerRecord& record) {
    RegKey key(HKEY_LOCAL_MACHINE, FrontDeskPath());
    if (key.Open() != ERROR_SUCCESS) {
        if (key.Create() == ERROR_SUCCESS) WriteFirstRunPlayers(key);
        key.Close();
        key.Open();
    }
    record.SetName(key.QueryString(ValueName(slot, "Name").c_str(), ""));
    record.SetCash(Money(int32_t(key.QueryDword(ValueName(slot, "Cash").c_str(), 0))));
    record.SetCredit(Money(int32_t(key.QueryDword(ValueName(slot, "Credit").c_str(), 0))));
    record.SetDate(key.QueryDword(ValueName(slot, "Date").c_str(), 0));
    record.SetActive(int32_t(key.QueryDword(ValueName(slot, "Active").c_str(), 0)) > 0);
}

bool RegistryPlayerStore::Save(int slot, const PlayerRecord& record) {
    RegKey key(HKEY_LOCAL_MACHINE, FrontDeskPath());
    if (!OpenOrCreate(key)) return false;
    bool stored = key.SetString(ValueName(slot, "Name").c_str(), record.GetFullName()) == ERROR_SUCCESS;
    stored &= key.SetDword(ValueName(slot, "Cash").c_str(), DWORD(record.GetCash().Cents())) == ERROR_SUCCESS;
    stored &= key.SetDword(ValueName(slot, "Credit").c_str(), DWORD(record.GetCredit().Cents())) == ERROR_SUCCESS;
    stored &= key.SetDword(ValueName(slot, "Date").c_str(), record.GetDate()) == ERROR_SUCCESS;
    stored &= key.SetDword(ValueName(slot, "Active").c_str(), record.IsActive() ? 1 : 0) == ERROR_SUCCESS;
    return stored;
}

bool RegistryPlayerStore::SaveMoney(int slot, const PlayerRecord& record, const Holding& holding) {
    RegKey key(HKEY_LOCAL_MACHINE, FrontDeskPath());
    if (!OpenOrCreate(key)) return false;
    // One value carries the holding with the cash, so it is never half written; it is
    // written over, never deleted first.
    const std::vector<uint8_t> value = EncodeHolding(holding, record.GetCash());
    bool stored = RegSetValueExA(key.GetHandle(), ValueName(slot, "Held").c_str(), 0, REG_BINARY, value.data(),
                                 DWORD(value.size())) == ERROR_SUCCESS;
    if (!stored) return false;
    stored &= key.SetDword(ValueName(slot, "Cash").c_str(), DWORD(record.GetCash().Cents())) == ERROR_SUCCESS;
    stored &= key.SetDword(ValueName(slot, "Credit").c_str(), DWORD(record.GetCredit().Cents())) == ERROR_SUCCESS;
    return stored;
}

bool RegistryPlayerStore::ReadHolding(int slot, Holding& holding, Money& cash) {
    RegKey key(HKEY_LOCAL_MACHINE, FrontDeskPath());
    if (key.Open() != ERROR_SUCCESS) return false;
    const std::string name = ValueName(slot, "Held");
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.GetHandle(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return false;
    std::vector<uint8_t> value(size);
    if (RegQueryValueExA(key.GetHandle(), name.c_str(), nullptr, &type, value.data(), &size) != ERROR_SUCCESS)
        return false;
    return DecodeHolding(value.data(), size, holding, cash);
}

uint32_t RegistryPlayerStore::Today() { return TodayAsPlayerDate(); }

PlayerStore& GetRegistryPlayerStore() {
    static RegistryPlayerStore store;
    return store;
}
