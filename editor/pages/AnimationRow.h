// What the Animations page shows of one animation: its row in the content (name line,
// then the frames as thumbnails, one line per sequence) and the thumbnails themselves.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

class AnimationFrame;
class AnimationSet;
class Bitmap;

struct AnimationThumb {
    std::shared_ptr<Bitmap> image;
    int32_t width = 0, height = 0;
    int32_t x = 0, y = 0;  // inside the row's frame area
    bool selected = false;
    int32_t sequence = 0;
    int32_t frame = 0;
    AnimationFrame* framePointer = nullptr;
};

struct AnimationRow {
    RECT rect = {0, 0, 0, 0};  // content coordinates; the frames begin a text line below the top
    std::vector<AnimationThumb> thumbs;
    AnimationSet* set = nullptr;
};

// The row's thumbnails from its set's frames, in sequence order (positions unset).
void FillThumbs(AnimationRow& row);
// Places every row and its thumbnails from the top down; answers the content size.
SIZE LayOutRows(std::vector<AnimationRow>& rows, int32_t textLine);
