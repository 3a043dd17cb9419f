// For tests that link the engine's insides: the library context set up once for the
// whole test program, as the loader would, and a video sink of the test's own.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "LibraryContext.h"
#include "ImageRecord.h"
#include "MutexPair.h"
#include "PictureBuffer.h"
#include "VideoSource.h"

class EngineEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        Mutexes().Open();
        ctx_ = new LibraryContext(GetModuleHandleA(nullptr));
        ASSERT_EQ(ctx_->constructed, 1);
        SetContext(ctx_);
    }
    void TearDown() override {
        ctx_->Teardown(false);
        SetContext(nullptr);
        delete ctx_;
    }

private:
    LibraryContext* ctx_ = nullptr;
};

// A sink that always wants a picture of its size.
class TestSink : public VideoSink {
public:
    TestSink(int w, int h) : VideoSink(1), rect_{0, 0, w, h} {}
    RECT WantedRect() const override { return rect_; }
    bool IsActive() const override { return true; }

private:
    RECT rect_;
};

// A 16-bit engine picture of w x h filled with the background colour of the sprite tests.
struct Buffer {
    static constexpr uint16_t kFill = 0x4210;
    quor::ImageHeader* header;
    Buffer(uint16_t w, uint16_t h) : header(static_cast<quor::ImageHeader*>(NewPictureBuffer(w, h, false))) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) Row(y)[x] = kFill;
    }
    ~Buffer() { FreePictureBuffer(header); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
    uint16_t* Row(int y) {
        return reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(header) + sizeof(quor::ImageHeader) +
                                           size_t(y) * quor::RowBytes(header->width, 2));
    }
    uint16_t At(int x, int y) { return Row(y)[x]; }
    // The box of the pixels of one value, relative to (ox, oy); empty when there are none.
    RECT Box(uint16_t value, int ox, int oy) {
        RECT r = {100000, 100000, -100000, -100000};
        for (int y = 0; y < header->height; ++y)
            for (int x = 0; x < header->width; ++x)
                if (At(x, y) == value) {
                    r.left = std::min<LONG>(r.left, x - ox);
                    r.top = std::min<LONG>(r.top, y - oy);
                    r.right = std::max<LONG>(r.right, x - ox + 1);
                    r.bottom = std::max<LONG>(r.bottom, y - oy + 1);
                }
        return r;
    }
};
