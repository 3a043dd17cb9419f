// AULOSND.DLL: the game's mixing and streaming sound library.
//
// Output: AuloOpen starts one output (22050, 44100 or 11025 samples per second, 8 or 16
// bits, 1 or 2 channels) on the platform's wave output. When there is no wave device the
// library plays into a silent sink that keeps time by the real-time clock, so queued
// times, fades and callbacks happen as they would with sound. Two environment variables,
// read by AuloOpen, choose the silent sink on purpose: AULOSND_SILENT=1, or
// AULOSND_RENDER=<path>, which also records the mix as a PCM WAV file at that path from
// the first sound to the last (written out by AuloClose).
//
// Sounds: PCM WAV files (8 or 16 bits, 1 or 2 channels, at one of the three rates) and the
// library's own CWV format (CwvFile.h); anything else is refused with a 0 result. Sounds
// in memory are read through their own header's size; the memory must stay valid until
// the completion routine has been called. A cue that is refused never calls its routine.
//
// Streams play their cues one after the other without a gap; streams and effects are
// mixed together. Completion routines and stream callbacks are called on the library's
// own thread (or on the thread that flushes or closes) without any of the library's
// locks held: they may call the library, including flushing or closing their own stream.
// A stream's callback receives an AuloEvent and the user value of the cue (or of the
// scheduled callback) that led to it. Calls before AuloOpen and after AuloClose fail
// harmlessly; AuloClose drops every stream and calls the pending completion routines.
#pragma once
#include <cstdint>

#ifdef AULOSND_BUILDING
#define AULOAPI extern "C"
#else
#define AULOAPI extern "C" __declspec(dllimport)
#endif

// Event codes of stream callbacks.
enum : uint32_t {
    AULO_EVENT_FADE_DONE = 2,           // a fade-out reached silence; the stream was emptied
    AULO_EVENT_FROM_END = 3,            // a callback scheduled from the end of a sound is due
    AULO_EVENT_EMPTY = 4,               // the stream has played everything queued on it
    AULO_EVENT_EMPTY_WHILE_FADING = 5,  // the stream ran out of sound during its fade-out
};

// The record a stream callback receives: 16 words.
struct AuloEvent {
    uint32_t code;
    uint32_t soundId;    // the sound the event concerns (the last one cued for 2, 4, 5)
    uintptr_t user;      // as passed to the callback
    int32_t queuedMs;    // time still queued on the stream when the event was raised
    uint32_t reserved[sizeof(void*) == 4 ? 11 : 10];  // 16 words with a 32-bit user value
    uint32_t stream;     // the stream handle
};

typedef void(__stdcall* AuloCompletion)(uintptr_t user);
typedef void(__stdcall* AuloStreamCallback)(const AuloEvent* event, uintptr_t user);

// 1 when the output runs (on a device or the silent sink), 0 for an unsupported format.
// Opening again while open closes the old output first. The window is not used.
AULOAPI int32_t __stdcall AuloOpen(void* window, uint32_t rate, uint32_t bits, uint32_t channels);
AULOAPI void __stdcall AuloClose();

// A new stream handle, 0 when the library is not open.
AULOAPI uint32_t __stdcall AuloOpenStream();
// Drops what the stream holds (completion routines run) and frees the handle.
AULOAPI int32_t __stdcall AuloCloseStream(uint32_t stream);
// Drops everything queued on the stream at once, its fade and its scheduled callbacks.
AULOAPI int32_t __stdcall AuloFlushStream(uint32_t stream);
// Milliseconds still queued on the stream; 0 for an unknown stream.
AULOAPI int32_t __stdcall AuloGetStreamTimeQueued(uint32_t stream);

// Appends the sound at `data` to the stream; `done(user)` once the memory is no longer
// needed. Returns the sound id, 0 when refused. `fadeInMs` fades the sound in; the three
// reserved values must be 0.
AULOAPI uint32_t __stdcall AuloCueStreamFromSharedMemory(uint32_t stream, const void* data, uintptr_t user,
                                                         AuloCompletion done, uint32_t fadeInMs,
                                                         uint32_t reserved1, uint32_t reserved2,
                                                         uint32_t reserved3);
// Reads the file and appends it to the stream. Returns the sound id, 0 when refused.
AULOAPI uint32_t __stdcall AuloCueStreamFromDisk(uint32_t stream, const char* path, uintptr_t user,
                                                 uint32_t fadeInMs, uint32_t reserved1, uint32_t reserved2);

// Fire-and-forget effects on streams of their own. Return the sound id, 0 when refused.
AULOAPI uint32_t __stdcall AuloPlaySoundEffect(const void* data, uintptr_t user, AuloCompletion done,
                                               uint32_t fadeInMs, uint32_t reserved);
AULOAPI uint32_t __stdcall AuloPlayDiskSoundEffect(const char* path, uint32_t fadeInMs, uint32_t reserved1,
                                                   uint32_t reserved2, uint32_t reserved3);

// The routine that receives the stream's events (null: none).
AULOAPI int32_t __cdecl AuloSetStreamCallback(uint32_t stream, AuloStreamCallback routine);
// Fades the stream to silence over `ms`; then it is emptied (AULO_EVENT_FADE_DONE).
AULOAPI int32_t __stdcall AuloStreamFadeOut(uint32_t stream, uint32_t ms);
// AULO_EVENT_FROM_END with `user` once at most `ms` remain until the end of the sound
// (counting what plays before it on the stream). 0 when the sound is not queued there.
AULOAPI int32_t __stdcall AuloSoundScheduleCallbackFromEnd(uint32_t stream, uint32_t soundId, uint32_t ms,
                                                           uintptr_t user);
