// The "Region Properties" dialog: a region's hot key and its Shift flag. It edits a copy
// of the region's record; OK ends it with 1 and the copy holds the new values, Cancel
// ends it with 0.
#pragma once
#include <string>

#include "Dialog.h"
#include "SymbolParts.h"

class RegionPropertiesDialog : public Dialog {
public:
    RegionPropertiesDialog(const std::string& name, const RegionPart& record);

    int OnCreate() override;
    void OnOK(int id, int code);
    void OnCancel(int id, int code);

    const RegionPart& GetRecord() const { return record_; }

private:
    std::string name_;
    RegionPart record_;
};
