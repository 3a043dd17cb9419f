#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "FrameWaiter.h"
#include "Quor2_5.h"

namespace {

std::atomic<int> g_frames{0};
std::atomic<int> g_elapsed{0};
void __stdcall CountFrames(int32_t n) {
    g_frames++;
    g_elapsed += n;
}

int32_t LastError() { return GetLastQuorError(nullptr); }

// Waits until the frame thread has called back at least `n` more times; bounded
// generously, since a busy machine runs the frame thread late.
bool WaitForFrames(int n) {
    int target = g_frames + n;
    for (const DWORD start = GetTickCount(); g_frames < target && GetTickCount() - start < 20000;) Sleep(5);
    return g_frames >= target;
}

TEST(EngineCore, FrameCallbackRunsAtTheFrameRate) {
    ASSERT_EQ(SetFrameCallback(CountFrames), 1);
    ASSERT_TRUE(WaitForFrames(2));
    EXPECT_EQ(SetFrameRate(30), 1) << "the ring exists once frames have run";
    ASSERT_TRUE(WaitForFrames(1));  // the new rate is in force
    g_frames = 0;
    g_elapsed = 0;
    const DWORD start = GetTickCount();
    // Frames run late on a loaded machine are carried in one tick: the frames counted catch
    // up with the clock however late the thread runs (the wait is bounded against one that
    // never does), and never run ahead of it. Fewer ticks than periods may be counted.
    int calls = 0, elapsed = 0;
    double periods = 0;
    for (;; Sleep(5)) {
        calls = g_frames;
        elapsed = g_elapsed;
        periods = (GetTickCount() - start) / 33.0;
        if ((periods >= 30 && elapsed >= int(periods * 0.7)) || periods > 600) break;
    }
    EXPECT_GE(elapsed, int(periods * 0.7)) << periods;
    EXPECT_LE(elapsed, int(periods * 1.3) + 1) << periods;
    EXPECT_LE(calls, elapsed);
    int32_t measured = reportFrameRate();
    EXPECT_GE(measured, 0);  // the rate's arithmetic is FrameTimerTest's
    EXPECT_LE(measured, 45);

    EXPECT_EQ(SetFrameCallback(nullptr), 1);
    Sleep(50);
    int stopped = g_frames;
    Sleep(150);
    EXPECT_EQ(g_frames, stopped) << "a cleared callback is not called";
}

TEST(EngineCore, FrameRateOutOfRangeIsIgnoredWithoutError) {
    ASSERT_EQ(SetFrameCallback(CountFrames), 1);
    EXPECT_EQ(SetFrameRate(0), 1);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(SetFrameRate(1001), 1);
    EXPECT_EQ(SetFrameRate(-30), 1);
    EXPECT_EQ(LastError(), 0);
    ASSERT_TRUE(WaitForFrames(3));
    // A high rate and back: the frame thread keeps going through both ring changes.
    EXPECT_EQ(SetFrameRate(200), 1);
    ASSERT_TRUE(WaitForFrames(20));
    EXPECT_EQ(SetFrameRate(10), 1);
    ASSERT_TRUE(WaitForFrames(3));
    EXPECT_EQ(SetFrameRate(30), 1);
    ASSERT_TRUE(WaitForFrames(3));
    SetFrameCallback(nullptr);
}

TEST(EngineCore, BadCallbackPointersAreRefused) {
    EXPECT_EQ(SetFrameCallback(reinterpret_cast<QuorFrameCallback>(uintptr_t(0x10))), 0);
    EXPECT_EQ(LastError(), ErrBadCallbackPointer);
    EXPECT_EQ(SetFrameCallback(nullptr), 1);
    EXPECT_EQ(LastError(), 0);
    EXPECT_EQ(RegisterSoundCallback(nullptr), 1);
}

TEST(EngineCore, TokensAreReentrantForTheirOwnerAndHoldOffOthers) {
    ASSERT_EQ(SetFrameCallback(CountFrames), 1);
    ASSERT_TRUE(WaitForFrames(1));
    for (int token : {0, 1}) {
        ASSERT_TRUE(TakeToken(token)) << token;
        ASSERT_EQ(GetThreadSyncToken(token), 0u) << "re-entrant " << token;
        // Exports that take the painting token still work for its owner.
        EXPECT_EQ(SetFrameRate(30), 1);

        std::atomic<bool> got{false};
        std::thread other([&] {
            if (GetThreadSyncToken(token) == 0) {
                got = true;
                ReleaseThreadSyncToken(token);
            }
        });
        int framesHeld = g_frames;
        Sleep(150);
        EXPECT_FALSE(got) << "another thread waits while the token is held";
        if (token == 0) {
            EXPECT_EQ(g_frames, framesHeld) << "no frame while painting is held";
        }
        EXPECT_NE(ReleaseThreadSyncToken(token), 0);
        Sleep(50);
        EXPECT_FALSE(got) << "still held once";
        EXPECT_NE(ReleaseThreadSyncToken(token), 0);
        other.join();
        EXPECT_TRUE(got);
    }
    ASSERT_TRUE(WaitForFrames(1)) << "frames resume after the release";
    SetFrameCallback(nullptr);
}

TEST(EngineCore, OnlyTheTwoTokensExist) {
    for (int token : {2, -1, 0x7FFFFFFF}) {
        EXPECT_NE(GetThreadSyncToken(token), 0u) << token;
        EXPECT_EQ(LastError(), ErrBadHandle);
        EXPECT_EQ(ReleaseThreadSyncToken(token), FALSE) << token;
        EXPECT_EQ(LastError(), ErrBadHandle);
    }
    EXPECT_EQ(ReleaseThreadSyncToken(0), FALSE) << "releasing a token not held fails";
}

TEST(EngineCore, TheMutexesAreNamedForEveryProcess) {
    for (const char* name : {"QUOR Painting Mutex", "QUOR File IO Mutex"}) {
        HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, name);
        EXPECT_NE(h, nullptr) << name;
        if (h) CloseHandle(h);
    }
}

