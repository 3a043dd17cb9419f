// CROSSFADE.DLL: a transition for the engine's video mixers that fades from the first
// picture to the second as the mixer's position runs from its minimum to its maximum.
// Knobs beyond the engine's own words: word 2 is the length of the run in frames
// (30 when 0).
#include <windows.h>
#include <cstdint>
#include <initializer_list>

namespace {

#pragma pack(push, 1)
struct Picture {  // a 16-bit 5-5-5 picture: 20-byte header, then rows padded to 4 bytes
    uint32_t type;
    uint16_t kind, slot, width, height;
    uint32_t key, pixelBytes;
};
#pragma pack(pop)

struct Shared {  // the block the mixer shares with its transition
    uint32_t* knobs;
    Picture* a;
    Picture* b;
    Picture* output;
    int32_t frameRate;
    uint32_t minimum, maximum, position;
};

struct Binding {
    Shared* shared;
    void* plugin;
};

uint16_t* Row(Picture* p, int y) {
    return reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(p + 1) + y * ((p->width * 2 + 3) & ~3));
}

}  // namespace

extern "C" int __stdcall queryService() { return 1; }

extern "C" int __stdcall establishQUORServiceConnection(void*) { return 1; }

extern "C" int __stdcall initialize(Shared* shared, Binding*) {
    if (!shared || !shared->knobs) return 0;
    uint32_t frames = shared->knobs[0] >= 12 ? shared->knobs[2] : 0;
    shared->minimum = 0;
    shared->maximum = frames ? frames : 30;
    return 1;
}

extern "C" int __stdcall mixBitmaps(Binding* binding) {
    if (!binding || !binding->shared) return 0;
    Shared& s = *binding->shared;
    if (!s.a || !s.b || !s.output || s.maximum <= s.minimum) return 0;
    const uint32_t span = s.maximum - s.minimum;
    uint32_t t = s.position <= s.minimum ? 0 : s.position >= s.maximum ? span : s.position - s.minimum;
    const uint32_t weight = t * 256 / span;  // 0..256 of the second picture
    int w = s.output->width, h = s.output->height;
    if (s.a->width < w) w = s.a->width;
    if (s.b->width < w) w = s.b->width;
    if (s.a->height < h) h = s.a->height;
    if (s.b->height < h) h = s.b->height;
    for (int y = 0; y < h; ++y) {
        const uint16_t* ra = Row(s.a, y);
        const uint16_t* rb = Row(s.b, y);
        uint16_t* out = Row(s.output, y);
        for (int x = 0; x < w; ++x) {
            uint16_t v = 0;
            for (int shift : {10, 5, 0}) {
                uint32_t ca = (ra[x] >> shift) & 31, cb = (rb[x] >> shift) & 31;
                uint32_t c = (ca * (256 - weight) + cb * weight + 128) >> 8;
                v = uint16_t(v | (c << shift));
            }
            out[x] = v;
        }
    }
    return 1;
}

extern "C" int __stdcall cleanup(Binding*) { return 1; }
