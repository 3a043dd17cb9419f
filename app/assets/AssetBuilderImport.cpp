// Taking assets from existing asset files through the engine: backdrops, sprites, images
// and raw copies.
#include <cstring>
#include <stdexcept>

#include "AssetBuilder.h"
#include "AssetImageEntry.h"
#include "ImageRecord.h"
#include "Quor2_5.h"
#include "SprtReader.h"

namespace {

std::string AssetName(const std::string& file, uint32_t number) {
    return file + " asset " + std::to_string(number);
}

// An asset locked for as long as the object lives.
class LockedAsset {
public:
    explicit LockedAsset(uint32_t handle) : handle_(handle) {
        data_ = static_cast<const uint8_t*>(DereferenceAndLockAsset(handle));
        QuorAssetInfo info{};
        if (data_ && GetAssetInfo(handle, &info)) size_ = 4 + size_t(info.dataSize);
    }
    ~LockedAsset() {
        if (data_) ReleaseAsset(handle_);
    }
    LockedAsset(const LockedAsset&) = delete;
    LockedAsset& operator=(const LockedAsset&) = delete;

    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }
    uint32_t Type() const {
        uint32_t type = 0;
        if (size_ >= 4) std::memcpy(&type, data_, 4);
        return type;
    }

private:
    uint32_t handle_;
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

}  // namespace

int32_t AssetBuilder::OpenSourceFile(const std::string& name) {
    auto known = sources_.find(name);
    if (known != sources_.end()) return known->second;
    const int32_t handle = OpenAssetFile(name.c_str());
    if (handle != -1) sources_[name] = handle;
    return handle;
}

void AssetBuilder::CloseSourceFiles() {
    for (const auto& source : sources_) CloseAssetFile(uint32_t(source.second));
    sources_.clear();
}

uint32_t AssetBuilder::SourceAsset(const std::string& assetFile, uint32_t number) {
    const int32_t file = OpenSourceFile(assetFile);
    if (file == -1 || number == 0 || number > 0xFFFFFF) throw std::runtime_error("Can't open " + AssetName(assetFile, number));
    return uint32_t(file) | number;
}

std::vector<uint8_t> AssetBuilder::CopyAsset(const std::string& assetFile, uint32_t number) {
    const uint32_t handle = SourceAsset(assetFile, number);
    if (!LoadAsset(handle, 0)) throw std::runtime_error("Can't open " + AssetName(assetFile, number));
    std::vector<uint8_t> copy;
    {
        LockedAsset asset(handle);
        if (asset.Size()) copy.assign(asset.Data(), asset.Data() + asset.Size());
    }
    UnloadAsset(handle);
    if (copy.empty()) throw std::runtime_error("Can't open " + AssetName(assetFile, number));
    return copy;
}

uint32_t AssetBuilder::ImportBackdrop(const std::string& assetFile, uint32_t number) {
    uint16_t image = 0;
    {
        LockedAsset backdrop(SourceAsset(assetFile, number));
        if (backdrop.Type() != kBackdropAssetType || backdrop.Size() < 16)
            throw std::runtime_error("Can't open " + AssetName(assetFile, number));
        if (images_.size() > 0x7FFF)
            throw std::runtime_error("Too many bitmaps assigned, so " + AssetName(assetFile, number) +
                                     " can't be a backdrop");
        std::memcpy(&image, backdrop.Data() + 14, 2);
    }
    backdrops_.push_back(AddImage(assetFile, image));
    return uint32_t(backdrops_.size());
}

uint32_t AssetBuilder::AddImage(const std::string& assetFile, uint32_t imageIndex) {
    ImageSource source;
    source.name = assetFile;
    source.assetIndex = imageIndex;
    if (uint32_t known = FindImage(source)) return known;
    const std::vector<uint8_t> record = CopyAsset(assetFile, imageIndex);
    if (quor::CheckImageRecord(record.data(), record.size(), false) != quor::RecordFault::None)
        throw std::runtime_error("Can't read " + AssetName(assetFile, imageIndex));
    const quor::ImageHeader& h = *quor::HeaderOf(record.data());
    std::unique_ptr<ImageEntry> entry(new ImageEntry);
    entry->source = source;
    entry->width = h.width;
    entry->height = h.height;
    entry->keyed = (h.kind & quor::KindKeyed) != 0;
    entry->key = h.key;
    entry->slot = h.slot;
    entry->rawSize = uint32_t(h.height) * quor::RowBytes(h.width, 2);
    entry->data.assign(quor::PixelsOf(record.data()), quor::PixelsOf(record.data()) + h.pixelBytes);
    images_.push_back(std::move(entry));
    return GetImageCount();
}

void AssetBuilder::ImportSprites(const std::string& assetFile, uint32_t number) {
    std::vector<SpriteSequence> sequences;
    {
        LockedAsset sprt(SourceAsset(assetFile, number));
        if (!sprt.Data()) throw std::runtime_error("Can't open " + AssetName(assetFile, number));
        const uint32_t address = uint32_t(reinterpret_cast<uintptr_t>(sprt.Data()));
        if (!ReadSprtSequences(sprt.Data(), sprt.Size(), address, sequences))
            throw std::runtime_error("Can't read " + AssetName(assetFile, number));
    }
    if (!inSprite_) BeginSprite();
    for (SpriteSequence& frames : sequences) {
        for (SpriteFrame& f : frames) f.picture = AddImage(assetFile, f.picture & 0xFFFFFF);
        sprites_.back().push_back(frames);
    }
}

int32_t AssetBuilder::AddSpriteAsset(const std::string& assetFile, uint32_t number) {
    BeginSprite();
    ImportSprites(assetFile, number);
    EndSprite();
    return GetLastSpriteIndex();
}
