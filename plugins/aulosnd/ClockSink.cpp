// The silent sink: periods fall due by the performance counter, one hundredth of a second
// apart, and the mixed data goes nowhere, or into the render recorder.
#include <memory>

#include "OutputSink.h"
#include "RenderRecorder.h"

namespace {

class ClockSink : public OutputSink {
public:
    ClockSink(const aulo::OutputFormat& format, const std::string& renderPath)
        : rate_(format.rate), period_(PeriodFrames(format)) {
        QueryPerformanceFrequency(&frequency_);
        QueryPerformanceCounter(&start_);
        if (!renderPath.empty()) recorder_ = std::make_unique<aulo::RenderRecorder>(renderPath, format);
    }

    uint32_t WaitForRoom(HANDLE stop) override {
        while (true) {
            const uint64_t due = FramesElapsed();
            if (due >= mixed_ + period_) {
                mixed_ += period_;
                return period_;
            }
            const DWORD wait = DWORD((mixed_ + period_ - due) * 1000 / rate_ + 1);
            if (WaitForSingleObject(stop, wait) == WAIT_OBJECT_0) return 0;
        }
    }

    void Write(const uint8_t* data, uint32_t frames, const aulo::SoundSpan& span) override {
        if (recorder_) recorder_->Write(data, frames, span);
    }

private:
    uint64_t FramesElapsed() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return uint64_t(now.QuadPart - start_.QuadPart) * rate_ / uint64_t(frequency_.QuadPart);
    }

    LARGE_INTEGER frequency_;
    LARGE_INTEGER start_;
    uint32_t rate_;
    uint32_t period_;
    uint64_t mixed_ = 0;
    std::unique_ptr<aulo::RenderRecorder> recorder_;
};

}  // namespace

std::unique_ptr<OutputSink> MakeClockSink(const aulo::OutputFormat& format, const std::string& renderPath) {
    return std::make_unique<ClockSink>(format, renderPath);
}
