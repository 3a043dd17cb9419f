// The place of an editable value in a machine script: the one-based positions of its
// first and last character. A value that has no text yet has the insert flag set, and
// start = end is the position of the character in front of which its text goes.
#pragma once
#include <cstdint>

class SourcePatch;

struct SourceSpan {
    int32_t start = 0;
    int32_t end = 0;
    int32_t insert = 0;             // non-zero: the value is to be inserted at start
    SourcePatch* patch = nullptr;   // the edit queued for this value; not owned

    static SourceSpan Of(int32_t start, int32_t end) {
        SourceSpan s;
        s.start = start;
        s.end = end;
        return s;
    }
    static SourceSpan InsertAt(int32_t position) {
        SourceSpan s;
        s.start = s.end = position;
        s.insert = 1;
        return s;
    }
};
