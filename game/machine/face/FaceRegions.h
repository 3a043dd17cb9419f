// The clickable regions of a machine's face, one region item per region record, added to
// the screen's element host. Three of them may belong to the coin acceptor: the coin slot
// (which shows the coin-in picture at the slot point), the bill acceptor and the
// denomination region; the others reach only the script through their events.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ElementAction.h"
#include "RegionItem.h"

class MachineScreen;

enum class CoinRegion { CoinIn, BillAcceptor, Denomination };

class FaceRegions {
public:
    // The program's cursors over the bill acceptor and the coin slot.
    static const int kBillCursor = 115;
    static const int kCoinCursor = 116;

    explicit FaceRegions(MachineScreen& screen);
    ~FaceRegions();
    FaceRegions(const FaceRegions&) = delete;
    FaceRegions& operator=(const FaceRegions&) = delete;

    // The item of the name, or null.
    RegionItem* Find(const std::string& name) const;
    // The coin acceptor's region, or null when the machine has none.
    RegionItem* Find(CoinRegion role) const;
    // Gives the coin acceptor's region its action (owned by the item), its cursor and, for
    // the bill acceptor ("B") and the denomination region ("D"), its hot key.
    void Bind(CoinRegion role, ElementAction* action);
    size_t Count() const { return items_.size(); }
    // Calls fn(name, item) for every region, in name order.
    template <class Fn>
    void ForEach(Fn fn) const {
        for (const auto& named : byName_) fn(named.first, *named.second);
    }

private:
    void AddRegion(const std::string& name, uint32_t asset);
    void ShowCoinInPicture(RegionItem& item);

    MachineScreen& screen_;
    std::vector<std::unique_ptr<RegionItem>> items_;
    std::map<std::string, RegionItem*> byName_;
    std::map<CoinRegion, RegionItem*> coinRegions_;
};
