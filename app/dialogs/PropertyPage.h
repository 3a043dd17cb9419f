// One page of a property sheet: a window made by the sheet from the page's dialog
// resource, whose sheet notifications reach the virtual operations below.
#pragma once
#include <windows.h>
#include <commctrl.h>
// The common controls name their ANSI or wide sheet function PropertySheet.
#undef PropertySheet

#include <string>

#include "Window.h"

class PropertySheet;

class PropertyPage : public Window {
public:
    // A page from a dialog resource id or name; the icon id (0 for none) and the tab
    // title (null for none) are optional.
    explicit PropertyPage(int resourceId, int iconId = 0, const char* title = nullptr);
    explicit PropertyPage(const char* templateName, const char* title = nullptr, int iconId = 0);
    ~PropertyPage() override;

    // PSN_KILLACTIVE: 0 lets the page be left.
    virtual int OnKillActive(PropertySheet* sheet);
    // PSN_SETACTIVE: 0 accepts the activation.
    virtual int OnSetActive(PropertySheet* sheet);
    // PSN_APPLY: PSNRET_NOERROR (0) accepts the changes.
    virtual int OnApply(PropertySheet* sheet);
    virtual void OnHelp(PropertySheet* sheet);
    // PSN_QUERYCANCEL: 0 lets the sheet be cancelled.
    virtual int OnQueryCancel(PropertySheet* sheet);
    virtual void OnReset(PropertySheet* sheet);
    // Wizard buttons: non-zero lets the sheet go on. Answering 0 keeps the page, or goes
    // to the page whose resource id the operation writes into `result` (-1 as given).
    virtual int OnWizardNext(PropertySheet* sheet, LRESULT* result);
    virtual int OnWizardBack(PropertySheet* sheet, LRESULT* result);
    virtual int OnWizardFinish(PropertySheet* sheet, LRESULT* result);

    // Tells the sheet that this page changed (enables Apply).
    void SetChanged();
    // PSWIZB_BACK (1), PSWIZB_NEXT (2), PSWIZB_FINISH (4) ...
    void SetWizardButtons(DWORD flags);

    PropertySheet* GetSheet() const { return sheet_; }
    void SetSheet(PropertySheet* sheet) { sheet_ = sheet; }
    // The page's record, with this object as its lParam.
    const PROPSHEETPAGEA_V1& GetPageRecord() const { return page_; }

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void FillRecord(LPCSTR pageTemplate, int iconId, bool hasTitle);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleNotify(NMHDR* header);
    INT_PTR HandleWizardButton(UINT code);
    void AnswerWith(LRESULT result);

    PROPSHEETPAGEA_V1 page_ = {};
    PropertySheet* sheet_ = nullptr;
    std::string templateName_;
    std::string title_;
};
