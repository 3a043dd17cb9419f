// The base of the editor's grid pages (Reels and Payouts): a scroll view whose labels run
// in a band along the top and a band down the left, with the grid pane filling the rest,
// scroll ranges that follow the content, and the pages' font.
#pragma once
#include <windows.h>

#include "GridControls.h"
#include "ScrollView.h"

class GridPage : public ScrollView {
public:
    ~GridPage() override;

protected:
    // A child page: hidden, scroll bars, clipping its children. The page's new size lays
    // out the bands and the pane; the pane's sets the scroll ranges.
    explicit GridPage(const RECT& area);
    // Width of the left band and height of the top band.
    virtual SIZE GetBands() const = 0;

private:
    LRESULT OnPageSize(WPARAM, LPARAM);
    LRESULT OnGridSize(WPARAM, LPARAM);

protected:

    HFONT font_ = nullptr;
};

// Painting a grid's pane or labels: the client filled with a system colour, the grid font
// and a system text colour on a transparent background, the old font back at the end.
class GridPainter : public PaintScope {
public:
    GridPainter(HWND window, HFONT font, int background, int text);
    ~GridPainter();

private:
    HGDIOBJ previous_;
};
