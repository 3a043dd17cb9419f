// Resource and control ids of the progress dialogs, shared by the resource script and the
// code that shows them.
#pragma once

#define IDD_PROGRESS_CANCEL 119   // with a Cancel button
#define IDD_PROGRESS_PLAIN 120    // without one
#define IDC_PROGRESS_BAR 1068
#define IDC_PROGRESS_SPRITES 1070  // the engine TV control that shows the animation
