// The punctuators of the machine-script language, in the order the longest-match walk
// needs: every punctuator after all of its prefixes, those with one first character together.
#pragma once
#include <cstdint>

#include "Token.h"

struct PunctuatorRow {
    TokenKind kind;  // 0 ends the table
    const char* text;
};

extern const PunctuatorRow PunctuatorTable[];
extern const int PunctuatorCount;  // rows before the end row
