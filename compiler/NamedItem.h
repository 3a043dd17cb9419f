// A small base for objects that carry a name and can load a backdrop and apply changes;
// the machine editor's layout model derives from it. The base never touches the name.
#pragma once
#include <string>

class MachineScript;

class NamedItem {
public:
    virtual ~NamedItem() = default;
    virtual bool LoadBackdrop(MachineScript* script);
    virtual bool Apply();

    std::string name;
};
