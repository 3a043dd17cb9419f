// The indicators of a machine's face, one display per indicator record, shown on the
// screen's stage and found by name ("Credit", "Bet", "WinnerPaid", ...).
#pragma once
#include <map>
#include <memory>
#include <string>

#include "IndicatorDisplay.h"

class MachineScreen;

class FaceIndicators {
public:
    explicit FaceIndicators(MachineScreen& screen);

    // The display of the name, or null when the machine has none.
    IndicatorDisplay* Find(const std::string& name) const;
    // The display of the record at the position among the indicator records, or null.
    IndicatorDisplay* At(int position) const;
    size_t Count() const { return displays_.size(); }

private:
    std::vector<std::unique_ptr<IndicatorDisplay>> displays_;
    std::map<std::string, IndicatorDisplay*> byName_;
};
