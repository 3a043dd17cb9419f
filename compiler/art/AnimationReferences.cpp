// The pictures of Art elements: animation files, animation references with their hot
// spot, transparency and scriptlets, points, and the frame size of a reference.
#include "MachineDescription.h"
#include "SynError.h"

// Library form: file "," asset-number. Sequence form: one or more "{" file {file} "}".
bool MachineDescription::ParseAnimationFiles(AnimationReference& reference) {
    reference.libraryAsset = 0;
    if (Current().kind == TokenKind::String) {
        SourceSpan span = SourceSpan::Of(Current().start, Current().end);
        const std::string file = Current().text;
        Advance();
        ExpectToken(TokenKind::Comma, "Comma Expected");
        SourceSpan number;
        Require(ReadConstExpr(reference.libraryAsset, number), "ID required for library reference");
        span.end = number.end;
        reference.sequences.push_back({file});
        reference.sequenceSpans.push_back(span);
        return true;
    }
    if (Current().kind != TokenKind::LeftBrace) return false;
    while (AcceptToken(TokenKind::LeftBrace)) {
        std::vector<std::string> files;
        SourceSpan span;
        Require(AcceptStringList(files, span), "filenames required");
        ExpectToken(TokenKind::RightBrace, "} req'd to end sequence");
        reference.sequences.push_back(files);
        reference.sequenceSpans.push_back(span);
    }
    return true;
}

// "HotSpot" "=" "(" horizontal "," vertical ")"; the words are checked once the
// parenthesis is closed.
void MachineDescription::ParseHotSpot(AnimationReference& reference) {
    Advance();
    const char* const kHorizontal = "left, center or right req'd in hotspots";
    const char* const kVertical = "top, center or bottom req'd in hotspots";
    ExpectToken(TokenKind::Assign, "= req'd in hotspots");
    ExpectToken(TokenKind::LeftParen, "( req'd in hotspots");
    std::string horizontal, vertical;
    Require(ReadSymbolName(horizontal), kHorizontal);
    ExpectToken(TokenKind::Comma, ", req'd in hotspots");
    Require(ReadSymbolName(vertical), kVertical);
    ExpectToken(TokenKind::RightParen, ") req'd in hotspots");
    Require(horizontal == "left" || horizontal == "center" || horizontal == "right", kHorizontal);
    Require(vertical == "top" || vertical == "center" || vertical == "bottom", kVertical);
    if (horizontal != "left") reference.horizontalHotSpot = horizontal == "center" ? 0 : 2;
    if (vertical != "top") reference.verticalHotSpot = vertical == "center" ? 0 : 2;
}

// "Transparent" (or "transparent") or a hot spot; false for any other token.
bool MachineDescription::ParsePictureItem(AnimationReference& reference) {
    if (IsWord("Transparent") || IsWord("transparent")) {
        reference.transparent = true;
        Advance();
        return true;
    }
    if (!IsWord("HotSpot")) return false;
    ParseHotSpot(reference);
    return true;
}

// "{" files {Transparent | HotSpot | event "=" string} "}", or bare files. False, with
// nothing consumed, when neither a brace nor a file name starts here: the caller names
// what it missed.
bool MachineDescription::ParseAnimationRef(AnimationReference& reference) {
    reference = AnimationReference();
    reference.span = SourceSpan::Of(Current().start, Current().end);
    if (AcceptToken(TokenKind::LeftBrace)) {
        Require(ParseAnimationFiles(reference), "files required");
        while (Current().kind == TokenKind::Identifier) {
            if (!ParsePictureItem(reference)) {
                const std::string event = Current().text;
                Advance();
                ExpectToken(TokenKind::Assign, "= req'd in anim scriptlets");
                CheckToken(Current(), TokenKind::String, "string req'd for anim scriptlet");
                reference.scriptlets.push_back(event + "=" + Current().text);
                Advance();
            }
        }
        ExpectToken(TokenKind::RightBrace, "Brace must terminate scriptlet list");
    } else {
        if (Current().kind != TokenKind::String) return false;
        std::vector<std::string> files;
        SourceSpan span;
        Require(AcceptStringList(files, span), "files req'd for animation");
        reference.sequences.push_back(files);
        reference.sequenceSpans.push_back(span);
    }
    reference.span.end = previousEnd_;
    return true;
}

// A picture given by name must name an Animation; the reference then only names it.
void MachineDescription::ReadAnimationName(AnimationReference& reference) {
    const Token name = Current();
    Require(symbols_.Find(name.text), "Animation named required.");
    AnimationRecord animation;
    Require(symbols_.GetAnimation(name.text, animation), name.text + " is not an animation.");
    reference.animationName = name.text;
    reference.nameSpan = reference.span = SourceSpan::Of(name.start, name.end);
    Advance();
}

// The picture of a Button or an Indicator: an Animation's name, which gives a copy of its
// pictures, or an animation reference.
void MachineDescription::ParseElementPicture(AnimationReference& reference) {
    if (Current().kind == TokenKind::Identifier) {
        AnimationRecord animation;
        symbols_.GetAnimation(Current().text, animation);
        reference = animation.reference;
        ReadAnimationName(reference);
        return;
    }
    Require(ParseAnimationRef(reference), "Animation req'd");
}

// x "," y, each a constant expression; false when no expression starts here.
bool MachineDescription::ParsePoint(Point& point, SourceSpan& span) {
    if (!ReadConstExpr(point.x, span)) return false;
    ExpectToken(TokenKind::Comma, "comma required in point");
    SourceSpan y;
    Require(ReadConstExpr(point.y, y), "Point requires two numbers");
    span.end = y.end;
    return true;
}

// "(" x "," y ")"; false when the current token is not "(".
bool MachineDescription::ParseParenPoint(Point& point, SourceSpan& span) {
    if (Current().kind != TokenKind::LeftParen) return false;
    span = SourceSpan::Of(Current().start, Current().end);
    Advance();
    SourceSpan inner;
    Require(ParsePoint(point, inner), "Point requires two numbers");
    span.end = Current().end;
    ExpectToken(TokenKind::RightParen, "This point requires )");
    return true;
}

PictureSize MachineDescription::LoadElementAsset(const AnimationReference& reference) {
    if (!reference.animationName.empty()) {
        AnimationRecord animation;
        if (!symbols_.GetAnimation(reference.animationName, animation)) return PictureSize();
        return LoadElementAsset(animation.reference);
    }
    if (!pictureProbe_) return PictureSize();
    const std::vector<std::string> noFiles;
    const std::vector<std::string>& first =
        reference.sequences.empty() ? noFiles : reference.sequences.front();
    if (reference.libraryAsset != 0)
        return pictureProbe_->GetAssetFrameSize(first.empty() ? std::string() : first.front(),
                                                reference.libraryAsset);
    return pictureProbe_->GetFirstFileSize(first);
}
