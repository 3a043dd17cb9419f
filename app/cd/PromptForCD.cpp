#include "PromptForCD.h"

#include "CDFolders.h"
#include "GeneralSettings.h"
#include "NoCDDialog.h"

// The dialog comes from the program's own resources (the application instance).
bool PromptForCD(HINSTANCE, Window* parent) {
    if (FindCDData()) return true;
    while (!IsSkippingCD() && GetPromptCDSetting().Get()) {
        NoCDDialog dialog;
        // 0: the player goes without the CD; -1: the dialog could not be shown.
        if (dialog.DoModal(parent) <= 0) return false;
        if (FindCDData()) return true;
    }
    return false;
}
