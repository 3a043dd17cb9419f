#include "ThumbStep.h"

namespace {
// The first (or last) thumbnail of the first row with one at or after `row`, walking in
// the direction and wrapping around.
ThumbIndex RowEnd(const std::vector<size_t>& rows, int row, bool forward) {
    const int count = int(rows.size());
    for (int n = 0; n < count; ++n) {
        const int r = ((row + (forward ? n : -n)) % count + count) % count;
        if (rows[r]) return ThumbIndex{r, forward ? 0 : int(rows[r]) - 1};
    }
    return ThumbIndex();
}
}  // namespace

ThumbIndex StepThumb(const std::vector<size_t>& rowSizes, ThumbIndex current, bool forward) {
    if (rowSizes.empty()) return ThumbIndex();
    if (current.row < 0 || current.row >= int(rowSizes.size())) return RowEnd(rowSizes, 0, true);
    const int next = current.thumb + (forward ? 1 : -1);
    if (next >= 0 && next < int(rowSizes[current.row])) return ThumbIndex{current.row, next};
    return RowEnd(rowSizes, current.row + (forward ? 1 : -1), forward);
}
