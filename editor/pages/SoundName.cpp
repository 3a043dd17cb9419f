#include "SoundName.h"

#include "ElementName.h"

std::string SoundNameRefusal(const std::string& name, const std::function<bool(const std::string&)>& isTaken) {
    const std::string refusal = ScriptNameRefusal(name, "sound");
    if (!refusal.empty()) return refusal;
    if (isTaken && isTaken(name)) return name + " is already used in this machine.";
    return std::string();
}
