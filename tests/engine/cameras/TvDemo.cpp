// A small program that shows a stage in a TV window at the engine's frame rate: a
// backdrop of known colours seen through a camera, a yellow ball that rolls across it (an
// image sprite whose frames move it) and a line of white text (a text sprite). It writes
// the file named on its command line once frames have been shown, and ends after a few
// seconds.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "AssetFileBuilder.h"
#include "SprtAssetBuilder.h"
#include "Quor2_5.h"

namespace {

const int kWidth = 794, kHeight = 556;
const uint32_t BMAP = 0x50414D42u, BACK = 0x4B434142u, SPRT = 0x54525053u;
const uint16_t kKey = 0x7C1F;  // magenta: the ball's transparent colour

uint16_t Pixel(int r, int g, int b) { return uint16_t((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3)); }

// Left half red, right half blue, a green square at (300, 200)-(400, 300).
std::vector<uint8_t> Picture() {
    const uint32_t row = (kWidth * 2 + 3) & ~3u;
    std::vector<uint8_t> v(16 + row * kHeight);
    uint16_t header[8] = {0, 0, kWidth, kHeight, 0, 0};
    std::memcpy(v.data(), header, 12);
    uint32_t bytes = row * kHeight;
    std::memcpy(v.data() + 12, &bytes, 4);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            uint16_t p = x < kWidth / 2 ? Pixel(255, 0, 0) : Pixel(0, 0, 255);
            if (x >= 300 && x < 400 && y >= 200 && y < 300) p = Pixel(0, 255, 0);
            std::memcpy(&v[16 + y * row + x * 2], &p, 2);
        }
    }
    return v;
}

// A yellow ball of 40 by 40 on the transparent colour.
std::vector<uint8_t> Ball() {
    const int size = 40;
    const uint32_t row = (size * 2 + 3) & ~3u;
    std::vector<uint8_t> v(16 + row * size);
    uint16_t header[4] = {8, 0, size, size};  // kind 8: the colour key is in force
    std::memcpy(v.data(), header, 8);
    uint32_t key = kKey, bytes = row * size;
    std::memcpy(v.data() + 8, &key, 4);
    std::memcpy(v.data() + 12, &bytes, 4);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int dx = x - 20, dy = y - 20;
            uint16_t p = dx * dx + dy * dy < 19 * 19 ? Pixel(255, 255, 0) : kKey;
            std::memcpy(&v[16 + y * row + x * 2], &p, 2);
        }
    return v;
}

// One sequence of frames, each showing the ball (asset 3) three pixels further right.
std::vector<uint8_t> Rolling() {
    SprtAssetBuilder b;
    SprtFrameSpec still;
    still.picture = 3;
    SprtFrameSpec step = still;
    step.moveX = 3;
    b.Frame(still).Frame(step);
    std::vector<uint32_t> frames(1, 0);
    frames.insert(frames.end(), 240, 1);
    b.Sequence(frames);
    return b.BuildData();
}

std::vector<uint8_t> Backdrop() {
    std::vector<uint8_t> v;
    for (uint16_t x : {uint16_t(0), uint16_t(1), uint16_t(1), uint16_t(kWidth), uint16_t(kHeight), uint16_t(1)}) {
        v.push_back(uint8_t(x));
        v.push_back(uint8_t(x >> 8));
    }
    return v;
}

LRESULT CALLBACK FrameProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
}

// Counted on the frame thread, read by the main loop.
std::atomic<int> g_frames{0};
void __stdcall CountFrame(int32_t) { ++g_frames; }

}  // namespace

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(atoi(argv[2])) : 8000;

    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "tv_demo_" + std::to_string(GetCurrentProcessId()) + ".ast";
    std::vector<uint8_t> image =
        AssetFileBuilder().Add(BMAP, Picture()).Add(BACK, Backdrop()).Add(BMAP, Ball()).Add(SPRT, Rolling()).Build();
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD n;
    WriteFile(h, image.data(), DWORD(image.size()), &n, nullptr);
    CloseHandle(h);

    WNDCLASSA wc = {};
    wc.lpfnWndProc = FrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TvDemoFrame";
    RegisterClassA(&wc);
    HWND frame = CreateWindowA("TvDemoFrame", "TV demo", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr,
                               nullptr, wc.hInstance, nullptr);
    HWND tv = CreateWindowA("BraskQUOR_TV", "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, frame, nullptr,
                            wc.hInstance, nullptr);

    int32_t file = OpenAssetFile(path.c_str());
    int32_t stage = CreateStage(0);
    SelectBackdrop(stage, uint32_t(file) | 2);
    uint32_t camera = CreateCamera(stage, 0, 0, nullptr);
    PlugInTVSource(tv, 1, reinterpret_cast<void*>(uintptr_t(camera)));

    // The ball: a movable image sprite on the stage, rolling along its sequence.
    QuorImageBlock ballBlock = {uint32_t(file) | 4, 0, 0, 0};
    SpriteCreateRecord ball = {};
    ball.type = 1;
    ball.extra = uintptr_t(&ballBlock);
    ball.x = 20;
    ball.y = 60;
    ball.depth = 10;
    ball.parent = uint32_t(stage);
    int32_t ballSprite = CreateSprite(&ball);
    AutoSequenceSprite(ballSprite, 0, 0, 0);

    // The text: white letters at (100, 420) over the red half.
    HFONT font = CreateFontA(-40, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, "Arial");
    QuorTextProperties words = {font, "Vellmoor", RGB(255, 255, 255), 0, 0, 0, 0, 0};
    SpriteCreateRecord text = {};
    text.type = 4;
    text.extra = uintptr_t(&words);
    text.x = 100;
    text.y = 420;
    text.depth = 20;
    text.parent = uint32_t(stage);
    int32_t textSprite = CreateSprite(&text);
    if (ballSprite == 0 || textSprite == 0) std::printf("sprites not made: %x\n", GetLastQuorError(nullptr));
    SetFrameCallback(CountFrame);

    bool ready = false;
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < lifetime) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (!ready && g_frames >= 40 && readyFile) {
            FILE* f = std::fopen(readyFile, "w");
            if (f) {
                std::fprintf(f, "%ld frames at %d per second\n", long(g_frames.load()), reportFrameRate());
                std::fclose(f);
            }
            ready = true;
        }
        Sleep(10);
    }
    SetFrameCallback(nullptr);
    DeleteSprite(ballSprite);
    DeleteSprite(textSprite);
    DestroyWindow(frame);
    DeleteObject(font);
    DeleteStage(stage);
    CloseAssetFile(uint32_t(file));
    DeleteFileA(path.c_str());
    return ready ? 0 : 1;
}
