// For tests that link the engine's insides: the library context set up once for the
// whole test program, as the loader would, and a video sink of the test's own.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "LibraryContext.h"
#include "MutexPair.h"
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