TEST(EngineCore, UnavailableFunctionsRecordWithoutClearing) {
    GetNumberOfAssets(0x33000000u);
    ASSERT_EQ(LastError(), ErrBadHandle);
    DirectActor(1, nullptr, 2);
    int32_t detail = -1;
    EXPECT_EQ(GetLastQuorError(&detail), ErrNotAvailable);
    EXPECT_EQ(detail, 0);
    RECT r = {};
    EXPECT_EQ(CameraFollowsActor(1, 2, &r), 0);
    EXPECT_EQ(LastError(), ErrNotAvailable);
    ClearScriptQueue(1, 2);
    EXPECT_EQ(LastError(), ErrNotAvailable);
    EXPECT_EQ(GetLastQuorError(nullptr), ErrNotAvailable) << "the query does not clear";
}

// Runs the load probe in a folder holding copies of the given files; true when the
// engine loaded there.
bool EngineLoadsWith(const std::vector<std::string>& files) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string bin(self);
    bin = bin.substr(0, bin.find_last_of('\\') + 1);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string dir = std::string(temp) + "vsl_probe_" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::vector<std::string> copied = {"engine_load_probe.exe"};
    copied.insert(copied.end(), files.begin(), files.end());
    for (const std::string& f : copied) CopyFileA((bin + f).c_str(), (dir + f).c_str(), FALSE);

    std::string cmd = "\"" + dir + "engine_load_probe.exe\"";
    STARTUPINFOA si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    DWORD code = 99;
    if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 30000);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    for (const std::string& f : copied) DeleteFileA((dir + f).c_str());
    RemoveDirectoryA(dir.c_str());
    EXPECT_NE(code, 99u) << "the probe did not run";
    return code == 0;
}

TEST(EngineCore, TheLibraryDoesNotLoadWithoutItsBlitter) {
    EXPECT_FALSE(EngineLoadsWith({"Quor2_5.dll"}));
    EXPECT_TRUE(EngineLoadsWith({"Quor2_5.dll", "BLIT16.DLL"}));
}

}  // namespace
