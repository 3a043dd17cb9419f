#include "PlayerRecord.h"

void PlayerRecord::SetName(const std::string& name) {
    const size_t blank = name.rfind(' ');
    if (blank == std::string::npos) {
        firstName_ = name;
        lastName_.clear();
    } else {
        firstName_ = name.substr(0, blank);
        lastName_ = name.substr(blank + 1);
    }
    shortName_ = firstName_;
}

std::string PlayerRecord::GetFullName() const { return firstName_ + " " + lastName_; }

std::string PlayerRecord::FormatDate() const {
    const uint32_t day = date_ / 1000000u;
    const uint32_t month = date_ / 10000u % 100u;
    const uint32_t year = date_ % 100u;
    return std::to_string(month) + "/" + std::to_string(day) + "/" + std::to_string(year);
}
