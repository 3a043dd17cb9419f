// Turns a machine script into tokens. There is one current token; NextToken replaces it.
// The lexer keeps the text of the line being read (tabs expanded to multiples of 8) and
// the number of line ends read so far, for error messages, and gives every token the
// one-based positions of its first and last character in the file.
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "ScriptStream.h"
#include "Token.h"

class ScriptLexer {
public:
    ScriptLexer() = default;
    ~ScriptLexer();
    ScriptLexer(const ScriptLexer&) = delete;
    ScriptLexer& operator=(const ScriptLexer&) = delete;

    // Adds a keyword; a name already present keeps its value.
    void DefineSymbol(const std::string& name, int32_t value);
    // A Keyword token for a keyword; otherwise a BadCharacter token, meaning "no keyword".
    Token LookupIdentifier(const std::string& word) const;

    // Opens the file (closing one still open) and starts at its first line. Reads no token.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return stream_.IsOpen(); }
    // The open script's bytes, as read from the file.
    const std::string& SourceBytes() const { return stream_.Bytes(); }

    // Replaces the current token with the next one. Throws SynError for a number that does
    // not fit 32 bits and for a string or block comment still open at the end of the file.
    void NextToken();
    const Token& Current() const { return token_; }

    // Saves the line being read (from 1) as the error line and reads the rest of the line into the line
    // text. A second call before anything else was read changes nothing.
    void MarkErrorLine();
    // Reads the rest of the current line; the line end is consumed but the line count and
    // the line text stay those of this line until the next character is read.
    void SkipLine();
    // The line text followed by the rest of the file.
    std::string ReadRemainingText();
    // The text of the file after a byte offset (the end of what the parser read), to the
    // end of the file. When the current token begins a later line with nothing but blanks
    // before it, the text starts at that line, leaving out the blank lines and comments in
    // between, and with the tabs in front of that token read as blanks (as in the line
    // text); at the end of the file it is empty. Otherwise it is the file's text byte for
    // byte, with line ends read as '\n' and NUL bytes left out.
    // When firstLine is given it receives the file's line (from 1) on which the text starts.
    std::string ReadTextAfter(int32_t offset, int32_t* firstLine = nullptr) const;
    // The file's line (from 1) of the character at a position (from 1, as tokens give it).
    int32_t LineOfPosition(int32_t position) const;

    const std::string& LineText() const { return lineText_; }
    int32_t Column() const { return column_; }
    int32_t LineCount() const { return lineCount_; }
    int32_t ErrorLine() const { return errorLine_; }
    // The line (from 1) of the byte at the offset: one more than the line ends before it.
    static int32_t LineOfOffset(const std::string& bytes, size_t offset);

private:
    int ReadChar();            // reads and tracks one character
    void PushBack(int c);      // steps back over the last character read and untracks it
    void TrackChar(int c);
    void ApplyLineEnd();
    TokenKind MatchPunctuator(std::string& text);
    void ReadNumber(int c);
    void ReadString();
    void ReadWord(int c);

    // What tracking the last character changed, so that a push-back can undo it.
    struct TrackUndo {
        int c = ScriptStream::kEnd;
        size_t textLength = 0;
        int32_t column = 0;
        std::string previousLine;  // for a line end: the line it ended
        int32_t previousColumn = 0;
    };

    std::string lineText_;
    int32_t column_ = 0;
    int32_t lineCount_ = 0;
    int32_t errorLine_ = 0;
    std::map<std::string, int32_t> keywords_;
    Token token_;
    ScriptStream stream_;
    TrackUndo undo_;
    bool lineSkipped_ = false;     // MarkErrorLine read this line's rest; nothing read since
    bool pendingLineEnd_ = false;  // SkipLine consumed a line end not yet counted
};
