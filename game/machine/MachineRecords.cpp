#include "MachineRecords.h"

const ElementRecord* MachineRecords::FindElement(const std::string& name) const {
    for (auto e = elements.rbegin(); e != elements.rend(); ++e)
        if (e->name == name) return &*e;
    return nullptr;
}

std::vector<uint32_t> MachineRecords::ReferencedAssets() const {
    std::vector<uint32_t> assets;
    auto add = [&assets](int64_t asset) {
        if (asset > 0) assets.push_back(uint32_t(asset));
    };
    add(backdrop);
    add(stripImage);
    for (int64_t a : {int64_t(coin.coinImage), int64_t(coin.coinInRegion), int64_t(coin.denominationRegion),
                      int64_t(coin.coinInImage), int64_t(coin.billRegion), int64_t(coin.coinSound)})
        add(a);
    for (const ElementRecord& e : elements) add(e.image);
    for (const IndicatorRecord& i : indicators) add(i.image);
    for (const auto* table : {&animations, &sounds, &regions})
        for (const NamedAsset& entry : *table) add(entry.asset);
    return assets;
}
