// Writing an AssetBuilder's lists as one asset file.
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "AssetBuilder.h"
#include "AssetImageEntry.h"
#include "ImageRecord.h"
#include "MessageSink.h"

namespace {

void Report(MessageSink* reporter, const std::string& text) {
    if (reporter) reporter->AddMessage(text);
}

// The container's packing word keeps an asset's size in 24 bits, a picture record its
// width and height in 16.
const size_t kMostAssetBytes = 0xFFFFFF;
const int32_t kMostPictureSide = 0xFFFF;

std::string FourLetters(uint32_t type) {
    std::string letters;
    for (int shift = 0; shift < 32; shift += 8) letters += char(type >> shift & 0xFF);
    return letters;
}

}  // namespace

// Every raw picture is offered to the encoder as a BMAP record and takes the encoding
// when it is smaller. Pictures already encoded, and JPEG data, are left alone.
void AssetBuilder::EncodePictures(ImageEncodeEntry encode) {
    GdiFlush();
    for (auto& entry : images_) {
        ImageEntry& e = *entry;
        if (e.slot != 0 || e.PixelBytes() < e.rawSize || e.rawSize == 0) continue;
        std::vector<uint8_t> record(sizeof(quor::ImageHeader) + e.rawSize);
        const quor::ImageHeader h{quor::kBmapType, uint16_t(e.keyed ? 10 : 2), 1, uint16_t(e.width),
                                  uint16_t(e.height), e.keyed ? e.StoredKey() : 0xFFFFFFFFu, e.rawSize};
        std::memcpy(record.data(), &h, sizeof h);
        std::memcpy(record.data() + sizeof h, e.Pixels(), e.rawSize);
        const uint32_t size = encode(record.data());
        if (size == 0 || size >= e.rawSize) continue;
        e.data.assign(record.begin() + sizeof h, record.begin() + sizeof h + size);
        e.dib.reset();
        e.key = h.key;
        e.slot = 1;
    }
}

std::vector<AssetBody> AssetBuilder::Bodies() const {
    GdiFlush();
    std::vector<AssetBody> bodies;
    for (const auto& entry : images_) {
        const ImageEntry& e = *entry;
        PictureAsset p;
        p.keyed = e.keyed;
        p.slot = e.slot;
        p.width = uint16_t(e.width);
        p.height = uint16_t(e.height);
        p.key = e.StoredKey();
        p.pixels = e.Pixels();
        p.pixelBytes = e.PixelBytes();
        bodies.push_back(AssetBody{kImageAssetType, PictureAssetData(p)});
    }
    for (uint32_t image : backdrops_) {
        const ImageEntry& e = *images_[image - 1];
        bodies.push_back(
            AssetBody{kBackdropAssetType, BackdropAssetData(uint16_t(e.width), uint16_t(e.height), uint16_t(image))});
    }
    for (const auto& sprite : sprites_) bodies.push_back(AssetBody{kSpriteAssetType, SpriteAssetData(sprite)});
    bodies.insert(bodies.end(), chunks_.begin(), chunks_.end());
    return bodies;
}

std::string AssetBuilder::PictureLabel(size_t image) const {
    const ImageSource& source = images_[image]->source;
    if (source.name.empty()) return std::to_string(image + 1);
    if (source.assetIndex) return source.name + " asset " + std::to_string(source.assetIndex);
    return source.name;
}

// Asset indices count from 1 in the order of Bodies: images, backdrops, sprites, chunks.
std::string AssetBuilder::AssetLabel(size_t asset) const {
    const std::string number = " (asset " + std::to_string(asset + 1) + ")";
    if (asset < images_.size()) return "the picture " + PictureLabel(asset) + number;
    asset -= images_.size();
    if (asset < backdrops_.size()) return "the backdrop of " + PictureLabel(backdrops_[asset] - 1) + number;
    asset -= backdrops_.size();
    if (asset < sprites_.size()) return "sprite " + std::to_string(asset) + number;
    asset -= sprites_.size();
    const std::string& file = chunkFiles_[asset];
    return "the " + FourLetters(chunks_[asset].type) + " chunk" + (file.empty() ? "" : " of " + file) + number;
}

bool AssetBuilder::PicturesFit(MessageSink* reporter) const {
    bool fit = true;
    for (size_t i = 0; i < images_.size(); ++i) {
        const ImageEntry& e = *images_[i];
        if (e.width <= kMostPictureSide && e.height <= kMostPictureSide) continue;
        Report(reporter, "The picture " + PictureLabel(i) + " is " + std::to_string(e.width) + " x " +
                             std::to_string(e.height) + " pixels; an asset file holds at most 65535 x 65535");
        fit = false;
    }
    return fit;
}

bool AssetBuilder::AssetsFit(const std::vector<AssetBody>& bodies, MessageSink* reporter) const {
    bool fit = true;
    for (size_t i = 0; i < bodies.size(); ++i) {
        if (bodies[i].data.size() <= kMostAssetBytes) continue;
        std::string label = AssetLabel(i);
        label[0] = char(std::toupper(static_cast<unsigned char>(label[0])));
        Report(reporter, label + " has " + std::to_string(bodies[i].data.size()) +
                             " bytes; an asset of an asset file holds at most 16777215");
        fit = false;
    }
    return fit;
}

// Everything is checked before the file is opened: a file the engine would misread is
// never written.
bool AssetBuilder::Write(const std::string& name, MessageSink* reporter) {
    if (!PicturesFit(reporter)) {
        Report(reporter, name + " was not written");
        return false;
    }
    if (FARPROC entry = codec_.Load("zorudor.dll", "_encode@4"))
        EncodePictures(reinterpret_cast<ImageEncodeEntry>(entry));
    codec_.Free();
    const std::vector<AssetBody> bodies = Bodies();
    if (!AssetsFit(bodies, reporter)) {
        Report(reporter, name + " was not written");
        return false;
    }
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) {
        Report(reporter, "Couldn't open " + name);
        return false;
    }
    errno = 0;
    const long cut = WriteAssetContainer(file, bodies);
    int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!closed && !error) error = errno;
    if (cut < 0 && closed) return true;
    Report(reporter, error ? "Error " + std::to_string(error) + " writing " + name : "An error occurred writing " + name);
    return false;
}
