#include "Dialog.h"

#include "AppState.h"
#include "DialogMessage.h"
#include "PendingException.h"

namespace {
Dialog* ObjectOf(HWND window) { return reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER)); }
}  // namespace

Dialog::Dialog() = default;
Dialog::Dialog(int resourceId) : templateId_(resourceId) {}
Dialog::Dialog(const char* templateName) : templateName_(templateName ? templateName : "") {}

Dialog::~Dialog() {
    // Messages sent while the window goes no longer reach this half-destroyed object.
    if (handle_ && ObjectOf(handle_) == this) SetWindowLongPtrA(handle_, DWLP_USER, 0);
}

LPCSTR Dialog::Template() const {
    if (templateName_.empty()) return MAKEINTRESOURCEA(templateId_);
    return templateName_.c_str();
}

HWND Dialog::MakeModeless(HWND owner) {
    HWND window = CreateDialogParamA(GetAppInstance(), Template(), owner, &Dialog::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (window && HasPendingException()) {
        // Its initialisation failed: the caller gets the exception, not a half-made window.
        DestroyWindow(window);
        handle_ = nullptr;
    }
    RethrowPendingException();
    if (!window) return nullptr;
    handle_ = window;
    GetWindowRect(window, &rect_);
    style_ = DWORD(GetWindowLongA(window, GWL_STYLE));
    return window;
}

int Dialog::Create() { return MakeModeless(nullptr) ? 1 : 0; }

int Dialog::CreateFromResource(Window* owner, int resourceId) {
    if (!handle_) {
        templateName_.clear();
        templateId_ = resourceId;
        MakeModeless(owner ? owner->GetHandle() : nullptr);
    }
    return handle_ ? 1 : 0;
}

INT_PTR Dialog::DoModal(Window* owner) {
    modal_ = 1;
    const INT_PTR result = DialogBoxParamA(GetAppInstance(), Template(), owner ? owner->GetHandle() : nullptr,
                                           &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    modal_ = 0;
    RethrowPendingException();
    return result;
}

INT_PTR Dialog::DoModalFromResource(Window* owner, int resourceId) {
    templateName_.clear();
    templateId_ = resourceId;
    return DoModal(owner);
}

void Dialog::End(INT_PTR result) {
    if (modal_ && handle_) EndDialog(handle_, result);
}

INT_PTR Dialog::HandleInit(HWND window) {
    handle_ = window;
    OnCreate();
    return TRUE;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_TIMER:
        OnTimer(UINT_PTR(wParam));
        return FALSE;
    case WM_PAINT:
        HandlePaint();
        return FALSE;
    case WM_DESTROY:
        HandleDestroy();
        return FALSE;
    case WM_MOVE:
    case WM_SIZE:
        // Dialogs keep their rectangle current but get no OnMove or OnSize.
        GetWindowRect(handle_, &rect_);
        return FALSE;
    default:
        return DispatchDialogMessage(*this, message, wParam, lParam);
    }
}

INT_PTR CALLBACK Dialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* object = ObjectOf(window);
    if (message == WM_INITDIALOG) {
        object = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
    }
    if (!object) return FALSE;
    try {
        if (message == WM_INITDIALOG) return object->HandleInit(window);
        return object->HandleMessage(message, wParam, lParam);
    } catch (...) {
        // Raised again once the Win32 call that led here returns; a modal dialog ends so
        // that it does.
        KeepPendingException();
        if (object->modal_) EndDialog(window, -1);
        return FALSE;
    }
}
