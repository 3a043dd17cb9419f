// Builds an asset file of the program's own: pictures, backdrops, sprite animations,
// sounds, region tables and raw chunks, written in the engine's container format. The
// lists are written in this order, which fixes the 1-based asset indices: images,
// backdrops, sprites, chunks. Pictures are offered to the image encoder plug-in and kept
// encoded when that makes them smaller. Assets can also be taken from existing asset
// files, which are opened through the engine once each.
#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AssetContainer.h"
#include "AssetRecords.h"
#include "ImageCodecPlugin.h"

class Bitmap;
class MessageSink;
class Region;

// Colour keys of a picture: none, the colour of its key pixel, or a 0x00RRGGBB colour.
const int32_t kNoColourKey = -1;
const int32_t kKeyFromPicture = -2;

// Where a picture comes from: a ".bmp" or ".jpg"/".jpeg" file, or (assetIndex not 0) an
// image asset of an asset file. The same source is stored once.
struct ImageSource {
    std::string name;
    uint32_t assetIndex = 0;
    bool cropped = false;
    RECT crop{};
    bool inset = false;
    int32_t key = kNoColourKey;

    bool operator==(const ImageSource& o) const;
};

class AssetBuilder {
public:
    // Anchor codes of frame offsets: centre, near edge, far edge (anything but 0 and 2 is
    // the near edge).
    enum Anchor { AnchorCentre = 0, AnchorNear = 1, AnchorFar = 2 };

    AssetBuilder();
    ~AssetBuilder();
    AssetBuilder(const AssetBuilder&) = delete;
    AssetBuilder& operator=(const AssetBuilder&) = delete;

    // Raw chunks; each returns 1, or 0 when the file cannot be read.
    uint32_t AddChunk(uint32_t type, const void* data, uint32_t size);
    uint32_t AddWaveFile(const std::string& name);
    uint32_t AddCompressedWaveFile(const std::string& name);
    uint32_t AddRegions(const Region& region);

    // Images; each returns the picture's 1-based index (an existing one for a source that
    // was added before).
    uint32_t AddImage(const ImageSource& source);
    uint32_t AddImage(const std::string& assetFile, uint32_t imageIndex);
    uint32_t AddImage(const Bitmap& picture, bool transparent);

    // Backdrops; each returns the number of backdrops listed.
    uint32_t AddBackdrop(const std::string& pictureFile);
    uint32_t ImportBackdrop(const std::string& assetFile, uint32_t number);

    void BeginSprite();
    void BeginSequence();
    // A frame of a picture file with its key pixel's colour as the key.
    void AddFrame(const std::string& file, int horizontal, int vertical, uint32_t hold);
    void AddFrameAt(const std::string& file, int horizontal, int vertical, int32_t key, uint32_t hold);
    void AddAnchoredFrame(const Bitmap& image, SIZE size, bool transparent, uint32_t hold, int horizontal,
                          int vertical);
    void EndSequence();
    void EndSprite();
    // The sequences of an SPRT asset join the sprite being built (a new one when none is);
    // their pictures are taken from the same asset file.
    void ImportSprites(const std::string& assetFile, uint32_t number);
    // The SPRT asset as a new sprite; returns its sprite number.
    int32_t AddSpriteAsset(const std::string& assetFile, uint32_t number);

    // A copy of an asset's type word and data.
    std::vector<uint8_t> CopyAsset(const std::string& assetFile, uint32_t number);
    // The engine's handle of an asset file, opened on first use; -1 when it cannot be.
    int32_t OpenSourceFile(const std::string& name);
    void CloseSourceFiles();

    // Writes the file; messages go to the reporter when there is one. True when written.
    // A picture wider or higher than 65535 pixels, or an asset of more than 16777215 bytes
    // of data, cannot be stored: it is named to the reporter and no file is written.
    bool Write(const std::string& name, MessageSink* reporter);

    uint32_t GetImageCount() const { return uint32_t(images_.size()); }
    uint32_t GetFirstBackdropIndex() const { return GetImageCount() + 1; }
    uint32_t GetFirstSpriteIndex() const { return GetFirstBackdropIndex() + uint32_t(backdrops_.size()); }
    uint32_t GetFirstChunkIndex() const { return GetFirstSpriteIndex() + uint32_t(sprites_.size()); }
    int32_t GetLastSpriteIndex() const { return int32_t(sprites_.size()) - 1; }
    uint32_t GetChunkCount() const { return uint32_t(chunks_.size()); }
    // The first frame of a sprite and its picture's size; false when the sprite has none.
    bool GetSpriteFrameRecord(int32_t sprite, SpriteFrame& frame, SIZE& size) const;

private:
    struct ImageEntry;

    uint32_t FindImage(const ImageSource& source) const;
    void LoadImage(ImageEntry& entry);
    void LoadJpeg(ImageEntry& entry);
    void PushFrame(uint32_t picture, int32_t width, int32_t height, int horizontal, int vertical, uint32_t hold);
    SpriteSequence& CurrentSequence();
    uint32_t SourceAsset(const std::string& assetFile, uint32_t number);
    void EncodePictures(ImageEncodeEntry encode);
    std::vector<AssetBody> Bodies() const;
    bool PicturesFit(MessageSink* reporter) const;
    bool AssetsFit(const std::vector<AssetBody>& bodies, MessageSink* reporter) const;
    std::string AssetLabel(size_t asset) const;
    std::string PictureLabel(size_t image) const;

    std::vector<std::unique_ptr<ImageEntry>> images_;
    std::vector<uint32_t> backdrops_;
    std::vector<std::vector<SpriteSequence>> sprites_;
    bool inSprite_ = false;
    std::vector<AssetBody> chunks_;
    std::vector<std::string> chunkFiles_;  // each chunk's file, or empty
    std::map<std::string, int32_t> sources_;
    ImageCodecPlugin codec_;
};
