#include "FaceIndicators.h"

#include "MachineScreen.h"

namespace {
// Text cells (indicators without a cell image) are drawn in this font.
const char kTextFont[] = "Arial";
const int32_t kTextHeight = -16;
}  // namespace

FaceIndicators::FaceIndicators(MachineScreen& screen) {
    for (const IndicatorRecord& record : screen.Records().indicators) {
        auto display = std::make_unique<IndicatorDisplay>();
        const ChunkRect rect = record.Rect();
        display->Init(screen.GetStage(), record.Digits(), kTextHeight, screen.File().Asset(record.image), kTextFont,
                      POINT{rect.left, rect.top}, record.Depth(), record.DollarSign());
        display->Show();
        byName_[record.name] = display.get();
        displays_.push_back(std::move(display));
    }
}

IndicatorDisplay* FaceIndicators::Find(const std::string& name) const {
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

IndicatorDisplay* FaceIndicators::At(int position) const {
    return position >= 0 && size_t(position) < displays_.size() ? displays_[size_t(position)].get() : nullptr;
}
