// A scene that the frame thread draws, for putting hostile assets in front of it: two
// stages seen through cameras shown on TV windows, a third stage without a camera, and
// waits for whole frames so that a test can tell that the frame thread is still running.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FrameWaiter.h"
#include "Quor2_5.h"

namespace hostile {

// A fault on any thread (the frame thread above all) ends the process at once with the
// fault's code, after `report` has had a line on it, instead of waiting for a debugger.
inline void (*g_faultReport)(const char*) = nullptr;
inline LONG WINAPI EndOnFault(EXCEPTION_POINTERS* e) {
    char line[96];
    std::snprintf(line, sizeof line, "FAIL fault 0x%08lX at %p", e->ExceptionRecord->ExceptionCode,
                  e->ExceptionRecord->ExceptionAddress);
    if (g_faultReport) g_faultReport(line);
    TerminateProcess(GetCurrentProcess(), e->ExceptionRecord->ExceptionCode);
    return EXCEPTION_EXECUTE_HANDLER;
}
inline void EndProcessOnFault(void (*report)(const char*)) {
    g_faultReport = report;
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(&EndOnFault);
}

// The load and lock counts of a file's first assets, to compare before and after a call.
struct AssetCounts {
    std::vector<uint32_t> words;
    bool operator==(const AssetCounts& o) const { return words == o.words; }
    bool operator!=(const AssetCounts& o) const { return words != o.words; }
};
inline AssetCounts CountsOf(uint32_t file, uint32_t assets) {
    AssetCounts c;
    for (uint32_t i = 1; i <= assets; ++i) {
        QuorAssetInfo info = {};
        GetAssetInfo(file | i, &info);
        c.words.push_back(info.state);
        c.words.push_back(uint32_t(info.loadCount) << 16 | info.lockCount);
    }
    return c;
}

class HostileScene {
public:
    HostileScene() {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "HostileSceneFrame";
        RegisterClassA(&wc);
        frame_ = CreateWindowA("HostileSceneFrame", "hostile", WS_POPUP | WS_VISIBLE, 0, 0, 420, 120, nullptr,
                               nullptr, wc.hInstance, nullptr);
        black_ = CreateBrushBackdrop(HBRUSH(GetStockObject(BLACK_BRUSH)), 64, 64);
        for (int i = 0; i < 3; ++i) stages_[i] = CreateStage(0);
        for (int i = 0; i < 2; ++i) {
            tvs_[i] = CreateWindowA("BraskQUOR_TV", "", WS_CHILD | WS_VISIBLE, 210 * i, 0, 200, 100, frame_,
                                    nullptr, wc.hInstance, nullptr);
            cameras_[i] = CreateCamera(stages_[i], 0, 0, nullptr);
            PlugInTVSource(tvs_[i], 1, reinterpret_cast<void*>(uintptr_t(cameras_[i])));
        }
        SetFrameRate(1000);
    }
    ~HostileScene() {
        SetFrameCallback(nullptr);
        SetFrameRate(30);
        DestroyWindow(frame_);
        for (int32_t s : stages_) DeleteStage(s);
        DeleteUserBackdrop(black_);
    }
    HostileScene(const HostileScene&) = delete;
    HostileScene& operator=(const HostileScene&) = delete;

    bool Ready() const { return tvs_[0] && tvs_[1] && cameras_[0] && cameras_[1] && stages_[2]; }
    // Stages 0 and 1 are drawn; stage 2 has no camera.
    int32_t Stage(int i) const { return stages_[i]; }
    uint32_t Camera(int i) const { return cameras_[i]; }
    void Reset() {
        for (int32_t s : stages_) SelectBackdrop(s, black_);
    }
    // Moves both cameras, so that every backdrop is drawn anew, and waits for a whole
    // frame; false when the frame thread does not get that far.
    void PlaceCameras(POINT at) {
        for (uint32_t c : cameras_) PlaceCamera(c, &at);
    }
    bool DrawAgain() {
        for (int i = 0; i < 2; ++i) MoveCamera(cameras_[i], (step_ % 2 ? -1 : 1) * (5 + 2 * i), step_ % 2 ? -3 : 3);
        ++step_;
        return WaitForWholeFrame();
    }

private:
    HWND frame_ = nullptr;
    HWND tvs_[2] = {};
    int32_t stages_[3] = {};
    uint32_t cameras_[2] = {};
    uint32_t black_ = 0;
    int step_ = 0;
};

// The creation record of an image sprite on `parent` showing the first frame of `sprt`.
inline SpriteCreateRecord ImageSpriteRecord(QuorImageBlock& block, uint32_t sprt, int32_t parent) {
    block = {sprt, 0, 0, 0};
    SpriteCreateRecord r = {};
    r.type = 0;
    r.extra = uintptr_t(&block);
    r.parent = uint32_t(parent);
    return r;
}

}  // namespace hostile
