#include "RectBandIndex.h"

#include <algorithm>

void RectBandIndex::Reset(const Rect& bounds) {
    top_ = bounds.top;
    // Bands a power of two high, so that finding one is a shift.
    const int64_t height = int64_t(bounds.bottom) - bounds.top;
    bandShift_ = 0;
    while ((int64_t(kBands) << bandShift_) < height) ++bandShift_;
    byId_.clear();
    for (auto& band : bands_) band.clear();
}

int RectBandIndex::BandOf(int32_t y) const {
    const int64_t band = (int64_t(y) - top_) >> bandShift_;
    return band < 0 ? 0 : band >= kBands ? kBands - 1 : int(band);
}

uint32_t RectBandIndex::Insert(const Rect& r) {
    const uint32_t id = uint32_t(byId_.size());
    byId_.push_back(r);
    for (int b = BandOf(r.top), last = BandOf(r.bottom - 1); b <= last; ++b) bands_[b].push_back(id);
    return id;
}

void RectBandIndex::Erase(uint32_t id) {
    const Rect& r = byId_[id];
    for (int b = BandOf(r.top), last = BandOf(r.bottom - 1); b <= last; ++b) {
        std::vector<uint32_t>& band = bands_[b];
        band.erase(std::find(band.begin(), band.end(), id));
    }
}

uint32_t RectBandIndex::FirstMeeting(const Rect& r) const {
    uint32_t first = kNone;
    for (int b = BandOf(r.top), last = BandOf(r.bottom - 1); b <= last; ++b)
        for (uint32_t id : bands_[b])
            if (id < first && MeetsNonEmpty(byId_[id], r)) first = id;
    return first;
}
