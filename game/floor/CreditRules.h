// The arithmetic of the credit sheet: a player may borrow up to the credit limit and repay
// what is owed, as far as the cash reaches. Amounts are typed in dollars, with up to two
// decimals for the cents ("500.75" is $500.75), and booked in cents; a typed amount is
// held in 64 bits and saturates, so no typed number wraps past the limit. What the sheet
// offers, and what a larger number is cut to, is the amount to the cent. Platform-free.
#pragma once
#include <cstdint>
#include <string>

const int32_t kCreditLimit = 1000000;  // cents per player

// What an edit holds: nothing, an amount of money, or text that is not one.
enum class TypedAmount { kEmpty, kAmount, kNotAmount };

// The cents of an edit's text: digits, optionally a point and one or two digits of cents.
// Any other character (a second point, a third decimal, a sign, a letter) is no amount.
TypedAmount ParseAmount(const std::string& text, int64_t* cents);
// The cents as an edit shows them: "500" for whole dollars, else "500.75" or "0.50".
std::string AmountText(int64_t cents);

// Limit less the credit owed, 0 when negative.
int32_t AvailableCredit(int32_t credit);
// The smaller of credit and cash, 0 when negative.
int32_t RepayableAmount(int32_t credit, int32_t cash);

// What borrowing the typed cents books: at most the available credit.
int32_t BorrowAmount(int64_t cents, int32_t available);
// The cents an edit may show while borrowing: the typed ones, or the available credit
// when they ask for more.
int64_t ClampBorrowCents(int64_t cents, int32_t available);

// What repaying the typed cents books: at most the repayable amount.
int32_t RepayAmount(int64_t cents, int32_t repayable);
// The cents an edit may show while repaying: the typed ones, or the repayable amount when
// they ask for more.
int64_t ClampRepayCents(int64_t cents, int32_t repayable);
