#include "FaceRegions.h"

#include "MachineScreen.h"
#include "Quor2_5.h"
#include "RegionOutline.h"
#include "SpriteQueries.h"

namespace {
// The engine loads at once with 0.
const uint32_t kLoadNow = 0;

// The outline that a region asset holds after its kind word: loaded, read and released;
// false for a damaged one or one beyond the screen's coordinates.
bool ReadOutline(uint32_t asset, RegionOutline& outline) {
    QuorAssetInfo info = {};
    if (!asset || !GetAssetInfo(asset, &info) || !LoadAsset(asset, kLoadNow)) return false;
    bool read = false;
    if (const auto* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(asset))) {
        read = ReadRegionOutline(data + 4, info.dataSize, outline);
        ReleaseAsset(asset);
    }
    UnloadAsset(asset);
    // The machine file refuses such a region when it opens; none is made of it here either.
    return read && outline.WithinRange();
}

struct CoinRegionUse {
    CoinRegion role;
    int cursor;    // 0: the arrow
    char hotKey;   // 0: none
};
const CoinRegionUse kUses[] = {{CoinRegion::CoinIn, FaceRegions::kCoinCursor, 0},
                               {CoinRegion::BillAcceptor, FaceRegions::kBillCursor, 'B'},
                               {CoinRegion::Denomination, 0, 'D'}};
}  // namespace

FaceRegions::FaceRegions(MachineScreen& screen) : screen_(screen) {
    for (const NamedAsset& region : screen.Records().regions) AddRegion(region.name, region.asset);
}

FaceRegions::~FaceRegions() {
    for (auto& item : items_) screen_.RemoveElement(item.get(), false);
}

void FaceRegions::AddRegion(const std::string& name, uint32_t asset) {
    RegionOutline outline;
    if (!asset || !ReadOutline(screen_.File().Asset(asset), outline)) return;
    RegionItemSetup setup;
    setup.origin = outline.origin;
    setup.points = outline.nodes;
    auto item = std::make_unique<RegionItem>(setup);
    const CoinAcceptor& coin = screen_.Records().coin;
    if (coin.coinImage) {
        if (asset == coin.coinInRegion) coinRegions_[CoinRegion::CoinIn] = item.get();
        if (asset == coin.billRegion) coinRegions_[CoinRegion::BillAcceptor] = item.get();
        if (asset == coin.denominationRegion) coinRegions_[CoinRegion::Denomination] = item.get();
        if (asset == coin.coinInRegion) ShowCoinInPicture(*item);
    }
    screen_.AddElement(item.get(), false);
    byName_[name] = item.get();
    items_.push_back(std::move(item));
}

// The coin slot shows the coin-in picture at the slot point. The item's own placing would
// move its outline along, so the sprite is placed directly.
void FaceRegions::ShowCoinInPicture(RegionItem& item) {
    const CoinAcceptor& coin = screen_.Records().coin;
    if (!coin.coinInImage || !item.CreateDefaultSprite(screen_.File().Asset(coin.coinInImage), screen_.GetStage()))
        return;
    PlaceHeldSprite(*item.GetSprite(), POINT{coin.slotX, coin.slotY}, 0);
    MakeSpriteVisible(item.GetSprite()->Get(), 1);
}

RegionItem* FaceRegions::Find(const std::string& name) const {
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

RegionItem* FaceRegions::Find(CoinRegion role) const {
    auto found = coinRegions_.find(role);
    return found == coinRegions_.end() ? nullptr : found->second;
}

void FaceRegions::Bind(CoinRegion role, ElementAction* action) {
    RegionItem* item = Find(role);
    if (!item) {
        delete action;
        return;
    }
    item->SetAction(action);
    const CoinRegionUse& use = kUses[int(role)];
    if (use.cursor) item->SetCursor(use.cursor);
    if (use.hotKey) item->SetHotKey(uint32_t(use.hotKey), 0);
}
