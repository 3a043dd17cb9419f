// The program's end with every thread still at work. Started with at most a machine
// file's path, it starts itself a number of times, one after the other, and checks that
// each run ends with main's result. A run ("run" and the path as arguments) opens the
// sound library, sets the engine's frame callback to the program's frame listeners,
// queues background loads of every asset of the machine file and returns from main at
// once. Its first static, destroyed last, waits for further frames to reach a listener:
// the statics that the frame thread uses must outlive it.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "FrameListeners.h"
#include "Quor2_5.h"
#include "SoundSystem.h"

namespace {

const int kRuns = 12;
const int kRunFailed = 3;
volatile LONG g_frames = 0;

// Counts frames and touches the sound system as the machines' listeners do.
class CountingListener : public FrameListener {
public:
    void OnFrame(int32_t) override {
        InterlockedIncrement(&g_frames);
        GetSoundSystem().FlushAll();
    }
};

bool WaitForFrames(LONG count) {
    const LONG start = g_frames;
    for (int waited = 0; waited < 10000; waited += 10, Sleep(10))
        if (g_frames - start >= count) return true;
    return false;
}

// Made before main runs, so destroyed after every static that main made on its way.
struct FramesAfterMain {
    bool running = false;
    ~FramesAfterMain() {
        if (running && !WaitForFrames(3)) {
            std::fprintf(stderr, "no frame reached the listeners while the statics were destroyed\n");
            std::fflush(stderr);
            ExitProcess(kRunFailed);
        }
    }
} g_afterMain;

void QueueLoads(const char* machineFile) {
    const int32_t file = OpenAssetFile(machineFile);
    if (file == -1) return;
    const uint32_t count = GetNumberOfAssets(uint32_t(file));
    for (uint32_t i = 0; i < count; ++i) LoadAsset(uint32_t(file) | i, 1);
}

int Run(int argc, char** argv) {
    SetEnvironmentVariableA("AULOSND_SILENT", "1");
    GetSoundSystem().Open(nullptr, 22050, 16, 2);
    AddFrameListener(new CountingListener);  // kept to the end, as the list is
    SetFrameRate(60);
    SetFrameCallback(OnEngineFrame);
    if (!WaitForFrames(1)) return kRunFailed;
    if (argc > 2) QueueLoads(argv[2]);
    g_afterMain.running = true;
    return 0;
}

// Starts one run and waits for its end; its exit code, or -1 when it did not start.
long RunOnce(const std::string& line) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command = line;
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return long(code);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "run") return Run(argc, argv);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = std::string("\"") + self + "\" run";
    if (argc > 1) line += std::string(" \"") + argv[1] + "\"";
    int failed = 0;
    for (int i = 1; i <= kRuns; ++i) {
        const long code = RunOnce(line);
        std::printf("run %d: exit code %ld\n", i, code);
        if (code != 0) ++failed;
    }
    if (failed)
        std::printf("FAILED: %d of %d runs did not end with main's result\n", failed, kRuns);
    else
        std::printf("PASSED: all %d runs ended with main's result\n", kRuns);
    return failed ? 1 : 0;
}
