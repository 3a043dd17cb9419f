// The rectangle of an Art statement from the four values the script gives. The values
// are constant expressions, which wrap; an edge or a size computed from them that leaves
// 32 bits is an error of the script, so every rectangle the compiler keeps has 32-bit
// edges, width and height.
#pragma once
#include <cstdint>
#include <string>

#include "ScriptRect.h"
#include "SynError.h"

// left top third fourth: with `sized`, third and fourth are the width and height,
// otherwise the right and bottom edges. A rectangle that does not fit is reported as
// "<what> does not fit in 32-bit coordinates".
inline ScriptRect RectOf(int32_t left, int32_t top, int32_t third, int32_t fourth, bool sized,
                         const std::string& what) {
    // The right and bottom edges of a sized rectangle, the width and height of another.
    const int64_t across = sized ? int64_t{left} + third : int64_t{third} - left;
    const int64_t down = sized ? int64_t{top} + fourth : int64_t{fourth} - top;
    if (across < INT32_MIN || across > INT32_MAX || down < INT32_MIN || down > INT32_MAX)
        throw SynError(what + " does not fit in 32-bit coordinates");
    return sized ? ScriptRect{left, top, static_cast<int32_t>(across), static_cast<int32_t>(down)}
                 : ScriptRect{left, top, third, fourth};
}
