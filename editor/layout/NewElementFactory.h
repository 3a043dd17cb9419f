// Where the layout gets the indicators and buttons that the author adds on the Graphics
// page: the element classes plug in one maker per kind, which builds the new element's
// description (its rectangle at the point) and sets the element up on the stage under
// the given name. Without a maker the layout cannot add that kind.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

class EditableElement;
class MachineLayout;
class SpriteParent;

struct NewElementFactory {
    std::function<EditableElement*(MachineLayout& layout, const SpriteParent& stage, const std::string& name,
                                   POINT point)>
        indicator;
    std::function<EditableElement*(MachineLayout& layout, const SpriteParent& stage, const std::string& name,
                                   POINT point, const std::string& folder)>
        button;
};

// The process-wide makers, empty until the element classes plug theirs in.
NewElementFactory& GetNewElementFactory();
