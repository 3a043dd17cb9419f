// Dialogs of the machine editor and their control ids.
#pragma once

#define IDD_RENAME 108
#define IDC_RENAME_NAME 1016
#define IDC_RENAME_PROMPT 1017

#include "EditorPageIds.h"  // the Delete, Rename and Properties commands the pages share

// The element properties dialogs.
#define IDD_BUTTON_PROPERTIES 129
#define IDD_INDICATOR_PROPERTIES 131
#define IDD_REGION_PROPERTIES 132
#define IDC_SHIFT 1060
#define IDC_PRIORITY 1076
#define IDC_ANIMATION 1077
#define IDC_HOTKEY 1078
#define IDC_DIGITS 1078
#define IDC_DOLLAR_SIGN 1080

// The elements' popup menus and their commands.
#define IDM_BUTTON_MENU 106
#define IDM_REGION_MENU 109
#define IDM_INDICATOR_MENU 130
#define ID_REGION_RENAME 40031
#define ID_REGION_DELETE 40033
