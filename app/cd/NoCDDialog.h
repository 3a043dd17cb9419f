// The dialog "DLG_NO_CD": asks for the drive that holds the game's CD, or lets the player
// go on without it. Ends with 1 when the CD in the chosen drive is to be used, else 0.
#pragma once
#include "CDDialogIds.h"
#include "Dialog.h"

class NoCDDialog : public Dialog {
public:
    NoCDDialog();

    int OnCreate() override;
    void OnDestroy() override;

    void OnUseCD(int id, int code);
    void OnDontUseCD(int id, int code);
    void OnDriveChanged(int id, int code);
    void OnOK(int id, int code);
    void OnCancel(int id, int code);

private:
    void ShowInsertLine();
    void StorePromptChoice();

    Window drives_;
};
