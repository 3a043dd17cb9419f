#include "PropertyPage.h"

#include "AppState.h"
#include "DialogMessage.h"
#include "PendingException.h"
#include "PropertySheet.h"

namespace {
PropertyPage* ObjectOf(HWND window) {
    return reinterpret_cast<PropertyPage*>(GetWindowLongPtrA(window, DWLP_USER));
}
}  // namespace

PropertyPage::PropertyPage(int resourceId, int iconId, const char* title) : title_(title ? title : "") {
    FillRecord(MAKEINTRESOURCEA(resourceId), iconId, title != nullptr);
}

PropertyPage::PropertyPage(const char* templateName, const char* title, int iconId)
    : templateName_(templateName ? templateName : ""), title_(title ? title : "") {
    FillRecord(templateName_.c_str(), iconId, title != nullptr);
}

PropertyPage::~PropertyPage() {
    // The sheet owns the page's window; one that still exists stops reaching this object.
    if (handle_ && ObjectOf(handle_) == this) SetWindowLongPtrA(handle_, DWLP_USER, 0);
}

void PropertyPage::FillRecord(LPCSTR pageTemplate, int iconId, bool hasTitle) {
    page_.dwSize = PROPSHEETPAGEA_V1_SIZE;
    page_.dwFlags = PSP_DEFAULT | (iconId ? PSP_USEICONID : 0) | (hasTitle ? PSP_USETITLE : 0);
    page_.hInstance = GetAppInstance();
    page_.pszTemplate = pageTemplate;
    page_.pszIcon = MAKEINTRESOURCEA(iconId);
    page_.pszTitle = title_.c_str();
    page_.pfnDlgProc = &PropertyPage::DialogProc;
    page_.lParam = reinterpret_cast<LPARAM>(this);
}

int PropertyPage::OnKillActive(PropertySheet*) { return 0; }
int PropertyPage::OnSetActive(PropertySheet*) { return 0; }
int PropertyPage::OnApply(PropertySheet*) { return PSNRET_NOERROR; }
void PropertyPage::OnHelp(PropertySheet*) {}
int PropertyPage::OnQueryCancel(PropertySheet*) { return 0; }
void PropertyPage::OnReset(PropertySheet*) {}
int PropertyPage::OnWizardNext(PropertySheet*, LRESULT*) { return 1; }
int PropertyPage::OnWizardBack(PropertySheet*, LRESULT*) { return 1; }
int PropertyPage::OnWizardFinish(PropertySheet*, LRESULT*) { return 1; }

void PropertyPage::SetChanged() {
    if (sheet_) sheet_->SendMessage(PSM_CHANGED, reinterpret_cast<WPARAM>(handle_), 0);
}

void PropertyPage::SetWizardButtons(DWORD flags) {
    if (sheet_) sheet_->PostMessage(PSM_SETWIZBUTTONS, 0, LPARAM(flags));
}

void PropertyPage::AnswerWith(LRESULT result) { SetWindowLongPtrA(handle_, DWLP_MSGRESULT, result); }

INT_PTR PropertyPage::HandleWizardButton(UINT code) {
    LRESULT slot = -1;
    int goOn = 1;
    if (code == PSN_WIZNEXT) goOn = OnWizardNext(sheet_, &slot);
    if (code == PSN_WIZBACK) goOn = OnWizardBack(sheet_, &slot);
    if (code == PSN_WIZFINISH) goOn = OnWizardFinish(sheet_, &slot);
    // Nothing stored lets the sheet move on; -1 keeps this page, a resource id jumps.
    if (!goOn) AnswerWith(slot);
    return TRUE;
}

INT_PTR PropertyPage::HandleNotify(NMHDR* header) {
    const UINT code = header->code;
    if (code < PSN_QUERYCANCEL || code > PSN_SETACTIVE) return FALSE;
    if (sheet_ && (code == PSN_SETACTIVE || code == PSN_WIZBACK || code == PSN_WIZNEXT || code == PSN_WIZFINISH))
        sheet_->SetHandle(header->hwndFrom);
    switch (code) {
    case PSN_KILLACTIVE:
        AnswerWith(OnKillActive(sheet_));
        return TRUE;
    case PSN_SETACTIVE:
        AnswerWith(OnSetActive(sheet_));
        return TRUE;
    case PSN_APPLY:
        AnswerWith(OnApply(sheet_));
        return TRUE;
    case PSN_QUERYCANCEL:
        AnswerWith(OnQueryCancel(sheet_));
        return TRUE;
    case PSN_HELP:
        OnHelp(sheet_);
        return TRUE;
    case PSN_RESET:
        OnReset(sheet_);
        return TRUE;
    case PSN_WIZNEXT:
    case PSN_WIZBACK:
    case PSN_WIZFINISH:
        return HandleWizardButton(code);
    default:
        return FALSE;
    }
}

INT_PTR PropertyPage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_HSCROLL:
        AnswerWith(OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)));
        return TRUE;
    case WM_VSCROLL:
        AnswerWith(OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)));
        return TRUE;
    case WM_NOTIFY:
        return HandleNotify(reinterpret_cast<NMHDR*>(lParam));
    default:
        return DispatchDialogMessage(*this, message, wParam, lParam);
    }
}

INT_PTR CALLBACK PropertyPage::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Pages see the notifications, commands and scroll bars (WM_NOTIFY to WM_VSCROLL) and
    // their own destruction; everything else gets the default dialog processing.
    if (message != WM_DESTROY && (message < WM_NOTIFY || message > WM_VSCROLL)) return FALSE;
    PropertyPage* object = ObjectOf(window);
    try {
        if (message == WM_INITDIALOG) {
            object = reinterpret_cast<PropertyPage*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
            SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(object));
            object->handle_ = window;
            object->OnCreate();
            return TRUE;
        }
        if (!object) return FALSE;
        if (message == WM_DESTROY) {
            // The sheet destroys its pages: the handle goes with the window, so that
            // nothing later acts on a handle the system may have given to another window.
            object->HandleDestroy();
            return FALSE;
        }
        return object->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Raised again when the sheet returns; the sheet is cancelled so that it does.
        KeepPendingException();
        ::PostMessageA(GetParent(window), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return FALSE;
    }
}
