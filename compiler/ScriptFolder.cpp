#include "ScriptFolder.h"

#include <system_error>

std::string WholePath(const std::string& path) {
    std::error_code failed;
    const std::filesystem::path whole = std::filesystem::absolute(path, failed);
    return failed ? path : whole.string();
}

InScriptFolder::InScriptFolder(const std::string& scriptPath) : script_(WholePath(scriptPath)) {
    std::error_code failed;
    previous_ = std::filesystem::current_path(failed);
    EnterScriptFolder(script_);
}

InScriptFolder::~InScriptFolder() {
    std::error_code failed;
    if (!previous_.empty()) std::filesystem::current_path(previous_, failed);
}

void EnterScriptFolder(const std::string& scriptPath) {
    const std::filesystem::path folder = std::filesystem::path(WholePath(scriptPath)).parent_path();
    std::error_code failed;
    if (!folder.empty()) std::filesystem::current_path(folder, failed);
}
