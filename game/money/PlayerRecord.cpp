#include "PlayerRecord.h"

#include "PlayerDate.h"

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
    const PlayerDate date = DecodePlayerDate(date_);
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year % 100u);
}

void PlayerRecord::Clear() {
    SetName("");
    active_ = false;
    date_ = 0;
    cash_ = Money();
    credit_ = Money();
    Changed();
}
