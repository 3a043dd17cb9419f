// The money text of a denomination in the machine's messages and setting names: the dollar
// form of FormatMoney at every amount, so 25 cents read "$0.25" (not the cent sign).
#pragma once
#include <string>

#include "Money.h"

std::string FormatDollars(Money amount);
