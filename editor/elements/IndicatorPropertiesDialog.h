// The "Indicator Properties" dialog: an indicator's animation, number of digits, priority
// and dollar sign. It edits a copy of the indicator's record; OK ends it with 1 and the
// copy holds the new values, Cancel ends it with 0. The digits are kept to the counts
// the play side draws.
#pragma once
#include <string>
#include <vector>

#include "Dialog.h"
#include "SymbolParts.h"

class IndicatorPropertiesDialog : public Dialog {
public:
    IndicatorPropertiesDialog(const std::string& name, const IndicatorPart& record,
                              const std::vector<std::string>& choices, const std::string& ownSet);

    int OnCreate() override;
    void OnOK(int id, int code);
    void OnCancel(int id, int code);

    const IndicatorPart& GetRecord() const { return record_; }

private:
    std::string name_;
    IndicatorPart record_;
    std::vector<std::string> choices_;
    std::string ownSet_;
};
