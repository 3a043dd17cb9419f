// The parts of a symbol record that describe the Art block's named elements. Every record
// carries all of them; only the one that matches its kind holds data. The Art statements
// that fill each part add its fields.
#pragma once
#include <string>

#include "SourceSpan.h"

class SymbolPart {
public:
    virtual ~SymbolPart() = default;

    SourceSpan definitionSpan;  // the whole definition, keyword to closing brace
    SourceSpan nameSpan;        // the element's name
    SourceSpan pictureSpan;     // the picture text of an Animation
    std::string name;
};

class AnimationRecord : public SymbolPart {
public:
    ~AnimationRecord() override = default;
};

class ButtonPart : public SymbolPart {
public:
    ~ButtonPart() override = default;
};

class IndicatorPart : public SymbolPart {
public:
    ~IndicatorPart() override = default;
};

class SoundPart : public SymbolPart {
public:
    ~SoundPart() override = default;
};

class RegionPart : public SymbolPart {
public:
    ~RegionPart() override = default;
};
