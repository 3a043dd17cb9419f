// Dialogs of the machine editor and their control ids.
#pragma once

#define IDD_RENAME 108
#define IDC_RENAME_NAME 1016
#define IDC_RENAME_PROMPT 1017
