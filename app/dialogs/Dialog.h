// A framework window built from a dialog resource, shown modally (DialogBoxParamA) or
// modelessly (CreateDialogParamA); every dialog runs through Dialog::DialogProc, which
// finds the object in DWLP_USER.
#pragma once
#include <windows.h>

#include <string>

#include "Window.h"

class Dialog : public Window {
public:
    Dialog();
    explicit Dialog(int resourceId);
    explicit Dialog(const char* templateName);
    ~Dialog() override;

    // Modeless, without owner, from the stored template; 0 when no window was made.
    int Create() override;
    // Modeless with an owner, only when the object has no window yet; answers whether it
    // has a window now.
    int CreateFromResource(Window* owner, int resourceId);

    // Modal: the result that ended the dialog (-1 when it could not be shown).
    INT_PTR DoModal(Window* owner = nullptr);
    INT_PTR DoModalFromResource(Window* owner, int resourceId);

    // Ends a modal dialog with this result, from wherever it is asked; a modeless dialog
    // is destroyed by its owner instead.
    void End(INT_PTR result);

    bool IsModal() const { return modal_ != 0; }

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    LPCSTR Template() const;

private:
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleInit(HWND window);
    HWND MakeModeless(HWND owner);

    std::string templateName_;
    int templateId_ = 0;
    BOOL modal_ = 0;
};
