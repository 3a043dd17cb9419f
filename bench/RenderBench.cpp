// Camera render and TV repaint costs: a full 794 x 556 redraw against the redraw of one
// small changed rectangle and of many scattered ones, the TV's full repaint, and the CPU
// the engine spends while nothing changes; each also as a multiple of a full redraw, and the
// full redraw as a multiple of a memcpy of the view. Run by hand under a display:
//   wine build/bin/render_bench.exe
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "Camera.h"
#include "ImageRecord.h"
#include "CameraList.h"
#include "LibraryContext.h"
#include "MutexPair.h"
#include "Quor2_5.h"
#include "TvWindow.h"

namespace {

const int kWidth = 794, kHeight = 556;

class FixedSink : public VideoSink {
public:
    FixedSink() : VideoSink(1) {}
    RECT WantedRect() const override { return {0, 0, kWidth, kHeight}; }
    bool IsActive() const override { return true; }
};

void Put(std::vector<uint8_t>& v, uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) v.push_back(uint8_t(x >> (8 * i)));
}

// An asset file with one static backdrop over a picture of noise.
std::string WriteBackdropFile() {
    std::vector<uint8_t> picture, back, file;
    const uint32_t row = (kWidth * 2 + 3) & ~3u;
    Put(picture, 0x50414D42u, 4);
    Put(picture, 0, 2);
    Put(picture, 0, 2);
    Put(picture, kWidth, 2);
    Put(picture, kHeight, 2);
    Put(picture, 0, 4);
    Put(picture, row * kHeight, 4);
    std::mt19937 rng(1);
    for (uint32_t i = 0; i < row * kHeight / 2; ++i) Put(picture, rng() & 0x7FFF, 2);
    Put(back, 0x4B434142u, 4);
    for (uint32_t x : {0u, 1u, 1u, uint32_t(kWidth), uint32_t(kHeight), 1u}) Put(back, x, 2);
    Put(file, 0x524F5551u, 4);  // "QUOR"
    Put(file, 2, 4);
    Put(file, 0, 4);
    Put(file, 0, 4);
    const uint32_t first = 16 + 16;
    Put(file, first, 4);
    Put(file, 0, 4);
    Put(file, first + 12 + uint32_t(picture.size()) - 4, 4);
    Put(file, 0, 4);
    for (const std::vector<uint8_t>* a : {&picture, &back}) {
        file.insert(file.end(), a->begin(), a->begin() + 4);
        Put(file, uint32_t(a->size() - 4), 4);
        Put(file, 0, 4);
        file.insert(file.end(), a->begin() + 4, a->end());
    }
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "render_bench.ast";
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n;
    WriteFile(h, file.data(), DWORD(file.size()), &n, nullptr);
    CloseHandle(h);
    return path;
}

template <class Fn>
double MillisecondsPer(int runs, Fn fn) {
    double start = Now();
    for (int i = 0; i < runs; ++i) fn(i);
    return (Now() - start) * 1000.0 / runs;
}

