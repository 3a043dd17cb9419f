// A handle on one compiled machine description: the compiler's whole public surface, held
// by the builder, the machine editor, the payout analyzer and the wizard. Each operation
// forwards to the description's operation of the same name; see MachineDescription.h.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "MachineDescription.h"

class MachineScript {
public:
    // The description is made at once, empty and not compiled, and kept for the handle's
    // whole life; compiling again compiles into it.
    MachineScript();
    ~MachineScript();
    MachineScript(const MachineScript&) = delete;
    MachineScript& operator=(const MachineScript&) = delete;

    // Compiling.
    void Compile(const std::string& path, MessageSink* sink, ProgressSink* progress);
    bool IsCompiled() const;
    bool IsReadWhole() const;
    bool WasCancelled() const;
    const std::vector<std::string>& GetMissingFiles() const;
    bool DefinesScriptName(const std::string& name) const;
    std::string GetScriptCode() const;
    // The script file's line (from 1) on which the script code's first line stands.
    int32_t GetScriptCodeLine() const;
    void SetPictureProbe(PictureProbe* probe);
    void SetPayoutChecker(PayoutChecker* checker);

    // Queries.
    const std::string& GetTitle() const;
    int32_t GetReelCount() const;
    int32_t GetStopCount() const;
    int32_t GetPayLineCount() const;
    int32_t GetMaxBet() const;
    std::vector<Money> GetDenominations() const;
    ProgressiveSettings GetProgressive() const;
    const std::string& GetBackdropFile() const;
    int32_t GetBackdropAsset() const;
    const ReelStrip& GetReelStrip(int32_t reel) const;
    const ReelPosition& GetReelPosition(int32_t reel) const;
    std::array<int32_t, 6> CopyReelRect(int32_t reel) const;
    const ScriptRect& GetArmRect() const;
    AnimationReference GetArmAnimation() const;
    CoinSettings GetCoin() const;
    // Where the Coin statement names the element compiled under this name (see
    // MachineDescription::CoinReferenceOf); -1 for nowhere.
    int32_t CoinReferenceOf(const std::string& compiledName) const;
    int32_t GetSymbolCount() const;
    std::string GetSymbol(int32_t index) const;
    ReelSymbol GetSymbolFile(const std::string& name) const;
    PictureSize LoadSymbolImage();
    std::map<std::string, SymbolRecord> GetAnimations() const;
    std::map<std::string, SymbolRecord> GetButtons() const;
    std::map<std::string, SymbolRecord> GetIndicators() const;
    std::map<std::string, SymbolRecord> GetSounds() const;
    std::map<std::string, SymbolRecord> GetRegions() const;
    bool IsDefined(const std::string& name) const;
    const ScriptPayTable& GetPayouts() const;
    int32_t GetPayoutFileLine(size_t line, int32_t coins) const;
    bool HasPatches() const;

    // Edits of existing values.
    void SetBackdrop(const std::string& file);
    void SetReelRect(int32_t reel, const ScriptRect& rect);
    void SetReelStrip(int32_t reel, const ReelStrip& strip);
    void SetSymbol(int32_t index, const ReelSymbol& value);
    void SetArmRect(const ScriptRect& rect);
    void SetArmAnimation(const AnimationReference& reference);
    void SetCoinAnimation(const AnimationReference& reference);
    void SetCoinDropAnimation(const AnimationReference& reference);
    void SetCoinDropPosition(const Point& position);
    void SetAnimationFiles(const std::string& name, const AnimationReference& reference);
    void SetPayouts(const ScriptPayTable& table);
    void SetButton(const std::string& name, const ButtonPart& button);
    void SetIndicator(const std::string& name, const IndicatorPart& indicator);
    void SetSound(const std::string& name, const SoundPart& sound);
    void SetRegion(const std::string& name, const RegionPart& region);

    // New elements, names and deletion.
    bool DefineButton(const std::string& name, const ButtonPart& button);
    bool DefineIndicator(const std::string& name, const IndicatorPart& indicator);
    bool DefineSound(const std::string& name, const SoundPart& sound);
    bool DefineRegion(const std::string& name, const RegionPart& region);
    bool RenameElement(const std::string& oldName, const std::string& newName);
    void DeleteElement(const std::string& name);

    // Writing. When WriteScript fails, GetWriteError says what failed.
    bool WriteScript(const std::string& path);
    const std::string& GetWriteError() const;
    void DiscardPatches(bool destroy);
    // Whose edits the patches are, writing some owners' edits only, and dropping an
    // owner's edits from the queue; see MachineDescription.h.
    void SetPatchOwner(int32_t owner);
    std::vector<int32_t> GetPatchOwners() const;
    bool WriteScriptWith(const std::string& path, const std::function<bool(int32_t owner)>& keep);
    void DropPatches(int32_t owner);

private:
    std::unique_ptr<MachineDescription> description_;
};
