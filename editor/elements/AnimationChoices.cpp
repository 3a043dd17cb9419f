#include "AnimationChoices.h"

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
