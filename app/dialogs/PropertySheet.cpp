#include "PropertySheet.h"

#include "AppState.h"
#include "PendingException.h"
#include "PropertyPage.h"

PropertySheet::PropertySheet(Window* parent, const char* caption, int iconId)
    : parent_(parent), caption_(caption ? caption : "") {
    header_.dwSize = PROPSHEETHEADERA_V1_SIZE;
    header_.dwFlags = iconId ? PSH_USEICONID : 0;
    header_.hInstance = GetAppInstance();
    header_.pszIcon = MAKEINTRESOURCEA(iconId);
    header_.pszCaption = caption_.c_str();
}

PropertySheet::~PropertySheet() {
    // The sheet's window belongs to the common controls and is gone by now: its handle,
    // learnt from the pages' notifications, is not ours to destroy.
    handle_ = nullptr;
}

void PropertySheet::AddPage(PropertyPage* page) {
    page->SetSheet(this);
    pages_.push_back(page->GetPageRecord());
    header_.nPages = UINT(pages_.size());
    header_.dwFlags |= PSH_PROPSHEETPAGE;
}

INT_PTR PropertySheet::Run() {
    header_.hwndParent = parent_ ? parent_->GetHandle() : nullptr;
    // The records are copied whole, so the array has the stride of the records' size.
    header_.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages_.data());
    const INT_PTR result = PropertySheetA(&header_);
    handle_ = nullptr;
    RethrowPendingException();
    return result;
}

INT_PTR PropertySheet::Show(int startPage) {
    header_.nStartPage = UINT(startPage);
    return Run();
}

INT_PTR PropertySheet::RunWizard() {
    header_.dwFlags |= PSH_WIZARD;
    return Run();
}
