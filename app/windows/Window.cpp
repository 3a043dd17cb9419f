#include "Window.h"
#include "WorkingFolder.h"

#include <vector>

#include "AppState.h"
#include "FatalText.h"
#include "PendingException.h"

const char kMainWindowClass[] = "Y7";
const char kFrameworkWindowClass[] = "pelagora";

namespace {
Window* ObjectOfMainClass(HWND window) {
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, 0));
}

Window* ObjectOfSubclassed(HWND window) {
    // Only windows running our subclass procedure carry an object in their user data.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != Window::SubclassProc)
        return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool RegisterFrameworkClass() {
    static bool registered = false;
    if (registered) return true;
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.cbWndExtra = sizeof(Window*);  // the window object
    wc.hInstance = GetAppInstance();
    wc.lpszClassName = kFrameworkWindowClass;
    registered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return registered;
}

// The item window handed out by GetDlgItemWindow wraps handles it does not own.
class ItemWindowRef : public Window {
public:
    ~ItemWindowRef() override { SetHandle(nullptr); }
};
}  // namespace

Window::Window() = default;

Window::~Window() {
    if (handle_) {
        // The object goes first: messages sent while the window is destroyed no longer
        // reach a half-destroyed object.
        HWND handle = handle_;
        if (oldProc_) {
            Unsubclass();
        } else if (GetWindowLongPtrA(handle, 0) == reinterpret_cast<LONG_PTR>(this)) {
            SetWindowLongPtrA(handle, 0, 0);
        }
        handle_ = nullptr;
        DestroyWindow(handle);
        // Nothing may be raised from a destructor.
        DropPendingException();
    }
}

int Window::Create() { return 0; }
int Window::OnContextMenu(HWND, POINT) { return 0; }
void Window::Hide() { ShowWindow(handle_, SW_HIDE); }
void Window::Show() { ShowWindow(handle_, SW_SHOW); }
bool Window::IsVisible() { return IsWindowVisible(handle_) != 0; }
int Window::OnCreate() { return 1; }
void Window::OnDestroy() {}
void Window::OnSize(UINT, int, int) {}
void Window::OnMove(int, int) {}
void Window::OnTimer(UINT_PTR) {}
void Window::OnPaint(DCHolder&, const RECT&) {}
void Window::OnKeyDown(WPARAM, LPARAM) {}
int Window::OnIdle() { return 1; }
int Window::CanClose() { return 1; }
int Window::WantsDialogMessages() { return 1; }
void Window::DrawItem(DCHolder&, UINT, const RECT&) {}
bool Window::GetFixedTracking(MINMAXINFO*) { return false; }
int Window::OnHScroll(int, int, HWND) { return 0; }
int Window::OnVScroll(int, int, HWND) { return 0; }

int Window::Create(Window* parent) {
    if (!RegisterFrameworkClass()) return 0;
    HWND window = CreateWindowExA(exStyle_, kFrameworkWindowClass, title_.c_str(), style_,
                                  rect_.left, rect_.top, rect_.right - rect_.left,
                                  rect_.bottom - rect_.top, parent ? parent->GetHandle() : nullptr,
                                  reinterpret_cast<HMENU>(menuOrId_), GetAppInstance(), nullptr);
    RethrowPendingException();
    if (!window) return 0;
    if (!Attach(window)) {
        DestroyWindow(window);
        return 0;
    }
    return 1;
}

int Window::CreateTopLevel(Window* parent) {
    const DWORD style = style_ | WS_CLIPCHILDREN;
    HMENU menu = nullptr;
    if (!parent) {
        if (LOWORD(menuOrId_)) menu = LoadMenuA(GetAppInstance(), MAKEINTRESOURCEA(LOWORD(menuOrId_)));
    } else {
        menu = reinterpret_cast<HMENU>(menuOrId_);
    }
    HWND window = CreateWindowExA(exStyle_, kMainWindowClass, title_.c_str(), style, rect_.left,
                                  rect_.top, rect_.right - rect_.left, rect_.bottom - rect_.top,
                                  parent ? parent->GetHandle() : nullptr, menu, GetAppInstance(), this);
    if (!window) {
        RethrowPendingException();
        return 0;
    }
    handle_ = window;
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(this));
    RethrowPendingException();
    return 1;
}

int Window::Attach(HWND window) {
    if (!window) return 0;
    // A window that already carries user data belongs to someone else: left alone, and
    // this object takes nothing of it.
    if (GetWindowLongPtrA(window, GWLP_USERDATA) != 0) return 0;
    // One object wraps one window: a window it held before gets its procedure back.
    if (oldProc_) Unsubclass();
    oldProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    handle_ = window;
    style_ = DWORD(GetWindowLongA(window, GWL_STYLE));
    exStyle_ = DWORD(GetWindowLongA(window, GWL_EXSTYLE));
    menuOrId_ = UINT_PTR(GetWindowLongPtrA(window, GWLP_ID));
    GetWindowRect(window, &rect_);
    if (style_ & WS_CHILD) {
        if (HWND parent = GetParent(window))
            MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect_), 2);
    }
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassProc));
    return 1;
}

