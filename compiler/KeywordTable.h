// The keywords of the machine-script language and their values. Keywords are
// case-sensitive and can never be used as names.
#pragma once
#include <cstdint>

enum class ScriptKeyword : int32_t {
    Reels = 1,
    Reel = 2,
    PayLines = 3,
    Payouts = 4,
    All = 5,           // all
    Any = 6,           // any
    BothWays = 7,
    HighestValue = 8,
    BestMatch = 9,
    AllMatches = 10,
    MaxBet = 11,
    Joker = 12,
    Art = 13,
    Backdrop = 14,
    ReelPosition = 15,
    Symbol = 16,
    Rectangle = 17,
    Constant = 18,
    CoinDrop = 19,
    Coin = 20,
    Arm = 21,
    Button = 22,
    BetMax = 23,
    BetOne = 24,
    CashOut = 25,
    Spin = 26,
    Indicator = 27,
    Title = 28,
    Animation = 29,
    Sound = 30,
    Region = 31,
    Denominations = 32,
    Var = 33,          // var
};

struct KeywordRow {
    ScriptKeyword value;  // 0 ends the table
    const char* name;
};

extern const KeywordRow KeywordTable[];
extern const int KeywordCount;  // rows before the end row
