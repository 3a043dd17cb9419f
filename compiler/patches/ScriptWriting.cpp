// WriteScript: the compiled script with the text of every edit in place.
#include "FileReplace.h"
#include "MachineDescription.h"
#include "ScriptRewrite.h"

namespace {

void AddEdits(const std::list<PatchEntry>& entries, std::vector<ScriptEdit>& edits,
              const std::function<bool(int32_t owner)>& keep = nullptr) {
    for (const PatchEntry& entry : entries)
        if (!keep || keep(entry.owner))
            edits.push_back(ScriptEdit{entry.start, entry.end, entry.insert, entry.patch->GetText()});
}

}  // namespace

bool MachineDescription::WriteScript(const std::string& path) {
    return WriteScriptWith(path, nullptr);
}

bool MachineDescription::WriteScriptWith(const std::string& path, const std::function<bool(int32_t owner)>& keep) {
    writeError_.clear();
    if (!haveScriptBytes_) {
        writeError_ = "No script was compiled";
        return false;
    }
    // Saved edits were queued before the ones queued since.
    std::vector<ScriptEdit> edits;
    AddEdits(savedPatches_, edits);
    AddEdits(patches_, edits, keep);
    writeError_ = ReplaceFileContents(path, RewriteScript(scriptBytes_, edits));
    return writeError_.empty();
}
