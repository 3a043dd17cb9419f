#include "EnginePictureProbe.h"

#include <windows.h>

#include <stdexcept>

#include "Quor2_5.h"
#include "SpriteAssetReading.h"

namespace {

// An asset file opened for the probe, closed again when the probe is done.
class OpenedAssetFile {
public:
    explicit OpenedAssetFile(const std::string& path) : handle_(OpenAssetFile(path.c_str())) {}
    ~OpenedAssetFile() {
        if (IsOpen()) CloseAssetFile(uint32_t(handle_));
    }
    OpenedAssetFile(const OpenedAssetFile&) = delete;
    OpenedAssetFile& operator=(const OpenedAssetFile&) = delete;

    bool IsOpen() const { return handle_ != -1; }
    uint32_t Handle() const { return uint32_t(handle_); }

private:
    int32_t handle_;
};

// One asset loaded and locked, released and unloaded again; no data when it cannot be
// loaded or locked.
class LockedAsset {
public:
    explicit LockedAsset(uint32_t asset) : asset_(asset) {
        loaded_ = LoadAsset(asset, 0) != 0;
        if (!loaded_) return;
        data_ = static_cast<const uint8_t*>(DereferenceAndLockAsset(asset));
        QuorAssetInfo info = {};
        if (data_ && GetAssetInfo(asset, &info)) size_ = size_t(info.dataSize) + 4;
    }
    ~LockedAsset() {
        if (data_) ReleaseAsset(asset_);
        if (loaded_) UnloadAsset(asset_);
    }
    LockedAsset(const LockedAsset&) = delete;
    LockedAsset& operator=(const LockedAsset&) = delete;

    bool IsLoaded() const { return loaded_; }
    const uint8_t* Data() const { return size_ ? data_ : nullptr; }
    size_t Size() const { return size_; }

private:
    uint32_t asset_;
    bool loaded_ = false;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;  // from the type word on
};

}  // namespace

PictureSize EnginePictureProbe::GetBitmapFileSize(const std::string& path) {
    HANDLE image = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                              LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (!image) return PictureSize();
    BITMAP bitmap = {};
    PictureSize size;
    if (GetObjectA(image, sizeof bitmap, &bitmap)) size = PictureSize{bitmap.bmWidth, bitmap.bmHeight};
    DeleteObject(image);
    return size;
}

PictureSize EnginePictureProbe::GetAssetFrameSize(const std::string& assetFile, int32_t assetNumber) {
    OpenedAssetFile file(assetFile);
    if (!file.IsOpen()) return PictureSize();
    const std::string missing = "No asset #" + std::to_string(assetNumber) + " in " + assetFile;
    const uint32_t count = GetNumberOfAssets(file.Handle());
    if (assetNumber <= 0 || uint32_t(assetNumber) > count) throw std::runtime_error(missing);
    LockedAsset sprite(file.Handle() | uint32_t(assetNumber));
    if (!sprite.IsLoaded()) throw std::runtime_error(missing);
    uint32_t picture = 0;
    if (!FirstFramePicture(sprite.Data(), sprite.Size(), count, picture)) return PictureSize();
    LockedAsset image(file.Handle() | picture);
    return ImageRecordSize(image.Data(), image.Size());
}
