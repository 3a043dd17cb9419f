// Items of the credit sheet's two pages.
#pragma once

#define IDC_REPAY_OWED 1082
#define IDC_REPAY_DOLLARS 1083
#define IDC_BORROW_AVAILABLE 1084
#define IDC_BORROW_DOLLARS 1085
