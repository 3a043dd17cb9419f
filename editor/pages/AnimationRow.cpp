#include "AnimationRow.h"

#include <algorithm>

#include "AnimationSet.h"
#include "Bitmap.h"

namespace {
const int32_t kThumbGap = 4;
const int32_t kEmptyWidth = 14, kEmptyHeight = 10;

// One row's frame area, a line per sequence; answers its size.
SIZE PlaceThumbs(AnimationRow& row) {
    int32_t lineY = 0, right = 0;
    size_t next = 0;
    while (next < row.thumbs.size()) {
        const int32_t sequence = row.thumbs[next].sequence;
        int32_t x = 2, height = 0, frame = 0;
        for (; next < row.thumbs.size() && row.thumbs[next].sequence == sequence; ++next) {
            AnimationThumb& thumb = row.thumbs[next];
            thumb.x = x;
            thumb.y = lineY;
            thumb.frame = frame++;
            thumb.selected = false;
            x += thumb.width + kThumbGap;
            height = std::max(height, thumb.height);
        }
        right = std::max(right, x - 2);
        lineY += height + kThumbGap;
    }
    if (row.thumbs.empty()) return SIZE{kEmptyWidth, kEmptyHeight};
    return SIZE{right, lineY};
}
}  // namespace

void FillThumbs(AnimationRow& row) {
    row.thumbs.clear();
    const std::vector<AnimationSequence*>& sequences = row.set->GetSequences();
    for (size_t s = 0; s < sequences.size(); ++s) {
        for (AnimationFrame* frame : sequences[s]->GetFrames()) {
            AnimationThumb thumb;
            thumb.image = frame->GetImage();
            const SIZE size = frame->GetSize();
            thumb.width = size.cx;
            thumb.height = size.cy;
            thumb.sequence = int32_t(s);
            thumb.framePointer = frame;
            row.thumbs.push_back(thumb);
        }
    }
}

SIZE LayOutRows(std::vector<AnimationRow>& rows, int32_t textLine) {
    int32_t top = 0, width = 0;
    for (AnimationRow& row : rows) {
        const SIZE area = PlaceThumbs(row);
        row.rect = RECT{0, top, area.cx, top + area.cy};
        width = std::max(width, int32_t(area.cx));
        top += textLine + area.cy;
    }
    return SIZE{width, top};
}
