#include "AssetBuilder.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "AssetImageEntry.h"
#include "EnginePicture.h"
#include "ImageRecord.h"
#include "JpegSize.h"
#include "Region.h"

namespace {

bool ReadWholeFile(const std::string& name, std::vector<uint8_t>& data) {
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) return false;
    uint8_t buffer[16384];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) data.insert(data.end(), buffer, buffer + n);
    std::fclose(f);
    return true;
}

bool IsJpegName(const std::string& name) {
    const size_t point = name.find_last_of('.');
    if (point == std::string::npos) return false;
    std::string extension = name.substr(point + 1);
    for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
    return extension == "jpg" || extension == "jpeg";
}

int32_t AnchorOffset(int anchor, int32_t size, bool vertical) {
    if (anchor == AssetBuilder::AnchorCentre) return -(size / 2);
    if (anchor == AssetBuilder::AnchorFar) return vertical ? -1 - size : 1 - size;
    return 0;
}

}  // namespace

bool ImageSource::operator==(const ImageSource& o) const {
    return name == o.name && assetIndex == o.assetIndex && cropped == o.cropped && inset == o.inset &&
           key == o.key &&
           (!cropped || (crop.left == o.crop.left && crop.top == o.crop.top && crop.right == o.crop.right &&
                         crop.bottom == o.crop.bottom));
}

AssetBuilder::AssetBuilder() = default;

AssetBuilder::~AssetBuilder() { CloseSourceFiles(); }

uint32_t AssetBuilder::AddChunk(uint32_t type, const void* data, uint32_t size) {
    const uint8_t* bytes = static_cast<const uint8_t*>(data);
    chunks_.push_back(AssetBody{type, std::vector<uint8_t>(bytes, bytes + size)});
    chunkFiles_.emplace_back();
    return 1;
}

uint32_t AssetBuilder::AddWaveFile(const std::string& name) {
    std::vector<uint8_t> data;
    if (!ReadWholeFile(name, data)) return 0;
    chunks_.push_back(AssetBody{kWaveChunkType, std::move(data)});
    chunkFiles_.push_back(name);
    return 1;
}

uint32_t AssetBuilder::AddCompressedWaveFile(const std::string& name) {
    std::vector<uint8_t> data;
    if (!ReadWholeFile(name, data)) return 0;
    chunks_.push_back(AssetBody{kCompressedWaveType, std::move(data)});
    chunkFiles_.push_back(name);
    return 1;
}

uint32_t AssetBuilder::AddRegions(const Region& region) {
    chunks_.push_back(AssetBody{kRegionChunkType, RegionChunkData(region)});
    chunkFiles_.emplace_back();
    return 1;
}

uint32_t AssetBuilder::FindImage(const ImageSource& source) const {
    if (source.name.empty()) return 0;
    for (size_t i = 0; i < images_.size(); ++i)
        if (images_[i]->source == source) return uint32_t(i + 1);
    return 0;
}

uint32_t AssetBuilder::AddImage(const ImageSource& source) {
    if (uint32_t known = FindImage(source)) return known;
    std::unique_ptr<ImageEntry> entry(new ImageEntry);
    entry->source = source;
    LoadImage(*entry);
    images_.push_back(std::move(entry));
    return GetImageCount();
}

uint32_t AssetBuilder::AddImage(const Bitmap& picture, bool transparent) {
    std::unique_ptr<ImageEntry> entry(new ImageEntry);
    entry->dib = MakeEnginePicture(picture, picture.Bounds());
    if (!entry->dib) throw std::runtime_error("Bad DIB Section");
    entry->width = picture.Width();
    entry->height = picture.Height();
    entry->rawSize = entry->dib->RowBytes() * uint32_t(entry->height);
    entry->keyed = transparent;
    if (transparent) entry->key = GetColorKey(picture);
    images_.push_back(std::move(entry));
    return GetImageCount();
}

