// The pieces that Button, Indicator, Arm and Region statements share: a placement, hot
// keys, hot-key flags and event scriptlets.
#include "MachineDescription.h"
#include "SynError.h"

// "=" x "," y with the messages of the Button, Arm and Indicator statements.
void MachineDescription::ParsePlacement(Point& position, SourceSpan& span) {
    ExpectToken(TokenKind::Assign, "= req'd");
    Require(ReadConstExpr(position.x, span), "const expr req'd");
    ExpectToken(TokenKind::Comma, "comma req'd");
    SourceSpan y;
    Require(ReadConstExpr(position.y, y), "const expr req'd");
    span.end = y.end;
}

// "HotKey" "=" string: the key is the string's first character. A key that no string can
// hold (the double quote) may be given as its character code. The span is the whole
// clause, which an edit rewrites (or removes, for no key).
void MachineDescription::ParseHotKey(int32_t& key, SourceSpan& span) {
    const int32_t clauseStart = Current().start;
    Advance();
    ExpectToken(TokenKind::Assign, "= req'd");
    const Token& t = Current();
    if (t.kind == TokenKind::Integer && t.intValue > 0 && t.intValue < 256) {
        key = t.intValue;
    } else {
        Require(t.kind == TokenKind::String && !t.text.empty(), "String req'd for hotKey");
        key = static_cast<unsigned char>(t.text[0]);
    }
    span = SourceSpan::Of(clauseStart, t.end);
    Advance();
}

// "HotKeyFlags" "=" flag {"|" flag}; the flags are added to those already set. The span
// is the whole clause, as for HotKey.
void MachineDescription::ParseHotKeyFlags(int32_t& flags, SourceSpan& span) {
    span = SourceSpan::Of(Current().start, Current().end);
    Advance();
    ExpectToken(TokenKind::Assign, "= req'd");
    do {
        if (IsWord("SHIFT"))
            flags |= HotKeyShift;
        else if (IsWord("CTRL"))
            flags |= HotKeyCtrl;
        else if (IsWord("ALT"))
            flags |= HotKeyAlt;
        else
            throw SynError("SHIFT, CTRL or ALT req'd");
        span.end = Current().end;
        Advance();
    } while (AcceptToken(TokenKind::Bar));
}

// A HotKey or HotKeyFlags clause of a Button or Region; false when the current word is
// neither.
bool MachineDescription::ParseHotKeyClause(int32_t& key, SourceSpan& keySpan, bool& keyAbsent,
                                           int32_t& flags, SourceSpan& flagsSpan,
                                           bool& flagsAbsent) {
    if (IsWord("HotKey")) {
        ParseHotKey(key, keySpan);
        keyAbsent = false;
        return true;
    }
    if (!IsWord("HotKeyFlags")) return false;
    ParseHotKeyFlags(flags, flagsSpan);
    flagsAbsent = false;
    return true;
}

// event "=" string, kept as the event name, "=" and the code.
void MachineDescription::ParseScriptlet(std::vector<std::string>& scriptlets) {
    const std::string event = Current().text;
    Advance();
    ExpectToken(TokenKind::Assign, "= req'd");
    CheckToken(Current(), TokenKind::String, "Scriptlet text req'd");
    scriptlets.push_back(event + "=" + Current().text);
    Advance();
}

// "Priority" "=" constant-expression, or "Digits" "=" constant-expression.
void MachineDescription::ParseNumberClause(int32_t& value, SourceSpan& span, bool& absent) {
    Advance();
    ExpectToken(TokenKind::Assign, "= req'd");
    Require(ReadConstExpr(value, span), "const expr req'd");
    absent = false;
}
