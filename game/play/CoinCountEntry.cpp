#include "CoinCountEntry.h"

namespace {
const char kAsk[] = "Please enter the number of coins to add.";
}

bool ReadCoinCount(const std::string& text, uint32_t& coins, std::string& message) {
    if (text.empty()) {
        message = kAsk;
        return false;
    }
    uint64_t value = 0;
    bool number = text.size() <= 10;
    for (char c : text) {
        if (c < '0' || c > '9') number = false;
        if (number) value = value * 10 + uint64_t(c - '0');
    }
    if (!number || value > UINT32_MAX) {
        message = "You entered '" + text + "' which could not\nbe recognized as a number.\n\n" + kAsk;
        return false;
    }
    coins = uint32_t(value);
    return true;
}
