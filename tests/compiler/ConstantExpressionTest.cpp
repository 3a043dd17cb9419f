// Constant expressions, read from script text the way the Art statements read them.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "CompileHelpers.h"
#include "SynError.h"

namespace {

// A description whose lexer stands on the first token of the text, with some names
// defined, for reading one expression.
class Expression {
public:
    explicit Expression(const std::string& text) : file_(text) {
        md.Symbols().PushScope();
        md.Symbols().DefineConstant("K", 21);
        md.Symbols().DefineConstant("Width", 96);
        md.Symbols().DefineRectangle("Window", {1, 2, 3, 4});
        EXPECT_TRUE(md.Lexer().Open(file_.Path()));
        md.Advance();
    }
    // The value; the span and whether an expression was found are kept.
    int32_t Value() {
        found = md.ReadConstExpr(value, span);
        return value;
    }
    std::string Error() {
        try {
            Value();
        } catch (const SynError& e) {
            return e.Message();
        }
        return "(no error)";
    }

    MachineDescription md;
    int32_t value = -999;
    SourceSpan span;
    bool found = false;

private:
    ScriptFile file_;
};

int32_t Eval(const std::string& text) { return Expression(text).Value(); }

TEST(ConstantExpression, PrecedenceAndLeftAssociativity) {
    EXPECT_EQ(Eval("2 + 3 * 4"), 14);
    EXPECT_EQ(Eval("10 - 4 - 3"), 3);
    EXPECT_EQ(Eval("100 / 10 / 5"), 2);
    EXPECT_EQ(Eval("(1 + 2) * 3"), 9);
    EXPECT_EQ(Eval("6 & 3 | 8"), 10);
    EXPECT_EQ(Eval("1 | 2 & 3"), 3) << "& binds tighter than |";
    EXPECT_EQ(Eval("1 + 6 & 3"), 3) << "+ binds tighter than &";
    EXPECT_EQ(Eval("40 + 2 * (Width + 8)"), 248);
    EXPECT_EQ(Eval("K*2"), 42);
}

TEST(ConstantExpression, SignsDivisionAndRemainder) {
    EXPECT_EQ(Eval("- - 5"), 5);
    EXPECT_EQ(Eval("-+-5"), 5);
    EXPECT_EQ(Expression("--5").Error(), "(no error)") << "-- is one token";
    EXPECT_EQ(Expression("--5").md.Current().kind, TokenKind::Decrement);
    EXPECT_EQ(Eval("-2 * 3"), -6);
    EXPECT_EQ(Eval("7 % -3"), 1);
    EXPECT_EQ(Eval("-7 % 3"), -1);
    EXPECT_EQ(Eval("-7 / 2"), -3);
    EXPECT_EQ(Eval("-2147483647 - 1"), INT32_MIN);
}

TEST(ConstantExpression, ArithmeticWrapsWithoutOverflow) {
    EXPECT_EQ(Eval("2147483647 + 1"), INT32_MIN);
    EXPECT_EQ(Eval("65536 * 65536"), 0);
    EXPECT_EQ(Eval("-(-2147483647 - 1)"), INT32_MIN);
    EXPECT_EQ(Eval("(-2147483647 - 1) / 1"), INT32_MIN);
}

TEST(ConstantExpression, SpansRunFromTheFirstToTheLastToken) {
    Expression e("-5 + (2) next");
    EXPECT_EQ(e.Value(), -3);
    EXPECT_EQ(e.span.start, 1) << "an expression starting with a minus starts at the minus";
    EXPECT_EQ(e.span.end, 8);
    EXPECT_EQ(e.md.Current().text, "next");

    Expression n("  Width");
    EXPECT_EQ(n.Value(), 96);
    EXPECT_EQ(n.span.start, 3);
    EXPECT_EQ(n.span.end, 7);
}

TEST(ConstantExpression, OtherTokensEndTheExpression) {
    Expression caret("3 ^ 4");
    EXPECT_EQ(caret.Value(), 3);
    EXPECT_EQ(caret.md.Current().kind, TokenKind::Caret);
    Expression shift("3 << 4");
    EXPECT_EQ(shift.Value(), 3);
    EXPECT_EQ(shift.md.Current().kind, TokenKind::ShiftLeft);

    Expression real("2.5");
    real.Value();
    EXPECT_FALSE(real.found) << "a Real starts no expression";
    EXPECT_EQ(real.md.Current().kind, TokenKind::Real) << "nothing consumed";
    Expression none("}");
    none.Value();
    EXPECT_FALSE(none.found);
}

TEST(ConstantExpression, Errors) {
    EXPECT_EQ(Expression("1 + 2.5").Error(), "const expr should be completed");
    EXPECT_EQ(Expression("- 2.5").Error(), "Constant req'd");
    EXPECT_EQ(Expression("( )").Error(), "Constant expr req'd");
    EXPECT_EQ(Expression("(1 + 2").Error(), "Rt paren req'd");
    EXPECT_EQ(Expression("Window * 2").Error(), "Window is not a constant");
    EXPECT_EQ(Expression("3 + Nowhere").Error(), "Undef. id Nowhere in const expr");
    EXPECT_EQ(Expression("k").Error(), "Undef. id k in const expr") << "names are case-sensitive";
}

TEST(ConstantExpression, DivisionByZeroAndTheOneQuotientThatDoesNotFit) {
    EXPECT_EQ(Expression("5 / 0").Error(), "Division by zero in const expr");
    EXPECT_EQ(Expression("5 % (K - 21)").Error(), "Division by zero in const expr");
    EXPECT_EQ(Expression("(-2147483647 - 1) / -1").Error(), "Quotient too large in const expr");
    EXPECT_EQ(Expression("(-2147483647 - 1) % -1").Error(), "Remainder too large in const expr");
}

TEST(ConstantExpression, NestingIsBounded) {
    const int ok = 150;
    EXPECT_EQ(Eval(std::string(ok, '(') + "7" + std::string(ok, ')')), 7);
    std::string signs;
    for (int i = 0; i < ok; ++i) signs += "- ";
    EXPECT_EQ(Eval(signs + "7"), 7);
    const int deep = 100000;
    EXPECT_EQ(Expression(std::string(deep, '(') + "7" + std::string(deep, ')')).Error(),
              "Constant expression nested too deeply");
    signs.clear();
    for (int i = 0; i < deep; ++i) signs += "- ";
    EXPECT_EQ(Expression(signs + "7").Error(),
              "Constant expression nested too deeply");
    Expression after("((((1))))");
    EXPECT_EQ(after.Value(), 1) << "the depth count returns to zero";
}

}  // namespace
