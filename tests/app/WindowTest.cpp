// Real windows driven with synthetic messages: the attached target, the window's own maps
// and the procedure the window had before, for subclassed controls, framework child
// windows and windows of the main class.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FatalText.h"
#include "FrameWindow.h"
#include "PendingException.h"
#include "Window.h"
#include "WorkingFolder.h"

namespace {
std::vector<std::string> previousCalls;

// The procedure a control had before the framework subclassed it.
LRESULT CALLBACK PreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_USER || message == WM_COMMAND || message == WM_NOTIFY || message == WM_GETTEXTLENGTH) {
        previousCalls.push_back("previous:" + std::to_string(message));
        return 99;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char kPlainClass[] = "VslTestPlain";

HWND MakePlainWindow(HWND parent = nullptr) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = PreviousProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kPlainClass;
        RegisterClassA(&wc);
        registered = true;
    }
    return CreateWindowExA(0, kPlainClass, "abc", parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW,
                           10, 20, 100, 50, parent, HMENU(parent ? 1234 : 0), GetModuleHandleA(nullptr),
                           nullptr);
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

struct Recorder {
    std::vector<std::string>* log;
    std::string name;
    int answer = kHandled;
    LRESULT value = 0;
    LRESULT Plain(WPARAM, LPARAM) {
        log->push_back(name + ":message");
        return value;
    }
    int Deciding(WPARAM, LPARAM, LRESULT* result) {
        log->push_back(name + ":message");
        *result = value;
        return answer;
    }
    void Command(int id, int) { log->push_back(name + ":command:" + std::to_string(id)); }
    int Notify(NMHDR*, LRESULT* result) {
        log->push_back(name + ":notify");
        *result = value;
        return answer;
    }
    LRESULT Throw(WPARAM, LPARAM) { throw std::runtime_error("boom in handler"); }
    LRESULT ThrowInt(WPARAM, LPARAM) { throw 7; }
    LRESULT ThrowOther(WPARAM, LPARAM) { throw 2.5; }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        previousCalls.clear();
        log.clear();
        ClearFatalText();
        DropPendingException();
    }
    std::vector<std::string> log;
};
}  // namespace

TEST_F(WindowTest, MessageReachesAttachedTargetThenOwnMapThenPreviousProcedure) {
    HWND control = MakePlainWindow();
    ASSERT_TRUE(control);
    Window window;
    ASSERT_EQ(1, window.Attach(control));
    EXPECT_TRUE(window.IsSubclassed());
    MessageTarget extra;
    window.Attach(&extra);

    Recorder first{&log, "attached", kNotHandled, 1};
    Recorder own{&log, "own", kNotHandled, 2};
    extra.BindDecidingMessage(WM_USER + 10, &first, &Recorder::Deciding);
    window.BindDecidingMessage(WM_USER + 10, &own, &Recorder::Deciding);

    // Nobody handles it: all three are asked, in order.
    EXPECT_EQ(99, SendMessageA(control, WM_USER + 10, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"attached:message", "own:message"}), log);
    EXPECT_EQ(1u, previousCalls.size());

    // The window's own map handles it: the previous procedure is not called.
    log.clear();
    own.answer = kHandled;
    EXPECT_EQ(2, SendMessageA(control, WM_USER + 10, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"attached:message", "own:message"}), log);
    EXPECT_EQ(1u, previousCalls.size());

    // The attached target handles it: nothing else is asked.
    log.clear();
    first.answer = kHandled;
    EXPECT_EQ(1, SendMessageA(control, WM_USER + 10, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"attached:message"}), log);
    EXPECT_EQ(1u, previousCalls.size());
    window.Detach();
}

