#include "FormatMoney.h"

#include "Money.h"

namespace {
// Inserts a "," before each group of three digits from the right.
std::string GroupThousands(const std::string& digits) {
    std::string grouped;
    const size_t length = digits.size();
    for (size_t i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}
}  // namespace

std::string FormatMoney(int32_t cents, bool withCents) {
    if (cents == 0) return "0";
    const bool negative = cents < 0;
    // The magnitude of the most negative amount does not fit in 32 bits signed.
    const uint32_t a = negative ? 0u - uint32_t(cents) : uint32_t(cents);
    std::string text = negative ? "-" : "";
    if (!withCents || a >= 100) {
        text += "$" + GroupThousands(std::to_string(a / 100));
        if (withCents) {
            const uint32_t rest = a % 100;
            text += '.';
            text += char('0' + rest / 10);
            text += char('0' + rest % 10);
        }
        return text;
    }
    text += std::to_string(a);
    text += '\xA2';  // the cent sign of the Windows Latin-1 code page
    return text;
}

std::string FormatMoney(const Money& amount, bool withCents) { return FormatMoney(amount.Cents(), withCents); }
