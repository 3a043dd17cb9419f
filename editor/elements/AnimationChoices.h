// The animations that a button's or an indicator's properties offer: every animation set
// of the layout, in the layout's order, except the elements' own sets (named in braces),
// of which only the element's own one is offered; choosing it means the element keeps
// its own unnamed animation.
#pragma once
#include <string>
#include <vector>

class MachineScript;

// The name of an element's own set: "{" + kind + " " + name + "}".
std::string OwnSetName(const std::string& kind, const std::string& name);

// The set names offered, from all set names and the element's own set name.
std::vector<std::string> AnimationChoices(const std::vector<std::string>& setNames, const std::string& ownSet);

// The choices the element's statement can name, so that the save compiles: its own set,
// and the Animations the compiled script defines in front of the element's statement (a
// new element, which the compiled script does not know by compiledName, is written at
// the Art block's end, after all of them). An Animation added since the compile is
// written after the elements and is offered to none. Without a script, the choices.
std::vector<std::string> SavableChoices(const std::vector<std::string>& choices, const std::string& ownSet,
                                        const MachineScript* script, const std::string& compiledName);

// The entry to select for the element's animation name (its own set when empty).
std::string ChoiceFor(const std::string& animationName, const std::string& ownSet);

// The animation name that a chosen entry gives: empty for the element's own set.
std::string AnimationNameFor(const std::string& choice, const std::string& ownSet);
