// A framework window: a MessageTarget that owns (or wraps) one window handle and destroys
// it in its destructor. Windows of the main class "Y7" are routed through Window::Dispatch,
// framework child windows (class "pelagora") and adopted controls through
// Window::SubclassProc.
#pragma once
#include <windows.h>

#include <string>

#include "DeviceContext.h"
#include "MessageTarget.h"

extern const char kMainWindowClass[];       // "Y7"
extern const char kFrameworkWindowClass[];  // "pelagora"

class Window : public MessageTarget {
public:
    Window();
    ~Window() override;

    // Makes the window; non-zero on success. The base makes none.
    virtual int Create();
    virtual int OnContextMenu(HWND window, POINT point);
    virtual void Hide();
    virtual void Show();
    virtual bool IsVisible();
    // WM_CREATE (WM_INITDIALOG in dialogs): zero makes the creation fail.
    virtual int OnCreate();
    virtual void OnDestroy();
    virtual void OnSize(UINT type, int width, int height);
    virtual void OnMove(int x, int y);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnPaint(DCHolder& dc, const RECT& rect);
    virtual void OnKeyDown(WPARAM key, LPARAM flags);
    // Non-zero: nothing more to do, the message loop may wait.
    virtual int OnIdle();
    // The may-close question; zero refuses.
    virtual int CanClose();
    virtual int WantsDialogMessages();
    // Owner-drawn buttons: painting of an attached button control.
    virtual void DrawItem(DCHolder& dc, UINT state, const RECT& rect);
    // Frame windows with fixed tracking sizes fill the structure and answer true.
    virtual bool GetFixedTracking(MINMAXINFO* info);
    // Scroll-bar messages of property pages (request code, thumb position, the scroll
    // bar); the answer is the message's result.
    virtual int OnHScroll(int code, int position, HWND scrollBar);
    virtual int OnVScroll(int code, int position, HWND scrollBar);

    // Makes a framework child (or top-level) window of class "pelagora" and adopts it.
    int Create(Window* parent);
    // Makes a window of the main class "Y7" that sees its own WM_CREATE.
    int CreateTopLevel(Window* parent = nullptr);

    using MessageTarget::Attach;
    using MessageTarget::Detach;
    // Subclasses the window: its messages reach this object first, then the procedure it
    // had before. Zero for a null handle or a window that already carries user data.
    int Attach(HWND window);
    int AttachItem(Window* parent, int id);
    // Gives a subclassed window its previous procedure back and forgets the handle.
    void Unsubclass();
    bool IsSubclassed() const { return oldProc_ != nullptr; }

    HWND GetHandle() const { return handle_; }
    void SetHandle(HWND handle) { handle_ = handle; }

    void Destroy();
    void Invalidate(const RECT* rect);
    void InvalidateAll() { Invalidate(nullptr); }
    void InvalidateAndUpdate(const RECT* rect);
    void Repaint() { InvalidateAndUpdate(nullptr); }
    void SetText(const std::string& text);
    std::string GetText() const;
    void SetExStyle(DWORD style);
    BOOL PostMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PostClose();

    LRESULT SendItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam);
    std::string GetItemText(int id, int maxLength);
    void SetItemText(int id, const std::string& text);
    void SetItemInt(int id, int value);
    UINT GetItemInt(int id, bool* error = nullptr);
    int GetItemSignedInt(int id, bool* error = nullptr);
    void SetItemCheck(int id, int state);
    int GetItemCheck(int id);
    void SetCheck(int state);
    int GetCheck();
    void EnableItem(int id);
    void DisableItem(int id);
    void CheckRadio(int firstId, int lastId, int selectedId);
    // One shared object re-targeted to the dialog item on every call.
    Window* GetDlgItemWindow(int id);

    // Creation fields.
    void SetStyle(DWORD style) { style_ = style; }
    DWORD GetStyle() const { return style_; }
    DWORD GetExStyle() const { return exStyle_; }
    void SetRect(const RECT& rect) { rect_ = rect; }
    const RECT& GetRect() const { return rect_; }
    void SetMenuOrId(UINT_PTR value) { menuOrId_ = value; }
    UINT_PTR GetMenuOrId() const { return menuOrId_; }
    WNDPROC GetOldProc() const { return oldProc_; }

    // The procedure of the main class runs this inside WindowProcGuard.
    static LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    DWORD exStyle_ = 0;
    std::string title_;
    RECT rect_ = {0, 0, 0, 0};
    UINT_PTR menuOrId_ = 0;
    DWORD style_ = 0;
    WNDPROC oldProc_ = nullptr;
    HWND handle_ = nullptr;

    // Shared by the window procedures: OnDestroy, then the handle is forgotten; OnPaint
    // between BeginPaint and EndPaint.
    void HandleDestroy();
    void HandlePaint();

private:
    LRESULT HandleSubclassed(UINT message, WPARAM wParam, LPARAM lParam);
    void HandleMove(LPARAM lParam);
    void HandleSize(WPARAM wParam, LPARAM lParam);
    void HandleClose();
};

// The window procedure of the main class: Window::Dispatch, with every exception that a
// handler throws turned into the fatal text.
LRESULT CALLBACK WindowProcGuard(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the main window class "Y7" (once); the brush is the class background.
bool RegisterMainWindowClass(HBRUSH background);
