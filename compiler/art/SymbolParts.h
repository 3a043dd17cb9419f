// The parts of a symbol record that describe the Art block's named elements. Every record
// carries all of them; only the one that matches its kind holds data. Each value that the
// machine editor may change keeps the place of its text in the script.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "AnimationReference.h"
#include "Geometry.h"
#include "Region.h"
#include "ScriptRect.h"
#include "SourceSpan.h"

class SymbolPart {
public:
    virtual ~SymbolPart() = default;

    SourceSpan definitionSpan;  // the whole definition, keyword to closing brace
    SourceSpan nameSpan;        // the element's name
    SourceSpan pictureSpan;     // the picture text of an Animation
    std::string name;
};

// Hot-key flag bits of Buttons and Regions.
enum HotKeyFlag : int32_t { HotKeyAlt = 1, HotKeyCtrl = 2, HotKeyShift = 4 };

class AnimationRecord : public SymbolPart {
public:
    ~AnimationRecord() override = default;

    AnimationReference reference;
};

// A value of an element that a clause may leave out: its place is then an insertion point
// (the first token after the element's position) and the absent flag is set.
class ButtonPart : public SymbolPart {
public:
    ~ButtonPart() override = default;

    AnimationReference picture;
    Point position{0, 0};
    SourceSpan positionSpan;
    ScriptRect rectangle;        // position and the picture's frame size
    int32_t priority = 200;
    SourceSpan prioritySpan;
    bool priorityAbsent = true;
    int32_t hotKey = 0;          // the key's character code; 0 for none
    SourceSpan hotKeySpan;
    bool hotKeyAbsent = true;
    int32_t hotKeyFlags = 0;     // HotKeyFlag bits
    SourceSpan hotKeyFlagsSpan;
    bool hotKeyFlagsAbsent = true;
    std::vector<std::string> scriptlets;  // each: event name, "=", code
};

class IndicatorPart : public SymbolPart {
public:
    ~IndicatorPart() override = default;

    AnimationReference picture;  // optional: HasPictures() false without one
    ScriptRect rectangle;
    SourceSpan rectangleSpan;    // from the "=" to the last value of the size
    int32_t priority = 75;
    SourceSpan prioritySpan;
    bool priorityAbsent = true;
    int32_t digits = 0;
    SourceSpan digitsSpan;
    bool digitsAbsent = true;
    int32_t dollarSign = 0;      // non-zero: the amount is shown with a dollar sign
    SourceSpan dollarSignSpan;
    bool dollarSignAbsent = true;
    std::vector<std::string> scriptlets;
};

class SoundPart : public SymbolPart {
public:
    ~SoundPart() override = default;

    std::string file;
    SourceSpan fileSpan;
    int32_t assetNumber = 0;     // not 0: the file is an asset file holding the sound
    SourceSpan assetNumberSpan;
    bool compressed = false;
    SourceSpan compressedSpan;
    SourceSpan entrySpan;        // the file name to the last value after it
    int32_t line = 0;            // the script's line (from 1) of the Sound statement
};

class RegionPart : public SymbolPart {
public:
    ~RegionPart() override = default;

    Region region;               // origin and vertices (offsets from the origin)
    SourceSpan originSpan;
    std::vector<SourceSpan> pointSpans;  // one per vertex
    SourceSpan pointListSpan;
    int32_t hotKey = 0;
    SourceSpan hotKeySpan;
    bool hotKeyAbsent = true;
    int32_t hotKeyFlags = 0;
    SourceSpan hotKeyFlagsSpan;
    bool hotKeyFlagsAbsent = true;
    std::vector<std::string> scriptlets;
};
