// A test that meets a box it did not expect ends the box and fails at once, naming the box's
// caption and text, instead of waiting in it until CTest gives up. Linked into every test
// program that opens windows: while the tests run, a thread looks at the program's own
// top-level dialogs, and
// - a message box (or a report box) that has stood for a few seconds while nobody looked for
//   its caption is answered with Cancel (No, OK where it has none) and named in a failure;
// - when a title was looked for in vain until the look gave up, a dialog nobody found that
//   still stands is the one that came instead (a test's thread waits in it): it is cancelled
//   and named with the title that did not come.
// What the tests look for, and find, is what FindProgramWindow keeps.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ProgramWindow.h"

namespace {

const DWORD kUnlookedForMs = 3000;  // a box nobody looked for this long was not expected
const DWORD kVainSearchMs = 5000;   // a title looked for this long in vain...
const DWORD kGivenUpMs = 3000;      // ...and then no more, was given up
const DWORD kStrayMs = 3000;        // a dialog that stood this long came instead

const int kMessageTextId = 0xFFFF;  // a message box's text, and a report box's
const int kMessageIconId = 1088;

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Plain(const std::string& text) {
    std::string plain;
    for (char c : text)
        if (c != '\r') plain += c;
    return plain;
}

// The caption as the window keeps it: asked of another thread by a message, it would wait
// on that thread, which may be waiting on this one.
std::string CaptionOf(HWND window) {
    wchar_t wide[512] = {};
    const int length = InternalGetWindowText(window, wide, 512);
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, length, text, sizeof text - 1, nullptr, nullptr);
    return text;
}

// A control's text, asked with a bound.
std::string TextOf(HWND control) {
    static char text[16384];
    text[0] = '\0';
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, LPARAM(text), SMTO_ABORTIFHUNG, 2000, &copied))
        return "(its text could not be read)";
    return Plain(std::string(text, size_t(copied)));
}

// A message box has its text, perhaps an icon, and the buttons of a box (OK to Continue).
bool IsMessageBox(HWND dialog) {
    if (!GetDlgItem(dialog, kMessageTextId)) return false;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id == kMessageTextId || id == kMessageIconId) continue;
        if (lstrcmpiA(ClassOf(child).c_str(), "Button") != 0 || id < IDOK || id > IDCONTINUE) return false;
    }
    return true;
}

bool HasButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && IsWindowVisible(button);
}

// The answer that does least: Cancel, else No, else OK.
int SafestAnswer(HWND box) {
    if (HasButton(box, IDCANCEL)) return IDCANCEL;
    if (HasButton(box, IDNO)) return IDNO;
    return IDOK;
}

// Answers until the dialog has gone (a property sheet's loop looks at its end only when a
// message comes); closes it at the end of the bound.
void EndDialogWith(HWND dialog, int answer) {
    for (int waited = 0; IsWindow(dialog) && waited < 10000; waited += 50) {
        PostMessageA(dialog, WM_COMMAND, WPARAM(answer), 0);
        PostMessageA(dialog, WM_NULL, 0, 0);
        Sleep(50);
    }
    if (IsWindow(dialog)) PostMessageA(dialog, WM_CLOSE, 0, 0);
}

// The program's own visible top-level dialogs.
std::vector<HWND> OwnDialogs() {
    std::vector<HWND> dialogs;
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, "#32770", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(found, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(found)) dialogs.push_back(found);
    }
    return dialogs;
}

class BoxGuard : public testing::EmptyTestEventListener {
    void OnTestProgramStart(const testing::UnitTest&) override {
        thread_ = std::thread([this] {
            while (!stop_) {
                Look();
                Sleep(100);
            }
        });
    }
    void OnTestProgramEnd(const testing::UnitTest&) override {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
    }

    void Look() {
        const DWORD now = GetTickCount();
        std::map<HWND, DWORD> standing;
        for (HWND dialog : OwnDialogs()) {
            const auto seen = standing_.find(dialog);
            standing[dialog] = seen == standing_.end() ? now : seen->second;
        }
        standing_.swap(standing);
        std::string givenUp;
        std::vector<HWND> unexpected, strays;
        Sort(now, givenUp, unexpected, strays);
        for (HWND box : unexpected) {
            const std::string caption = CaptionOf(box), text = TextOf(GetDlgItem(box, kMessageTextId));
            EndDialogWith(box, SafestAnswer(box));
            ADD_FAILURE() << "A message box the test did not expect: \"" << caption << "\": " << text;
        }
        if (givenUp.empty()) return;
        for (HWND stray : strays) {
            const std::string caption = CaptionOf(stray);
            EndDialogWith(stray, IDCANCEL);
            ADD_FAILURE() << "\"" << givenUp << "\" did not come; the dialog \"" << caption
                          << "\" came instead and was cancelled";
        }
    }

    // The boxes nobody expects, the dialogs nobody found, and the last title given up on.
    void Sort(DWORD now, std::string& givenUp, std::vector<HWND>& unexpected, std::vector<HWND>& strays) {
        WindowSearches& searches = OwnWindowSearches();
        const std::lock_guard<std::mutex> hold(searches.lock);
        for (auto taken = searches.taken.begin(); taken != searches.taken.end();)
            taken = IsWindow(*taken) ? std::next(taken) : searches.taken.erase(taken);
        for (auto search = searches.byTitle.begin(); search != searches.byTitle.end();) {
            const WindowSearches::Search& s = search->second;
            if (now - s.last <= kGivenUpMs) {
                ++search;
                continue;
            }
            if (!s.found && s.last - s.first >= kVainSearchMs) givenUp = search->first.substr(search->first.find('\n') + 1);
            search = searches.byTitle.erase(search);
        }
        if (!givenUp.empty()) vainUntil_ = now + 10000;
        if (now >= vainUntil_) lastGivenUp_.clear();
        if (!givenUp.empty()) lastGivenUp_ = givenUp;
        givenUp = lastGivenUp_;
        for (const auto& [dialog, since] : standing_) {
            if (searches.taken.count(dialog) || now - since < kStrayMs) continue;
            if (!IsMessageBox(dialog)) {
                strays.push_back(dialog);
                continue;
            }
            if (now - since >= kUnlookedForMs && !LookedFor(searches, CaptionOf(dialog), now)) unexpected.push_back(dialog);
        }
    }

    static bool LookedFor(const WindowSearches& searches, const std::string& caption, DWORD now) {
        for (const char* windowClass : {"#32770", ""})
            for (const std::string& title : {caption, std::string()}) {
                const auto search = searches.byTitle.find(std::string(windowClass) + "\n" + title);
                if (search != searches.byTitle.end() && now - search->second.last < kGivenUpMs) return true;
            }
        return false;
    }

    std::atomic<bool> stop_{false};
    std::thread thread_;
    std::map<HWND, DWORD> standing_;  // the dialogs standing, and since when
    std::string lastGivenUp_;
    DWORD vainUntil_ = 0;
};

[[maybe_unused]] const bool kGuarding = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new BoxGuard);
    return true;
}();

}  // namespace
