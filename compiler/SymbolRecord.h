// One named definition of a machine script's Art block, as the symbol table stores it.
#pragma once
#include <cstdint>

#include "SymbolParts.h"

enum class SymbolKind : int32_t {
    Constant = 1,
    Rectangle = 4,
    Animation = 6,
    Button = 7,
    Indicator = 8,
    Sound = 9,
    Region = 10,
};

struct ScriptRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const ScriptRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    bool operator!=(const ScriptRect& o) const { return !(*this == o); }
};

struct SymbolRecord {
    SymbolKind kind = SymbolKind::Constant;
    int32_t value = 0;        // a Constant's value
    ScriptRect rectangle;     // a Rectangle
    AnimationRecord animation;
    ButtonPart button;
    IndicatorPart indicator;
    SoundPart sound;
    RegionPart region;
};
