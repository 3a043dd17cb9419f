#include "SoundSystem.h"

#include "AuloSnd.h"
#include "Quor2_5.h"
#include "SectionLock.h"

// What a temporary stream's completion needs to clean up after its one sound.
struct SoundSystem::TemporaryStream {
    uint32_t asset;
    uint32_t stream;
    SoundSystem* owner;
};

SoundSystem::SoundSystem() { InitializeCriticalSection(&lock_); }

SoundSystem::~SoundSystem() { DeleteCriticalSection(&lock_); }

// Never destroyed: frame listeners (on the engine's frame thread) and the sound library's
// completions (on its mixing thread) use it until the process ends, also while the
// program's statics are destroyed after main has returned.
SoundSystem& GetSoundSystem() {
    static SoundSystem* system = new SoundSystem;
    return *system;
}

int32_t SoundSystem::Open(HWND window, uint32_t rate, uint32_t bits, uint32_t channels) {
    const int32_t result = AuloOpen(window, rate, bits, channels);
    SectionLock hold(lock_);
    for (uint32_t& stream : pool_) stream = AuloOpenStream();
    return result;
}

void SoundSystem::Close() {
    AuloClose();
    SectionLock hold(lock_);
    for (uint32_t& stream : pool_) stream = 0;
}

void SoundSystem::PlayAssetSound(uint32_t asset, uint32_t value1, uint32_t value2, uint32_t value3,
                                 uint32_t value4) {
    const uint8_t* locked = static_cast<const uint8_t*>(DereferenceAndLockAsset(asset));
    if (!locked) return;
    const void* data = locked + 4;  // past the asset's type word
    const uint32_t values[4] = {value1, value2, value3, value4};
    SectionLock hold(lock_);
    int32_t leastMs;
    const int chosen = FindLeastBusyStream(leastMs);
    if (leastMs > kBusyMs && PlayOnTemporaryStream(asset, data, values)) return;
    if (!AuloCueStreamFromSharedMemory(pool_[chosen], data, asset, ReleasePooledSound, value1, value2, value3,
                                       value4))
        ReleaseAsset(asset);
}

// The first of the streams with the least queued time.
int SoundSystem::FindLeastBusyStream(int32_t& queuedMs) const {
    int chosen = 0;
    queuedMs = 2147483647;
    for (int i = 0; i < kPoolSize; ++i) {
        const int32_t ms = AuloGetStreamTimeQueued(pool_[i]);
        if (ms < queuedMs) {
            queuedMs = ms;
            chosen = i;
        }
    }
    return chosen;
}

// False when the temporary streams are all in use (the sound then queues on the pool);
// true once the sound plays or has been given up.
bool SoundSystem::PlayOnTemporaryStream(uint32_t asset, const void* data, const uint32_t values[4]) {
    if (InterlockedIncrement(&extraStreams_) >= kExtraLimit) {
        InterlockedDecrement(&extraStreams_);
        return false;
    }
    const uint32_t stream = AuloOpenStream();
    TemporaryStream* record = stream ? new TemporaryStream{asset, stream, this} : nullptr;
    if (record && AuloCueStreamFromSharedMemory(stream, data, uintptr_t(record), EndTemporaryStream, values[0],
                                                values[1], values[2], values[3]))
        return true;
    // Not played: give back what was taken.
    if (stream) AuloCloseStream(stream);
    delete record;
    InterlockedDecrement(&extraStreams_);
    ReleaseAsset(asset);
    return true;
}

void __stdcall SoundSystem::ReleasePooledSound(uintptr_t asset) { ReleaseAsset(uint32_t(asset)); }

void __stdcall SoundSystem::EndTemporaryStream(uintptr_t user) {
    TemporaryStream* record = reinterpret_cast<TemporaryStream*>(user);
    ReleaseAsset(record->asset);
    AuloCloseStream(record->stream);
    InterlockedDecrement(&record->owner->extraStreams_);
    delete record;
}

void SoundSystem::FlushAll() {
    uint32_t streams[kPoolSize];
    {
        SectionLock hold(lock_);
        for (int i = 0; i < kPoolSize; ++i) streams[i] = pool_[i];
    }
    for (uint32_t stream : streams) AuloFlushStream(stream);
}

uint32_t SoundSystem::PlayEffect(const void* data, uintptr_t user, AuloCompletion done, uint32_t fadeInMs,
                                 uint32_t reserved) {
    return AuloPlaySoundEffect(data, user, done, fadeInMs, reserved);
}

uint32_t SoundSystem::PlayDiskEffect(const char* path, uint32_t fadeInMs, uint32_t value2, uint32_t value3,
                                     uint32_t value4) {
    return AuloPlayDiskSoundEffect(path, fadeInMs, value2, value3, value4);
}

std::unique_ptr<SoundStream> SoundSystem::OpenStream(bool effect) {
    const uint32_t handle = AuloOpenStream();
    if (!handle) return nullptr;
    return std::make_unique<SoundStream>(handle, effect);
}
