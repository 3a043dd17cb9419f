// The text form of an amount of money: "$1,234.56", "-$1,234", "5" and the cent sign.
#pragma once
#include <cstdint>
#include <string>

class Money;

std::string FormatMoney(int32_t cents, bool withCents);
std::string FormatMoney(const Money& amount, bool withCents);
