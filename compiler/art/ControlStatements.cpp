// The Art statements of the machine's controls: Coin, Button and Arm.
#include "MachineDescription.h"
#include "RectEdges.h"
#include "SynError.h"

namespace {

bool IsButtonEvent(const std::string& word) {
    return word == "OnClick" || word == "OnFocus" || word == "OnBlur";
}

}  // namespace

// A coin picture: an Animation's name or an animation reference.
void MachineDescription::ParseCoinPicture(AnimationReference& reference, const char* missing) {
    if (Current().kind == TokenKind::Identifier) {
        reference = AnimationReference();
        ReadAnimationName(reference);
        return;
    }
    Require(ParseAnimationRef(reference), missing);
}

bool MachineDescription::ParseCoin() {
    if (!AcceptKeyword(ScriptKeyword::Coin)) return false;
    CheckCancel();
    ExpectToken(TokenKind::LeftBrace, "Brace required for coin");
    ParseCoinPicture(coin_.coin, "Animation req'd for coin");
    ParseCoinPicture(coin_.coinDrop, "Animation req'd for coin drop");
    ExpectToken(TokenKind::Assign, "= position required for coin drop");
    Require(ParsePoint(coin_.dropPosition, coin_.dropPositionSpan),
            "position required for coin drop");
    Require(ReadSymbolNameAt(coin_.insertionRegion, coin_.insertionRegionSpan),
            "Coin insertion region ID req'd");
    Require(ReadSymbolNameAt(coin_.denominationRegion, coin_.denominationRegionSpan),
            "Denom change region ID req'd");
    Require(ReadSymbolNameAt(coin_.billRegion, coin_.billRegionSpan),
            "Bill change region ID req'd");
    coin_.denominationIndicator.clear();
    for (;;) {
        if (AcceptKeyword(ScriptKeyword::Sound)) {
            ExpectToken(TokenKind::Assign, "'=' required to define sound");
            Require(ReadSymbolNameAt(coin_.sound, coin_.soundSpan), "Sound ID req'd");
        } else if (!ReadSymbolNameAt(coin_.denominationIndicator,
                                     coin_.denominationIndicatorSpan)) {
            break;
        }
    }
    ExpectToken(TokenKind::RightBrace, "Closing brace required for Coin.");
    return true;
}

bool MachineDescription::ReadButtonName(ButtonPart& button) {
    static const ScriptKeyword kNamed[] = {ScriptKeyword::BetMax, ScriptKeyword::BetOne,
                                           ScriptKeyword::CashOut, ScriptKeyword::Spin};
    static const char* const kNames[] = {"BetMax", "BetOne", "CashOut", "Spin"};
    for (int i = 0; i < 4; ++i)
        if (AcceptKeywordAt(kNamed[i], button.nameSpan)) {
            button.name = kNames[i];
            return true;
        }
    return ReadSymbolNameAt(button.name, button.nameSpan);
}

void MachineDescription::ParseButtonClauses(ButtonPart& button) {
    button.prioritySpan = button.hotKeySpan = button.hotKeyFlagsSpan =
        SourceSpan::InsertAt(Current().start);
    while (Current().kind == TokenKind::Identifier) {
        if (IsWord("Priority")) {
            ParseNumberClause(button.priority, button.prioritySpan, button.priorityAbsent);
        } else if (!ParseHotKeyClause(button.hotKey, button.hotKeySpan, button.hotKeyAbsent,
                                      button.hotKeyFlags, button.hotKeyFlagsSpan,
                                      button.hotKeyFlagsAbsent)) {
            Require(IsButtonEvent(Current().text), "Valid event req'd");
            ParseScriptlet(button.scriptlets);
        }
    }
}

bool MachineDescription::ParseButton() {
    SourceSpan keyword;
    if (!AcceptKeywordAt(ScriptKeyword::Button, keyword)) return false;
    CheckCancel();
    ButtonPart button;
    Require(ReadButtonName(button), "'BetMax','BetOne','CashOut','Spin', or ident req'd");
    ExpectToken(TokenKind::LeftBrace, "lt brace req'd");
    ParseElementPicture(button.picture);
    ParsePlacement(button.position, button.positionSpan);
    ParseButtonClauses(button);
    button.definitionSpan = SourceSpan::Of(keyword.start, Current().end);
    ExpectToken(TokenKind::RightBrace, "rt brace req'd");
    const PictureSize size = LoadElementAsset(button.picture);
    button.rectangle = RectOf(button.position.x, button.position.y, size.width, size.height, true,
                              "Button " + button.name);
    if (!symbols_.DefineButton(button.name, button)) ReportDuplicate(button.name);
    return true;
}

bool MachineDescription::ParseArm() {
    if (!AcceptKeyword(ScriptKeyword::Arm)) return false;
    CheckCancel();
    ExpectToken(TokenKind::LeftBrace, "lt brace req'd");
    if (Current().kind == TokenKind::Identifier)
        ReadAnimationName(armAnimation_);
    else
        Require(ParseAnimationRef(armAnimation_), "Animation req'd");
    Point position{0, 0};
    ParsePlacement(position, armRectSpan_);
    ExpectToken(TokenKind::RightBrace, "rt brace req'd");
    const PictureSize size = LoadElementAsset(armAnimation_);
    armRect_ = RectOf(position.x, position.y, size.width, size.height, true, "Arm");
    return true;
}
