// The animations that a button's or an indicator's properties offer: every animation set
// of the layout, in the layout's order, except the elements' own sets (named in braces),
// of which only the element's own one is offered; choosing it means the element keeps
// its own unnamed animation.
#pragma once
#include <string>
#include <vector>

// The name of an element's own set: "{" + kind + " " + name + "}".
std::string OwnSetName(const std::string& kind, const std::string& name);

// The set names offered, from all set names and the element's own set name.
std::vector<std::string> AnimationChoices(const std::vector<std::string>& setNames, const std::string& ownSet);

// The entry to select for the element's animation name (its own set when empty).
std::string ChoiceFor(const std::string& animationName, const std::string& ownSet);

// The animation name that a chosen entry gives: empty for the element's own set.
std::string AnimationNameFor(const std::string& choice, const std::string& ownSet);
