// Objects called on every engine frame, on the engine's frame thread, under one lock.
#pragma once
#include <cstdint>

class FrameListener {
public:
    virtual void OnFrame(int32_t elapsedFrames) = 0;

protected:
    ~FrameListener() = default;
};

// Appends the listener unless it is already there.
void AddFrameListener(FrameListener* listener);
// Takes the first entry of the listener out, if any.
void RemoveFrameListener(FrameListener* listener);
// The engine's frame callback: calls every listener in order; a listener that throws is
// dropped and the others still run.
void __stdcall OnEngineFrame(int32_t elapsedFrames);
