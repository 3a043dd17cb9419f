// The token readers that every statement parser uses. They look at the lexer's current
// token; the accepting ones advance past it when it fits.
#include "MachineDescription.h"
#include "SynError.h"

void MachineDescription::Advance() {
    previousEnd_ = lexer_.Current().end;
    lexer_.NextToken();
}

void MachineDescription::Require(bool condition, const std::string& message) {
    if (!condition) throw SynError(message);
}

void MachineDescription::CheckToken(const Token& token, TokenKind kind, const std::string& message) {
    if (token.kind != kind) throw SynError(message);
}

bool MachineDescription::AcceptToken(TokenKind kind) {
    if (Current().kind != kind) return false;
    Advance();
    return true;
}

void MachineDescription::ExpectToken(TokenKind kind, const std::string& message) {
    if (!AcceptToken(kind)) throw SynError(message);
}

bool MachineDescription::AcceptKeyword(ScriptKeyword value) {
    SourceSpan ignored;
    return AcceptKeywordAt(value, ignored);
}

bool MachineDescription::AcceptKeywordAt(ScriptKeyword value, SourceSpan& span) {
    const Token& t = Current();
    if (t.kind != TokenKind::Keyword || t.intValue != static_cast<int32_t>(value)) return false;
    span = SourceSpan::Of(t.start, t.end);
    Advance();
    return true;
}

bool MachineDescription::AcceptInteger(int32_t& value) {
    SourceSpan ignored;
    return AcceptIntegerAt(value, ignored);
}

bool MachineDescription::AcceptIntegerAt(int32_t& value, SourceSpan& span) {
    const Token& t = Current();
    if (t.kind != TokenKind::Integer) return false;
    value = t.intValue;
    span = SourceSpan::Of(t.start, t.end);
    Advance();
    return true;
}

bool MachineDescription::AcceptNumber(double& value, SourceSpan& span) {
    const Token& t = Current();
    if (t.kind != TokenKind::Integer && t.kind != TokenKind::Real) return false;
    value = t.realValue;
    span = SourceSpan::Of(t.start, t.end);
    Advance();
    return true;
}

bool MachineDescription::ReadSymbolName(std::string& name) {
    SourceSpan ignored;
    return ReadSymbolNameAt(name, ignored);
}

bool MachineDescription::ReadSymbolNameAt(std::string& name, SourceSpan& span) {
    const Token& t = Current();
    if (t.kind != TokenKind::Identifier) return false;
    name = t.text;
    span = SourceSpan::Of(t.start, t.end);
    Advance();
    return true;
}

bool MachineDescription::AcceptStringList(std::vector<std::string>& list, SourceSpan& span) {
    if (Current().kind != TokenKind::String) return false;
    span = SourceSpan::Of(Current().start, Current().end);
    while (Current().kind == TokenKind::String) {
        list.push_back(Current().text);
        span.end = Current().end;
        Advance();
    }
    return true;
}

bool MachineDescription::AcceptSymbolFiles(std::vector<std::string>& files, SourceSpan& span) {
    return AcceptStringList(files, span);
}
