// Finds a top-level window of one program by its class and title. Test programs run side by
// side on one display, so a window with the same title may well belong to another.
//
// What the test looks for in its own program is kept: the titles looked for, when, and the
// windows found. A box or dialog that nobody looks for is one the test did not expect
// (BoxGuard.cpp ends it and says so), and a title looked for in vain tells what should have
// come instead.
#pragma once
#include <windows.h>

#include <map>
#include <mutex>
#include <set>
#include <string>

struct WindowSearches {
    struct Search {
        DWORD first = 0, last = 0;  // the first look of the search and the latest, as tick counts
        bool found = false;         // by the latest look
    };
    std::mutex lock;
    // By the class and the title looked for, "class\ntitle", each empty for any.
    std::map<std::string, Search> byTitle;
    std::set<HWND> taken;                   // found by a look: somebody works with it
};

inline WindowSearches& OwnWindowSearches() {
    static WindowSearches searches;
    return searches;
}

inline std::string SearchKey(const char* windowClass, const char* title) {
    return std::string(windowClass ? windowClass : "") + "\n" + (title ? title : "");
}

inline void NoteOwnSearch(const char* windowClass, const char* title, HWND found) {
    WindowSearches& searches = OwnWindowSearches();
    const std::lock_guard<std::mutex> hold(searches.lock);
    WindowSearches::Search& search = searches.byTitle[SearchKey(windowClass, title)];
    const DWORD now = GetTickCount();
    if (found) {
        search.found = true;
        searches.taken.insert(found);
    } else if (search.found || !search.last || now - search.last > 3000) {
        // A look in vain after a look that found, or after a pause, starts a new search.
        search.first = now;
        search.found = false;
    }
    search.last = now;
}

// Null when the program has none; a null class or title matches any.
inline HWND FindProgramWindow(const char* windowClass, const char* title, DWORD process, bool visibleOnly = false) {
    HWND found = nullptr;
    while ((found = FindWindowExA(nullptr, found, windowClass, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (owner == process && (!visibleOnly || IsWindowVisible(found))) break;
    }
    if (process == GetCurrentProcessId()) NoteOwnSearch(windowClass, title, found);
    return found;
}

// A window of this test program.
inline HWND FindOwnWindow(const char* windowClass, const char* title, bool visibleOnly = false) {
    return FindProgramWindow(windowClass, title, GetCurrentProcessId(), visibleOnly);
}
