// Holds the image encoder plug-in library of the asset writer and one entry point of it.
#pragma once
#include <windows.h>

#include <cstdint>

// The encoder's entry: replaces the raw pixels of a BMAP record by their encoding and
// returns the encoded size (0 when it made none).
typedef uint32_t(__stdcall* ImageEncodeEntry)(uint8_t* record);

class ImageCodecPlugin {
public:
    ImageCodecPlugin() = default;
    ~ImageCodecPlugin() { Free(); }
    ImageCodecPlugin(const ImageCodecPlugin&) = delete;
    ImageCodecPlugin& operator=(const ImageCodecPlugin&) = delete;

    // Loads the library and finds the entry, freeing the library held before. Returns the
    // entry, or null when either is missing (nothing is then held).
    FARPROC Load(const char* library, const char* entry);
    void Free();
    FARPROC Entry() const { return entry_; }

private:
    HMODULE module_ = nullptr;
    FARPROC entry_ = nullptr;
};
