#include "ScriptLexer.h"

#include <climits>
#include <cstring>
#include <utility>

#include "PunctuatorTable.h"
#include "SynError.h"

namespace {

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsBlank(int c) { return c == ' ' || c == '\t' || c == '\n'; }

// Fraction digits past this many change nothing in a double; stopping keeps the
// divisor finite however many digits a script writes.
constexpr int kFractionDigits = 18;

// Blanks as wide as the blanks and tabs in [from, to) of the bytes, a line starting at
// from: tabs reach the next multiple of 8, as in the line text.
std::string IndentAsBlanks(const std::string& bytes, size_t from, size_t to) {
    size_t width = 0;
    for (size_t i = from; i < to; ++i) width = bytes[i] == '\t' ? (width / 8 + 1) * 8 : width + 1;
    return std::string(width, ' ');
}

}  // namespace

ScriptLexer::~ScriptLexer() {
    Close();
    keywords_.clear();
}

void ScriptLexer::DefineSymbol(const std::string& name, int32_t value) {
    keywords_.emplace(name, value);
}

Token ScriptLexer::LookupIdentifier(const std::string& word) const {
    Token t;
    auto it = keywords_.find(word);
    if (it == keywords_.end()) {
        t.kind = TokenKind::BadCharacter;
        return t;
    }
    t.kind = TokenKind::Keyword;
    t.intValue = it->second;
    t.realValue = it->second;
    return t;
}

bool ScriptLexer::Open(const std::string& path) {
    Close();
    lineText_.clear();
    column_ = 0;
    lineCount_ = 0;
    errorLine_ = 0;
    undo_ = TrackUndo();
    lineSkipped_ = false;
    pendingLineEnd_ = false;
    token_ = Token();
    return stream_.Open(path);
}

void ScriptLexer::Close() { stream_.Close(); }

int ScriptLexer::ReadChar() {
    if (pendingLineEnd_) {
        pendingLineEnd_ = false;
        ApplyLineEnd();
    }
    lineSkipped_ = false;
    int c = stream_.Get();
    TrackChar(c);
    return c;
}

void ScriptLexer::ApplyLineEnd() {
    lineText_.clear();
    column_ = 0;
    ++lineCount_;
}

void ScriptLexer::TrackChar(int c) {
    undo_.c = c;
    undo_.textLength = lineText_.size();
    undo_.column = column_;
    if (c == ScriptStream::kEnd) return;
    if (c == '\t') {
        do {
            lineText_.push_back(' ');
            ++column_;
        } while (column_ % 8 != 0);
    } else if (c == '\n') {
        undo_.previousLine = std::move(lineText_);
        undo_.previousColumn = column_;
        ApplyLineEnd();
    } else {
        lineText_.push_back(static_cast<char>(c));
        ++column_;
    }
}

void ScriptLexer::PushBack(int c) {
    stream_.Unget();
    if (c == ScriptStream::kEnd || undo_.c != c) return;
    if (c == '\n') {
        lineText_ = std::move(undo_.previousLine);
        column_ = undo_.previousColumn;
        --lineCount_;
    } else {
        lineText_.resize(undo_.textLength);
        column_ = undo_.column;
    }
    undo_.c = ScriptStream::kEnd;
}

TokenKind ScriptLexer::MatchPunctuator(std::string& text) {
    int buffer[4];
    size_t matched = 0;
    TokenKind result = TokenKind::None;
    buffer[0] = ReadChar();
    int row = 0;
    while (PunctuatorTable[row].text) {
        const char* candidate = PunctuatorTable[row].text;
        bool equal = std::strlen(candidate) > matched;
        for (size_t i = 0; equal && i <= matched; ++i)
            equal = static_cast<unsigned char>(candidate[i]) == buffer[i];
        if (equal) {
            result = PunctuatorTable[row].kind;
            ++matched;
            buffer[matched] = ReadChar();
            continue;
        }
        ++row;
        if (matched > 0 && PunctuatorTable[row].text &&
            static_cast<unsigned char>(PunctuatorTable[row].text[0]) != buffer[0])
            break;
    }
    PushBack(buffer[matched]);
    text.clear();
    for (size_t i = 0; i < matched; ++i) text.push_back(static_cast<char>(buffer[i]));
    return result;
}

void ScriptLexer::NextToken() {
    Token t;
    int c = ReadChar();
    for (;;) {
        while (IsBlank(c)) c = ReadChar();
        t.start = stream_.Tell();
        if (c == ScriptStream::kEnd) {
            t.kind = TokenKind::EndOfFile;
            t.end = token_.end;
            token_ = std::move(t);
            return;
        }
        if (IsDigit(c) || c == '.') {
            ReadNumber(c);
            return;
        }
        if (c == '"') {
            ReadString();
            return;
        }
        if (IsLetter(c)) {
            ReadWord(c);
            return;
        }
        PushBack(c);
        TokenKind kind = MatchPunctuator(t.text);
        if (kind == TokenKind::None) {
            ReadChar();
            t.kind = TokenKind::BadCharacter;
            t.text.clear();
            t.end = stream_.Tell();
            token_ = std::move(t);
            MarkErrorLine();
            return;
        }
        if (kind == TokenKind::LineComment) {
            do c = ReadChar();
            while (c != '\n' && c != ScriptStream::kEnd);
            continue;  // the line end (or the end of the file) is the next character
        }
        if (kind == TokenKind::CommentStart) {
            const int32_t openedOn = lineCount_;
            std::string ignored;
            for (int depth = 1; depth > 0;) {
                TokenKind k = MatchPunctuator(ignored);
                if (k == TokenKind::CommentStart) {
                    ++depth;
                } else if (k == TokenKind::CommentEnd) {
                    --depth;
                } else if (k == TokenKind::None && ReadChar() == ScriptStream::kEnd) {
                    throw SynError("The comment that starts on line " + std::to_string(openedOn + 1) +
                                   " is not closed before the end of the file");
                }
            }
            c = ReadChar();
            continue;
        }
        t.kind = kind;
        t.end = stream_.Tell();
        token_ = std::move(t);
        return;
    }
}

