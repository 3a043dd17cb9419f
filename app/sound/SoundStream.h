// One stream of the sound library, owned by whoever opened it. An effect stream plays
// only while the "Sound Effects" setting is on (see OpenSoundEffect).
#pragma once
#include <cstdint>

class SoundStream {
public:
    SoundStream(uint32_t handle, bool effect) : effect_(effect ? 1 : 0), handle_(handle) {}
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;
    ~SoundStream() { Close(); }

    // Flushes the stream, then frees its handle (once).
    void Close();

    bool IsEffect() const { return effect_ != 0; }
    uint32_t GetHandle() const { return handle_; }

private:
    int32_t effect_;
    uint32_t handle_;
};
