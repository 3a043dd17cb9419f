#include "CellStep.h"

GridCell StepCell(GridCell from, bool backwards, int rows, int columns) {
    if (rows <= 0 || columns <= 0) return GridCell{};
    GridCell to = from;
    if (!backwards) {
        if (++to.column >= columns) {
            to.column = 0;
            if (++to.row >= rows) to.row = 0;
        }
        return to;
    }
    if (--to.column < 0) {
        to.column = columns - 1;
        if (--to.row < 0) to.row = rows - 1;
    }
    return to;
}
