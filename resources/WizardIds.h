// Resource ids of the New Machine Wizard's pages and of the controls that this folder's
// pages handle.
#pragma once

#define IDD_WIZARD_REELS 112
#define IDD_WIZARD_SYMBOLS 113
#define IDD_WIZARD_PAYOUT_LEVEL 114
#define IDD_WIZARD_AUDIO 122
#define IDD_WIZARD_NAME_STYLES 123

#define IDC_WIZARD_3_REELS 1024
#define IDC_WIZARD_4_REELS 1025
#define IDC_WIZARD_1_LINE 1026
#define IDC_WIZARD_3_LINES 1027
#define IDC_WIZARD_5_LINES 1028

#define IDC_WIZARD_LEVEL_LOW 1055
#define IDC_WIZARD_LEVEL_MEDIUM 1056
#define IDC_WIZARD_LEVEL_HIGH 1057
#define IDC_WIZARD_LEVEL_FUN 1058
