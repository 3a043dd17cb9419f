// The library's one open output: the mixer under the library's lock, the output sink and
// the mixing thread that feeds it. Notices the mixer leaves are carried out after the lock
// is released, on whichever thread caused them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>

#include "Mixer.h"

namespace aulo {

class SoundLibrary {
public:
    SoundLibrary();
    SoundLibrary(const SoundLibrary&) = delete;
    SoundLibrary& operator=(const SoundLibrary&) = delete;

    bool Open(const OutputFormat& format);
    void Close();

    // Runs `work` on the open mixer under the lock, then carries out its notices. False
    // (and `work` not run) when the library is not open.
    bool WithMixer(const std::function<void(Mixer&, Notices&)>& work);

private:
    struct Session;
    static DWORD WINAPI MixLoop(void* session);
    static void RunSession(Session& s);
    static void Dispatch(const Notices& notices);

    CRITICAL_SECTION lock_;
    Mixer* mixer_ = nullptr;
    Session* session_ = nullptr;
};

SoundLibrary& GetSoundLibrary();

}  // namespace aulo
