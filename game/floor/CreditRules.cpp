#include "CreditRules.h"

#include <algorithm>

namespace {
int64_t Cents(uint32_t dollars) { return int64_t(dollars) * 100; }
uint32_t CoveringDollars(int32_t cents) { return cents <= 0 ? 0 : uint32_t((int64_t(cents) + 99) / 100); }
}  // namespace

bool ParseDollars(const std::string& text, uint32_t* dollars) {
    if (text.empty()) return false;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            value = 0;
            break;
        }
        value = std::min<uint64_t>(value * 10 + uint64_t(c - '0'), UINT32_MAX);
    }
    *dollars = uint32_t(value);
    return true;
}

int32_t AvailableCredit(int32_t credit) { return int32_t(std::max<int64_t>(0, int64_t(kCreditLimit) - credit)); }

int32_t RepayableAmount(int32_t credit, int32_t cash) { return std::max(0, std::min(credit, cash)); }

int32_t BorrowAmount(uint32_t dollars, int32_t available) {
    return int32_t(std::min<int64_t>(Cents(dollars), std::max(0, available)));
}

uint32_t ClampBorrowDollars(uint32_t dollars, int32_t available) {
    return Cents(dollars) > available ? uint32_t(std::max(0, available) / 100) : dollars;
}

int32_t RepayAmount(uint32_t dollars, int32_t repayable) {
    return int32_t(std::min<int64_t>(Cents(dollars), std::max(0, repayable)));
}

uint32_t RepayOfferDollars(int32_t repayable) {
    if (repayable <= 0) return 0;
    return repayable < 100 ? 1 : uint32_t(repayable / 100);
}

uint32_t ClampRepayDollars(uint32_t dollars, int32_t repayable) {
    return std::min(dollars, CoveringDollars(repayable));
}
