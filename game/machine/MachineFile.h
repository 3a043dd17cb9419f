// A machine file opened for play: the engine's asset file, its machine chunk read into
// MachineRecords, and the assets that the machine needs loaded. Construction finds and
// opens the file and refuses a machine that cannot be played by throwing (the file is
// closed again first); the destructor unloads what it loaded and closes the file. Users of
// the file's assets (sprites, reels) must be gone before it is destroyed.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "MachineRecords.h"

class MachineFile {
public:
    // Throws std::runtime_error "Can't find " + name when the file is found nowhere, and
    // MachineFileError when it is not an asset file, has no machine chunk or a bad one.
    explicit MachineFile(const std::string& name);
    ~MachineFile();
    MachineFile(const MachineFile&) = delete;
    MachineFile& operator=(const MachineFile&) = delete;

    const MachineRecords& Records() const { return records_; }
    // The engine handle of an asset number of the file (0 stays 0).
    uint32_t Asset(uint32_t number) const { return number ? (fileHandle_ | (number & 0xFFFFFF)) : 0; }
    uint32_t GetFileHandle() const { return fileHandle_; }
    const std::string& GetPath() const { return path_; }
    uint32_t GetAssetCount() const { return assetCount_; }
    // The highest asset number of kind 'SPRT' before the machine chunk (0 for none).
    uint32_t GetLastSpriteNumber() const { return lastSprite_; }
    // The size of the backdrop picture, as its 'BACK' record gives it.
    int32_t GetArtWidth() const { return artWidth_; }
    int32_t GetArtHeight() const { return artHeight_; }
    // The lowest edge of a region outline of the machine (region table and coin regions);
    // INT32_MIN when it has none.
    int32_t GetLowestRegionEdge() const { return lowestRegionEdge_; }
    // How many asset loads the file holds now (each dropped again by the destructor).
    size_t GetLoadCount() const { return loaded_.size(); }

private:
    void Open();
    uint32_t FindMachineChunk();
    void ReadChunk(uint32_t chunk);
    void CheckAssetKinds();
    void CheckStripSequences();
    void ReadRegionEdges();
    void LoadAssets();
    void Load(uint32_t number);
    uint32_t KindOf(uint32_t number, uint32_t* dataSize = nullptr) const;
    void Close();
    [[noreturn]] void Refuse(const std::string& reason);

    std::string name_;
    std::string path_;
    uint32_t fileHandle_ = 0;
    bool open_ = false;
    uint32_t assetCount_ = 0;
    uint32_t lastSprite_ = 0;
    int32_t artWidth_ = 0;
    int32_t artHeight_ = 0;
    int32_t lowestRegionEdge_ = INT32_MIN;
    MachineRecords records_;
    std::vector<uint32_t> loaded_;  // engine handles, one entry per load
};
