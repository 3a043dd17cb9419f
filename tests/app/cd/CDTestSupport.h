// Shared by the CD dialogs' tests: a folder that plays the game's CD (the intro movie and
// a clip-art file at its root), mounted as a CD-ROM drive of the tests' prefix, and the
// settings put back afterwards.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CDDrive.h"
#include "CDFolders.h"
#include "DialogDriver.h"
#include "SavedCDSettings.h"

const char kNoCDCaption[] = "\"Vellmoor(tm) Slots\" CD Not Found";
const char kOptionsCaption[] = "Options - Vellmoor(tm) Slots";

inline std::vector<std::string> ComboEntries(HWND dialog, int id) {
    std::vector<std::string> entries;
    const int count = int(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[64] = {};
        SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

inline std::string SelectedEntry(HWND dialog, int id) {
    const LRESULT index = SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return std::string();
    return ComboEntries(dialog, id).at(size_t(index));
}

// Selects the entry as the player would: the dialog hears CBN_SELCHANGE.
inline void ChooseEntry(HWND dialog, int id, const std::string& text) {
    HWND combo = GetDlgItem(dialog, id);
    SendMessageA(combo, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

inline std::string ItemText(HWND dialog, int id) {
    char text[320] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text - 1);
    return text;
}

// The prompt has no Cancel button: its close box (or Escape) cancels it.
inline void CloseDialog(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

inline bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

class CDTest : public testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "vsl_cd_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        for (const char* name : {kCDDataFile, "clipart.bmp"}) WriteFile(folder_ + "\\" + name);
        const char letter = FreeDriveLetter();
        ASSERT_NE(0, letter);
        cd_ = std::make_unique<MountedCDDrive>(letter, folder_);
        ASSERT_TRUE(cd_->IsMounted());
    }
    void TearDown() override {
        cd_.reset();
        for (const char* name : {kCDDataFile, "clipart.bmp"}) DeleteFileA((folder_ + "\\" + name).c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    static void WriteFile(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        ::WriteFile(file, "CD", 2, &written, nullptr);
        CloseHandle(file);
    }
    void SetFolders(const std::string& movie, const std::string& ambient, const std::string& clipArt) {
        GetMoviePathSetting().Set(movie);
        GetAmbientPathSetting().Set(ambient);
        GetClipArtPathSetting().Set(clipArt);
    }

    SavedCDSettings saved_;
    std::string folder_;
    std::unique_ptr<MountedCDDrive> cd_;
};

// Whether the CD prompt appeared while the call ran; one that does is cancelled, so that
// the call returns.
inline bool PromptAppearedDuring(const std::function<void()>& call) {
    std::atomic<bool> finished{false};
    std::atomic<bool> appeared{false};
    DialogDriver guard([&] {
        while (!finished) {
            if (HWND found = WaitForDialog(kNoCDCaption, 40)) {
                appeared = true;
                CloseDialog(found);
                WaitUntil([found] { return !IsWindow(found); });
            }
        }
    });
    call();
    finished = true;
    guard.Join();
    return appeared;
}
