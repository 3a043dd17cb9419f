// The machine's scriptable items as the script host publishes them: each under its
// element name, with the scriptlets ("Event=code") that the machine file gives it.
#pragma once
#include <string>
#include <vector>

#include "ScriptFaceItem.h"
#include "ScriptIndicator.h"

template <class Item>
struct NamedScriptItem {
    std::string name;
    Item* item;
    std::vector<std::string> scriptlets;
};

struct ScriptItems {
    std::vector<NamedScriptItem<ScriptIndicator>> indicators;
    std::vector<NamedScriptItem<ScriptSpriteItem>> sprites;
    std::vector<NamedScriptItem<ScriptRegionItem>> regions;
};

// A scriptlet split at its first "=": the event name and the code. Without "=" the
// whole text is both.
void SplitScriptlet(const std::string& scriptlet, std::string& event, std::string& code);
