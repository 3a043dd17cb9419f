#include "PunctuatorTable.h"

#define P(text, kind) {TokenKind::kind, text}

const PunctuatorRow PunctuatorTable[] = {
    P("=", Assign), P("==", Equal),
    P("*", Star), P("*=", StarAssign), P("*/", CommentEnd),
    P("%", Percent), P("%=", PercentAssign),
    P("+", Plus), P("++", Increment), P("+=", PlusAssign),
    P("-", Minus), P("--", Decrement), P("-=", MinusAssign),
    P("<", Less), P("<=", LessEqual), P("<<", ShiftLeft), P("<<=", ShiftLeftAssign),
    P(">", Greater), P(">=", GreaterEqual), P(">>", ShiftRight), P(">>=", ShiftRightAssign),
    P("!", Bang), P("!=", NotEqual),
    P("^", Caret), P("^=", XorAssign),
    P("~", Tilde),
    P("|", Bar), P("||", OrOr), P("|=", OrAssign),
    P("&", Ampersand), P("&&", AndAnd), P("&=", AndAssign),
    P(",", Comma),
    P(";", Semicolon),
    P("{", LeftBrace),
    P("}", RightBrace),
    P("[", LeftBracket),
    P("]", RightBracket),
    P("(", LeftParen),
    P(")", RightParen),
    P("?", Question),
    P(":", Colon),
    P(".", Dot),
    P("/", Slash), P("/=", SlashAssign), P("/*", CommentStart), P("//", LineComment),
    {TokenKind::None, nullptr},
};

#undef P

const int PunctuatorCount = sizeof(PunctuatorTable) / sizeof(PunctuatorTable[0]) - 1;
