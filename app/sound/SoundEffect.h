// Sounds cued from disk on a stream, and the callback scheduled from the end of one.
#pragma once
#include <cstdint>
#include <memory>

#include "SoundStream.h"

// A sound just cued: the library's sound id and its stream (not owned).
struct SoundCallback {
    uint32_t soundId;
    SoundStream* stream;
};

// Cues the file on the stream with `user` for its events and a fade-in in milliseconds.
// Nothing (null) when the stream is an effect stream and "Sound Effects" is off, when the
// library refuses the file, or when the library faults while reading it.
std::unique_ptr<SoundCallback> OpenSoundEffect(SoundStream* stream, const char* path, uintptr_t user,
                                               uint32_t fadeInMs, uint32_t reserved1, uint32_t reserved2);

// Asks for the stream's event AULO_EVENT_FROM_END with `user` `ms` before the sound's end.
bool ScheduleSoundEndCallback(const SoundCallback& callback, uint32_t ms, uintptr_t user);
