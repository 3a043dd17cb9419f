// The day kept in a player record: day, month and year as the decimal digits DDMMYYYY
// (8 December 2026 is 8122026).
#pragma once
#include <cstdint>

struct PlayerDate {
    uint32_t day = 0, month = 0, year = 0;
};

inline uint32_t EncodePlayerDate(const PlayerDate& date) {
    return date.day * 1000000u + date.month * 10000u + date.year;
}

inline PlayerDate DecodePlayerDate(uint32_t value) {
    return PlayerDate{value / 1000000u, value / 10000u % 100u, value % 10000u};
}

// The local date, encoded.
uint32_t TodayAsPlayerDate();
