// Constant expressions: evaluated while they are parsed, to one 32-bit value and the
// span of the expression's text. Arithmetic wraps modulo 2 to the 32nd.
#include <climits>
#include <cstdint>

#include "MachineDescription.h"
#include "SynError.h"

namespace {

const TokenKind kOperators[] = {TokenKind::Star, TokenKind::Slash, TokenKind::Percent,
                                TokenKind::Plus, TokenKind::Minus, TokenKind::Ampersand,
                                TokenKind::Bar, TokenKind::None};

int32_t Wrap(uint32_t v) {
    return v <= 0x7FFFFFFFu ? static_cast<int32_t>(v) : -static_cast<int32_t>(~v) - 1;
}

int32_t Apply(TokenKind op, int32_t a, int32_t b) {
    const uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
    switch (op) {
    case TokenKind::Star: return Wrap(ua * ub);
    case TokenKind::Plus: return Wrap(ua + ub);
    case TokenKind::Minus: return Wrap(ua - ub);
    case TokenKind::Ampersand: return a & b;
    case TokenKind::Bar: return a | b;
    case TokenKind::Slash:
    case TokenKind::Percent:
        if (b == 0) throw SynError("Division by zero in const expr");
        if (a == INT32_MIN && b == -1)
            throw SynError(op == TokenKind::Slash ? "Quotient too large in const expr"
                                                  : "Remainder too large in const expr");
        return op == TokenKind::Slash ? a / b : a % b;
    default: return 0;
    }
}

// Counts the nesting of brackets and signs while one operand is parsed.
class DepthGuard {
public:
    DepthGuard(int& depth, int limit) : depth_(depth) {
        if (++depth_ > limit) {
            --depth_;
            throw SynError("Constant expression nested too deeply");
        }
    }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

}  // namespace

int MachineDescription::GetOperatorPrecedence(TokenKind kind) {
    switch (kind) {
    case TokenKind::Star:
    case TokenKind::Slash:
    case TokenKind::Percent: return 9;
    case TokenKind::Plus:
    case TokenKind::Minus: return 8;
    case TokenKind::Ampersand: return 4;
    case TokenKind::Bar: return 2;
    default: return 0;
    }
}

bool MachineDescription::MatchOperator(const Token& token, const TokenKind* kinds) {
    for (; *kinds != TokenKind::None; ++kinds)
        if (token.kind == *kinds) return true;
    return false;
}

bool MachineDescription::ReadConstExpr(int32_t& value, SourceSpan& span) {
    return ParseConstExpr(value, span, 0);
}

bool MachineDescription::ParseConstExpr(int32_t& value, SourceSpan& span, int minPrecedence) {
    int32_t left = 0;
    if (!ParseConstPrimary(left, span)) return false;
    while (MatchOperator(Current(), kOperators) &&
           GetOperatorPrecedence(Current().kind) > minPrecedence) {
        const TokenKind op = Current().kind;
        Advance();
        int32_t right = 0;
        SourceSpan rightSpan;
        Require(ParseConstExpr(right, rightSpan, GetOperatorPrecedence(op)),
                "const expr should be completed");
        left = Apply(op, left, right);
        span.end = rightSpan.end;
    }
    value = left;
    return true;
}

bool MachineDescription::ParseConstPrimary(int32_t& value, SourceSpan& span) {
    DepthGuard guard(expressionDepth_, kMaxExpressionDepth);
    const Token t = Current();
    switch (t.kind) {
    case TokenKind::Plus:
    case TokenKind::Minus: {
        Advance();
        int32_t operand = 0;
        SourceSpan operandSpan;
        Require(ParseConstPrimary(operand, operandSpan), "Constant req'd");
        value = t.kind == TokenKind::Minus ? Wrap(0u - static_cast<uint32_t>(operand)) : operand;
        span = SourceSpan::Of(t.start, operandSpan.end);
        return true;
    }
    case TokenKind::LeftParen: {
        Advance();
        SourceSpan inner;
        Require(ReadConstExpr(value, inner), "Constant expr req'd");
        Require(Current().kind == TokenKind::RightParen, "Rt paren req'd");
        span = SourceSpan::Of(t.start, Current().end);
        Advance();
        return true;
    }
    case TokenKind::Identifier: {
        Advance();
        span = SourceSpan::Of(t.start, t.end);
        if (symbols_.GetConstant(t.text, value)) return true;
        if (symbols_.Find(t.text)) throw SynError(t.text + " is not a constant");
        throw SynError("Undef. id " + t.text + " in const expr");
    }
    case TokenKind::Integer:
        value = t.intValue;
        span = SourceSpan::Of(t.start, t.end);
        Advance();
        return true;
    default:
        return false;
    }
}
