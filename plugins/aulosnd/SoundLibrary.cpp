#include "SoundLibrary.h"

#include <memory>
#include <string>
#include <vector>

#include "AuloSnd.h"
#include "OutputSink.h"

namespace aulo {

static_assert(sizeof(AuloEvent) == 64, "an event record is 16 words");

// What the mixing thread works with. A close from inside a callback (on the mixing thread
// itself) cannot wait for the thread; it hands the session over and the thread frees it.
struct SoundLibrary::Session {
    std::unique_ptr<OutputSink> sink;
    HANDLE stop = nullptr;
    HANDLE thread = nullptr;
    DWORD threadId = 0;
    volatile LONG detached = 0;
    std::vector<uint8_t> buffer;

    ~Session() {
        if (thread) CloseHandle(thread);
        if (stop) CloseHandle(stop);
    }
};

namespace {

std::string ReadEnvironment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n && n < sizeof value ? std::string(value) : std::string();
}

std::unique_ptr<OutputSink> ChooseSink(const OutputFormat& format) {
    const std::string render = ReadEnvironment("AULOSND_RENDER");
    if (!render.empty()) return MakeClockSink(format, render);
    if (ReadEnvironment("AULOSND_SILENT") != "1")
        if (auto device = OpenWaveOutSink(format)) return device;
    return MakeClockSink(format, std::string());
}

struct LockHolder {
    explicit LockHolder(CRITICAL_SECTION& lock) : lock_(lock) { EnterCriticalSection(&lock_); }
    ~LockHolder() { LeaveCriticalSection(&lock_); }
    CRITICAL_SECTION& lock_;
};

}  // namespace

SoundLibrary::SoundLibrary() { InitializeCriticalSection(&lock_); }

SoundLibrary& GetSoundLibrary() {
    static SoundLibrary library;
    return library;
}

bool SoundLibrary::Open(const OutputFormat& format) {
    if (!IsSupportedOutput(format)) return false;
    Close();
    auto session = std::make_unique<Session>();
    session->sink = ChooseSink(format);
    session->stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    session->buffer.resize(size_t(PeriodFrames(format)) * format.channels * format.bits / 8);
    if (!session->stop) return false;
    LockHolder hold(lock_);
    mixer_ = new Mixer(format);
    session_ = session.release();
    session_->thread = CreateThread(nullptr, 0, MixLoop, session_, 0, &session_->threadId);
    if (session_->thread) SetThreadPriority(session_->thread, THREAD_PRIORITY_ABOVE_NORMAL);
    return true;
}

void SoundLibrary::Close() {
    Session* session;
    {
        LockHolder hold(lock_);
        session = session_;
        session_ = nullptr;
    }
    if (!session) return;
    SetEvent(session->stop);
    const bool onMixingThread = GetCurrentThreadId() == session->threadId;
    if (onMixingThread) {
        InterlockedExchange(&session->detached, 1);
    } else if (session->thread) {
        WaitForSingleObject(session->thread, INFINITE);
    }
    Notices notices;
    {
        LockHolder hold(lock_);
        if (mixer_) mixer_->CloseAll(notices);
        delete mixer_;
        mixer_ = nullptr;
    }
    if (!onMixingThread) delete session;
    Dispatch(notices);
}

bool SoundLibrary::WithMixer(const std::function<void(Mixer&, Notices&)>& work) {
    Notices notices;
    {
        LockHolder hold(lock_);
        if (!mixer_) return false;
        work(*mixer_, notices);
    }
    Dispatch(notices);
    return true;
}

DWORD WINAPI SoundLibrary::MixLoop(void* session) {
    Session* s = static_cast<Session*>(session);
    RunSession(*s);
    if (s->detached) delete s;
    return 0;
}

void SoundLibrary::RunSession(Session& s) {
    SoundLibrary& library = GetSoundLibrary();
    while (WaitForSingleObject(s.stop, 0) != WAIT_OBJECT_0) {
        const uint32_t frames = s.sink->WaitForRoom(s.stop);
        if (!frames) continue;
        Notices notices;
        SoundSpan span;
        {
            LockHolder hold(library.lock_);
            if (library.session_ != &s) break;
            span = library.mixer_->Mix(s.buffer.data(), frames, notices);
        }
        s.sink->Write(s.buffer.data(), frames, span);
        Dispatch(notices);
    }
}

// Routines of the host run outside every lock; an exception must not end the thread.
void SoundLibrary::Dispatch(const Notices& notices) {
    for (const Notice& n : notices) {
        try {
            if (n.kind == Notice::Completion) {
                reinterpret_cast<AuloCompletion>(n.routine)(n.user);
                continue;
            }
            AuloEvent event = {};
            event.code = n.code;
            event.soundId = n.soundId;
            event.user = n.user;
            event.queuedMs = n.queuedMs;
            event.stream = n.stream;
            reinterpret_cast<AuloStreamCallback>(n.routine)(&event, n.user);
        } catch (...) {
        }
    }
}

}  // namespace aulo
