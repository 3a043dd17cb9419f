#include "MachineScript.h"

MachineScript::MachineScript() : description_(std::make_unique<MachineDescription>()) {}

MachineScript::~MachineScript() = default;

// The patch count is read directly; everything else goes to the description.
bool MachineScript::HasPatches() const {
    return description_->GetPatchCount() != 0;
}

void MachineScript::Compile(const std::string& path, MessageSink* sink, ProgressSink* progress) {
    description_->Compile(path, sink, progress);
}

bool MachineScript::IsCompiled() const {
    return description_->IsCompiled();
}

bool MachineScript::IsReadWhole() const {
    return description_->IsReadWhole();
}

bool MachineScript::WasCancelled() const {
    return description_->WasCancelled();
}

const std::vector<std::string>& MachineScript::GetMissingFiles() const {
    return description_->GetMissingFiles();
}

bool MachineScript::DefinesScriptName(const std::string& name) const {
    return description_->DefinesScriptName(name);
}

std::string MachineScript::GetScriptCode() const {
    return description_->GetScriptCode();
}

int32_t MachineScript::GetScriptCodeLine() const {
    return description_->GetScriptCodeLine();
}

void MachineScript::SetPictureProbe(PictureProbe* probe) {
    description_->SetPictureProbe(probe);
}

void MachineScript::SetPayoutChecker(PayoutChecker* checker) {
    description_->SetPayoutChecker(checker);
}

const std::string& MachineScript::GetTitle() const {
    return description_->GetTitle();
}

int32_t MachineScript::GetReelCount() const {
    return description_->GetReelCount();
}

int32_t MachineScript::GetStopCount() const {
    return description_->GetStopCount();
}

int32_t MachineScript::GetPayLineCount() const {
    return description_->GetPayLineCount();
}

int32_t MachineScript::GetMaxBet() const {
    return description_->GetMaxBet();
}

std::vector<Money> MachineScript::GetDenominations() const {
    return description_->GetDenominations();
}

ProgressiveSettings MachineScript::GetProgressive() const {
    return description_->GetProgressive();
}

const std::string& MachineScript::GetBackdropFile() const {
    return description_->GetBackdropFile();
}

int32_t MachineScript::GetBackdropAsset() const {
    return description_->GetBackdropAsset();
}

const ReelStrip& MachineScript::GetReelStrip(int32_t reel) const {
    return description_->GetReelStrip(reel);
}

const ReelPosition& MachineScript::GetReelPosition(int32_t reel) const {
    return description_->GetReelPosition(reel);
}

std::array<int32_t, 6> MachineScript::CopyReelRect(int32_t reel) const {
    return description_->CopyReelRect(reel);
}

const ScriptRect& MachineScript::GetArmRect() const {
    return description_->GetArmRect();
}

AnimationReference MachineScript::GetArmAnimation() const {
    return description_->GetArmAnimation();
}

CoinSettings MachineScript::GetCoin() const {
    return description_->GetCoin();
}

int32_t MachineScript::CoinReferenceOf(const std::string& compiledName) const {
    return description_->CoinReferenceOf(compiledName);
}

int32_t MachineScript::GetSymbolCount() const {
    return description_->GetSymbolCount();
}

std::string MachineScript::GetSymbol(int32_t index) const {
    return description_->GetSymbol(index);
}

ReelSymbol MachineScript::GetSymbolFile(const std::string& name) const {
    return description_->GetSymbolFile(name);
}

PictureSize MachineScript::LoadSymbolImage() {
    return description_->LoadSymbolImage();
}

std::map<std::string, SymbolRecord> MachineScript::GetAnimations() const {
    return description_->GetAnimations();
}

std::map<std::string, SymbolRecord> MachineScript::GetButtons() const {
    return description_->GetButtons();
}

std::map<std::string, SymbolRecord> MachineScript::GetIndicators() const {
    return description_->GetIndicators();
}

std::map<std::string, SymbolRecord> MachineScript::GetSounds() const {
    return description_->GetSounds();
}

