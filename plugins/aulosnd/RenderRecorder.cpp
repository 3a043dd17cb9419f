#include "RenderRecorder.h"

#include <vector>

#include "WavFile.h"

namespace aulo {

RenderRecorder::RenderRecorder(const std::string& path, const OutputFormat& format)
    : format_(format), frameBytes_(format.channels * format.bits / 8u) {
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return;
    const std::vector<uint8_t> header = MakeWavHeader(format.rate, format.bits, format.channels, 0);
    std::fwrite(header.data(), 1, header.size(), file_);
}

void RenderRecorder::Write(const uint8_t* data, uint32_t frames, const SoundSpan& span) {
    if (!file_) return;
    if (span.first == span.end) {
        pendingSilence_ += frames;
        return;
    }
    if (written_) WriteSilence(pendingSilence_ + span.first);
    std::fwrite(data + size_t(span.first) * frameBytes_, frameBytes_, span.end - span.first, file_);
    written_ += span.end - span.first;
    pendingSilence_ = frames - span.end;
}

void RenderRecorder::WriteSilence(uint64_t frames) {
    // 8-bit samples are unsigned, their silence is 128.
    const std::vector<uint8_t> zero(size_t(frameBytes_) * 256, format_.bits == 8 ? 128 : 0);
    for (uint64_t left = frames; left;) {
        const uint64_t n = left < 256 ? left : 256;
        std::fwrite(zero.data(), frameBytes_, size_t(n), file_);
        left -= n;
    }
    written_ += frames;
}

void RenderRecorder::Close() {
    if (!file_) return;
    const std::vector<uint8_t> header =
        MakeWavHeader(format_.rate, format_.bits, format_.channels, uint32_t(written_ * frameBytes_));
    std::fseek(file_, 0, SEEK_SET);
    std::fwrite(header.data(), 1, header.size(), file_);
    std::fclose(file_);
    file_ = nullptr;
}

}  // namespace aulo
