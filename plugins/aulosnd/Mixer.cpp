#include "Mixer.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace aulo {

bool IsSupportedOutput(const OutputFormat& format) {
    return IsSupportedRate(format.rate) && (format.bits == 8 || format.bits == 16) &&
           (format.channels == 1 || format.channels == 2);
}

uint32_t Mixer::AddStream(bool effect) {
    while (nextHandle_ == 0 || streams_.count(nextHandle_)) ++nextHandle_;
    const uint32_t handle = nextHandle_++;
    Stream& s = streams_[handle];
    s.handle = handle;
    s.effect = effect;
    return handle;
}

Mixer::Stream* Mixer::Find(uint32_t stream) {
    auto it = streams_.find(stream);
    return it == streams_.end() ? nullptr : &it->second;
}

const Mixer::Stream* Mixer::Find(uint32_t stream) const {
    auto it = streams_.find(stream);
    return it == streams_.end() ? nullptr : &it->second;
}

bool Mixer::CloseStream(uint32_t stream, Notices& notices) {
    Stream* s = Find(stream);
    if (!s) return false;
    DropCues(*s, notices);
    streams_.erase(stream);
    return true;
}

bool Mixer::FlushStream(uint32_t stream, Notices& notices) {
    Stream* s = Find(stream);
    if (!s) return false;
    DropCues(*s, notices);
    s->schedules.clear();
    s->fading = false;
    s->hadSound = false;
    return true;
}

int32_t Mixer::GetQueuedMs(uint32_t stream) const {
    const Stream* s = Find(stream);
    if (!s) return 0;
    const uint64_t ms = QueuedFrames(*s) * 1000 / format_.rate;
    return int32_t(std::min<uint64_t>(ms, uint64_t(std::numeric_limits<int32_t>::max())));
}

uint32_t Mixer::Cue(uint32_t stream, SoundImage image, uintptr_t user, void* completion, uint32_t fadeInMs) {
    Stream* s = Find(stream);
    if (!s) return 0;
    if (nextSoundId_ == 0) ++nextSoundId_;
    const uint32_t id = nextSoundId_++;
    FrameReader reader(std::move(image), format_.rate);
    const uint64_t length = reader.GetLength();
    s->cues.push_back(QueuedSound{id, std::move(reader), length, 0, FramesFromMs(fadeInMs), user, completion});
    s->lastUser = user;
    s->lastSoundId = id;
    s->hadSound = true;
    return id;
}

bool Mixer::SetCallback(uint32_t stream, void* routine) {
    Stream* s = Find(stream);
    if (!s) return false;
    s->callback = routine;
    return true;
}

bool Mixer::FadeOut(uint32_t stream, uint32_t ms) {
    Stream* s = Find(stream);
    if (!s) return false;
    s->fading = true;
    s->fadeFrames = std::max<uint64_t>(1, FramesFromMs(ms));
    s->fadePos = 0;
    return true;
}

bool Mixer::ScheduleFromEnd(uint32_t stream, uint32_t soundId, uint32_t ms, uintptr_t user) {
    Stream* s = Find(stream);
    if (!s) return false;
    const bool queued = std::any_of(s->cues.begin(), s->cues.end(), [&](const QueuedSound& c) { return c.id == soundId; });
    if (!queued) return false;
    s->schedules.push_back({soundId, FramesFromMs(ms), user});
    return true;
}

uint32_t Mixer::PlayEffect(SoundImage image, uintptr_t user, void* completion, uint32_t fadeInMs) {
    const uint32_t stream = AddStream(true);
    return Cue(stream, std::move(image), user, completion, fadeInMs);
}

SoundSpan Mixer::Mix(uint8_t* out, uint32_t frames, Notices& notices) {
    sum_.assign(size_t(frames) * 2, 0);
    SoundSpan span{frames, 0};
    for (auto& entry : streams_) MixStream(entry.second, frames, span);
    WriteOutput(out, frames);
    for (auto it = streams_.begin(); it != streams_.end();) {
        Stream& s = it->second;
        while (!s.cues.empty() && s.cues.front().pos == s.cues.front().length) {
            Finish(s.cues.front(), notices);
            s.cues.pop_front();
        }
        if (s.fading) s.fadePos += frames;
        Settle(s, notices);
        it = (s.effect && s.cues.empty()) ? streams_.erase(it) : std::next(it);
    }
    if (span.first >= span.end) span = SoundSpan();
    return span;
}

