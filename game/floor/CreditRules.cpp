#include "CreditRules.h"

#include <algorithm>

namespace {
// Far above any limit, far below what 64 bits hold.
const int64_t kMostTypedCents = int64_t(UINT32_MAX) * 100;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

TypedAmount ParseAmount(const std::string& text, int64_t* cents) {
    if (text.empty()) return TypedAmount::kEmpty;
    const size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return TypedAmount::kNotAmount;
    if (fraction.size() > 2 || !std::all_of(whole.begin(), whole.end(), IsDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), IsDigit))
        return TypedAmount::kNotAmount;
    int64_t dollars = 0;
    for (char c : whole) dollars = std::min<int64_t>(dollars * 10 + (c - '0'), kMostTypedCents / 100);
    int64_t fractionCents = 0;
    for (size_t i = 0; i < 2; ++i) fractionCents = fractionCents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    *cents = dollars * 100 + fractionCents;
    return TypedAmount::kAmount;
}

std::string AmountText(int64_t cents) {
    std::string text = std::to_string(cents / 100);
    if (cents % 100 == 0) return text;
    const int64_t rest = cents % 100;
    return text + (rest < 10 ? ".0" : ".") + std::to_string(rest);
}

int32_t AvailableCredit(int32_t credit) { return int32_t(std::max<int64_t>(0, int64_t(kCreditLimit) - credit)); }

int32_t RepayableAmount(int32_t credit, int32_t cash) { return std::max(0, std::min(credit, cash)); }

int32_t BorrowAmount(int64_t cents, int32_t available) {
    return int32_t(std::max<int64_t>(0, std::min<int64_t>(cents, available)));
}

int64_t ClampBorrowCents(int64_t cents, int32_t available) {
    return std::min<int64_t>(cents, std::max(0, available));
}

int32_t RepayAmount(int64_t cents, int32_t repayable) {
    return int32_t(std::max<int64_t>(0, std::min<int64_t>(cents, repayable)));
}

int64_t ClampRepayCents(int64_t cents, int32_t repayable) { return std::min<int64_t>(cents, std::max(0, repayable)); }
