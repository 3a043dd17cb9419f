// Resource and control ids of the CD prompt and the options dialog, shared by the
// resource script and the code that shows them.
#pragma once

#define IDD_NO_CD "DLG_NO_CD"
#define IDD_OPTIONS 117

#define IDC_CD_DRIVES 40029        // the drive list, in both dialogs
// The CD prompt.
#define IDC_DONT_USE_CD 1063
#define IDC_USE_CD 1064
#define IDC_INSERT_CD_LINE 1067
#define IDC_DONT_ASK_AGAIN 1105
// The options dialog.
#define IDC_AMBIENT_SOUNDS 1027
#define IDC_SOUND_EFFECTS 1028
#define IDC_DENOMINATION_FIRST 1033  // 25 cents; the next four follow in order
#define IDC_DENOMINATION_LAST 1037   // 100 dollars
#define IDC_SKIP_INTRO 40015
#define IDC_PROMPT_CD 40016
