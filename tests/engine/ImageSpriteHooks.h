// What the image sprite tests hear from the engine: frame sounds as "code:first three
// bytes:reserved", notifications as event * 10000 + sprite; and the image block that an
// image sprite's creation record points to.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::string> g_sounds;
inline void __stdcall Sound(int32_t code, void* data, int32_t reserved) {
    g_sounds.push_back(std::to_string(code) + ":" + std::string(static_cast<const char*>(data), 3) + ":" +
                       std::to_string(reserved));
}

inline std::vector<int32_t> g_notified;
inline void __stdcall Notified(int32_t event, int32_t sprite) { g_notified.push_back(event * 10000 + sprite); }

struct ImageBlock {
    uint32_t asset, sequence, frame;
    uintptr_t data;
};
