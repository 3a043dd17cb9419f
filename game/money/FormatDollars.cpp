#include "FormatDollars.h"

#include "FormatMoney.h"

std::string FormatDollars(Money amount) {
    const int32_t cents = amount.Cents();
    if (cents >= 100 || cents <= -100) return FormatMoney(cents, true);
    const int32_t size = cents < 0 ? -cents : cents;
    std::string text = cents < 0 ? "-$0." : "$0.";
    text += char('0' + size / 10);
    text += char('0' + size % 10);
    return text;
}
