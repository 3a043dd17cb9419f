// The wave output device: four buffers of one period each go round; a period is due
// whenever the device has handed one back.
#include "OutputSink.h"

#include <mmsystem.h>

#include <vector>

namespace {

const int kBuffers = 4;

class WaveOutSink : public OutputSink {
public:
    WaveOutSink(HWAVEOUT device, HANDLE done, const aulo::OutputFormat& format)
        : device_(device), done_(done), period_(PeriodFrames(format)),
          frameBytes_(format.channels * format.bits / 8u) {
        for (int i = 0; i < kBuffers; ++i) {
            buffers_[i].assign(size_t(period_) * frameBytes_, 0);
            headers_[i] = WAVEHDR();
        }
    }

    ~WaveOutSink() override {
        waveOutReset(device_);
        for (WAVEHDR& h : headers_)
            if (h.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &h, sizeof h);
        waveOutClose(device_);
        CloseHandle(done_);
    }

    uint32_t WaitForRoom(HANDLE stop) override {
        const HANDLE handles[2] = {stop, done_};
        while (true) {
            for (int i = 0; i < kBuffers; ++i) {
                const DWORD flags = headers_[i].dwFlags;
                if (!(flags & WHDR_PREPARED) || (flags & WHDR_DONE)) {
                    next_ = i;
                    return period_;
                }
            }
            if (WaitForMultipleObjects(2, handles, FALSE, 100) == WAIT_OBJECT_0) return 0;
        }
    }

    void Write(const uint8_t* data, uint32_t frames, const aulo::SoundSpan&) override {
        WAVEHDR& h = headers_[next_];
        if (h.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &h, sizeof h);
        std::vector<uint8_t>& buffer = buffers_[next_];
        buffer.assign(data, data + size_t(frames) * frameBytes_);
        h = WAVEHDR();
        h.lpData = reinterpret_cast<LPSTR>(buffer.data());
        h.dwBufferLength = DWORD(buffer.size());
        waveOutPrepareHeader(device_, &h, sizeof h);
        waveOutWrite(device_, &h, sizeof h);
    }

private:
    HWAVEOUT device_;
    HANDLE done_;
    uint32_t period_;
    uint32_t frameBytes_;
    std::vector<uint8_t> buffers_[kBuffers];
    WAVEHDR headers_[kBuffers];
    int next_ = 0;
};

}  // namespace

std::unique_ptr<OutputSink> OpenWaveOutSink(const aulo::OutputFormat& format) {
    WAVEFORMATEX wf = {};
    wf.wFormatTag = WAVE_FORMAT_PCM;
    wf.nChannels = format.channels;
    wf.nSamplesPerSec = format.rate;
    wf.wBitsPerSample = format.bits;
    wf.nBlockAlign = WORD(format.channels * format.bits / 8);
    wf.nAvgBytesPerSec = format.rate * wf.nBlockAlign;
    HANDLE done = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HWAVEOUT device = nullptr;
    if (!done) return nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &wf, DWORD_PTR(done), 0, CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        CloseHandle(done);
        return nullptr;
    }
    return std::make_unique<WaveOutSink>(device, done, format);
}