TEST_F(WindowTest, PassAnswerRunsTheDefaultProcedureInsteadOfThePreviousOne) {
    HWND control = MakePlainWindow();
    Window window;
    ASSERT_EQ(1, window.Attach(control));
    Recorder own{&log, "own", kHandledWithDefault, 55};
    window.BindDecidingMessage(WM_GETTEXTLENGTH, &own, &Recorder::Deciding);
    // DefWindowProcA gives the length of "abc"; the handler's value and the previous
    // procedure's 99 are not used.
    EXPECT_EQ(3, SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_TRUE(previousCalls.empty());
    own.answer = kNotHandled;
    EXPECT_EQ(99, SendMessageA(control, WM_GETTEXTLENGTH, 0, 0));
}

TEST_F(WindowTest, CommandAndNotificationMapsOfASubclassedControl) {
    HWND control = MakePlainWindow();
    Window window;
    ASSERT_EQ(1, window.Attach(control));
    Recorder own{&log, "own", kHandled, 17};
    window.BindCommand(500, &own, &Recorder::Command);
    window.BindNotify(-2, &own, &Recorder::Notify);

    EXPECT_EQ(0, SendMessageA(control, WM_COMMAND, MAKEWPARAM(500, 0), 0));
    EXPECT_TRUE(previousCalls.empty());
    // An id that no map holds reaches the previous procedure.
    EXPECT_EQ(99, SendMessageA(control, WM_COMMAND, MAKEWPARAM(501, 0), 0));
    EXPECT_EQ(1u, previousCalls.size());

    NMHDR header = {control, 1, UINT(-2)};
    EXPECT_EQ(17, SendMessageA(control, WM_NOTIFY, 1, LPARAM(&header)));
    header.code = UINT(-3);
    EXPECT_EQ(99, SendMessageA(control, WM_NOTIFY, 1, LPARAM(&header)));
    EXPECT_EQ((std::vector<std::string>{"own:command:500", "own:notify"}), log);
}

TEST_F(WindowTest, AttachRecordsTheControlAndRefusesWindowsWithUserData) {
    HWND parent = MakePlainWindow();
    HWND child = MakePlainWindow(parent);
    Window window;
    ASSERT_EQ(1, window.Attach(child));
    EXPECT_EQ(child, window.GetHandle());
    EXPECT_EQ(1234u, window.GetMenuOrId());
    EXPECT_TRUE(window.GetStyle() & WS_CHILD);
    // The rectangle of a child window is in its parent's client coordinates.
    EXPECT_EQ(10, window.GetRect().left);
    EXPECT_EQ(20, window.GetRect().top);
    EXPECT_EQ(110, window.GetRect().right);

    // A window already carrying user data is left alone and the object takes nothing.
    HWND other = MakePlainWindow();
    SetWindowLongPtrA(other, GWLP_USERDATA, 1);
    Window refused;
    EXPECT_EQ(0, refused.Attach(other));
    EXPECT_EQ(nullptr, refused.GetHandle());
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(PreviousProc), GetWindowLongPtrA(other, GWLP_WNDPROC));
    EXPECT_EQ(0, refused.Attach(HWND(nullptr)));
    DestroyWindow(other);
    DestroyWindow(parent);
    EXPECT_EQ(nullptr, window.GetHandle());  // let go when its window went with the parent
}

TEST_F(WindowTest, UnsubclassingGivesThePreviousProcedureBack) {
    HWND control = MakePlainWindow();
    {
        Window window;
        ASSERT_EQ(1, window.Attach(control));
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(&Window::SubclassProc), GetWindowLongPtrA(control, GWLP_WNDPROC));
        Recorder own{&log, "own", kHandled, 5};
        window.BindMessage(WM_USER + 1, &own, &Recorder::Plain);
        EXPECT_EQ(5, SendMessageA(control, WM_USER + 1, 0, 0));
        window.Unsubclass();
        EXPECT_EQ(nullptr, window.GetHandle());
        EXPECT_EQ(reinterpret_cast<LONG_PTR>(PreviousProc), GetWindowLongPtrA(control, GWLP_WNDPROC));
        EXPECT_EQ(0, GetWindowLongPtrA(control, GWLP_USERDATA));
        EXPECT_EQ(99, SendMessageA(control, WM_USER + 1, 0, 0));
    }
    // The object went without destroying the window it no longer holds.
    EXPECT_TRUE(IsWindow(control));
    // It can be subclassed again.
    Window again;
    EXPECT_EQ(1, again.Attach(control));
}

