#include "AnimationChoices.h"

#include <climits>

#include "MachineScript.h"

std::string OwnSetName(const std::string& kind, const std::string& name) { return "{" + kind + " " + name + "}"; }

std::vector<std::string> AnimationChoices(const std::vector<std::string>& setNames, const std::string& ownSet) {
    std::vector<std::string> choices;
    for (const std::string& name : setNames)
        if (name.empty() || name[0] != '{' || name == ownSet) choices.push_back(name);
    return choices;
}

std::string ChoiceFor(const std::string& animationName, const std::string& ownSet) {
    return animationName.empty() ? ownSet : animationName;
}

std::string AnimationNameFor(const std::string& choice, const std::string& ownSet) {
    return choice == ownSet ? std::string() : choice;
}

namespace {
// Where the compiled script's Button or Indicator of the name starts; past every
// definition for a name it does not know.
int32_t DefinitionStart(const MachineScript& script, const std::string& compiledName) {
    for (const auto& elements : {script.GetButtons(), script.GetIndicators()}) {
        const auto found = elements.find(compiledName);
        if (found == elements.end()) continue;
        const SymbolRecord& record = found->second;
        return record.kind == SymbolKind::Button ? record.button.definitionSpan.start
                                                 : record.indicator.definitionSpan.start;
    }
    return INT32_MAX;
}
}  // namespace

std::vector<std::string> SavableChoices(const std::vector<std::string>& choices, const std::string& ownSet,
                                        const MachineScript* script, const std::string& compiledName) {
    if (!script) return choices;
    const auto animations = script->GetAnimations();
    const int32_t element = DefinitionStart(*script, compiledName);
    std::vector<std::string> savable;
    for (const std::string& choice : choices) {
        const auto found = animations.find(choice);
        if (choice == ownSet || (found != animations.end() && found->second.animation.definitionSpan.start < element))
            savable.push_back(choice);
    }
    return savable;
}
