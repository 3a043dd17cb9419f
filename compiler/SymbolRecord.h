// One named definition of a machine script's Art block, as the symbol table stores it.
#pragma once
#include <cstdint>

#include "ScriptRect.h"
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
