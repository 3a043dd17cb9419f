// Items of the credit sheet's two pages.
#pragma once

#define IDC_REPAY_OWED 1082
#define IDC_REPAY_DOLLARS 1083
#define IDC_BORROW_AVAILABLE 1084
#define IDC_BORROW_DOLLARS 1085
// The line under each edit: what to press, or why the typed text books nothing.
#define IDC_REPAY_HINT 1086
#define IDC_BORROW_HINT 1087