void ScriptLexer::ReadNumber(int c) {
    Token t;
    t.start = stream_.Tell();
    bool tooLarge = false;
    int32_t value = 0;
    while (IsDigit(c)) {
        t.text.push_back(static_cast<char>(c));
        int digit = c - '0';
        if (value > (INT32_MAX - digit) / 10) tooLarge = true;
        else value = value * 10 + digit;
        c = ReadChar();
    }
    t.kind = TokenKind::Integer;
    t.realValue = value;
    if (c == '.') {
        t.text.push_back('.');
        c = ReadChar();
        if (!IsDigit(c)) {
            t.kind = TokenKind::BadCharacter;
        } else {
            t.kind = TokenKind::Real;
            double fraction = 0.0, divisor = 1.0;
            for (int n = 0; IsDigit(c); ++n) {
                t.text.push_back(static_cast<char>(c));
                if (n < kFractionDigits) {
                    fraction = fraction * 10 + (c - '0');
                    divisor *= 10;
                }
                c = ReadChar();
            }
            t.realValue = value + fraction / divisor;
        }
    }
    PushBack(c);
    if (tooLarge) throw SynError("The number " + t.text + " is too large");
    t.intValue = value;
    t.end = stream_.Tell();
    token_ = std::move(t);
}

void ScriptLexer::ReadString() {
    Token t;
    t.start = stream_.Tell();
    const int32_t openedOn = lineCount_;
    for (int c = ReadChar(); c != '"'; c = ReadChar()) {
        if (c == ScriptStream::kEnd)
            throw SynError("The string that starts on line " + std::to_string(openedOn + 1) +
                           " is not closed before the end of the file");
        t.text.push_back(static_cast<char>(c));
    }
    t.kind = TokenKind::String;
    t.end = stream_.Tell();
    token_ = std::move(t);
}

void ScriptLexer::ReadWord(int c) {
    Token t;
    t.start = stream_.Tell();
    while (IsLetter(c) || IsDigit(c) || c == '_') {
        t.text.push_back(static_cast<char>(c));
        c = ReadChar();
    }
    PushBack(c);
    t.end = stream_.Tell();
    Token keyword = LookupIdentifier(t.text);
    if (keyword.kind == TokenKind::Keyword) {
        t.kind = TokenKind::Keyword;
        t.intValue = keyword.intValue;
        t.realValue = keyword.realValue;
        t.text.clear();
    } else {
        t.kind = TokenKind::Identifier;
    }
    token_ = std::move(t);
}

void ScriptLexer::MarkErrorLine() {
    if (lineSkipped_) return;
    errorLine_ = lineCount_ + 1;
    SkipLine();
    lineSkipped_ = true;
}

void ScriptLexer::SkipLine() {
    if (pendingLineEnd_) {
        pendingLineEnd_ = false;
        ApplyLineEnd();
    }
    for (;;) {
        int c = stream_.Get();
        if (c == ScriptStream::kEnd) break;
        if (c == '\n') {
            pendingLineEnd_ = true;
            break;
        }
        TrackChar(c);
    }
    undo_.c = ScriptStream::kEnd;
}

std::string ScriptLexer::ReadRemainingText() {
    if (pendingLineEnd_) {
        pendingLineEnd_ = false;
        ApplyLineEnd();
    }
    return lineText_ + stream_.ReadRest();
}

int32_t ScriptLexer::LineOfOffset(const std::string& bytes, size_t offset) {
    int32_t line = 1;
    for (size_t i = 0; i < offset && i < bytes.size(); ++i)
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) ++line;
    return line;
}

int32_t ScriptLexer::LineOfPosition(int32_t position) const {
    return LineOfOffset(stream_.Bytes(), position > 0 ? size_t(position - 1) : 0);
}

std::string ScriptLexer::ReadTextAfter(int32_t offset, int32_t* firstLine) const {
    if (firstLine) *firstLine = 1;
    if (token_.kind == TokenKind::EndOfFile || offset < 0) return std::string();
    size_t from = static_cast<size_t>(offset);
    size_t tokenAt = token_.start > 0 ? static_cast<size_t>(token_.start - 1) : 0;
    size_t lineStart = stream_.LineStart(tokenAt);
    const bool whole = lineStart <= from || !stream_.BlankBetween(lineStart, tokenAt);
    if (firstLine) *firstLine = ScriptLexer::LineOfOffset(stream_.Bytes(), whole ? from : lineStart);
    if (whole) return stream_.TextFrom(from);
    // Taken from the file, not from the line text: a bad character has read the rest of
    // its line into the line text, and a string may have ended on a later line.
    return IndentAsBlanks(stream_.Bytes(), lineStart, tokenAt) + stream_.TextFrom(tokenAt);
}
