// Dialog resources of the dialog tests.
#pragma once

#define IDD_TEST_DIALOG 300
#define IDC_TEST_EDIT 301
#define IDD_TEST_PAGE_ONE 310
#define IDD_TEST_PAGE_TWO 311
#define IDD_TEST_PAGE_THREE 312
