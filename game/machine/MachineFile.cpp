#include "MachineFile.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "MachineChunkReader.h"
#include "MachineFileError.h"
#include "MachineFileSearch.h"
#include "Quor2_5.h"
#include "RegionOutline.h"

namespace {

const uint32_t kMachineChunkKind = 0x306C7376u;  // "vsl0"
const uint32_t kSpriteKind = 0x54525053u;        // "SPRT"
const uint32_t kBackdropKind = 0x4B434142u;      // "BACK"
const uint32_t kRegionKind = 0x6E676572u;        // "regn"
const uint32_t kMostAssets = 0xFFFFFF;           // asset numbers have 24 bits
// The engine loads at once with 0 (1 queues the load for its loader thread): a machine's
// assets are loaded, and their failures seen, before play.
const uint32_t kLoadNow = 0;
const size_t kArtWidthByte = 10;                 // in the backdrop's data, kind word first
const size_t kArtHeightByte = 12;
const size_t kSequenceCountByte = 8;             // in a sprite's data, kind word first

// The asset count of the file's 16-byte header, read with plain file reads.
bool ReadAssetCount(const std::string& path, uint32_t& count) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    uint32_t header[4] = {};
    const bool read = std::fread(header, sizeof header, 1, file) == 1;
    std::fclose(file);
    count = header[1];
    return read;
}

// The current directory, given back when the load ends whichever way.
class DirectoryKeeper {
public:
    DirectoryKeeper() { GetCurrentDirectoryA(MAX_PATH, folder_); }
    ~DirectoryKeeper() { SetCurrentDirectoryA(folder_); }

private:
    char folder_[MAX_PATH] = {};
};

// A locked asset, released when the lock goes.
class AssetLock {
public:
    explicit AssetLock(uint32_t asset) : asset_(asset), data_(DereferenceAndLockAsset(asset)) {}
    ~AssetLock() {
        if (data_) ReleaseAsset(asset_);
    }
    const uint8_t* Data() const { return static_cast<const uint8_t*>(data_); }

private:
    uint32_t asset_;
    void* data_;
};

}  // namespace

MachineFile::MachineFile(const std::string& name) : name_(name) {
    DirectoryKeeper directory;
    try {
        Open();
        ReadChunk(FindMachineChunk());
        CheckAssetKinds();
        ReadRegionEdges();
        LoadAssets();
    } catch (...) {
        Close();
        throw;
    }
}

MachineFile::~MachineFile() { Close(); }

void MachineFile::Refuse(const std::string& reason) { throw MachineFileError(name_ + ": " + reason); }

void MachineFile::Open() {
    path_ = FindMachineFile(name_);
    if (!ReadAssetCount(path_, assetCount_)) Refuse("the file is too short to be a machine file");
    const int32_t handle = OpenAssetFile(path_.c_str());
    if (handle == -1) Refuse("the file is not a machine file the game can open");
    fileHandle_ = uint32_t(handle);
    open_ = true;
    // The engine keeps its own count; the file's header must agree with it.
    if (assetCount_ != GetNumberOfAssets(fileHandle_) || assetCount_ > kMostAssets)
        Refuse("the file's asset count does not match its directory");
}

uint32_t MachineFile::KindOf(uint32_t number, uint32_t* dataSize) const {
    QuorAssetInfo info = {};
    if (number == 0 || number > assetCount_ || !GetAssetInfo(Asset(number), &info)) return 0;
    if (dataSize) *dataSize = info.dataSize;
    return info.type;
}

uint32_t MachineFile::FindMachineChunk() {
    for (uint32_t number = 1; number <= assetCount_; ++number) {
        const uint32_t kind = KindOf(number);
        if (kind == kMachineChunkKind) return number;
        if (kind == kSpriteKind) lastSprite_ = number;
    }
    Refuse("the file holds no machine");
}