int Window::AttachItem(Window* parent, int id) {
    if (!parent || !parent->GetHandle()) return 0;
    return Attach(GetDlgItem(parent->GetHandle(), id));
}

void Window::Unsubclass() {
    if (handle_ && oldProc_) {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle_, GWLP_WNDPROC)) == &Window::SubclassProc)
            SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
        if (GetWindowLongPtrA(handle_, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
            SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    }
    oldProc_ = nullptr;
    handle_ = nullptr;
}

void Window::Destroy() {
    HWND handle = handle_;
    if (handle) DestroyWindow(handle);
    handle_ = nullptr;
    RethrowPendingException();
}

void Window::Invalidate(const RECT* rect) { InvalidateRect(handle_, rect, FALSE); }

void Window::InvalidateAndUpdate(const RECT* rect) {
    InvalidateRect(handle_, rect, FALSE);
    UpdateWindow(handle_);
    RethrowPendingException();
}

void Window::SetText(const std::string& text) {
    title_ = text;
    if (handle_) {
        SetWindowTextA(handle_, text.c_str());
        RethrowPendingException();
    }
}

std::string Window::GetText() const {
    if (!handle_) return title_;
    const int length = GetWindowTextLengthA(handle_);
    std::vector<char> buffer(size_t(length) + 2, '\0');
    const int copied = GetWindowTextA(handle_, buffer.data(), int(buffer.size()));
    return std::string(buffer.data(), size_t(copied > 0 ? copied : 0));
}

void Window::SetExStyle(DWORD style) {
    exStyle_ = style;
    if (handle_) SetWindowLongA(handle_, GWL_EXSTYLE, LONG(style));
}

BOOL Window::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageA(handle_, message, wParam, lParam);
}

LRESULT Window::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = ::SendMessageA(handle_, message, wParam, lParam);
    RethrowPendingException();
    return result;
}

void Window::PostClose() { ::PostMessageA(handle_, WM_CLOSE, 0, 0); }

LRESULT Window::SendItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = SendDlgItemMessageA(handle_, id, message, wParam, lParam);
    RethrowPendingException();
    return result;
}

std::string Window::GetItemText(int id, int maxLength) {
    if (maxLength <= 0) return std::string();
    std::vector<char> buffer(size_t(maxLength) + 1, '\0');
    const LRESULT copied = SendItemMessage(id, WM_GETTEXT, WPARAM(maxLength),
                                           reinterpret_cast<LPARAM>(buffer.data()));
    buffer[size_t(maxLength)] = '\0';
    size_t length = copied > 0 ? size_t(copied) : 0;
    if (length > size_t(maxLength)) length = size_t(maxLength);
    return std::string(buffer.data(), strnlen(buffer.data(), length));
}