double CpuSeconds() {
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto s = [](FILETIME t) { return (double(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7; };
    return s(kernel) + s(user);
}

}  // namespace

int main() {
    Mutexes().Open();
    LibraryContext* ctx = new LibraryContext(GetModuleHandleA(nullptr));
    SetContext(ctx);

    std::string path = WriteBackdropFile();
    int32_t file = OpenAssetFile(path.c_str());
    int32_t stage = CreateStage(0);
    if (file == -1 || SelectBackdrop(stage, uint32_t(file) | 2) != 1) {
        std::printf("could not set up the backdrop (%x)\n", GetLastQuorError(nullptr));
        return 1;
    }
    uint32_t handle = CreateCamera(stage, 0, 0, nullptr);
    Camera* camera = CameraList::Find(handle);
    FixedSink sink;
    {
        PaintingLock hold;
        sink.Connect(0, camera);
    }

    // The painting mutex is taken once around each series: under Wine every take and
    // release is a round trip to the server that would swamp what is measured.
    auto render = [&](auto invalidate) {
        invalidate();
        camera->ForceNextRender();
        camera->Render();
    };
    const int runs = 300;
    double full = 0;
    {
    PaintingLock hold;
    full = MillisecondsPer(runs, [&](int) { render([&] { camera->InvalidateWholeView(); }); });
    double small = MillisecondsPer(runs, [&](int i) {
        render([&] {
            RECT r = {(i * 37) % 700, (i * 53) % 500, 0, 0};
            r.right = r.left + 32;
            r.bottom = r.top + 32;
            camera->Invalidate(&r, false);
        });
    });
    std::mt19937 rng(2);
    double scattered = MillisecondsPer(runs, [&](int) {
        render([&] {
            for (int k = 0; k < 200; ++k) {
                RECT r = {LONG(rng() % 780), LONG(rng() % 540), 0, 0};
                r.right = r.left + 8;
                r.bottom = r.top + 8;
                camera->Invalidate(&r, false);
            }
        });
    });
    render([&] { camera->InvalidateWholeView(); });
    {
        const quor::ImageHeader* picture = camera->CurrentImage();
        const uint16_t* p = reinterpret_cast<const uint16_t*>(picture + 1);
        uint32_t sum = 0;
        for (int i = 0; i < kWidth * kHeight; ++i) sum += p[i];
        std::printf("picture drawn: %s\n", sum ? "yes" : "NO");
    }
    double nothing = MillisecondsPer(runs, [&](int) { render([] {}); });
    // A memcpy of the view's bytes, the yardstick of the other benchmarks.
    std::vector<uint8_t> from(size_t(kHeight) * quor::RowBytes(kWidth, 2)), to(from.size());
    double copy = MillisecondsPer(runs, [&](int i) {
        from[size_t(i) % from.size()] = uint8_t(i);
        std::memcpy(to.data(), from.data(), from.size());
    });
    std::printf("memcpy of the view:                   %.3f ms\n", copy);
    std::printf("camera render, full view %dx%d:      %.3f ms = %.2f x memcpy\n", kWidth, kHeight, full, full / copy);
    std::printf("camera render, nothing changed:       %.3f ms = %.3f x full\n", nothing, nothing / full);
    std::printf("camera render, one 32x32 change:      %.3f ms = %.3f x full\n", small, small / full);
    std::printf("camera render, 200 scattered changes: %.3f ms = %.2f x full\n", scattered, scattered / full);

    }

    // A TV window of the same size showing the camera.
    HWND top = CreateWindowA("STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                             nullptr, nullptr);
    HWND tvWindow = CreateWindowA("BraskQUOR_TV", "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, top, nullptr,
                                  nullptr, nullptr);
    {
        PaintingLock hold;
        sink.Disconnect(0);
    }
    PlugInTVSource(tvWindow, 1, camera);
    PaintingLock* hold = new PaintingLock;
    double repaint = MillisecondsPer(100, [&](int) {
        camera->InvalidateWholeView();
        camera->ForceNextRender();
        FindTV(tvWindow)->Repaint();
    });
    delete hold;
    std::printf("TV full repaint (render, convert to the %d-bit display, copy): %.3f ms = %.2f x full render, "
                "of a 33 ms frame\n", DisplayDepth(), repaint, repaint / full);

    Sleep(300);
    double cpu0 = CpuSeconds(), wall0 = Now();
    Sleep(2000);
    double idle = (CpuSeconds() - cpu0) / (Now() - wall0);
    std::printf("CPU while nothing changes: %.2f%% of one core\n", idle * 100);

    DestroyWindow(top);
    DeleteStage(stage);
    CloseAssetFile(uint32_t(file));
    DeleteFileA(path.c_str());
    ctx->Teardown(false);
    return 0;
}