// Pictures are read as they are added, so that their sizes are known at once.
void AssetBuilder::LoadImage(ImageEntry& entry) {
    const ImageSource& s = entry.source;
    if (IsJpegName(s.name)) return LoadJpeg(entry);
    uint32_t pixelKey = 0;
    entry.dib = LoadBmpAsDib16(s.name, s.cropped ? &s.crop : nullptr, s.inset, &pixelKey);
    entry.width = entry.dib->Width();
    entry.height = entry.dib->Height();
    entry.rawSize = entry.dib->RowBytes() * uint32_t(entry.height);
    entry.keyed = s.key != kNoColourKey;
    entry.key = s.key == kKeyFromPicture ? pixelKey : uint32_t(s.key);
}

// JPEG pictures are stored whole for the JPEG decoder; a key can only be given.
void AssetBuilder::LoadJpeg(ImageEntry& entry) {
    const ImageSource& s = entry.source;
    if (!ReadWholeFile(s.name, entry.data)) throw std::runtime_error("Cant open " + s.name);
    uint16_t width = 0, height = 0;
    if (!GetJpegSize(entry.data.data(), entry.data.size(), width, height))
        throw std::runtime_error("Can't read " + s.name);
    entry.width = width;
    entry.height = height;
    entry.slot = 2;
    entry.rawSize = uint32_t(entry.height) * quor::RowBytes(entry.width, 2);
    entry.keyed = s.key >= 0;
    entry.key = entry.keyed ? PackColourKey(uint32_t(s.key)) : 0xFFFFFFFFu;
}

uint32_t AssetBuilder::AddBackdrop(const std::string& pictureFile) {
    ImageSource source;
    source.name = pictureFile;
    backdrops_.push_back(AddImage(source));
    return uint32_t(backdrops_.size());
}

void AssetBuilder::BeginSprite() {
    sprites_.emplace_back();
    inSprite_ = true;
}

void AssetBuilder::BeginSequence() {
    if (!inSprite_) BeginSprite();
    sprites_.back().emplace_back();
}

SpriteSequence& AssetBuilder::CurrentSequence() {
    if (!inSprite_ || sprites_.back().empty()) BeginSequence();
    return sprites_.back().back();
}

void AssetBuilder::PushFrame(uint32_t picture, int32_t width, int32_t height, int horizontal, int vertical,
                             uint32_t hold) {
    SpriteFrame f;
    f.picture = picture;
    f.x = AnchorOffset(horizontal, width, false);
    f.y = AnchorOffset(vertical, height, true);
    f.hold = hold;
    CurrentSequence().push_back(f);
}

void AssetBuilder::AddFrame(const std::string& file, int horizontal, int vertical, uint32_t hold) {
    AddFrameAt(file, horizontal, vertical, kKeyFromPicture, hold);
}

void AssetBuilder::AddFrameAt(const std::string& file, int horizontal, int vertical, int32_t key, uint32_t hold) {
    ImageSource source;
    source.name = file;
    source.key = key;
    const uint32_t picture = AddImage(source);
    const ImageEntry& e = *images_[picture - 1];
    PushFrame(picture, e.width, e.height, horizontal, vertical, hold);
}

void AssetBuilder::AddAnchoredFrame(const Bitmap& image, SIZE size, bool transparent, uint32_t hold, int horizontal,
                                    int vertical) {
    PushFrame(AddImage(image, transparent), size.cx, size.cy, horizontal, vertical, hold);
}

void AssetBuilder::EndSequence() {}

void AssetBuilder::EndSprite() { inSprite_ = false; }

bool AssetBuilder::GetSpriteFrameRecord(int32_t sprite, SpriteFrame& frame, SIZE& size) const {
    if (sprite < 0 || size_t(sprite) >= sprites_.size()) return false;
    const auto& sequences = sprites_[size_t(sprite)];
    if (sequences.empty() || sequences.front().empty()) return false;
    frame = sequences.front().front();
    if (frame.picture == 0 || frame.picture > images_.size()) return false;
    size.cx = images_[frame.picture - 1]->width;
    size.cy = images_[frame.picture - 1]->height;
    return true;
}
