// The program's sound system: the sound library's output, a pool of four streams for the
// short sounds of engine assets, and up to three temporary streams when the pool is busy.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>

#include "AuloSnd.h"
#include "SoundStream.h"

class SoundSystem {
public:
    static const int kPoolSize = 4;
    // A pooled stream with at most this much queued counts as free.
    static const int32_t kBusyMs = 33;
    // Temporary streams in flight stay below this count.
    static const LONG kExtraLimit = 4;

    SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;
    ~SoundSystem();

    // Opens the library's output and the pooled streams; returns the library's result.
    int32_t Open(HWND window, uint32_t rate, uint32_t bits, uint32_t channels);
    void Close();

    // Plays the WAVE or CWAV asset on the least busy pooled stream, or on a temporary
    // stream while all four are busy. The asset stays locked until the sound is done.
    void PlayAssetSound(uint32_t asset, uint32_t value1, uint32_t value2, uint32_t value3, uint32_t value4);
    // Drops what the pooled streams hold (temporary streams play on).
    void FlushAll();
    uint32_t PlayEffect(const void* data, uintptr_t user, AuloCompletion done, uint32_t fadeInMs, uint32_t reserved);
    uint32_t PlayDiskEffect(const char* path, uint32_t fadeInMs, uint32_t value2, uint32_t value3, uint32_t value4);

    // A new stream of the library, or null.
    std::unique_ptr<SoundStream> OpenStream(bool effect);

    uint32_t GetPooledStream(int index) const { return pool_[index]; }
    LONG GetExtraStreamCount() const { return extraStreams_; }

private:
    struct TemporaryStream;
    static void __stdcall ReleasePooledSound(uintptr_t asset);
    static void __stdcall EndTemporaryStream(uintptr_t record);

    int FindLeastBusyStream(int32_t& queuedMs) const;
    bool PlayOnTemporaryStream(uint32_t asset, const void* data, const uint32_t values[4]);

    uint32_t pool_[kPoolSize] = {};
    CRITICAL_SECTION lock_;
    volatile LONG extraStreams_ = 0;
};

// The process-wide sound system, built on first use.
SoundSystem& GetSoundSystem();
