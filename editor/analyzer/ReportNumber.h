// Numbers as the payout report writes them: fixed notation, "," between groups of three
// digits, and a given number of decimals.
#pragma once
#include <cstdint>
#include <string>

std::string ReportNumber(double value, int decimals);
std::string ReportCount(int64_t value);
