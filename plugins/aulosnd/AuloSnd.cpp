// The library's exported calls, each a thin step onto the open mixer.
#define AULOSND_BUILDING
#include "AuloSnd.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "SoundImage.h"
#include "SoundLibrary.h"

using aulo::GetSoundLibrary;
using aulo::Mixer;
using aulo::Notices;
using aulo::SoundImage;

namespace {

// Largest sound file read from disk.
const DWORD kMaxFileBytes = 0x10000000u;

bool ReadSoundFile(const char* path, SoundImage& image) {
    if (!path) return false;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<uint8_t> bytes;
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    bool ok = size != INVALID_FILE_SIZE && high == 0 && size <= kMaxFileBytes;
    if (ok) {
        bytes.resize(size);
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, bytes.data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok && aulo::ParseOwnedSound(std::move(bytes), image);
}

bool ReadSoundMemory(const void* data, SoundImage& image) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    const size_t size = aulo::DeclaredSoundSize(bytes);
    return size && aulo::ParseSound(bytes, size, image);
}

// Runs `work` on the mixer; `fallback` when the library is closed.
template <class Result, class Work>
Result OnMixer(Result fallback, Work work) {
    Result result = fallback;
    GetSoundLibrary().WithMixer([&](Mixer& mixer, Notices& notices) { result = work(mixer, notices); });
    return result;
}

}  // namespace

extern "C" int32_t __stdcall AuloOpen(void*, uint32_t rate, uint32_t bits, uint32_t channels) {
    aulo::OutputFormat format;
    format.rate = rate;
    format.bits = uint16_t(bits);
    format.channels = uint16_t(channels);
    return GetSoundLibrary().Open(format) ? 1 : 0;
}

extern "C" void __stdcall AuloClose() { GetSoundLibrary().Close(); }

extern "C" uint32_t __stdcall AuloOpenStream() {
    return OnMixer(0u, [](Mixer& m, Notices&) { return m.OpenStream(); });
}

extern "C" int32_t __stdcall AuloCloseStream(uint32_t stream) {
    return OnMixer(0, [&](Mixer& m, Notices& n) { return m.CloseStream(stream, n) ? 1 : 0; });
}

extern "C" int32_t __stdcall AuloFlushStream(uint32_t stream) {
    return OnMixer(0, [&](Mixer& m, Notices& n) { return m.FlushStream(stream, n) ? 1 : 0; });
}

extern "C" int32_t __stdcall AuloGetStreamTimeQueued(uint32_t stream) {
    return OnMixer(0, [&](Mixer& m, Notices&) { return m.GetQueuedMs(stream); });
}

extern "C" uint32_t __stdcall AuloCueStreamFromSharedMemory(uint32_t stream, const void* data, uintptr_t user,
                                                            AuloCompletion done, uint32_t fadeInMs, uint32_t,
                                                            uint32_t, uint32_t) {
    SoundImage image;
    if (!ReadSoundMemory(data, image)) return 0;
    return OnMixer(0u, [&](Mixer& m, Notices&) {
        return m.Cue(stream, std::move(image), user, reinterpret_cast<void*>(done), fadeInMs);
    });
}

extern "C" uint32_t __stdcall AuloCueStreamFromDisk(uint32_t stream, const char* path, uintptr_t user,
                                                    uint32_t fadeInMs, uint32_t, uint32_t) {
    SoundImage image;
    if (!ReadSoundFile(path, image)) return 0;
    return OnMixer(0u, [&](Mixer& m, Notices&) { return m.Cue(stream, std::move(image), user, nullptr, fadeInMs); });
}

extern "C" uint32_t __stdcall AuloPlaySoundEffect(const void* data, uintptr_t user, AuloCompletion done,
                                                  uint32_t fadeInMs, uint32_t) {
    SoundImage image;
    if (!ReadSoundMemory(data, image)) return 0;
    return OnMixer(0u, [&](Mixer& m, Notices&) {
        return m.PlayEffect(std::move(image), user, reinterpret_cast<void*>(done), fadeInMs);
    });
}

extern "C" uint32_t __stdcall AuloPlayDiskSoundEffect(const char* path, uint32_t fadeInMs, uint32_t, uint32_t,
                                                      uint32_t) {
    SoundImage image;
    if (!ReadSoundFile(path, image)) return 0;
    return OnMixer(0u, [&](Mixer& m, Notices&) { return m.PlayEffect(std::move(image), 0, nullptr, fadeInMs); });
}

extern "C" int32_t __cdecl AuloSetStreamCallback(uint32_t stream, AuloStreamCallback routine) {
    return OnMixer(0, [&](Mixer& m, Notices&) { return m.SetCallback(stream, reinterpret_cast<void*>(routine)) ? 1 : 0; });
}

extern "C" int32_t __stdcall AuloStreamFadeOut(uint32_t stream, uint32_t ms) {
    return OnMixer(0, [&](Mixer& m, Notices&) { return m.FadeOut(stream, ms) ? 1 : 0; });
}

extern "C" int32_t __stdcall AuloSoundScheduleCallbackFromEnd(uint32_t stream, uint32_t soundId, uint32_t ms,
                                                              uintptr_t user) {
    return OnMixer(0, [&](Mixer& m, Notices&) { return m.ScheduleFromEnd(stream, soundId, ms, user) ? 1 : 0; });
}