// One stream's cues, one after the other, into the sum. A cue's fade-in and the stream's
// fade-out scale each frame.
void Mixer::MixStream(Stream& s, uint32_t frames, SoundSpan& span) {
    uint32_t f = 0;
    for (QueuedSound& c : s.cues) {
        if (f == frames) break;
        const uint32_t n = uint32_t(std::min<uint64_t>(frames - f, c.length - c.pos));
        if (n) span.first = std::min(span.first, f);
        for (uint32_t i = 0; i < n; ++i, ++f, ++c.pos) {
            int32_t left, right;
            c.reader.Next(left, right);
            double gain = c.pos < c.fadeIn ? double(c.pos) / double(c.fadeIn) : 1.0;
            if (s.fading) {
                const uint64_t at = s.fadePos + f;
                gain *= at >= s.fadeFrames ? 0.0 : 1.0 - double(at) / double(s.fadeFrames);
            }
            sum_[2 * size_t(f)] += int32_t(left * gain);
            sum_[2 * size_t(f) + 1] += int32_t(right * gain);
        }
        span.end = std::max(span.end, f);
    }
}

// After a period: the end of a fade-out, schedules that are due, a stream that ran dry.
void Mixer::Settle(Stream& s, Notices& notices) {
    if (s.fading && s.fadePos >= s.fadeFrames) {
        DropCues(s, notices);
        s.schedules.clear();
        s.fading = false;
        s.hadSound = false;
        AddEvent(s, kEventFadeDone, s.lastUser, s.lastSoundId, notices);
        return;
    }
    FireSchedules(s, notices);
    if (s.cues.empty() && (s.fading || s.hadSound)) {
        const uint32_t code = s.fading ? kEventEmptyWhileFading : kEventEmpty;
        s.fading = false;
        s.hadSound = false;
        AddEvent(s, code, s.lastUser, s.lastSoundId, notices);
    }
}

// A schedule is due once the time left to its sound's end is within its reach; a sound
// that is no longer queued has played to its end (flushes and fades drop the schedules).
void Mixer::FireSchedules(Stream& s, Notices& notices) {
    for (size_t i = 0; i < s.schedules.size();) {
        const Schedule& due = s.schedules[i];
        uint64_t untilEnd = 0;
        bool queued = false;
        for (const QueuedSound& c : s.cues) {
            untilEnd += c.length - c.pos;
            if ((queued = c.id == due.soundId)) break;
        }
        if (queued && untilEnd > due.frames) {
            ++i;
            continue;
        }
        AddEvent(s, kEventFromEnd, due.user, due.soundId, notices);
        s.schedules.erase(s.schedules.begin() + std::ptrdiff_t(i));
    }
}

void Mixer::DropCues(Stream& s, Notices& notices) {
    for (const QueuedSound& c : s.cues) Finish(c, notices);
    s.cues.clear();
}

void Mixer::Finish(const QueuedSound& cue, Notices& notices) {
    if (!cue.completion) return;
    Notice n;
    n.kind = Notice::Completion;
    n.routine = cue.completion;
    n.user = cue.user;
    n.soundId = cue.id;
    notices.push_back(n);
}

void Mixer::AddEvent(const Stream& s, uint32_t code, uintptr_t user, uint32_t soundId, Notices& notices) const {
    if (!s.callback) return;
    Notice n;
    n.kind = Notice::Event;
    n.routine = s.callback;
    n.user = user;
    n.code = code;
    n.stream = s.handle;
    n.soundId = soundId;
    n.queuedMs = GetQueuedMs(s.handle);
    notices.push_back(n);
}

void Mixer::CloseAll(Notices& notices) {
    for (auto& entry : streams_) DropCues(entry.second, notices);
    streams_.clear();
}

uint64_t Mixer::QueuedFrames(const Stream& s) const {
    uint64_t frames = 0;
    for (const QueuedSound& c : s.cues) frames += c.length - c.pos;
    return frames;
}

void Mixer::WriteOutput(uint8_t* out, uint32_t frames) const {
    for (uint32_t f = 0; f < frames; ++f) {
        int32_t left = std::clamp(sum_[2 * size_t(f)], -32768, 32767);
        int32_t right = std::clamp(sum_[2 * size_t(f) + 1], -32768, 32767);
        int32_t values[2] = {left, right};
        if (format_.channels == 1) values[0] = (left + right) / 2;
        for (uint16_t c = 0; c < format_.channels; ++c) {
            if (format_.bits == 8) {
                *out++ = uint8_t((values[c] >> 8) + 128);
            } else {
                *out++ = uint8_t(values[c]);
                *out++ = uint8_t(values[c] >> 8);
            }
        }
    }
}

}  // namespace aulo
