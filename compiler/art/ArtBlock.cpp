// The frame of the Art block and the dispatch of its statements.
#include "MachineDescription.h"
#include "SynError.h"

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

// Each parser consumes nothing unless the current token is its keyword, so the first that
// recognises it parses the statement.
bool MachineDescription::ParseArtStatement() {
    return ParseConstant() || ParseRectangle() || ParseBackdrop() || ParseReelPosition() ||
           ParseSymbolArt() || ParseCoin() || ParseButton() || ParseArm() || ParseIndicator() ||
           ParseAnimation() || ParseSound() || ParseRegion();
}

bool MachineDescription::IsWord(const char* word) const {
    return Current().kind == TokenKind::Identifier && Current().text == word;
}

// The parsers below keep the earlier of two definitions of one name; the later one is
// reported, since a definition that silently has no effect is a trap for the author.
void MachineDescription::ReportDuplicate(const std::string& name) {
    WarnAtLine(name + " is already defined; this definition is ignored");
}
