#include "MachinePaths.h"

namespace {
int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsRefusedEscape(char c) { return c == '\\' || c == '/' || c == '\0'; }
}  // namespace

bool DecodePercentEscapes(const std::string& text, std::string& out) {
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() && text[i] == '%' ? HexValue(text[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
        if (low < 0) {
            out += text[i];
            continue;
        }
        const char c = char(high * 16 + low);
        if (IsRefusedEscape(c)) return false;
        out += c;
        i += 2;
    }
    return true;
}

void SplitPath(const std::string& path, std::string& folder, std::string& name) {
    size_t at = path.rfind('\\');
    if (at == std::string::npos) at = path.rfind('/');
    const size_t nameAt = at == std::string::npos ? 0 : at + 1;
    folder = path.substr(0, nameAt);
    name = path.substr(nameAt);
}

std::string UnquoteCommandLine(const std::string& commandLine) {
    const size_t first = commandLine.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    const size_t last = commandLine.find_last_not_of(" \t");
    std::string text = commandLine.substr(first, last - first + 1);
    if (!text.empty() && text.front() == '"') text.erase(0, 1);
    if (!text.empty() && text.back() == '"') text.pop_back();
    return text;
}

bool ReadCommandLineMachine(const std::string& commandLine, CommandLineMachine& machine) {
    machine.raw = UnquoteCommandLine(commandLine);
    if (machine.raw.empty() || !DecodePercentEscapes(machine.raw, machine.decoded)) return false;
    SplitPath(machine.raw, machine.rawFolder, machine.rawName);
    SplitPath(machine.decoded, machine.decodedFolder, machine.decodedName);
    return !machine.decodedName.empty() && machine.decodedName != "." && machine.decodedName != "..";
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

std::string MachineFileForScript(const std::string& scriptPath, const std::string& folder) {
    std::string scriptFolder, name;
    SplitPath(scriptPath, scriptFolder, name);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return JoinPath(folder, name + ".slot");
}
