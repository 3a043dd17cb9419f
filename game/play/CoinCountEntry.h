// The number typed into the "Add Coins" dialog: an unsigned whole number, or the message
// that asks for one again.
#pragma once
#include <cstdint>
#include <string>

// True with the number when the text is one; otherwise false with the message to show
// (caption "Add Coins").
bool ReadCoinCount(const std::string& text, uint32_t& coins, std::string& message);
