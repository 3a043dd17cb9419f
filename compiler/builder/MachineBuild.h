// The steps of a machine build after its script compiled: every picture into sprites and a
// backdrop, the sounds and region tables into chunks, then the machine chunk. The build
// reads the compiled script, adds to the asset builder, and fills in a machine chunk whose
// words it adds as the builder's last chunk.
#pragma once
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "MachineChunk.h"
#include "MachineParts.h"
#include "MachineSprites.h"
#include "SymbolRecord.h"

class AssetBuilder;
class BuildProgressSink;
class MachineScript;

// The name under which the arm stands in the button and animation maps.
const char kArmName[] = "##arm";

// Ends a build with a message of its own (no "Exception occurred" before it).
class BuildRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MachineBuild {
public:
    // `progress` may be null: then nothing is reported and nothing asks to cancel.
    MachineBuild(MachineScript& script, AssetBuilder& builder, BuildProgressSink* progress);

    // Steps from the backdrop to the machine chunk. Throws Cancellation, BuildRefusal, or
    // the standard exceptions of the asset writer and of the coin-acceptor checks.
    void Run();

private:
    void AddBackdrop();
    void AddAnimations();
    void AddButtons();
    void AddCoin();
    void AddArm();
    void AddReelSymbols();
    void AddIndicators();
    void AddSounds();
    void AddRegions();
    void CheckCoinAcceptor();
    uint32_t CoinRegion(const std::string& name) const;
    void AddMachineChunk();

    void CheckCancel();
    void SetPercent(int32_t percent);
    uint32_t SpriteIndex(int32_t sprite) const;
    uint32_t LastChunkIndex() const;
    ChunkElement ButtonRecord(const std::string& name) const;
    ChunkElement IndicatorRecord(const std::string& name) const;
    ChunkElement ArmRecord() const;
    std::vector<ChunkElement> ButtonSection() const;
    void FillHeader();
    void FillReels();
    void FillMaps();

    MachineScript& script_;
    AssetBuilder& builder_;
    BuildProgressSink* progress_;
    MachineChunk chunk_;

    SpriteMap animations_;
    SpriteMap buttons_;          // with "##arm"
    SpriteMap indicators_;
    std::map<std::string, SymbolRecord> buttonRecords_;
    std::map<std::string, SymbolRecord> indicatorRecords_;
    CoinSettings coin_;
    int32_t coinSprite_ = -1;
    int32_t coinDropSprite_ = -1;
    int32_t armSprite_ = -1;
    int32_t symbolSprite_ = -1;
    std::map<std::string, int32_t> symbolNumbers_;
};
