// The Art statements of the static scene: Constant, Rectangle, Backdrop, ReelPosition and
// Symbol, and the rectangle value that ReelPosition reads.
#include "MachineDescription.h"
#include "RectEdges.h"
#include "SynError.h"

namespace {

const char* const kConstExprRequired = "const expr req'd";

}  // namespace

bool MachineDescription::ParseConstant() {
    if (!AcceptKeyword(ScriptKeyword::Constant)) return false;
    std::string name;
    Require(ReadSymbolName(name), "Expecting id after Constant");
    ExpectToken(TokenKind::Assign, "Expecting = in Constant decl");
    int32_t value = 0;
    SourceSpan span;
    Require(ReadConstExpr(value, span), "Expecting const expr in const decl");
    Require(symbols_.DefineConstant(name, value), "Redefined symbol " + name);
    return true;
}

// "Rectangle" name "=" left top third ["x"] fourth: with the x, third and fourth are width
// and height.
bool MachineDescription::ParseRectangle() {
    if (!AcceptKeyword(ScriptKeyword::Rectangle)) return false;
    CheckCancel();
    std::string name;
    Require(ReadSymbolName(name), "id req'd");
    ExpectToken(TokenKind::Assign, "= req'd");
    int32_t values[4] = {};
    SourceSpan span;
    bool sized = false;
    for (int i = 0; i < 4; ++i) {
        if (i == 3 && (IsWord("x") || IsWord("X"))) {
            sized = true;
            Advance();
        }
        Require(ReadConstExpr(values[i], span), kConstExprRequired);
    }
    const ScriptRect rect =
        RectOf(values[0], values[1], values[2], values[3], sized, "Rectangle " + name);
    if (!symbols_.DefineRectangle(name, rect)) ReportDuplicate(name);
    return true;
}

// A Rectangle's name, or "=" left "," top "," (width "x" height | right "," bottom).
bool MachineDescription::ParseRect(ScriptRect& rect, SourceSpan& span) {
    if (Current().kind == TokenKind::Identifier) {
        const Token name = Current();
        if (!symbols_.GetRectangle(name.text, rect))
            throw SynError(name.text +
                           (symbols_.Find(name.text) ? " is not a rect" : " is not defined"));
        span = SourceSpan::Of(name.start, name.end);
        Advance();
        return true;
    }
    if (Current().kind != TokenKind::Assign) return false;
    span = SourceSpan::Of(Current().start, Current().end);
    Advance();
    const char* const kComma = "comma req'd between constants";
    int32_t left = 0, top = 0, third = 0, fourth = 0;
    SourceSpan part;
    Require(ReadConstExpr(left, part), kConstExprRequired);
    ExpectToken(TokenKind::Comma, kComma);
    Require(ReadConstExpr(top, part), kConstExprRequired);
    ExpectToken(TokenKind::Comma, kComma);
    Require(ReadConstExpr(third, part), kConstExprRequired);
    const bool sized = IsWord("x") || IsWord("X");
    if (sized)
        Advance();
    else
        ExpectToken(TokenKind::Comma, kComma);
    Require(ReadConstExpr(fourth, part), kConstExprRequired);
    span.end = part.end;
    rect = RectOf(left, top, third, fourth, sized, "Reel position");
    return true;
}

bool MachineDescription::ParseBackdrop() {
    if (!AcceptKeyword(ScriptKeyword::Backdrop)) return false;
    CheckCancel();
    CheckToken(Current(), TokenKind::String, "Filename req'd");
    backdropFile_ = Current().text;
    backdropSpan_ = SourceSpan::Of(Current().start, Current().end);
    Advance();
    if (AcceptToken(TokenKind::Comma)) {
        SourceSpan number;
        Require(ReadConstExpr(backdropAsset_, number), "Asset id for backdrop");
        backdropSpan_.end = number.end;
    }
    return true;
}

bool MachineDescription::ParseReelPosition() {
    if (!AcceptKeyword(ScriptKeyword::ReelPosition)) return false;
    int32_t reel = 0;
    Require(AcceptInteger(reel), "Reel index req'd");
    ReelPosition position;
    Require(ParseRect(position.rectangle, position.rectangleSpan), "Reel posn req'd");
    if (Current().kind == TokenKind::Identifier) {
        if (IsWord("Shadow")) {
            Advance();
            Require(AcceptIntegerAt(position.outerDensity, position.outerSpan),
                    "Outer density req'd");
            Require(AcceptIntegerAt(position.innerDensity, position.innerSpan),
                    "Inner density req'd");
        } else {
            Require(IsWord("NoShadow"), "Specify either 'Shadow' or 'NoShadow'");
            Advance();
        }
    }
    if (reel < 0 || reel >= reelCount_) {
        WarnAtLine("Bad reel index " + std::to_string(reel));
        return true;
    }
    reelPositions_.resize(reelCount_);
    reelPositions_[reel] = position;
    return true;
}

// "Symbol" name file {file} ["," asset-number]: the asset number only after a symbol's
// single file; a comma after several files is left to the next statement.
bool MachineDescription::ParseSymbolArt() {
    if (!AcceptKeyword(ScriptKeyword::Symbol)) return false;
    std::string name;
    Require(ReadSymbolName(name), "symbol name req'd");
    auto symbol = reelSymbols_.find(name);
    Require(symbol != reelSymbols_.end(), name + " Is Not a symbol");
    ReelSymbol& value = symbol->second;
    SourceSpan span;
    Require(AcceptSymbolFiles(value.files, span), "Filenames req'd");
    value.assetNumber = 0;
    if (value.files.size() == 1 && AcceptToken(TokenKind::Comma)) {
        SourceSpan number;
        Require(ReadConstExpr(value.assetNumber, number), "Asset number req'd");
        span.end = number.end;
    }
    reelSymbolSpans_.at(value.index) = span;
    ++symbolStatements_.at(value.index);
    return true;
}
