// Where one payout line of a machine script stands in the file, for the payout editor and
// the source patcher.
#pragma once
#include <cstdint>
#include <vector>

#include "SourceSpan.h"

struct PayoutLineSource {
    SourceSpan wholeLine;     // first token of the line to the end of its last payout
    SourceSpan pattern;       // first token to the end of the last pattern token
    SourceSpan payoutList;    // first payout token ("*" when present) to the last payout
    std::vector<SourceSpan> items;  // one per reel
    SourceSpan direction;     // BothWays, or an insertion point at the line's first token
    SourceSpan anyKeyword;    // the keyword any of the any-count form
    SourceSpan count;         // its count, or an insertion point after any
    std::vector<SourceSpan> payouts;  // one per bet level
    uint8_t wholeLineFlag = 0;     // never set by the parser
    uint8_t wholePatternFlag = 0;  // any-count and all forms: rewritten as a whole
    uint8_t wholePayoutFlag = 0;   // payouts given with "*"
};