TEST_F(WindowTest, DeletingTheObjectDestroysItsWindowAndWindowDestructionReleasesTheObject) {
    HWND control = MakePlainWindow();
    {
        Window window;
        ASSERT_EQ(1, window.Attach(control));
    }
    EXPECT_FALSE(IsWindow(control));

    HWND second = MakePlainWindow();
    Window survivor;
    ASSERT_EQ(1, survivor.Attach(second));
    DestroyWindow(second);
    EXPECT_EQ(nullptr, survivor.GetHandle());
}

TEST_F(WindowTest, ExceptionInASubclassedHandlerIsRaisedAgainAfterTheWin32Call) {
    HWND control = MakePlainWindow();
    Window window;
    ASSERT_EQ(1, window.Attach(control));
    Recorder own{&log, "own"};
    window.BindMessage(WM_USER + 3, &own, &Recorder::Throw);
    EXPECT_THROW(window.SendMessage(WM_USER + 3, 0, 0), std::runtime_error);
    EXPECT_FALSE(HasPendingException());

    // Reached through DispatchMessageA: kept until our own code raises it.
    PostMessageA(control, WM_USER + 3, 0, 0);
    Pump();
    EXPECT_TRUE(HasPendingException());
    EXPECT_THROW(RethrowPendingException(), std::runtime_error);
    EXPECT_TRUE(GetFatalText().empty());
}

TEST_F(WindowTest, FrameworkChildWindowOfClassPelagora) {
    HWND parent = MakePlainWindow();
    Window parentWindow;
    parentWindow.SetHandle(parent);
    Window child;
    child.SetStyle(WS_CHILD | WS_VISIBLE);
    child.SetRect(RECT{5, 6, 55, 46});
    child.SetMenuOrId(77);
    child.SetText("child");
    ASSERT_EQ(1, child.Create(&parentWindow));
    char className[32] = {};
    GetClassNameA(child.GetHandle(), className, sizeof className);
    EXPECT_STREQ("pelagora", className);
    EXPECT_EQ(77, GetDlgCtrlID(child.GetHandle()));
    EXPECT_EQ("child", child.GetText());
    EXPECT_EQ(child.GetHandle(), parentWindow.GetDlgItemWindow(77)->GetHandle());

    Recorder own{&log, "own", kHandled, 8};
    child.BindMessage(WM_USER + 4, &own, &Recorder::Plain);
    EXPECT_EQ(8, child.SendMessage(WM_USER + 4, 0, 0));
    // Unhandled messages go to the class procedure, DefWindowProcA.
    EXPECT_EQ(0, child.SendMessage(WM_USER + 5, 0, 0));

    // WM_MOVE replaces the rectangle with the window's screen rectangle.
    MoveWindow(child.GetHandle(), 30, 40, 50, 40, TRUE);
    RECT screen;
    GetWindowRect(child.GetHandle(), &screen);
    EXPECT_EQ(screen.left, child.GetRect().left);
    EXPECT_EQ(screen.bottom, child.GetRect().bottom);
    child.Destroy();
    parentWindow.SetHandle(nullptr);
    DestroyWindow(parent);
}

namespace {
struct FolderProbe {
    std::string seen;
    LRESULT Look(WPARAM, LPARAM) {
        char folder[MAX_PATH] = {};
        GetCurrentDirectoryA(sizeof folder, folder);
        seen = folder;
        return 1;
    }
};

std::string CurrentFolder() {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}
}  // namespace

