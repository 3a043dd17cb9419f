#include "ScriptSaver.h"

#include <cerrno>
#include <cstdio>

namespace {
std::string ReplaceExtension(const std::string& path, const std::string& ending) {
    const size_t dot = path.rfind('.');
    const size_t folder = path.find_last_of("\\/");
    if (dot == std::string::npos || (folder != std::string::npos && dot < folder)) return path + ending;
    return path.substr(0, dot) + ending;
}
}  // namespace

ScriptSavePaths SavePathsFor(const std::string& scriptPath) {
    return ScriptSavePaths{scriptPath, ReplaceExtension(scriptPath, ".new.txt"),
                           ReplaceExtension(scriptPath, ".old.txt")};
}

ScriptFileOps ScriptFileOps::Standard() {
    ScriptFileOps ops;
    ops.remove = [](const std::string& path) { return std::remove(path.c_str()); };
    ops.rename = [](const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()); };
    return ops;
}

ScriptSaver::ScriptSaver(const std::string& scriptPath, ScriptFileOps ops)
    : paths_(SavePathsFor(scriptPath)), ops_(std::move(ops)) {}

std::string ScriptSaver::Save(const std::function<bool(const std::string& path)>& writeNew,
                              const std::function<std::string(const std::string& path)>& check) {
    if (!writeNew(paths_.fresh)) {
        ops_.remove(paths_.fresh);
        return "Couldn't write new script";
    }
    std::string failure = check ? check(paths_.fresh) : std::string();
    if (failure.empty()) failure = MakeBackup();
    if (failure.empty()) failure = PutNewInPlace();
    if (!failure.empty()) ops_.remove(paths_.fresh);
    return failure;
}

// The script moves to the backup name, unless it is already there from a save that
// failed and could not move it back.
std::string ScriptSaver::MakeBackup() {
    if (scriptIsBackedUp_) return "";
    errno = 0;
    if (ops_.remove(paths_.backup) != 0 && errno != ENOENT) return "Couldn't remove old backup";
    if (ops_.rename(paths_.script, paths_.backup) != 0) return "Couldn't rename script for backup.";
    scriptIsBackedUp_ = true;
    return "";
}

std::string ScriptSaver::PutNewInPlace() {
    if (ops_.rename(paths_.fresh, paths_.script) == 0) return "";
    if (ops_.rename(paths_.backup, paths_.script) == 0) scriptIsBackedUp_ = false;
    return "Couldn't rename new script to original name.";
}
