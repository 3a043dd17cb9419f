// The pictures of a Coin, Button, Arm, Indicator or Animation definition: either the name
// of an Animation definition, or file sequences (each brace group of the script is one
// sequence; a sequence of several files is animated), or the library form, whose one file
// is an asset file and whose asset number picks the sprite in it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "SourceSpan.h"

struct AnimationReference {
    std::vector<std::vector<std::string>> sequences;
    std::vector<SourceSpan> sequenceSpans;  // one per sequence
    std::string animationName;              // empty: the reference has its own pictures
    SourceSpan nameSpan;
    std::vector<std::string> scriptlets;    // each: event name, "=", code
    bool transparent = false;
    int32_t horizontalHotSpot = 1;          // 0 center, 1 left, 2 right
    int32_t verticalHotSpot = 1;            // 0 center, 1 top, 2 bottom
    int32_t libraryAsset = 0;               // 0: not the library form
    SourceSpan span;                        // the whole reference text

    // True when the reference names an Animation or has at least one sequence.
    bool HasPictures() const { return !animationName.empty() || !sequences.empty(); }

    // Equal in every value; the spans are places in the script, not values.
    bool operator==(const AnimationReference& o) const {
        return sequences == o.sequences && animationName == o.animationName &&
               scriptlets == o.scriptlets && transparent == o.transparent &&
               horizontalHotSpot == o.horizontalHotSpot && verticalHotSpot == o.verticalHotSpot &&
               libraryAsset == o.libraryAsset;
    }
    bool operator!=(const AnimationReference& o) const { return !(*this == o); }
};
