// Moving through the cells of an editing grid with Tab: row by row, wrapping from the last
// cell of a row to the first of the next and from the last row to the first (backwards
// the other way round).
#pragma once

struct GridCell {
    int row = 0;
    int column = 0;

    bool operator==(const GridCell& o) const { return row == o.row && column == o.column; }
};

// The cell after (or, backwards, before) the given one in a grid of rows x columns.
GridCell StepCell(GridCell from, bool backwards, int rows, int columns);
