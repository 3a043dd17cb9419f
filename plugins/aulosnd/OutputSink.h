// Where the mixing thread sends its periods: the wave output device, or the silent sink
// that keeps real time without a device (and may record what it is given).
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "Mixer.h"

class OutputSink {
public:
    virtual ~OutputSink() = default;
    // Waits until a period is due; returns its frames, or 0 once `stop` is signalled.
    virtual uint32_t WaitForRoom(HANDLE stop) = 0;
    // Takes the period just mixed; `span` tells which frames had sound.
    virtual void Write(const uint8_t* data, uint32_t frames, const aulo::SoundSpan& span) = 0;
};

// Frames in one mixing period: a hundredth of a second.
inline uint32_t PeriodFrames(const aulo::OutputFormat& format) { return format.rate / 100; }

// The platform's wave output; null when there is no device for the format.
std::unique_ptr<OutputSink> OpenWaveOutSink(const aulo::OutputFormat& format);
// The silent sink on the real-time clock; with a path it records the mix there.
std::unique_ptr<OutputSink> MakeClockSink(const aulo::OutputFormat& format, const std::string& renderPath);
