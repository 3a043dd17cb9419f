// How the lobby scrolls: the zones of its scroll control and the speed they give, tick by
// tick. Platform-free; the lobby keeps one of these under its lock.
#pragma once
#include <cstdint>

enum LobbyZone : int32_t {
    kZoneNone = 0,
    kZoneLeft = 1,          // pointer over the left third, button up
    kZoneRight = 2,         // over the right third, button up
    kZoneLeftPressed = 3,
    kZoneRightPressed = 4,
};

// The zone of a point over the control [left, right), with the button pressed or not.
int32_t ScrollZoneAt(int32_t x, int32_t left, int32_t right, bool pressed);
// The frame of the control's sprite that shows a zone.
uint32_t ScrollZoneFrame(int32_t zone);

struct LobbyScrollState {
    static const int32_t kMaxSpeed = 32;
    int32_t speed = 0;      // pixels per tick, -32 to 32
    bool fullQuality = false;  // one smooth drawing is due

    // One tick per elapsed frame in the zone.
    void Update(int32_t zone, int32_t elapsedFrames);
};
