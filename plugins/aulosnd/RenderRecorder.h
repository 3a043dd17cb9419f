// The render mode's recorder: writes the mixed output to a PCM WAV file, from the first
// frame in which something sounded to the last one. Silence between sounds is kept, so a
// gap in the mix shows as a gap in the file; silence before the first sound and after the
// last is left out, so the file's length is the length of what was heard.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "Mixer.h"

namespace aulo {

class RenderRecorder {
public:
    RenderRecorder(const std::string& path, const OutputFormat& format);
    RenderRecorder(const RenderRecorder&) = delete;
    RenderRecorder& operator=(const RenderRecorder&) = delete;
    ~RenderRecorder() { Close(); }

    bool IsOpen() const { return file_ != nullptr; }
    // One mixed period of `frames` frames; `span` tells which of them had sound.
    void Write(const uint8_t* data, uint32_t frames, const SoundSpan& span);
    // Fixes the header's sizes and closes the file.
    void Close();

private:
    void WriteSilence(uint64_t frames);

    std::FILE* file_ = nullptr;
    OutputFormat format_;
    uint32_t frameBytes_;
    uint64_t written_ = 0;        // frames in the file
    uint64_t pendingSilence_ = 0;  // silent frames not yet written
};

}  // namespace aulo
