// Writing an AssetBuilder's lists as one asset file.
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

}  // namespace

// Every raw picture is offered to the encoder as a BMAP record and takes the encoding
// when it is smaller. Pictures already encoded, and JPEG data, are left alone.
void AssetBuilder::EncodePictures(ImageEncodeEntry encode) {
    GdiFlush();
    for (auto& entry : images_) {
        ImageEntry& e = *entry;
        if (e.slot != 0 || e.PixelBytes() < e.rawSize || e.rawSize == 0) continue;
        std::vector<uint8_t> record(sizeof(quor::ImageHeader) + e.rawSize);
        const quor::ImageHeader h{quor::kBmapType, uint16_t(e.keyed ? 10 : 2), 1, e.width, e.height,
                                  e.keyed ? e.StoredKey() : 0xFFFFFFFFu, e.rawSize};
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
        p.width = e.width;
        p.height = e.height;
        p.key = e.StoredKey();
        p.pixels = e.Pixels();
        p.pixelBytes = e.PixelBytes();
        bodies.push_back(AssetBody{kImageAssetType, PictureAssetData(p)});
    }
    for (uint32_t image : backdrops_) {
        const ImageEntry& e = *images_[image - 1];
        bodies.push_back(AssetBody{kBackdropAssetType, BackdropAssetData(e.width, e.height, uint16_t(image))});
    }
    for (const auto& sprite : sprites_) bodies.push_back(AssetBody{kSpriteAssetType, SpriteAssetData(sprite)});
    bodies.insert(bodies.end(), chunks_.begin(), chunks_.end());
    return bodies;
}

bool AssetBuilder::Write(const std::string& name, MessageSink* reporter) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) {
        Report(reporter, "Couldn't open " + name);
        return false;
    }
    if (FARPROC entry = codec_.Load("zorudor.dll", "_encode@4"))
        EncodePictures(reinterpret_cast<ImageEncodeEntry>(entry));
    errno = 0;
    const long cut = WriteAssetContainer(file, Bodies());
    int error = errno;
    const bool closed = std::fclose(file) == 0;
    if (!closed && !error) error = errno;
    codec_.Free();
    if (cut < 0 && closed) return true;
    Report(reporter, error ? "Error " + std::to_string(error) + " writing " + name : "An error occurred writing " + name);
    return false;
}