std::map<std::string, SymbolRecord> MachineScript::GetRegions() const {
    return description_->GetRegions();
}

bool MachineScript::IsDefined(const std::string& name) const {
    return description_->IsDefined(name);
}

const ScriptPayTable& MachineScript::GetPayouts() const {
    return description_->GetPayouts();
}

int32_t MachineScript::GetPayoutFileLine(size_t line, int32_t coins) const {
    return description_->GetPayoutFileLine(line, coins);
}

void MachineScript::SetBackdrop(const std::string& file) {
    description_->SetBackdrop(file);
}

void MachineScript::SetReelRect(int32_t reel, const ScriptRect& rect) {
    description_->SetReelRect(reel, rect);
}

void MachineScript::SetReelStrip(int32_t reel, const ReelStrip& strip) {
    description_->SetReelStrip(reel, strip);
}

void MachineScript::SetSymbol(int32_t index, const ReelSymbol& value) {
    description_->SetSymbol(index, value);
}

void MachineScript::SetArmRect(const ScriptRect& rect) {
    description_->SetArmRect(rect);
}

void MachineScript::SetArmAnimation(const AnimationReference& reference) {
    description_->SetArmAnimation(reference);
}

void MachineScript::SetCoinAnimation(const AnimationReference& reference) {
    description_->SetCoinAnimation(reference);
}

void MachineScript::SetCoinDropAnimation(const AnimationReference& reference) {
    description_->SetCoinDropAnimation(reference);
}

void MachineScript::SetCoinDropPosition(const Point& position) {
    description_->SetCoinDropPosition(position);
}

void MachineScript::SetAnimationFiles(const std::string& name,
                                      const AnimationReference& reference) {
    description_->SetAnimationFiles(name, reference);
}

void MachineScript::SetPayouts(const ScriptPayTable& table) {
    description_->SetPayouts(table);
}

void MachineScript::SetButton(const std::string& name, const ButtonPart& button) {
    description_->SetButton(name, button);
}

void MachineScript::SetIndicator(const std::string& name, const IndicatorPart& indicator) {
    description_->SetIndicator(name, indicator);
}

void MachineScript::SetSound(const std::string& name, const SoundPart& sound) {
    description_->SetSound(name, sound);
}

void MachineScript::SetRegion(const std::string& name, const RegionPart& region) {
    description_->SetRegion(name, region);
}

bool MachineScript::DefineButton(const std::string& name, const ButtonPart& button) {
    return description_->DefineButton(name, button);
}

bool MachineScript::DefineIndicator(const std::string& name, const IndicatorPart& indicator) {
    return description_->DefineIndicator(name, indicator);
}

bool MachineScript::DefineSound(const std::string& name, const SoundPart& sound) {
    return description_->DefineSound(name, sound);
}

bool MachineScript::DefineRegion(const std::string& name, const RegionPart& region) {
    return description_->DefineRegion(name, region);
}

bool MachineScript::RenameElement(const std::string& oldName, const std::string& newName) {
    return description_->RenameElement(oldName, newName);
}

void MachineScript::DeleteElement(const std::string& name) {
    description_->DeleteElement(name);
}

bool MachineScript::WriteScript(const std::string& path) {
    return description_->WriteScript(path);
}

const std::string& MachineScript::GetWriteError() const {
    return description_->GetWriteError();
}

void MachineScript::DiscardPatches(bool destroy) {
    description_->DiscardPatches(destroy);
}

void MachineScript::SetPatchOwner(int32_t owner) {
    description_->SetPatchOwner(owner);
}

std::vector<int32_t> MachineScript::GetPatchOwners() const {
    return description_->GetPatchOwners();
}

bool MachineScript::WriteScriptWith(const std::string& path, const std::function<bool(int32_t owner)>& keep) {
    return description_->WriteScriptWith(path, keep);
}

void MachineScript::DropPatches(int32_t owner) {
    description_->DropPatches(owner);
}
