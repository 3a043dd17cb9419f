// Progressive meters kept as settings of section "General" in the registry.
#pragma once
#include "ProgressiveStore.h"

class SettingProgressiveStore : public ProgressiveStore {
public:
    int32_t Read(const std::string& name) override;
    bool Write(const std::string& name, int32_t value) override;
};
