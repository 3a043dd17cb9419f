// The Indicator statement: a number display with an optional picture of its digits.
#include <algorithm>

#include "MachineDescription.h"
#include "RectEdges.h"
#include "SynError.h"

namespace {

// The size of an indicator without a picture.
const int32_t kPlainWidth = 62, kPlainHeight = 10;
// The digit width taken for an indicator without a picture.
const int32_t kPlainDigitWidth = 8;

}  // namespace

// "=" x "," y ["," third ("x" height | "," fourth)]: the rectangle starts with the frame
// size and the optional size replaces it.
void MachineDescription::ParseIndicatorRect(IndicatorPart& indicator, const PictureSize& frame) {
    SourceSpan& span = indicator.rectangleSpan;
    span = SourceSpan::Of(Current().start, Current().end);
    Point position{0, 0};
    SourceSpan placement;
    ParsePlacement(position, placement);
    span.end = placement.end;
    const std::string what = "Indicator " + indicator.name;
    ScriptRect& rect = indicator.rectangle;
    if (!AcceptToken(TokenKind::Comma)) {
        rect = RectOf(position.x, position.y, frame.width, frame.height, true, what);
        return;
    }
    int32_t third = 0, fourth = 0;
    SourceSpan value;
    Require(ReadConstExpr(third, value), "const expr req'd");
    const bool sized = IsWord("x") || IsWord("X");
    if (sized)
        Advance();
    else
        ExpectToken(TokenKind::Comma, "comma or X req'd");
    Require(ReadConstExpr(fourth, value), "const expr req'd");
    span.end = value.end;
    rect = RectOf(position.x, position.y, third, fourth, sized, what);
}

void MachineDescription::ParseIndicatorClauses(IndicatorPart& indicator) {
    indicator.prioritySpan = indicator.digitsSpan = indicator.dollarSignSpan =
        SourceSpan::InsertAt(Current().start);
    while (Current().kind == TokenKind::Identifier) {
        if (IsWord("Priority")) {
            ParseNumberClause(indicator.priority, indicator.prioritySpan, indicator.priorityAbsent);
        } else if (IsWord("Digits")) {
            ParseNumberClause(indicator.digits, indicator.digitsSpan, indicator.digitsAbsent);
        } else if (IsWord("DollarSign")) {
            indicator.dollarSign = 1;
            indicator.dollarSignSpan = SourceSpan::Of(Current().start, Current().end);
            indicator.dollarSignAbsent = false;
            Advance();
        } else {
            Require(IsWord("OnUpdate"), "Valid event req'd");
            ParseScriptlet(indicator.scriptlets);
        }
    }
}

bool MachineDescription::ParseIndicator() {
    SourceSpan keyword;
    if (!AcceptKeywordAt(ScriptKeyword::Indicator, keyword)) return false;
    CheckCancel();
    IndicatorPart indicator;
    Require(ReadSymbolNameAt(indicator.name, indicator.nameSpan), "Indicator name req'd");
    ExpectToken(TokenKind::LeftBrace, "lt brace req'd");
    if (Current().kind != TokenKind::Assign)
        ParseElementPicture(indicator.picture);
    else
        indicator.picture.span = SourceSpan::InsertAt(Current().start);  // a picture goes here
    const bool known = indicator.picture.HasPictures();
    const PictureSize frame =
        known ? LoadElementAsset(indicator.picture) : PictureSize{kPlainWidth, kPlainHeight};
    ParseIndicatorRect(indicator, frame);
    const int32_t width = indicator.rectangle.right - indicator.rectangle.left;
    if (!known)
        indicator.digits = width / kPlainDigitWidth;
    else if (frame.width == 0)
        indicator.digits = 1;
    else
        indicator.digits = std::max<int32_t>(1, width / frame.width);
    ParseIndicatorClauses(indicator);
    indicator.definitionSpan = SourceSpan::Of(keyword.start, Current().end);
    DefineIndicatorRecord(indicator.name, indicator, indicator.rectangle);
    ExpectToken(TokenKind::RightBrace, "rt brace req'd");
    return true;
}

void MachineDescription::DefineIndicatorRecord(const std::string& name,
                                               const IndicatorPart& indicator,
                                               const ScriptRect& rectangle) {
    IndicatorPart record = indicator;
    record.name = name;
    record.rectangle = rectangle;
    if (!symbols_.DefineIndicator(name, record)) ReportDuplicate(name);
}
