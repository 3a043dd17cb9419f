#include "AviWriter.h"

#include "SoundFiles.h"
#include "SoundImage.h"

namespace content {

namespace {

using aulo::AppendLE16;
using aulo::AppendLE32;

const uint32_t kHasIndex = 0x10;
const uint32_t kKeyFrame = 0x10;

void AppendCode(std::vector<uint8_t>& v, const char* code) { v.insert(v.end(), code, code + 4); }

void AppendBytes(std::vector<uint8_t>& v, const std::vector<uint8_t>& bytes) {
    v.insert(v.end(), bytes.begin(), bytes.end());
}

// A chunk: its code, its size and its data, padded to an even length.
void AppendChunk(std::vector<uint8_t>& v, const char* code, const std::vector<uint8_t>& data) {
    AppendCode(v, code);
    AppendLE32(v, uint32_t(data.size()));
    AppendBytes(v, data);
    if (data.size() & 1) v.push_back(0);
}

// A list: "LIST", its size, its form code and its contents.
void AppendList(std::vector<uint8_t>& v, const char* form, const std::vector<uint8_t>& contents) {
    AppendCode(v, "LIST");
    AppendLE32(v, uint32_t(contents.size() + 4));
    AppendCode(v, form);
    AppendBytes(v, contents);
}

}  // namespace

AviWriter::AviWriter(int32_t width, int32_t height, uint32_t framesPerSecond)
    : width_(width), height_(height), fps_(framesPerSecond), rowBytes_(uint32_t(width) * 4) {}

void AviWriter::AddFrame(const uint8_t* pixels) { frames_.emplace_back(pixels, pixels + FrameBytes()); }

std::vector<uint8_t> AviWriter::HeaderList() const {
    const uint32_t frames = FrameCount();
    std::vector<uint8_t> avih;
    for (uint32_t x : {1000000u / fps_, FrameBytes() * fps_, 0u, kHasIndex, frames, 0u, 1u, FrameBytes(),
                       uint32_t(width_), uint32_t(height_), 0u, 0u, 0u, 0u})
        AppendLE32(avih, x);
    std::vector<uint8_t> strh;
    AppendCode(strh, "vids");
    AppendCode(strh, "DIB ");
    for (uint32_t x : {0u, 0u, 0u, 1u, fps_, 0u, frames, FrameBytes(), 0xFFFFFFFFu, 0u}) AppendLE32(strh, x);
    for (int16_t x : {int16_t(0), int16_t(0), int16_t(width_), int16_t(height_)}) AppendLE16(strh, uint16_t(x));
    std::vector<uint8_t> strf;  // BITMAPINFOHEADER
    for (uint32_t x : {40u, uint32_t(width_), uint32_t(height_)}) AppendLE32(strf, x);
    AppendLE16(strf, 1);
    AppendLE16(strf, 32);
    for (uint32_t x : {0u, FrameBytes(), 0u, 0u, 0u, 0u}) AppendLE32(strf, x);
    std::vector<uint8_t> strl;
    AppendChunk(strl, "strh", strh);
    AppendChunk(strl, "strf", strf);
    std::vector<uint8_t> hdrl;
    AppendChunk(hdrl, "avih", avih);
    AppendList(hdrl, "strl", strl);
    std::vector<uint8_t> out;
    AppendList(out, "hdrl", hdrl);
    return out;
}

std::vector<uint8_t> AviWriter::Image() const {
    std::vector<uint8_t> movi, index;
    for (const auto& frame : frames_) {
        AppendCode(index, "00db");
        AppendLE32(index, kKeyFrame);
        AppendLE32(index, uint32_t(movi.size() + 4));  // from the "movi" code
        AppendLE32(index, uint32_t(frame.size()));
        AppendChunk(movi, "00db", frame);
    }
    std::vector<uint8_t> form;
    AppendCode(form, "AVI ");
    AppendBytes(form, HeaderList());
    AppendList(form, "movi", movi);
    AppendChunk(form, "idx1", index);
    std::vector<uint8_t> out;
    AppendCode(out, "RIFF");
    AppendLE32(out, uint32_t(form.size()));
    AppendBytes(out, form);
    return out;
}

bool AviWriter::Write(const std::string& path) const {
    const std::vector<uint8_t> image = Image();
    return WriteBytes(path, image.data(), image.size());
}

}  // namespace content
