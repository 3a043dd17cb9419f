// Renders a known mix through the sound library's render mode into the WAV file named on
// the command line: two tones of a quarter of full scale, 440 Hz and 660 Hz, 600 ms each,
// started together on two streams. The script beside this file measures the file.
#include <windows.h>

#include <cstdio>

#include "AuloSnd.h"
#include "SoundFiles.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: aulosnd_render OUTPUT.wav\n");
        return 2;
    }
    SetEnvironmentVariableA("AULOSND_RENDER", argv[1]);
    if (!AuloOpen(nullptr, 22050, 16, 2)) return 1;
    const std::vector<uint8_t> low = WavImage(MakeTone(600, 440.0, 0.25));
    const std::vector<uint8_t> high = CwvImage(MakeTone(600, 660.0, 0.25, 44100, 1));
    const uint32_t first = AuloOpenStream(), second = AuloOpenStream();
    const bool cued = AuloCueStreamFromSharedMemory(first, low.data(), 0, nullptr, 0, 0, 0, 0) &&
                      AuloCueStreamFromSharedMemory(second, high.data(), 0, nullptr, 0, 0, 0, 0);
    // Bounded generously: a busy machine runs the library's thread late.
    for (const DWORD start = GetTickCount();
         cued && GetTickCount() - start < 30000 && (AuloGetStreamTimeQueued(first) || AuloGetStreamTimeQueued(second));)
        Sleep(10);
    Sleep(30);
    AuloClose();
    return cued ? 0 : 1;
}
