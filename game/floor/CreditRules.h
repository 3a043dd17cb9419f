// The arithmetic of the credit sheet: a player may borrow up to the credit limit and repay
// what is owed, as far as the cash reaches. Amounts are typed in whole dollars and booked
// in cents; dollars are multiplied in 64 bits, so no typed number wraps past the limit, and
// the cents of a debt are repaid by the dollar that covers them. Platform-free.
#pragma once
#include <cstdint>
#include <string>

const int32_t kCreditLimit = 1000000;  // cents per player

// The dollars of an edit: digits only, saturating; false for an empty text. A text that is
// not a number reads as 0 dollars.
bool ParseDollars(const std::string& text, uint32_t* dollars);

// Limit less the credit owed, 0 when negative.
int32_t AvailableCredit(int32_t credit);
// The smaller of credit and cash, 0 when negative.
int32_t RepayableAmount(int32_t credit, int32_t cash);

// What borrowing the dollars books: their cents, at most the available credit.
int32_t BorrowAmount(uint32_t dollars, int32_t available);
// The dollars an edit may show while borrowing: the typed ones, or the available credit's
// whole dollars when they ask for more.
uint32_t ClampBorrowDollars(uint32_t dollars, int32_t available);

// What repaying the dollars books: their cents, at most the repayable amount.
int32_t RepayAmount(uint32_t dollars, int32_t repayable);
// The dollars offered to repay: the whole dollars of the repayable amount, or 1 when only
// cents are left.
uint32_t RepayOfferDollars(int32_t repayable);
// The most dollars an edit may show while repaying: enough to cover every cent.
uint32_t ClampRepayDollars(uint32_t dollars, int32_t repayable);
