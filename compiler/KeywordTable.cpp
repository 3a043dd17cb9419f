#include "KeywordTable.h"

#define K(name, value) {ScriptKeyword::value, name}

const KeywordRow KeywordTable[] = {
    K("Reels", Reels),
    K("Reel", Reel),
    K("PayLines", PayLines),
    K("Payouts", Payouts),
    K("all", All),
    K("any", Any),
    K("BothWays", BothWays),
    K("HighestValue", HighestValue),
    K("BestMatch", BestMatch),
    K("AllMatches", AllMatches),
    K("MaxBet", MaxBet),
    K("Joker", Joker),
    K("Art", Art),
    K("Backdrop", Backdrop),
    K("ReelPosition", ReelPosition),
    K("Symbol", Symbol),
    K("Rectangle", Rectangle),
    K("Constant", Constant),
    K("CoinDrop", CoinDrop),
    K("Coin", Coin),
    K("Arm", Arm),
    K("Button", Button),
    K("BetMax", BetMax),
    K("BetOne", BetOne),
    K("CashOut", CashOut),
    K("Spin", Spin),
    K("Indicator", Indicator),
    K("Title", Title),
    K("Animation", Animation),
    K("Sound", Sound),
    K("Region", Region),
    K("Denominations", Denominations),
    K("var", Var),
    {static_cast<ScriptKeyword>(0), nullptr},
};

#undef K

const int KeywordCount = sizeof(KeywordTable) / sizeof(KeywordTable[0]) - 1;
