// One token of a machine script, with the byte positions the source patcher rewrites.
#pragma once
#include <cstdint>
#include <string>

enum class TokenKind : int32_t {
    None = 0,  // no token: the end of a list of kinds, or text that matched no punctuator
    Identifier = 1,
    String = 2,
    Integer = 3,
    Keyword = 4,
    EndOfFile = 5,
    BadCharacter = 6,
    RightBrace = 7,         // }
    RightBracket = 8,       // ]
    RightParen = 9,         // )
    LeftBrace = 10,         // {
    LeftBracket = 11,       // [
    LeftParen = 12,         // (
    Slash = 13,             // /
    Star = 14,              // *
    Comma = 15,             // ,
    Plus = 16,              // +
    Minus = 17,             // -
    Assign = 18,            // =
    Percent = 19,           // %
    Equal = 20,             // ==
    LessEqual = 21,         // <=
    Less = 22,              // <
    GreaterEqual = 23,      // >=
    Greater = 24,           // >
    NotEqual = 25,          // !=
    ShiftRight = 26,        // >>
    ShiftLeft = 27,         // <<
    ShiftRightAssign = 28,  // >>=
    ShiftLeftAssign = 29,   // <<=
    PlusAssign = 30,        // +=
    MinusAssign = 31,       // -=
    StarAssign = 32,        // *=
    SlashAssign = 33,       // /=
    PercentAssign = 34,     // %=
    AndAnd = 35,            // &&
    OrOr = 36,              // ||
    Ampersand = 37,         // &
    Bar = 38,               // |
    Caret = 39,             // ^
    AndAssign = 40,         // &=
    OrAssign = 41,          // |=
    XorAssign = 42,         // ^=
    Bang = 43,              // !
    Tilde = 44,             // ~
    Increment = 45,         // ++
    Decrement = 46,         // --
    Semicolon = 47,         // ;
    Question = 48,          // ?
    Colon = 49,             // :
    Dot = 50,               // .
    CommentStart = 51,      // /*
    CommentEnd = 52,        // */
    LineComment = 53,       // //
    Real = 54,
};

struct Token {
    TokenKind kind = TokenKind::EndOfFile;
    // The characters of the token: the word, the string's contents, the digits, the
    // punctuator; empty for keywords and end of file.
    std::string text;
    int32_t intValue = 0;     // Integer value, integer part of a Real, or keyword value
    double realValue = 0.0;   // Real value; an Integer's value as a double
    int32_t start = 0;        // one-based position of the first character
    int32_t end = 0;          // one-based position of the last character

    bool Is(TokenKind k) const { return kind == k; }
};
