// The machine header: Title, Reels and their strips, Denominations, and the payout
// section's settings (PayLines, MaxBet, the payout mode, Joker and Progressive).
#include "DenominationMask.h"
#include "DollarsToCents.h"
#include "MachineDescription.h"
#include "SynError.h"

namespace {

std::string RangeMessage(const char* what, int32_t low, int32_t high) {
    return std::string(what) + " must be from " + std::to_string(low) + " to " +
           std::to_string(high);
}

}  // namespace

bool MachineDescription::AcceptCount(int32_t& value, const char* what, int32_t low, int32_t high) {
    if (Current().kind != TokenKind::Integer) return false;
    // Checked while the count is the current token, so that the message quotes its line.
    Require(Current().intValue >= low && Current().intValue <= high, RangeMessage(what, low, high));
    return AcceptInteger(value);
}

void MachineDescription::ParseTitle() {
    Require(AcceptKeyword(ScriptKeyword::Title), "Title req'd");
    CheckToken(Current(), TokenKind::String, "Title req'd");
    title_ = Current().text;
    Advance();
}

void MachineDescription::ParseReels() {
    Require(AcceptKeyword(ScriptKeyword::Reels), "Expecting Reels");
    int32_t reels = 0, stops = 0;
    Require(AcceptCount(reels, "The number of reels", 1, kMaxReels), "Expecting number of reels");
    Require(AcceptCount(stops, "The number of stops", 1, kMaxStops), "Expecting number of stops");
    reelCount_ = reels;
    stopCount_ = stops;
    ExpectToken(TokenKind::LeftBrace, "Expecting { to start reel strips");

    reelStrips_.assign(reels, ReelStrip(stops));
    stripNameSpans_.assign(reels, std::vector<SourceSpan>(stops));
    stripWeightSpans_.assign(reels, std::vector<SourceSpan>(stops));
    for (int32_t reel = 0; reel < reels; ++reel) {
        Require(AcceptKeyword(ScriptKeyword::Reel), "Expecting Reel");
        ExpectToken(TokenKind::LeftBrace, "Expecting { to start a reel strip");
        for (int32_t stop = 0; stop < stops; ++stop) {
            StripEntry& entry = reelStrips_[reel][stop];
            Require(ReadSymbolNameAt(entry.symbol, stripNameSpans_[reel][stop]),
                    "Expecting symbol name");
            if (!AcceptIntegerAt(entry.weight, stripWeightSpans_[reel][stop])) {
                // A weight added later is inserted after the name, in front of this token.
                entry.weight = 1;
                stripWeightSpans_[reel][stop] = SourceSpan::InsertAt(Current().start);
            }
            if (reelSymbols_.find(entry.symbol) == reelSymbols_.end()) {
                ReelSymbol symbol;
                symbol.index = static_cast<int32_t>(reelSymbols_.size());
                reelSymbols_.emplace(entry.symbol, symbol);
            }
        }
        ExpectToken(TokenKind::RightBrace, "Expecting } to finish reel strip");
    }
    reelSymbolSpans_.assign(reelSymbols_.size(), SourceSpan());
    symbolStatements_.assign(reelSymbols_.size(), 0);
    ExpectToken(TokenKind::RightBrace, "Expecting } to finish all reel strips");
}

void MachineDescription::ParseDenominations() {
    if (!AcceptKeyword(ScriptKeyword::Denominations)) return;
    ExpectToken(TokenKind::LeftBrace, "{ req'd to start denominations");
    CheckCancel();
    do {
        const Token& t = Current();
        Require(t.kind == TokenKind::Integer || t.kind == TokenKind::Real,
                "Denominations must be numbers");
        int32_t cents = 0;
        Require(DollarsToCents(t.realValue, cents), "The denomination " + t.text + " is too large");
        denominations_.push_back(Money(cents));
        Advance();
    } while (AcceptToken(TokenKind::Comma));
    ExpectToken(TokenKind::RightBrace, "} req'd to end denominations");
    // A machine file keeps only some of the game's denominations; a machine offering
    // none of them could never take a coin.
    if (DenominationMask(denominations_) == 0)
        WarnAtLine("None of these denominations can be played; a machine offers .05, .25, 1, "
                   "5, 25 or 100");
}

void MachineDescription::ParsePayoutSection() {
    Require(AcceptKeyword(ScriptKeyword::PayLines), "Must have payline section");
    Require(AcceptCount(payLineCount_, "The number of paylines", 1, kMaxPayLines),
            "Number of paylines req'd");
    Require(AcceptKeyword(ScriptKeyword::MaxBet), "Must have max-bet.");
    Require(AcceptCount(maxBet_, "Max-bet", 1, kMaxBet), "Must provide max-bet");
    Require(AcceptKeyword(ScriptKeyword::Payouts), "Payouts req'd");

    if (AcceptKeyword(ScriptKeyword::HighestValue))
        payTable_.payoutMode = PayoutMode::HighestValue;
    else if (AcceptKeyword(ScriptKeyword::AllMatches))
        payTable_.payoutMode = PayoutMode::AllMatches;
    else if (AcceptKeyword(ScriptKeyword::BestMatch))
        payTable_.payoutMode = PayoutMode::BestMatch;
    else
        throw SynError("HighestValue,AllMatches or BestMatch req'd");

    if (AcceptKeyword(ScriptKeyword::Joker)) {
        std::string name;
        Require(ReadSymbolName(name), "Ident req'd after Joker");
        if (reelSymbols_.count(name))
            payTable_.joker = name;
        else
            WarnAtLine(name + ", which is not a reel symbol, can't be the wild card");
    }
    ParseProgressive();

    ExpectToken(TokenKind::LeftBrace, "Payouts require left brace");
    while (Current().kind != TokenKind::RightBrace) ParsePayoutLine();
    NoteClosingBrace();
    Advance();
}

void MachineDescription::ParseProgressive() {
    if (Current().kind != TokenKind::Identifier) return;
    const bool progressive = Current().text == "Progressive";
    Advance();
    if (!progressive) return;
    static const char* const kComma = "Comma req'd between numbers in progressive";
    SourceSpan span;
    Require(AcceptNumber(progressive_.initial, span), "Require number for initial progressive value");
    ExpectToken(TokenKind::Comma, kComma);
    Require(AcceptNumber(progressive_.increment, span), "Require number for progressive increment");
    ExpectToken(TokenKind::Comma, kComma);
    if (AcceptNumber(progressive_.third, span)) ExpectToken(TokenKind::Comma, kComma);
    Require(ReadSymbolName(progressive_.indicator), "Require indicator to show progressive");
}
