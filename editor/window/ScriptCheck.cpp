#include "ScriptCheck.h"

#include <algorithm>
#include <vector>

#include "MachineScript.h"
#include "MessageSink.h"

void SaveUnits::Begin(MachineScript& script, const void* object, const std::string& label) {
    auto found = owners_.find(object);
    if (found == owners_.end()) found = owners_.emplace(object, int32_t(owners_.size()) + 1).first;
    labels_[found->second] = label;
    script.SetPatchOwner(found->second);
}

std::string SaveUnits::Label(int32_t owner) const {
    const auto found = labels_.find(owner);
    return found == labels_.end() ? "an edit" : found->second;
}

int32_t SaveUnits::Find(const void* object) const {
    const auto found = owners_.find(object);
    return found == owners_.end() ? 0 : found->second;
}

namespace {
struct MessageText : MessageSink {
    void AddMessage(const std::string& message) override { text += JoinedLines({message}); }
    std::string text;
};
}  // namespace

std::string CompileFailure(const std::string& path) {
    MessageText messages;
    MachineScript trial;
    trial.Compile(path, &messages, nullptr);
    if (trial.IsCompiled()) return std::string();
    std::string text = messages.text;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text.empty() ? "The script does not compile." : text;
}

std::string ScriptCheck::Check(const std::string& path) {
    culprit_ = -1;
    compilerMessage_ = CompileFailure(path);
    if (compilerMessage_.empty()) return std::string();
    FindCulprit(path);
    const std::string who = culprit_ < 0 ? "the edits" : "the edit of " + units_.Label(culprit_);
    return "The script was not saved: with " + who + " it does not compile.\nThe compiler says: " +
           compilerMessage_;
}

// The owners' edits are written in the order they were queued, one more owner each time;
// the first text that fails names its last owner.
void ScriptCheck::FindCulprit(const std::string& path) {
    const std::vector<int32_t> owners = script_.GetPatchOwners();
    std::vector<int32_t> kept;
    for (int32_t owner : owners) {
        kept.push_back(owner);
        const auto keep = [&kept](int32_t o) { return std::find(kept.begin(), kept.end(), o) != kept.end(); };
        if (!script_.WriteScriptWith(path, keep)) return;
        const std::string message = CompileFailure(path);
        if (message.empty()) continue;
        culprit_ = owner;
        compilerMessage_ = message;
        return;
    }
}
