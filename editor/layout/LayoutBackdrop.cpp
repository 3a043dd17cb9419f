// The layout's backdrop picture: an image asset behind a 'BACK' asset of an asset file, a
// JPEG decoded through the "BMJPEG.DLL" plug-in, or a bitmap file.
#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "AssetWords.h"
#include "Bitmap.h"
#include "BitmapFromAsset.h"
#include "ImageCodecPlugin.h"
#include "JpegSize.h"
#include "MachineLayout.h"
#include "MachineScript.h"
#include "PictureFileText.h"
#include "Quor2_5.h"

namespace {
const uint32_t kBackdropMagic = 0x4B434142u;  // "BACK"
const int kJpegHeaderBytes = 20;
typedef int(__stdcall* JpegDecodeEntry)(void* pixels, const uint8_t* record, uint32_t pixelBytes, uint32_t length);

bool IsJpegName(const std::string& name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    std::string extension = name.substr(dot + 1);
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension == "jpg" || extension == "jpeg";
}

void PutAssetWord16(std::vector<uint8_t>& data, size_t offset, uint16_t value) { std::memcpy(&data[offset], &value, 2); }
void PutWord32(std::vector<uint8_t>& data, size_t offset, uint32_t value) { std::memcpy(&data[offset], &value, 4); }

// A top-down 16-bit 5-5-5 DIB section of the size; its pixels go to `pixels`.
HBITMAP MakeDib555(int32_t width, int32_t height, void** pixels) {
    struct {
        BITMAPINFOHEADER header;
        DWORD masks[3];
    } info = {};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 16;
    info.header.biCompression = BI_BITFIELDS;
    info.masks[0] = 0x7C00, info.masks[1] = 0x03E0, info.masks[2] = 0x001F;
    return CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, pixels, nullptr, 0);
}
}  // namespace

void MachineLayout::SetBackdrop(HBITMAP bitmap, SIZE size) {
    if (backdrop_ && backdrop_ != bitmap) DeleteObject(backdrop_);
    backdrop_ = bitmap;
    backdropSize_ = bitmap ? size : SIZE{kDefaultSize, kDefaultSize};
}

bool MachineLayout::LoadBackdrop(MachineScript* script) {
    if (!script || !script->IsCompiled()) return false;
    script_ = script;
    const std::string& file = script->GetBackdropFile();
    if (script->GetBackdropAsset() != 0) return LoadAssetBackdrop(file, script->GetBackdropAsset());
    return ReplaceBackdrop(file), true;
}

bool MachineLayout::ReplaceBackdrop(const std::string& file) {
    SetBackdrop(nullptr, SIZE{});
    if (IsJpegName(file)) DecodeJpegFile(file);
    else LoadBitmapFile(file);
    return backdrop_ != nullptr;
}

std::string MachineLayout::BackdropFileProblem(const std::string& file) {
    if (!IsJpegName(file)) return PictureFileProblem(file);
    std::ifstream in(file, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    uint16_t width = 0, height = 0;
    if (GetJpegSize(bytes.data(), bytes.size(), width, height)) return std::string();
    return file + " cannot be read: it is not a JPEG picture whose size can be read.";
}

bool MachineLayout::LoadAssetBackdrop(const std::string& file, int32_t asset) {
    const int32_t handle = OpenAssetFile(file.c_str());
    if (handle == -1) return false;
    const uint32_t backdropAsset = uint32_t(handle) | uint32_t(asset);
    LoadAsset(backdropAsset, 0);
    const uint8_t* data = static_cast<const uint8_t*>(DereferenceAndLockAsset(backdropAsset));
    if (data) {
        // The record's words up to the picture's asset number must lie within it.
        const bool whole = LockedAssetSize(backdropAsset) >= 16;
        if (whole && AssetWord32(data, 0) == kBackdropMagic && AssetWord16(data, 6) == 1 &&
            AssetWord16(data, 8) == 1) {
            Bitmap picture;
            bool keyed = false;
            if (BitmapFromAsset(handle, AssetWord16(data, 14), picture, keyed)) {
                HBITMAP copy = HBITMAP(CopyImage(picture.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
                SetBackdrop(copy, SIZE{picture.Width(), picture.Height()});
            }
        }
        ReleaseAsset(backdropAsset);
    }
    UnloadAsset(backdropAsset);
    CloseAssetFile(uint32_t(handle));
    return true;
}

void MachineLayout::LoadBitmapFile(const std::string& path) {
    Bitmap picture;
    if (!picture.LoadImageFile(path)) return;
    HBITMAP copy = HBITMAP(CopyImage(picture.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (copy) SetBackdrop(copy, SIZE{picture.Width(), picture.Height()});
}

void MachineLayout::DecodeJpegFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return;
    std::vector<uint8_t> record(kJpegHeaderBytes);
    record.insert(record.end(), std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const uint32_t length = uint32_t(record.size() - kJpegHeaderBytes);
    uint16_t width = 0, height = 0;
    if (!GetJpegSize(record.data() + kJpegHeaderBytes, length, width, height)) return;
    std::memcpy(&record[0], "BMAP", 4);
    PutAssetWord16(record, 4, 2), PutAssetWord16(record, 6, 2), PutAssetWord16(record, 8, width), PutAssetWord16(record, 10, height);
    PutWord32(record, 12, 0xFFFFFFFFu), PutWord32(record, 16, length);
    void* pixels = nullptr;
    HBITMAP dib = MakeDib555(width, height, &pixels);
    if (!dib) return;
    ImageCodecPlugin plugin;
    auto decode = reinterpret_cast<JpegDecodeEntry>(plugin.Load("BMJPEG.DLL", "_decode@16"));
    const uint32_t pixelBytes = uint32_t(width + (width & 1)) * height * 2;
    if (decode && decode(pixels, record.data(), pixelBytes, length)) SetBackdrop(dib, SIZE{width, height});
    else DeleteObject(dib);
}
