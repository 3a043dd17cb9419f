// The library's streams and their mixing, without threads or devices: the caller holds the
// library's lock around every call and afterwards, outside the lock, carries out the
// notices the calls leave (completion routines and stream events), so that a routine may
// call the library again, even to flush or close its own stream.
//
// Time runs in output frames, advanced only by Mix. A stream plays its cues one after the
// other without a gap; cues of different streams are added together.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <vector>

#include "FrameReader.h"
#include "SoundImage.h"

namespace aulo {

struct OutputFormat {
    uint32_t rate = 22050;
    uint16_t bits = 16;
    uint16_t channels = 2;
};

bool IsSupportedOutput(const OutputFormat& format);

// Stream event codes (the first word of an event record).
enum EventCode : uint32_t {
    kEventFadeDone = 2,          // a fade-out reached silence; the stream was emptied
    kEventFromEnd = 3,           // a callback scheduled from the end of a sound is due
    kEventEmpty = 4,             // the stream played its last queued sound
    kEventEmptyWhileFading = 5,  // the stream ran out of sound before its fade-out ended
};

// Something to do once the lock is released.
struct Notice {
    enum Kind : uint8_t { Completion, Event } kind = Completion;
    void* routine = nullptr;
    uintptr_t user = 0;
    uint32_t code = 0;
    uint32_t stream = 0;
    uint32_t soundId = 0;
    int32_t queuedMs = 0;
};
using Notices = std::vector<Notice>;

// The frames of a Mix call during which some sound played: [first, end); empty when equal.
struct SoundSpan {
    uint32_t first = 0;
    uint32_t end = 0;
};

class Mixer {
public:
    explicit Mixer(const OutputFormat& format) : format_(format) {}
    const OutputFormat& GetFormat() const { return format_; }

    uint32_t OpenStream() { return AddStream(false); }
    bool CloseStream(uint32_t stream, Notices& notices);
    bool FlushStream(uint32_t stream, Notices& notices);
    // Milliseconds still to play on the stream (0 for an unknown stream).
    int32_t GetQueuedMs(uint32_t stream) const;
    // Appends a sound; returns its id, or 0 when the stream is unknown. `completion` (may
    // be null) is named in a notice once the sound is played, flushed or dropped.
    uint32_t Cue(uint32_t stream, SoundImage image, uintptr_t user, void* completion, uint32_t fadeInMs);
    bool SetCallback(uint32_t stream, void* routine);
    bool FadeOut(uint32_t stream, uint32_t ms);
    // An event kEventFromEnd once at most `ms` remain until the end of the sound.
    bool ScheduleFromEnd(uint32_t stream, uint32_t soundId, uint32_t ms, uintptr_t user);
    // Plays a sound on a stream of its own that closes itself when the sound is done.
    uint32_t PlayEffect(SoundImage image, uintptr_t user, void* completion, uint32_t fadeInMs);

    // Mixes the next `frames` frames into `out` in the output format.
    SoundSpan Mix(uint8_t* out, uint32_t frames, Notices& notices);
    // Drops every stream (their completion routines become notices).
    void CloseAll(Notices& notices);
    size_t GetStreamCount() const { return streams_.size(); }
    uint64_t FramesFromMs(uint32_t ms) const { return uint64_t(ms) * format_.rate / 1000; }

private:
    struct QueuedSound {
        uint32_t id;
        FrameReader reader;
        uint64_t length;
        uint64_t pos = 0;
        uint64_t fadeIn;
        uintptr_t user;
        void* completion;
    };
    struct Schedule {
        uint32_t soundId;
        uint64_t frames;
        uintptr_t user;
    };
    struct Stream {
        uint32_t handle = 0;
        bool effect = false;
        void* callback = nullptr;
        std::deque<QueuedSound> cues;
        std::vector<Schedule> schedules;
        uintptr_t lastUser = 0;
        uint32_t lastSoundId = 0;
        bool hadSound = false;
        bool fading = false;
        uint64_t fadeFrames = 0;
        uint64_t fadePos = 0;
    };

    uint32_t AddStream(bool effect);
    Stream* Find(uint32_t stream);
    const Stream* Find(uint32_t stream) const;
    void MixStream(Stream& s, uint32_t frames, SoundSpan& span);
    void Settle(Stream& s, Notices& notices);
    void FireSchedules(Stream& s, Notices& notices);
    void DropCues(Stream& s, Notices& notices);
    void Finish(const QueuedSound& cue, Notices& notices);
    void AddEvent(const Stream& s, uint32_t code, uintptr_t user, uint32_t soundId, Notices& notices) const;
    uint64_t QueuedFrames(const Stream& s) const;
    void WriteOutput(uint8_t* out, uint32_t frames) const;

    OutputFormat format_;
    std::map<uint32_t, Stream> streams_;
    uint32_t nextHandle_ = 1;
    uint32_t nextSoundId_ = 1;
    std::vector<int32_t> sum_;
};

}  // namespace aulo