// A top-level window with a folder of its own (the editor's, its script's): while a window
// in it handles a message, a framework window or a subclassed control, the current directory
// is that folder, and it is the program's again afterwards.
TEST_F(WindowTest, TheWindowsOfATopLevelWindowWithAFolderHandleTheirMessagesThere) {
    const std::string program = CurrentFolder();
    const std::string folder = ::testing::TempDir() + "window_folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    HWND top = MakePlainWindow();
    Window topWindow;
    topWindow.SetHandle(top);
    Window framework;
    framework.SetStyle(WS_CHILD | WS_VISIBLE);
    framework.SetRect(RECT{5, 6, 55, 46});
    ASSERT_EQ(1, framework.Create(&topWindow));
    Window control;
    ASSERT_EQ(1, control.Attach(MakePlainWindow(top)));
    FolderProbe inFramework, inControl;
    framework.BindMessage(WM_USER + 6, &inFramework, &FolderProbe::Look);
    control.BindMessage(WM_USER + 6, &inControl, &FolderProbe::Look);

    SetWindowWorkingFolder(top, folder);
    framework.SendMessage(WM_USER + 6, 0, 0);
    control.SendMessage(WM_USER + 6, 0, 0);
    EXPECT_EQ(0, lstrcmpiA(folder.c_str(), inFramework.seen.c_str())) << inFramework.seen;
    EXPECT_EQ(0, lstrcmpiA(folder.c_str(), inControl.seen.c_str())) << inControl.seen;
    EXPECT_EQ(program, CurrentFolder());
    // Without a folder of its own the window works in the program's.
    SetWindowWorkingFolder(top, std::string());
    framework.SendMessage(WM_USER + 6, 0, 0);
    EXPECT_EQ(0, lstrcmpiA(program.c_str(), inFramework.seen.c_str())) << inFramework.seen;

    control.Unsubclass();
    framework.Destroy();
    topWindow.SetHandle(nullptr);
    DestroyWindow(top);
    RemoveDirectoryA(folder.c_str());
}

TEST_F(WindowTest, DlgItemWindowIsOneSharedObjectRetargetedOnEveryCall) {
    HWND parent = MakePlainWindow();
    HWND first = MakePlainWindow(parent);
    HWND second = CreateWindowExA(0, kPlainClass, "", WS_CHILD, 0, 0, 5, 5, parent, HMENU(4321),
                                  GetModuleHandleA(nullptr), nullptr);
    Window parentWindow;
    parentWindow.SetHandle(parent);
    Window* a = parentWindow.GetDlgItemWindow(1234);
    EXPECT_EQ(first, a->GetHandle());
    Window* b = parentWindow.GetDlgItemWindow(4321);
    EXPECT_EQ(a, b);
    EXPECT_EQ(second, b->GetHandle());
    parentWindow.SetHandle(nullptr);
    DestroyWindow(parent);
}

namespace {
class TestFrame : public FrameWindow {
public:
    int OnCreate() override {
        created = true;
        return 1;
    }
    void OnDestroy() override { destroyed = true; }
    int CanClose() override { return mayClose; }
    bool created = false;
    bool destroyed = false;
    int mayClose = 1;
};

void PrepareFrame(Window& frame) {
    RegisterMainWindowClass(nullptr);
    frame.SetStyle(WS_OVERLAPPEDWINDOW);
    frame.SetRect(RECT{0, 0, 200, 150});
    frame.SetText("frame");
}
}  // namespace

TEST_F(WindowTest, BareFrameWindowCannotBeCreated) {
    FrameWindow bare;
    PrepareFrame(bare);
    EXPECT_EQ(0, bare.Create());
    EXPECT_EQ(nullptr, bare.GetHandle());
}

