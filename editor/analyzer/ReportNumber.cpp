#include "ReportNumber.h"

#include <cstdio>
#include <vector>

namespace {

// Puts "," between the groups of three digits of a number's whole part.
std::string GroupDigits(const std::string& plain) {
    const size_t sign = !plain.empty() && plain[0] == '-' ? 1 : 0;
    size_t wholeEnd = plain.find('.');
    if (wholeEnd == std::string::npos) wholeEnd = plain.size();
    std::string grouped = plain.substr(0, sign);
    for (size_t i = sign; i < wholeEnd; ++i) {
        if (i > sign && (wholeEnd - i) % 3 == 0) grouped += ',';
        grouped += plain[i];
    }
    return grouped + plain.substr(wholeEnd);
}

}  // namespace

std::string ReportNumber(double value, int decimals) {
    const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::vector<char> text(static_cast<size_t>(size) + 1);
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    return GroupDigits(text.data());
}

std::string ReportCount(int64_t value) { return GroupDigits(std::to_string(value)); }
