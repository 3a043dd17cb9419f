#include "LibraryContext.h"

#include "AssetManager.h"
#include "BitmapDecoders.h"
#include "CurrentPalette.h"
#include "UserBackdrops.h"
#include "Blitter.h"
#include "MutexPair.h"
#include "NotificationQueue.h"
#include "SpriteTable.h"
#include "StageTable.h"
#include "TvWindow.h"
#include "VideoMixer.h"
#include "VideoMixers.h"
#include "TransitionRegistry.h"

#include <mmsystem.h>

namespace {
LibraryContext* g_context = nullptr;
ErrorState g_orphanErrors;
}  // namespace

LibraryContext* Context() { return g_context; }
void SetContext(LibraryContext* ctx) { g_context = ctx; }
ErrorState& Errors() { return g_context ? g_context->error : g_orphanErrors; }

LibraryContext::LibraryContext(HINSTANCE inst) : instance(inst) {
    error.Clear();
    try {
        Build();
    } catch (...) {
        constructed = 0;
    }
}

void LibraryContext::Build() {
    blitter = std::make_unique<Blitter>();
    if (!blitter->Load()) {
        blitter.reset();
        return;
    }
    RegisterTvWindowClass(instance);
    spriteMessage = RegisterWindowMessageA("QuorSpriteMsg");
    mixerMessage = RegisterWindowMessageA("QuorVidMxrMsg");
    RegisterWindowMessageA("QuorSaviMsg");
    assets = std::make_unique<AssetManager>();
    stages = std::make_unique<StageTable>();
    if (!stages->Init(4)) {
        error.Set(ErrOutOfMemory);
        return;
    }
    sprites = std::make_unique<SpriteTable>(1024);

    loopEnded_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    running = 1;
    frameThread_ = CreateThread(nullptr, 0, &LibraryContext::FrameThreadMain, this, 0, nullptr);
    if (!frameThread_) {
        running = 0;
        return;
    }
    constructed = 1;
}

LibraryContext::~LibraryContext() { Teardown(false); }

DWORD WINAPI LibraryContext::FrameThreadMain(void* self) {
    static_cast<LibraryContext*>(self)->FrameLoop();
    return 42;
}

void LibraryContext::FrameLoop() {
    while (running) {
        if (timer.IsDue(timeGetTime())) {
            Mutexes().Acquire(MutexPair::Painting);
            // Detach may have begun while we waited; it owns the tables from now on.
            if (!running) {
                Mutexes().Release(MutexPair::Painting);
                break;
            }
            try {
                RunFrame();
            } catch (...) {
                // A fault in one frame must not end the frame thread.
            }
            Mutexes().Release(MutexPair::Painting);
            Notifications().Flush();
        }
        Sleep(3);
    }
    SetEvent(loopEnded_);
}

void LibraryContext::RunFrame() {
    uint32_t now = timeGetTime();
    timer.Record(now);
    int32_t n = timer.ElapsedFrames(now);
    InterlockedExchangeAdd(&frameCounter, n);
    sprites->TickAll(n);
    TickVideoMixers(n);
    if (frameCallback) {
        if (IsBadCodePtr(reinterpret_cast<FARPROC>(frameCallback)))
            frameCallback = nullptr;
        else
            frameCallback(n);
    }
    RepaintTvs();
    sprites->EndFrame();
}

void LibraryContext::Teardown(bool processExit) {
    if (tornDown_) return;
    tornDown_ = true;
    running = 0;
    if (processExit) {
        // The other threads are gone and the process is ending: the operating system
        // takes back memory, handles and the loader threads.
        return;
    }
    if (frameThread_) {
        // The thread cannot finish exiting while the loader lock is held, so wait for it
        // to leave its loop rather than for the thread itself.
        WaitForSingleObject(loopEnded_, 2000);
        CloseHandle(frameThread_);
        frameThread_ = nullptr;
    }
    // Holding the painting mutex, no frame can be under way; the thread sees running 0
    // before it touches anything once it gets the mutex. A process that ended while its
    // frame thread painted leaves the mutex abandoned: the wait then owns it all the same.
    const DWORD wait = WaitForSingleObject(Mutexes().Handle(MutexPair::Painting), 2000);
    const bool painting = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    sprites.reset();
    VideoMixerList::DestroyAll();
    TransitionRegistry::Clear();
    stages.reset();
    assets.reset();
    ReleaseBitmapDecoders();
    if (blitter) blitter->Unload();
    blitter.reset();
    CurrentPalette::Free();
    UserBackdrops::Reset();
    if (painting) Mutexes().Release(MutexPair::Painting);
    if (loopEnded_) CloseHandle(loopEnded_);
    loopEnded_ = nullptr;
}
