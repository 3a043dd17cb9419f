// A rectangle as a machine script gives it: left, top, right and bottom.
#pragma once
#include <cstdint>

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
