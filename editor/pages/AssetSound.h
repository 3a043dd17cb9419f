// Playing a sound that lives in an asset file (a machine file): the file is opened, the
// sound's asset loaded and locked, and its data handed to the sound library, which reads
// it while the sound plays. The asset stays locked and the file open until the library
// says the sound has ended; only then are they released, unloaded and closed.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

class AssetSound {
public:
    // False when the file does not open, the asset cannot be locked or the library
    // refuses the sound (everything is given back at once then).
    static bool Play(const std::string& file, int32_t assetNumber);
    // Sounds started here whose assets are still held.
    static LONG Playing();

private:
    AssetSound(int32_t file, uint32_t asset) : file_(file), asset_(asset) {}
    // The library's completion routine, on the library's thread.
    static void __stdcall Ended(uintptr_t user);
    void Release();

    int32_t file_;
    uint32_t asset_;
    bool locked_ = false;
};