void Window::SetItemText(int id, const std::string& text) {
    SendItemMessage(id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Window::SetItemInt(int id, int value) { SetDlgItemInt(handle_, id, UINT(value), TRUE); }

UINT Window::GetItemInt(int id, bool* error) {
    BOOL ok = FALSE;
    const UINT value = GetDlgItemInt(handle_, id, &ok, FALSE);
    if (error && !ok) *error = true;
    return value;
}

int Window::GetItemSignedInt(int id, bool* error) {
    BOOL ok = FALSE;
    const int value = int(GetDlgItemInt(handle_, id, &ok, TRUE));
    if (error && !ok) *error = true;
    return value;
}

void Window::SetItemCheck(int id, int state) { SendItemMessage(id, BM_SETCHECK, WPARAM(state), 0); }
int Window::GetItemCheck(int id) { return int(SendItemMessage(id, BM_GETCHECK, 0, 0)); }
void Window::SetCheck(int state) { SendMessage(BM_SETCHECK, WPARAM(state), 0); }
int Window::GetCheck() { return int(SendMessage(BM_GETCHECK, 0, 0)); }
void Window::EnableItem(int id) { EnableWindow(GetDlgItem(handle_, id), TRUE); }
void Window::DisableItem(int id) { EnableWindow(GetDlgItem(handle_, id), FALSE); }
void Window::CheckRadio(int firstId, int lastId, int selectedId) {
    CheckRadioButton(handle_, firstId, lastId, selectedId);
}

Window* Window::GetDlgItemWindow(int id) {
    static ItemWindowRef shared;
    shared.SetHandle(GetDlgItem(handle_, id));
    return &shared;
}

void Window::HandleDestroy() {
    OnDestroy();
    handle_ = nullptr;
}

void Window::HandleMove(LPARAM lParam) {
    GetWindowRect(handle_, &rect_);
    OnMove(short(LOWORD(lParam)), short(HIWORD(lParam)));
}

void Window::HandleSize(WPARAM wParam, LPARAM lParam) {
    GetWindowRect(handle_, &rect_);
    OnSize(UINT(wParam), LOWORD(lParam), HIWORD(lParam));
}

void Window::HandlePaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(handle_, &paint);
    struct EndPaintOnExit {
        HWND window;
        PAINTSTRUCT* paint;
        ~EndPaintOnExit() { EndPaint(window, paint); }
    } endPaint{handle_, &paint};
    DCHolder holder(dc);
    OnPaint(holder, paint.rcPaint);
}

void Window::HandleClose() {
    if (CanClose()) Destroy();
}

LRESULT Window::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* object = ObjectOfMainClass(window);
    LRESULT result = 0;
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        object = static_cast<Window*>(create->lpCreateParams);
        if (!object) return DefWindowProcA(window, message, wParam, lParam);
        object->handle_ = window;
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(object));
        if (object->OnCreate()) return 0;
        object->handle_ = nullptr;
        SetWindowLongPtrA(window, 0, 0);
        return -1;
    }
    case WM_DESTROY:
        if (object) object->HandleDestroy();
        return 0;
    case WM_MOVE:
        if (!object) break;
        object->HandleMove(lParam);
        return 0;
    case WM_SIZE:
        if (!object) break;
        object->HandleSize(wParam, lParam);
        return 0;
    case WM_PAINT:
        if (!object) break;
        object->HandlePaint();
        return 0;
    case WM_CLOSE:
        if (!object) break;
        object->HandleClose();
        return 0;
    case WM_ACTIVATEAPP:
        SetApplicationActive(LONG(wParam));
        if (object && object->DispatchMessage(message, wParam, lParam, &result) == kHandled) return result;
        break;
    case WM_GETMINMAXINFO: {
        MINMAXINFO fixed;
        if (!object || !object->GetFixedTracking(&fixed)) break;
        *reinterpret_cast<MINMAXINFO*>(lParam) = fixed;
        return 0;
    }
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType == ODT_BUTTON) {
            if (Window* button = ObjectOfSubclassed(item->hwndItem)) {
                DCHolder dc(item->hDC);
                button->DrawItem(dc, item->itemState, item->rcItem);
            }
        }
        return 1;
    }
    case WM_MEASUREITEM:
        return 1;
    case WM_COMPAREITEM:
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (object && header && object->DispatchNotify(int(header->code), header, &result) == kHandled)
            return result;
        break;
    }
    case WM_CONTEXTMENU:
        if (!object) break;
        if (object->OnContextMenu(HWND(wParam), POINT{short(LOWORD(lParam)), short(HIWORD(lParam))}))
            return 0;
        break;
    case WM_NCDESTROY:
        if (!object) break;
        SetWindowLongPtrA(window, 0, 0);
        if (object->DispatchMessage(message, wParam, lParam, &result) == kHandled) return result;
        break;
    case WM_KEYDOWN:
        if (!object) break;
        object->OnKeyDown(wParam, lParam);
        return 0;
    case WM_COMMAND:
        if (!object) break;
        object->OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    default:
        if (object && object->DispatchMessage(message, wParam, lParam, &result) == kHandled) return result;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Window::HandleSubclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = handle_;
    WNDPROC previous = oldProc_;
    LRESULT result = 0;
    int answer = kNotHandled;
    switch (message) {
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        answer = header ? DispatchNotify(int(header->code), header, &result) : kNotHandled;
        break;
    }
    case WM_COMMAND:
        if (DispatchCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
        return CallWindowProcA(previous, window, message, wParam, lParam);
    case WM_NCDESTROY:
        // The window is going: it gets its own procedure back and this object lets go of
        // the handle, so that nothing reaches a window that no longer exists.
        answer = DispatchMessage(message, wParam, lParam, &result);
        Unsubclass();
        if (answer == kHandled) return result;
        if (answer == kHandledWithDefault) return DefWindowProcA(window, message, wParam, lParam);
        return CallWindowProcA(previous, window, message, wParam, lParam);
    case WM_MOVE:
    case WM_SIZE:
        GetWindowRect(window, &rect_);
        answer = DispatchMessage(message, wParam, lParam, &result);
        break;
    default:
        answer = DispatchMessage(message, wParam, lParam, &result);
        break;
    }
    if (answer == kHandled) return result;
    if (answer == kHandledWithDefault) return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* object = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!object || !object->oldProc_) return DefWindowProcA(window, message, wParam, lParam);
    try {
        const WorkingFolderScope folder(window);
        return object->HandleSubclassed(message, wParam, lParam);
    } catch (...) {
        KeepPendingException();
        return 0;
    }
}

LRESULT CALLBACK WindowProcGuard(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        const WorkingFolderScope folder(window);
        return Window::Dispatch(window, message, wParam, lParam);
    } catch (...) {
        SetFatalText(DescribeCurrentException());
        return 0;
    }
}

bool RegisterMainWindowClass(HBRUSH background) {
    static bool registered = false;
    if (registered) return true;
    HINSTANCE instance = GetAppInstance();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_BYTEALIGNCLIENT;
    wc.lpfnWndProc = WindowProcGuard;
    wc.cbWndExtra = sizeof(Window*);  // the window object
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(32000));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(32000), IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = kMainWindowClass;
    registered = RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return registered;
}