TEST_F(WindowTest, MainClassWindowRoutesMessagesAndCommandsThroughItsMaps) {
    TestFrame frame;
    PrepareFrame(frame);
    ASSERT_EQ(1, frame.Create());
    EXPECT_TRUE(frame.created);
    char className[32] = {};
    GetClassNameA(frame.GetHandle(), className, sizeof className);
    EXPECT_STREQ("Y7", className);
    EXPECT_TRUE(GetWindowLongA(frame.GetHandle(), GWL_STYLE) & WS_CLIPCHILDREN);

    MessageTarget extra;
    frame.Attach(&extra);
    Recorder first{&log, "attached", kNotHandled, 1};
    Recorder own{&log, "own", kHandled, 2};
    extra.BindDecidingMessage(WM_USER + 20, &first, &Recorder::Deciding);
    frame.BindDecidingMessage(WM_USER + 20, &own, &Recorder::Deciding);
    frame.BindCommand(600, &own, &Recorder::Command);

    EXPECT_EQ(2, frame.SendMessage(WM_USER + 20, 0, 0));
    EXPECT_EQ((std::vector<std::string>{"attached:message", "own:message"}), log);
    // Not handled on the main class: DefWindowProcA answers.
    own.answer = kNotHandled;
    EXPECT_EQ(0, frame.SendMessage(WM_USER + 20, 0, 0));
    own.answer = kHandledWithDefault;
    EXPECT_EQ(0, frame.SendMessage(WM_USER + 20, 0, 0));

    log.clear();
    EXPECT_EQ(0, frame.SendMessage(WM_COMMAND, MAKEWPARAM(600, 1), 0));
    EXPECT_EQ(0, frame.SendMessage(WM_COMMAND, MAKEWPARAM(601, 1), 0));
    EXPECT_EQ((std::vector<std::string>{"own:command:600"}), log);
    frame.Detach();

    // The may-close question: refused keeps the window, granted destroys it.
    frame.mayClose = 0;
    frame.SendMessage(WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(frame.GetHandle()));
    frame.mayClose = 1;
    HWND handle = frame.GetHandle();
    frame.SendMessage(WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_TRUE(frame.destroyed);
    EXPECT_EQ(nullptr, frame.GetHandle());
}

TEST_F(WindowTest, ActivateAppSetsTheActiveFlagAndTheIdleRuleFollowsIt) {
    TestFrame frame;
    PrepareFrame(frame);
    ASSERT_EQ(1, frame.Create());
    frame.SendMessage(WM_ACTIVATEAPP, 1, 0);
    EXPECT_EQ(0, frame.OnIdle());
    frame.SendMessage(WM_ACTIVATEAPP, 0, 0);
    EXPECT_EQ(1, frame.OnIdle());
}

TEST_F(WindowTest, FixedTrackingSizesAnswerMinMaxInfo) {
    TestFrame frame;
    PrepareFrame(frame);
    MINMAXINFO fixed = {};
    fixed.ptMinTrackSize = POINT{300, 200};
    fixed.ptMaxTrackSize = POINT{300, 200};
    frame.SetFixedTracking(fixed);
    ASSERT_EQ(1, frame.Create());
    MINMAXINFO asked = {};
    EXPECT_EQ(0, frame.SendMessage(WM_GETMINMAXINFO, 0, LPARAM(&asked)));
    EXPECT_EQ(300, asked.ptMaxTrackSize.x);
    EXPECT_EQ(200, asked.ptMinTrackSize.y);
}

TEST_F(WindowTest, HandlerExceptionsOnTheMainClassBecomeTheFatalText) {
    TestFrame frame;
    PrepareFrame(frame);
    ASSERT_EQ(1, frame.Create());
    Recorder own{&log, "own"};
    frame.BindMessage(WM_USER + 30, &own, &Recorder::Throw);
    frame.BindMessage(WM_USER + 31, &own, &Recorder::ThrowInt);
    frame.BindMessage(WM_USER + 32, &own, &Recorder::ThrowOther);

    PostMessageA(frame.GetHandle(), WM_USER + 30, 0, 0);
    Pump();
    EXPECT_EQ("Exception boom in handler", GetFatalText());
    frame.SendMessage(WM_USER + 31, 0, 0);
    EXPECT_EQ("Int Exception 7", GetFatalText());
    frame.SendMessage(WM_USER + 32, 0, 0);
    EXPECT_EQ("Something wonderful is happening!", GetFatalText());
    EXPECT_FALSE(HasPendingException());
}

namespace {
class OwnerDrawnButton : public Window {
public:
    void DrawItem(DCHolder& dc, UINT state, const RECT& rect) override {
        drawn = dc.Get() != nullptr;
        lastState = state;
        lastRect = rect;
    }
    bool drawn = false;
    UINT lastState = 0;
    RECT lastRect = {};
};
}  // namespace

TEST_F(WindowTest, OwnerDrawnButtonOfTheMainClassGetsItsPainting) {
    TestFrame frame;
    PrepareFrame(frame);
    ASSERT_EQ(1, frame.Create());
    HWND button = CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_OWNERDRAW, 0, 0, 40, 20,
                                  frame.GetHandle(), HMENU(9), GetModuleHandleA(nullptr), nullptr);
    OwnerDrawnButton drawer;
    ASSERT_EQ(1, drawer.Attach(button));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = 9;
    item.hwndItem = button;
    item.hDC = GetDC(button);
    item.itemState = ODS_SELECTED;
    item.rcItem = RECT{1, 2, 3, 4};
    EXPECT_EQ(1, frame.SendMessage(WM_DRAWITEM, 9, LPARAM(&item)));
    ReleaseDC(button, item.hDC);
    EXPECT_TRUE(drawer.drawn);
    EXPECT_EQ(UINT(ODS_SELECTED), drawer.lastState);
    EXPECT_EQ(3, drawer.lastRect.right);
}

