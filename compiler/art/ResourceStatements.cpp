// The Art statements of named resources: Animation, Sound and Region.
#include "MachineDescription.h"
#include "SynError.h"

bool MachineDescription::ParseAnimation() {
    SourceSpan keyword;
    if (!AcceptKeywordAt(ScriptKeyword::Animation, keyword)) return false;
    CheckCancel();
    AnimationRecord animation;
    Require(ReadSymbolNameAt(animation.name, animation.nameSpan), "Identifier req'd for animation");
    animation.pictureSpan = SourceSpan::Of(Current().start, Current().end);
    ExpectToken(TokenKind::LeftBrace, "{ req'd for animation");
    AnimationReference& reference = animation.reference;
    Require(ParseAnimationFiles(reference), "Files req'd in animation");
    while (Current().kind != TokenKind::RightBrace) {
        Require(Current().kind == TokenKind::Identifier, "transparency or hotspots expected in anim");
        if (!ParsePictureItem(reference)) Advance();  // other words are allowed and mean nothing
    }
    animation.pictureSpan.end = Current().end;
    reference.span = animation.pictureSpan;
    animation.definitionSpan = SourceSpan::Of(keyword.start, Current().end);
    Advance();
    Require(symbols_.DefineAnimation(animation.name, animation),
            "Error defining " + animation.name + " as an animation");
    return true;
}

// "Sound" name "{" file ["," asset-number] ["Compressed" | "Uncompressed"] "}".
bool MachineDescription::ParseSound() {
    SourceSpan keyword;
    if (!AcceptKeywordAt(ScriptKeyword::Sound, keyword)) return false;
    CheckCancel();
    SoundPart sound;
    sound.line = lexer_.LineOfPosition(keyword.start);
    Require(ReadSymbolNameAt(sound.name, sound.nameSpan), "Identifier req'd for Sound");
    ExpectToken(TokenKind::LeftBrace, "{ req'd for Sound");
    CheckToken(Current(), TokenKind::String, "Filename req'd");
    sound.file = Current().text;
    sound.fileSpan = sound.entrySpan = SourceSpan::Of(Current().start, Current().end);
    Advance();
    sound.assetNumberSpan = SourceSpan::InsertAt(Current().start);
    if (AcceptToken(TokenKind::Comma)) {
        Require(ReadConstExpr(sound.assetNumber, sound.assetNumberSpan), "ID req'd for sound asset");
        sound.entrySpan.end = sound.assetNumberSpan.end;
    }
    sound.compressedSpan = SourceSpan::InsertAt(Current().start);
    if (Current().kind == TokenKind::Identifier) {
        Require(IsWord("Compressed") || IsWord("Uncompressed"),
                "\"Compressed\" or \"Uncompressed\" expected");
        sound.compressed = IsWord("Compressed");
        sound.compressedSpan = SourceSpan::Of(Current().start, Current().end);
        sound.entrySpan.end = Current().end;
        Advance();
    }
    sound.definitionSpan = SourceSpan::Of(keyword.start, Current().end);
    ExpectToken(TokenKind::RightBrace, "} req'd to end sound");
    Require(symbols_.DefineSound(sound.name, sound), "Error defining " + sound.name + " as a sound");
    return true;
}

// "{" {"(" x "," y ")"} "}": the vertices, offsets from the origin.
void MachineDescription::ParseRegionPoints(RegionPart& region) {
    ExpectToken(TokenKind::LeftBrace, "{ req'd for point list");
    region.pointListSpan = SourceSpan::InsertAt(Current().start);
    while (Current().kind != TokenKind::RightBrace) {
        Point point{0, 0};
        SourceSpan span;
        Require(ParseParenPoint(point, span), "Point req'd for Region");
        if (region.pointSpans.empty()) region.pointListSpan = span;
        region.pointListSpan.end = span.end;
        region.region.vertices.push_back(point);
        region.pointSpans.push_back(span);
    }
    Advance();
}

void MachineDescription::ParseRegionClauses(RegionPart& region) {
    region.hotKeySpan = region.hotKeyFlagsSpan = SourceSpan::InsertAt(Current().start);
    while (Current().kind == TokenKind::Identifier) {
        if (!ParseHotKeyClause(region.hotKey, region.hotKeySpan, region.hotKeyAbsent,
                               region.hotKeyFlags, region.hotKeyFlagsSpan, region.hotKeyFlagsAbsent))
            ParseScriptlet(region.scriptlets);
    }
}

bool MachineDescription::ParseRegion() {
    SourceSpan keyword;
    if (!AcceptKeywordAt(ScriptKeyword::Region, keyword)) return false;
    CheckCancel();
    RegionPart region;
    Require(ReadSymbolNameAt(region.name, region.nameSpan), "Identifier req'd for Region");
    ExpectToken(TokenKind::LeftBrace, "{ req'd for Region");
    Point origin{0, 0};
    Require(ParsePoint(origin, region.originSpan), "Origin req'd for Region");
    region.region.originX = origin.x;
    region.region.originY = origin.y;
    ParseRegionPoints(region);
    ParseRegionClauses(region);
    region.definitionSpan = SourceSpan::Of(keyword.start, Current().end);
    ExpectToken(TokenKind::RightBrace, "} req'd to close Region");
    Require(symbols_.DefineRegion(region.name, region),
            "Error defining " + region.name + " as a region");
    return true;
}
