// The Sounds page's commands: play, add, delete, rename and choose a sound's file.
#include "AssetSound.h"
#include "EditorPageIds.h"
#include "ElementName.h"
#include "MachineScript.h"
#include "PageDialogs.h"
#include "RelativePath.h"
#include "SoundFileCheck.h"
#include "SoundName.h"
#include "SoundPage.h"
#include "SoundSystem.h"

namespace {
const char kSoundFilter[] = "WAVE files (*.wav)\0*.wav\0CWAVE files (*.cwv)\0*.cwv\0";
const char kSoundTitle[] = "Choose a sound";
}  // namespace

void SoundPage::RunCommand(int command) {
    switch (command) {
    case ID_PLAY_ITEM:
        if (selected_) Play(*selected_);
        break;
    case ID_DELETE_ITEM: DeleteSound(); break;
    case ID_RENAME_ITEM: RenameSound(); break;
    case ID_ADD_SOUND: AddSound(); break;
    case ID_CHOOSE_SOUND_FILE: ChooseSoundFile(); break;
    default: break;
    }
}

bool SoundPage::Play(const SoundEntry& entry) {
    const SoundPart& sound = entry.GetSound();
    if (sound.assetNumber) return AssetSound::Play(sound.file, sound.assetNumber);
    return GetSoundSystem().PlayDiskEffect(sound.file.c_str(), 0, 0, 0, 0) != 0;
}

void SoundPage::RowsChanged() {
    UpdateScrollRanges();
    InvalidateRect(GetPane(), nullptr, TRUE);
}

// The script code names a sound by the name it has in the script; a sound added since is
// named by its new name.
std::string SoundPage::CodeRefusal(const SoundEntry& entry, bool rename) const {
    if (!script_) return std::string();
    const std::string& name = entry.IsNew() ? entry.GetName() : entry.GetScriptName();
    return CodeUseRefusal(entry.GetName(), CodeLinesUsing(*script_, name), rename);
}

void SoundPage::DeleteSound() {
    if (!selected_) return;
    const std::string refusal =
        script_ ? CoinUseRefusal(*script_, selected_->GetName(), selected_->GetScriptName()) : std::string();
    if (!refusal.empty()) {
        MessageBoxA(GetHandle(), refusal.c_str(), kCoinUseCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string codeRefusal = CodeRefusal(*selected_, false);
    if (!codeRefusal.empty()) {
        MessageBoxA(GetHandle(), codeRefusal.c_str(), kCodeUseCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    InvalidateRow(selected_);
    selected_->MarkDeleted();
    selected_ = nullptr;
    RowsChanged();
}

bool SoundPage::IsNameTaken(const std::string& name, const SoundEntry* entry) const {
    for (const auto& other : sounds_)
        if (other.get() != entry && !other->IsDeleted() && other->GetName() == name) return true;
    if (elementNameUsed_ && elementNameUsed_(name)) return true;
    // The script's names, but for the one the sound itself stands under.
    const bool ownName = entry && !entry->IsNew() && entry->GetScriptName() == name;
    return script_ && !ownName && script_->IsDefined(name);
}

// Asks until the name can stand in the script or the author cancels; a name the script
// could not read is refused with the reason.
bool SoundPage::AskName(std::string& name, const SoundEntry* entry) {
    const auto& ask = GetPageDialogs().askName;
    if (!ask) return false;
    for (;;) {
        std::string typed = name;
        if (!ask(this, "Sound", typed)) return false;
        const std::string refusal =
            SoundNameRefusal(typed, [this, entry](const std::string& n) { return IsNameTaken(n, entry); });
        if (refusal.empty()) {
            name = typed;
            return true;
        }
        MessageBoxA(GetHandle(), refusal.c_str(), "Invalid Name", MB_OK | MB_ICONEXCLAMATION);
    }
}

void SoundPage::RenameSound() {
    if (!selected_) return;
    std::string name = selected_->GetName();
    const std::string codeRefusal = CodeRefusal(*selected_, true);
    if (!codeRefusal.empty()) {
        MessageBoxA(GetHandle(), codeRefusal.c_str(), kCodeUseCaption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // The elements' and the payouts' scriptlets may name it too.
    if (script_ && JScriptUsesName(*script_, name) &&
        MessageBoxA(GetHandle(), NameInJScriptWarning(name).c_str(), kNameInJScriptCaption,
                    MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;
    if (!AskName(name, selected_) || name == selected_->GetName()) return;
    selected_->Rename(name);
    InvalidateRow(selected_);
}

// The saved current directory comes back whatever the dialog did. A file that the game
// cannot play is refused with the wizard's reason, as if the dialog had been cancelled.
bool SoundPage::ChooseFile(std::string& path) {
    char saved[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof saved, saved);
    path.clear();
    const bool chosen = GetPageDialogs().chooseFile(this, path, kSoundFilter, kSoundTitle);
    SetCurrentDirectoryA(saved);
    if (!chosen) return false;
    const SoundFileRefusal refusal = RefusalOfSoundFile(path);
    if (!refusal.text.empty()) {
        MessageBoxA(GetHandle(), refusal.text.c_str(), refusal.caption.c_str(), MB_OK | MB_ICONSTOP);
        return false;
    }
    path = MakeRelativePath(folder_, path);
    return true;
}

void SoundPage::ChooseSoundFile() {
    std::string path;
    if (!selected_ || !ChooseFile(path)) return;
    SoundPart sound = selected_->GetSound();
    sound.file = path;
    sound.assetNumber = 0;
    selected_->SetSound(sound);
    InvalidateRow(selected_);
}

// A new sound: its name first, then its file; cancelling either adds nothing.
void SoundPage::AddSound() {
    std::string name = "NewSound";
    std::string path;
    if (!AskName(name, nullptr) || !ChooseFile(path)) return;
    SoundPart sound;
    sound.file = path;
    auto entry = std::make_unique<SoundEntry>(name, sound);
    entry->SetSound(sound);
    entry->MarkNew();
    sounds_.push_back(std::move(entry));
    RowsChanged();
}