namespace {
class HookFrame : public TestFrame {
public:
    void OnSize(UINT type, int width, int height) override { sizes.push_back({int(type), width, height}); }
    void OnMove(int x, int y) override { moves.push_back({x, y}); }
    void OnKeyDown(WPARAM key, LPARAM) override { keys.push_back(int(key)); }
    int OnContextMenu(HWND, POINT point) override {
        menuPoints.push_back({point.x, point.y});
        return 1;
    }
    void OnPaint(DCHolder& dc, const RECT&) override { painted = dc.Get() != nullptr; }
    std::vector<std::vector<int>> sizes, moves, menuPoints;
    std::vector<int> keys;
    bool painted = false;
};
}  // namespace

TEST_F(WindowTest, MainClassHooksReceiveTheirMessages) {
    HookFrame frame;
    PrepareFrame(frame);
    ASSERT_EQ(1, frame.Create());
    frame.sizes.clear();
    frame.moves.clear();
    frame.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 80));
    frame.SendMessage(WM_MOVE, 0, MAKELPARAM(15, 25));
    frame.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
    frame.SendMessage(WM_CONTEXTMENU, WPARAM(frame.GetHandle()), MAKELPARAM(3, 4));
    ASSERT_EQ(1u, frame.sizes.size());
    EXPECT_EQ((std::vector<int>{SIZE_RESTORED, 120, 80}), frame.sizes[0]);
    EXPECT_EQ((std::vector<std::vector<int>>{{15, 25}}), frame.moves);
    EXPECT_EQ((std::vector<int>{VK_SPACE}), frame.keys);
    EXPECT_EQ((std::vector<std::vector<int>>{{3, 4}}), frame.menuPoints);
    RECT screen;
    GetWindowRect(frame.GetHandle(), &screen);
    EXPECT_EQ(screen.right, frame.GetRect().right);
    frame.Show();
    frame.Repaint();
    EXPECT_TRUE(frame.painted);
    EXPECT_TRUE(frame.IsVisible());
    frame.Hide();
    EXPECT_FALSE(frame.IsVisible());
}

