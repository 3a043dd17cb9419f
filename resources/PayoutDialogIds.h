// Dialogs of the machine editor's Payouts page and the symbol gallery, and their controls.
#pragma once

#define IDD_MULTIPLE_SYMBOLS 107
#define IDC_MULTIPLE_ALL 1009
#define IDC_MULTIPLE_ACTIVE 1010
#define IDC_MULTIPLE_REMOVE 1011
#define IDC_MULTIPLE_ADD 1012
#define IDC_MULTIPLE_ANY_OF 1013
#define IDC_MULTIPLE_ANY_BUT 1014
#define IDC_MULTIPLE_ANY_SYMBOL 1015