void MachineFile::ReadChunk(uint32_t chunk) {
    uint32_t bytes = 0;
    KindOf(chunk, &bytes);
    if (!LoadAsset(Asset(chunk), kLoadNow)) Refuse("the machine chunk cannot be read");
    struct Unload {
        uint32_t asset;
        ~Unload() { UnloadAsset(asset); }
    } unload{Asset(chunk)};
    AssetLock lock(Asset(chunk));
    if (!lock.Data()) Refuse("the machine chunk cannot be read");
    // The chunk's words follow its kind word; a copy keeps them aligned whatever the engine does.
    std::vector<uint32_t> words(bytes / 4);
    if (!words.empty()) std::memcpy(words.data(), lock.Data() + 4, words.size() * 4);
    try {
        records_ = ReadMachineChunk(words.data(), words.size(), assetCount_);
    } catch (const MachineFileError& e) {
        Refuse(e.what());
    }
}

void MachineFile::CheckAssetKinds() {
    uint32_t bytes = 0;
    if (KindOf(records_.backdrop, &bytes) != kBackdropKind || bytes + 4 < kArtHeightByte + 2)
        Refuse("the backdrop is not a backdrop");
    CheckStripSequences();
    const CoinAcceptor& coin = records_.coin;
    for (uint32_t region : {coin.coinInRegion, coin.denominationRegion, coin.billRegion})
        if (region && KindOf(region) != kRegionKind) Refuse("a coin region is not a region");
    for (const NamedAsset& region : records_.regions)
        if (region.asset && KindOf(region.asset) != kRegionKind) Refuse("the region " + region.name + " is not a region");
}

// A reel shows symbol n as sequence n of the reel-strip sprite: the highest symbol number
// must name a sequence the sprite has.
void MachineFile::CheckStripSequences() {
    uint32_t bytes = 0;
    if (KindOf(records_.stripImage, &bytes) != kSpriteKind || bytes + 4 < kSequenceCountByte + 4)
        Refuse("the reel-strip image is not a sprite");
    AssetLock lock(Asset(records_.stripImage));
    if (!lock.Data()) Refuse("the reel-strip image cannot be read");
    uint32_t sequences = 0;
    std::memcpy(&sequences, lock.Data() + kSequenceCountByte, sizeof sequences);
    if (sequences < uint32_t(records_.symbolCount))
        Refuse("the reel-strip image has fewer sequences than the machine has symbols");
}

// Every region's outline is read here once: a damaged one, or one whose points lie
// beyond the screen's coordinates, refuses the file.
void MachineFile::ReadRegionEdges() {
    std::vector<NamedAsset> regions = records_.regions;
    const CoinAcceptor& coin = records_.coin;
    for (uint32_t number : {coin.coinInRegion, coin.denominationRegion, coin.billRegion})
        regions.push_back(NamedAsset{"of the coin acceptor", number});
    for (const NamedAsset& region : regions) {
        uint32_t bytes = 0;
        if (!region.asset || KindOf(region.asset, &bytes) != kRegionKind) continue;
        AssetLock lock(Asset(region.asset));
        RegionOutline outline;
        if (!lock.Data() || !ReadRegionOutline(lock.Data() + 4, bytes, outline))
            Refuse("the outline of a region is damaged");
        if (!outline.WithinRange())
            Refuse("the region " + region.name + " reaches beyond the coordinates the screen can use");
        lowestRegionEdge_ = std::max(lowestRegionEdge_, outline.Bottom());
    }
    AssetLock backdrop(Asset(records_.backdrop));
    if (!backdrop.Data()) Refuse("the backdrop cannot be read");
    uint16_t width = 0, height = 0;
    std::memcpy(&width, backdrop.Data() + kArtWidthByte, sizeof width);
    std::memcpy(&height, backdrop.Data() + kArtHeightByte, sizeof height);
    artWidth_ = width;
    artHeight_ = height;
}

void MachineFile::Load(uint32_t number) {
    if (!LoadAsset(Asset(number), kLoadNow)) Refuse("asset " + std::to_string(number) + " cannot be loaded");
    loaded_.push_back(Asset(number));
}

void MachineFile::LoadAssets() {
    for (uint32_t number : records_.ReferencedAssets()) Load(number);
    // The sprites' pictures come before the last sprite: loaded now, they are ready for play.
    for (uint32_t number = 1; number < lastSprite_; ++number) Load(number);
}

void MachineFile::Close() {
    for (auto handle = loaded_.rbegin(); handle != loaded_.rend(); ++handle) UnloadAsset(*handle);
    loaded_.clear();
    if (open_) CloseAssetFile(fileHandle_);
    open_ = false;
}