// WM_ERASEBKGND reaches OnEraseBackground, which fills the whole client area with the brush
// selected into the device context it is given and answers 1.
TEST_F(WindowTest, FrameWindowErasesItsClientAreaWithTheSelectedBrush) {
    TestFrame frame;
    PrepareFrame(frame);
    ASSERT_EQ(1, frame.Create());
    RECT client;
    GetClientRect(frame.GetHandle(), &client);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right + 2, client.bottom + 2);
    ReleaseDC(nullptr, screen);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, client.right + 2, client.bottom + 2, WHITENESS);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    HGDIOBJ oldBrush = SelectObject(dc, red);

    EXPECT_EQ(1, frame.SendMessage(WM_ERASEBKGND, WPARAM(dc), 0));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), GetPixel(dc, client.right - 1, client.bottom - 1));
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, client.right, client.bottom)) << "only the client area";

    SelectObject(dc, oldBrush);
    SelectObject(dc, oldBitmap);
    DeleteObject(red);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

TEST_F(WindowTest, DialogItemHelpersReadAndWriteChildControls) {
    TestFrame frame;
    PrepareFrame(frame);
    ASSERT_EQ(1, frame.Create());
    HINSTANCE instance = GetModuleHandleA(nullptr);
    CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 80, 20, frame.GetHandle(), HMENU(10), instance, nullptr);
    CreateWindowExA(0, "BUTTON", "a", WS_CHILD | BS_AUTORADIOBUTTON, 0, 30, 80, 20, frame.GetHandle(), HMENU(11),
                    instance, nullptr);
    CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_AUTORADIOBUTTON, 0, 50, 80, 20, frame.GetHandle(), HMENU(12),
                    instance, nullptr);
    HWND check = CreateWindowExA(0, "BUTTON", "c", WS_CHILD | BS_AUTOCHECKBOX, 0, 70, 80, 20, frame.GetHandle(),
                                 HMENU(13), instance, nullptr);

    frame.SetItemText(10, "hello world");
    EXPECT_EQ("hello world", frame.GetItemText(10, 100));
    EXPECT_EQ("hell", frame.GetItemText(10, 5));  // room for four characters and the zero
    EXPECT_EQ("", frame.GetItemText(10, 0));
    frame.SetItemText(10, "");
    EXPECT_EQ("", frame.GetItemText(10, 100));

    frame.SetItemInt(10, -42);
    EXPECT_EQ(-42, frame.GetItemSignedInt(10));
    bool error = false;
    frame.SetItemText(10, "not a number");
    frame.GetItemInt(10, &error);
    EXPECT_TRUE(error);
    error = false;
    frame.SetItemInt(10, 17);
    EXPECT_EQ(17u, frame.GetItemInt(10, &error));
    EXPECT_FALSE(error);

    frame.CheckRadio(11, 12, 12);
    EXPECT_EQ(BST_UNCHECKED, frame.GetItemCheck(11));
    EXPECT_EQ(BST_CHECKED, frame.GetItemCheck(12));
    frame.SetItemCheck(13, BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, frame.GetItemCheck(13));
    Window checkBox;
    ASSERT_EQ(1, checkBox.AttachItem(&frame, 13));
    EXPECT_EQ(check, checkBox.GetHandle());
    checkBox.SetCheck(BST_UNCHECKED);
    EXPECT_EQ(BST_UNCHECKED, checkBox.GetCheck());

    frame.DisableItem(13);
    EXPECT_FALSE(IsWindowEnabled(check));
    frame.EnableItem(13);
    EXPECT_TRUE(IsWindowEnabled(check));

    Window noWindow;
    EXPECT_EQ(0, checkBox.AttachItem(&noWindow, 13));

    frame.SetText("renamed");
    EXPECT_EQ("renamed", frame.GetText());
    frame.SetExStyle(WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongA(frame.GetHandle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}
