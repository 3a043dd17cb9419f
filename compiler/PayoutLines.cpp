// The payout lines: a pattern (the any-count form, the all form, or one item per reel,
// optionally BothWays) followed by one payout per bet level.
#include <climits>

#include "MachineDescription.h"
#include "SynError.h"

void MachineDescription::CheckPatternSymbol(const std::string& name) {
    if (!reelSymbols_.count(name))
        WarnAtLine(name + " isn't a reel symbol, so it can't be in award card");
}

// Checked while the expression is the current token, so that the error names its line.
void MachineDescription::CheckPayoutExpression(const std::string& code) {
    if (!payoutChecker_) return;
    const std::string message = payoutChecker_->EngineMessage(code);
    if (!message.empty())
        throw SynError("The payout \"" + code + "\" is no expression the machine's JScript can read (" + message +
                       ")");
}

int32_t MachineDescription::GetPayoutFileLine(size_t line, int32_t coins) const {
    if (line >= payTable_.sources.size() || coins < 1) return 0;
    const PayoutLineSource& source = payTable_.sources[line];
    // A payout given once for every bet ("*") stands where the first one does.
    const size_t entry = source.wholePayoutFlag ? 0 : size_t(coins - 1);
    if (entry >= source.payouts.size() || source.payouts[entry].start < 1) return 0;
    return ScriptLexer::LineOfOffset(scriptBytes_, size_t(source.payouts[entry].start - 1));
}

void MachineDescription::ParsePayoutLine() {
    ScriptPayTable::PayoutLine line;
    PayoutLineSource source;
    const int32_t lineStart = Current().start;
    source.direction = SourceSpan::InsertAt(lineStart);

    SourceSpan keyword;
    if (AcceptKeywordAt(ScriptKeyword::Any, keyword)) {
        source.anyKeyword = keyword;
        int32_t count = 1;
        SourceSpan countSpan;
        if (Current().kind == TokenKind::Integer) {
            Require(Current().intValue >= 1 && Current().intValue <= reelCount_,
                    "The count after any must be from 1 to " + std::to_string(reelCount_));
            AcceptIntegerAt(count, countSpan);
            source.count = countSpan;
        } else {
            source.count = SourceSpan::InsertAt(Current().start);
        }
        std::string symbol;
        SourceSpan symbolSpan;
        Require(ReadSymbolNameAt(symbol, symbolSpan), "Symbol req'd");
        CheckPatternSymbol(symbol);
        for (int32_t reel = 0; reel < reelCount_; ++reel) {
            ScriptPayTable::PatternItem item;
            if (reel < count) {
                item.kind = 1;
                item.symbols.push_back(symbol);
            } else {
                item.kind = 2;
            }
            line.items.push_back(item);
            source.items.push_back(symbolSpan);
        }
        source.wholePatternFlag = 1;
    } else if (AcceptKeyword(ScriptKeyword::All)) {
        std::string symbol;
        SourceSpan symbolSpan;
        Require(ReadSymbolNameAt(symbol, symbolSpan), "Symbol req'd");
        CheckPatternSymbol(symbol);
        for (int32_t reel = 0; reel < reelCount_; ++reel) {
            ScriptPayTable::PatternItem item;
            item.symbols.push_back(symbol);
            line.items.push_back(item);
            source.items.push_back(reel == 0 ? SourceSpan::Of(lineStart, symbolSpan.end)
                                             : SourceSpan::Of(symbolSpan.end, symbolSpan.end));
        }
        source.wholePatternFlag = 1;
    } else {
        if (AcceptKeywordAt(ScriptKeyword::BothWays, keyword)) {
            line.kind = 1;
            source.direction = keyword;
        }
        for (int32_t reel = 0; reel < reelCount_; ++reel) {
            ScriptPayTable::PatternItem item;
            SourceSpan span;
            if (ParsePatternItem(item, span)) line.items.push_back(item);
            source.items.push_back(span);
        }
    }
    source.pattern = SourceSpan::Of(lineStart, previousEnd_);

    ParsePayouts(line, source);
    source.wholeLine = SourceSpan::Of(lineStart, previousEnd_);
    payTable_.lines.push_back(std::move(line));
    payTable_.sources.push_back(std::move(source));
}

bool MachineDescription::ParsePatternItem(ScriptPayTable::PatternItem& item, SourceSpan& span) {
    const Token& t = Current();
    span = SourceSpan::Of(t.start, t.end);
    if (t.kind == TokenKind::Identifier) {
        item.kind = 0;
        item.symbols.push_back(t.text);
        Advance();
        CheckPatternSymbol(item.symbols.back());
        return true;
    }
    if (AcceptKeyword(ScriptKeyword::Any)) {
        item.kind = 2;
        return true;
    }
    if (t.kind != TokenKind::LeftBracket) return false;  // no item for this reel

    Advance();
    const bool anyBut = AcceptToken(TokenKind::Caret);
    item.kind = anyBut ? 2 : 0;
    for (;;) {
        if (Current().kind == TokenKind::Keyword &&
            Current().intValue == static_cast<int32_t>(ScriptKeyword::Any)) {
            Require(!anyBut, "^any is not allowed.");
            Advance();
            item.kind = 2;
            item.symbols.clear();
            Require(Current().kind == TokenKind::RightBracket, "] req'd after [any.");
            break;
        }
        std::string name;
        Require(ReadSymbolName(name), "Symbol req'd.");
        CheckPatternSymbol(name);
        item.symbols.push_back(name);
        if (Current().kind == TokenKind::RightBracket) break;
        ExpectToken(TokenKind::Comma, "Comma req'd");
    }
    span.end = Current().end;
    Advance();
    return true;
}

void MachineDescription::ParsePayouts(ScriptPayTable::PayoutLine& line, PayoutLineSource& source) {
    const int32_t listStart = Current().start;
    if (AcceptToken(TokenKind::Star)) {
        const Token& t = Current();
        ScriptPayTable::Payout payout;
        if (t.kind == TokenKind::Integer) {
            payout.type = 0;
            payout.amount = t.intValue;
            Require(payout.amount <= INT32_MAX / maxBet_,
                    "The payout " + t.text + " times the max-bet is too large");
        } else if (t.kind == TokenKind::String) {
            payout.type = 1;
            payout.scriptlet = t.text;
            CheckPayoutExpression(t.text);
        } else {
            throw SynError("Number req'd for payout");
        }
        const SourceSpan valueSpan = SourceSpan::Of(t.start, t.end);
        for (int32_t bet = 1; bet <= maxBet_; ++bet) {
            ScriptPayTable::Payout p = payout;
            if (p.type == 0) p.amount = payout.amount * bet;
            line.payouts.push_back(p);
            source.payouts.push_back(bet == 1 ? valueSpan
                                              : SourceSpan::Of(valueSpan.end, valueSpan.end));
        }
        source.wholePayoutFlag = 1;
        Advance();
    } else {
        for (int32_t bet = 1; bet <= maxBet_; ++bet) {
            if (bet > 1) ExpectToken(TokenKind::Comma, "Comma req'd between payouts");
            const Token& t = Current();
            ScriptPayTable::Payout p;
            if (t.kind == TokenKind::Integer) {
                p.amount = t.intValue;
            } else if (t.kind == TokenKind::String) {
                p.type = 1;
                p.scriptlet = t.text;
                CheckPayoutExpression(t.text);
            } else {
                throw SynError("Number req'd for payout");
            }
            line.payouts.push_back(p);
            source.payouts.push_back(SourceSpan::Of(t.start, t.end));
            Advance();
        }
    }
    source.payoutList = SourceSpan::Of(listStart, previousEnd_);
}
