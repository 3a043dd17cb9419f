// The frame of the Art block and the dispatch of its statements.
#include "MachineDescription.h"
#include "SynError.h"

namespace {

bool IsArtStatementKeyword(const Token& t) {
    if (t.kind != TokenKind::Keyword) return false;
    switch (static_cast<ScriptKeyword>(t.intValue)) {
    case ScriptKeyword::Constant:
    case ScriptKeyword::Rectangle:
    case ScriptKeyword::Backdrop:
    case ScriptKeyword::ReelPosition:
    case ScriptKeyword::Symbol:
    case ScriptKeyword::Coin:
    case ScriptKeyword::Button:
    case ScriptKeyword::Arm:
    case ScriptKeyword::Indicator:
    case ScriptKeyword::Animation:
    case ScriptKeyword::Sound:
    case ScriptKeyword::Region:
        return true;
    default:
        return false;
    }
}

}  // namespace

void MachineDescription::ParseArtBlock() {
    if (Current().kind != TokenKind::Keyword ||
        Current().intValue != static_cast<int32_t>(ScriptKeyword::Art))
        return;
    artStart_ = Current().start;
    Advance();
    ExpectToken(TokenKind::LeftBrace, "Expecting { after Art");
    while (ParseArtItem()) {
    }
    artEnd_ = Current().end;
    Require(Current().kind == TokenKind::RightBrace, "Expecting } after all the art.");
    NoteClosingBrace();
    Advance();
}

bool MachineDescription::ParseArtItem() {
    if (Current().kind == TokenKind::Identifier)
        throw SynError("Syntax: " + Current().text + " is not an Art block keyword.");
    return ParseArtStatement();
}

// The statements themselves are parsed by their own parsers, offered the current token in
// the order Constant, Rectangle, Backdrop, ReelPosition, Symbol, Coin, Button, Arm,
// Indicator, Animation, Sound, Region. Until they are in place, a statement is passed
// over: from its keyword up to the next statement keyword or the block's closing brace,
// braces inside it balanced. A bad character ends the statement, so that the block's
// frame reports it.
bool MachineDescription::ParseArtStatement() {
    if (!IsArtStatementKeyword(Current())) return false;
    CheckCancel();
    Advance();
    int depth = 0;
    while (Current().kind != TokenKind::EndOfFile && Current().kind != TokenKind::BadCharacter) {
        if (depth == 0 &&
            (IsArtStatementKeyword(Current()) || Current().kind == TokenKind::RightBrace))
            break;
        if (Current().kind == TokenKind::LeftBrace) ++depth;
        if (Current().kind == TokenKind::RightBrace) --depth;
        Advance();
    }
    return true;
}
