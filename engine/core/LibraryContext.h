// The library's spine: built when a process attaches the engine, destroyed when it
// detaches. It owns the frame thread and the tables that every export works on.
#pragma once
#include <windows.h>
#include <cstdint>
#include <memory>

#include "ErrorState.h"
#include "FrameTimer.h"

class Blitter;
class AssetManager;
class StageTable;
class SpriteTable;

typedef void(__stdcall* FrameCallback)(int32_t elapsedFrames);
typedef void(__stdcall* SoundCallback)(int32_t code, void* data, int32_t reserved);

class LibraryContext {
public:
    explicit LibraryContext(HINSTANCE instance);
    ~LibraryContext();

    // Stops the frame thread and destroys the tables. `processExit` is true when the
    // whole process is ending: its other threads are gone and nothing needs releasing.
    void Teardown(bool processExit);

    int32_t constructed = 0;
    volatile LONG running = 0;
    FrameTimer timer;
    ErrorState error;

    HINSTANCE instance = nullptr;
    // The tables, owned here: made by Build, destroyed by Teardown (sprites first, the
    // blitter last). Null while the library is not constructed.
    std::unique_ptr<Blitter> blitter;
    std::unique_ptr<AssetManager> assets;
    std::unique_ptr<StageTable> stages;
    std::unique_ptr<SpriteTable> sprites;
    volatile LONG frameCounter = 0;
    FrameCallback frameCallback = nullptr;
    SoundCallback soundCallback = nullptr;
    UINT spriteMessage = 0;
    UINT mixerMessage = 0;

private:
    static DWORD WINAPI FrameThreadMain(void* self);
    void FrameLoop();
    void RunFrame();
    void Build();

    HANDLE frameThread_ = nullptr;
    HANDLE loopEnded_ = nullptr;
    bool tornDown_ = false;
};

// The process's context; null while the library is not attached.
LibraryContext* Context();
void SetContext(LibraryContext* ctx);

// The process-wide last-error record (usable before attach and after detach).
ErrorState& Errors();
